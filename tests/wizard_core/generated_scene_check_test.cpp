// A generated scene is an ordinary scene: it passes the check that runs before every preview and
// packaging, and it survives being saved and read back with its links.
#include <gtest/gtest.h>

#include <vector>

#include "scene/entries.h"
#include "scene/portable_preparer.h"
#include "scene/scene_check.h"
#include "scene/scene_file.h"
#include "tests/wizard_core/wizard_objects.h"
#include "wizard/core/scene_generator.h"

namespace vl {
namespace {

using testing::Media;
using testing::Picture;
using testing::TextMessage;

constexpr ScreenSize kScreen{1024, 768};

std::vector<WizardSequence> EveryKindOfSequence() {
    std::vector<WizardSequence> sequences;
    auto sea = Picture("sea.bmp", 128);
    auto text = TextMessage("Good night\r\nsleep well");
    auto wave = Media("ding.wav");
    auto clip = Media("clip.avi", 300, MultimediaEntry::kTypeAvi);

    sequences.push_back(MakeWizardSequence(kSequenceImage, *sea, kScreen.width));
    WizardSequence moving = MakeWizardSequence(kSequenceImage, *sea, kScreen.width);
    moving.move = 1;
    moving.clearScreen = 1;
    moving.centreStartY = 1;
    moving.endY = 700;
    sequences.push_back(moving);
    WizardSequence tiled = MakeWizardSequence(kSequenceImage, *sea, kScreen.width);
    tiled.effect = kEffectStretch;
    sequences.push_back(tiled);
    sequences.push_back(MakeWizardSequence(kSequenceText, *text, kScreen.width));
    WizardSequence played = MakeWizardSequence(kSequenceMedia, *wave, kScreen.width);
    played.playCount = 3;
    played.clearScreen = 1;
    sequences.push_back(played);
    WizardSequence video = MakeWizardSequence(kSequenceMedia, *clip, kScreen.width);
    video.videoX = 50;
    video.mediaWait = 0;
    sequences.push_back(video);
    return sequences;
}

void Generate(EntryList& entries, bool repeatForever, GeneratedForm form) {
    EntryListTarget target(entries);
    GenerateScene(EveryKindOfSequence(), repeatForever, form, kScreen, target);
}

TEST(GeneratedScene, PassesTheSceneCheckInEveryForm) {
    for (bool repeatForever : {true, false}) {
        for (GeneratedForm form : {GeneratedForm::kFinal, GeneratedForm::kPreview}) {
            EntryList entries;
            Generate(entries, repeatForever, form);
            PortablePreparer preparer;
            const SceneCheckResult result = CheckScene(entries, preparer);
            EXPECT_TRUE(result.ok) << result.message << " at line " << result.index;
        }
    }
}

TEST(GeneratedScene, EndlessLoopJumpsBackToTheFirstCommand) {
    EntryList entries;
    Generate(entries, true, GeneratedForm::kFinal);
    PortablePreparer preparer;
    ASSERT_TRUE(CheckScene(entries, preparer).ok);
    std::ptrdiff_t repeatLine = -1;
    for (std::size_t i = 0; i < entries.Count(); ++i) {
        if (entries.At(i).Kind() == kRepeat) {
            repeatLine = static_cast<std::ptrdiff_t>(i);
        }
    }
    auto* until = EntryAs<UntilEntry>(&entries.At(entries.Count() - 1));
    ASSERT_NE(until, nullptr);
    EXPECT_EQ(until->jumpTarget, repeatLine + 1);
}

TEST(GeneratedScene, AnEmptyTextMessageFailsTheCheckAtItsDefinition) {
    // The generator trusts the pages; the check is what stops an empty text.
    auto empty = TextMessage("");
    EntryList entries;
    EntryListTarget target(entries);
    GenerateScene({MakeWizardSequence(kSequenceText, *empty, kScreen.width)}, true,
                  GeneratedForm::kFinal, kScreen, target);
    PortablePreparer preparer;
    const SceneCheckResult result = CheckScene(entries, preparer);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.index, 1);
}

TEST(GeneratedScene, SurvivesSavingAndReadingWithItsLinks) {
    EntryList entries;
    Generate(entries, true, GeneratedForm::kFinal);
    const std::vector<std::uint8_t> saved = SaveSceneFile(entries);
    ASSERT_FALSE(saved.empty());

    EntryList read;
    ASSERT_TRUE(ReadSceneFile(saved.data(), saved.size(), read).ok());
    ASSERT_EQ(read.Count(), entries.Count());
    for (std::size_t i = 0; i < entries.Count(); ++i) {
        EXPECT_EQ(read.At(i).Kind(), entries.At(i).Kind()) << "line " << i;
        EXPECT_EQ(read.At(i).GetObjectIndex(), entries.At(i).GetObjectIndex()) << "line " << i;
        EXPECT_EQ(read.At(i).Users().size(), entries.At(i).Users().size()) << "line " << i;
    }
    const auto* until = EntryAs<UntilEntry>(&read.At(read.Count() - 1));
    ASSERT_NE(until, nullptr);
    EXPECT_EQ(until->repeat.infinite, 1);
    EXPECT_EQ(SaveSceneFile(read), saved);

    PortablePreparer preparer;
    EXPECT_TRUE(CheckScene(read, preparer).ok);
}

}  // namespace
}  // namespace vl
