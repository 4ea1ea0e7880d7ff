#include "wizard/core/scene_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "scene/entries.h"
#include "tests/wizard_core/wizard_objects.h"

namespace vl {
namespace {

using testing::Media;
using testing::Picture;
using testing::TextMessage;

constexpr ScreenSize kScreen{800, 600};

std::vector<std::int32_t> Kinds(const EntryList& entries) {
    std::vector<std::int32_t> kinds;
    for (std::size_t i = 0; i < entries.Count(); ++i) {
        kinds.push_back(entries.At(i).Kind());
    }
    return kinds;
}

std::string CommentAt(EntryList& entries, std::size_t index) {
    const auto* comment = EntryAs<CommentEntry>(&entries.At(index));
    return comment ? comment->text : "<not a comment>";
}

void Generate(EntryList& entries, const std::vector<WizardSequence>& sequences,
              bool repeatForever = true, GeneratedForm form = GeneratedForm::kFinal,
              ScreenSize screen = kScreen) {
    EntryListTarget target(entries);
    GenerateScene(sequences, repeatForever, form, screen, target);
}

WizardSequence PictureSequence(const std::string& fileName, std::size_t size = 64) {
    auto picture = Picture(fileName, size);
    return MakeWizardSequence(kSequenceImage, *picture, kScreen.width);
}

WizardSequence TextSequence(const std::string& text) {
    auto message = TextMessage(text);
    return MakeWizardSequence(kSequenceText, *message, kScreen.width);
}

WizardSequence MediaSequence(const std::string& fileName, std::size_t size = 40) {
    auto media = Media(fileName, size);
    return MakeWizardSequence(kSequenceMedia, *media, kScreen.width);
}

// The one Move of a scene generated from a single moving sequence.
MotionParam MoveMotion(WizardSequence sequence, ScreenSize screen = kScreen) {
    sequence.move = 1;
    EntryList entries;
    Generate(entries, {sequence}, false, GeneratedForm::kFinal, screen);
    for (std::size_t i = 0; i < entries.Count(); ++i) {
        if (const auto* move = EntryAs<MoveEntry>(&entries.At(i))) {
            MotionParam motion;
            motion.Assign(move->params.motion);
            return motion;
        }
    }
    ADD_FAILURE() << "no Move generated";
    return MotionParam();
}

TEST(GenerateScene, WithoutSequencesLeavesOnlyTheHeadingsAndTheLoop) {
    EntryList entries;
    Generate(entries, {});
    EXPECT_EQ(Kinds(entries),
              (std::vector<std::int32_t>{kComment, kComment, kComment, kRepeat, kUntil}));
    EXPECT_EQ(CommentAt(entries, 0), "Wizard generated definitions of used objects");
    EXPECT_EQ(CommentAt(entries, 1), "");
    EXPECT_EQ(CommentAt(entries, 2), "Screen saver action commands");

    EntryList unrepeated;
    Generate(unrepeated, {}, false, GeneratedForm::kPreview);
    EXPECT_EQ(Kinds(unrepeated), (std::vector<std::int32_t>{kComment, kComment}));
    EXPECT_EQ(CommentAt(unrepeated, 1), "Screen saver actualy begins here");
}

TEST(GenerateScene, OnePictureShownWaitedAndHiddenForever) {
    EntryList entries;
    Generate(entries, {PictureSequence("sea.bmp")});
    ASSERT_EQ(Kinds(entries), (std::vector<std::int32_t>{kComment, kImage, kComment, kComment,
                                                         kRepeat, kShow, kWait, kHide, kUntil}));
    const auto& image = static_cast<ImageEntry&>(entries.At(1));
    EXPECT_EQ(image.fileName, "sea.bmp");
    EXPECT_EQ(image.data.size(), 64u);

    const auto& show = static_cast<ShowEntry&>(entries.At(5));
    EXPECT_EQ(show.GetLinkedObject(), &image);
    EXPECT_EQ(show.params.motion.centreStartX, 1);
    EXPECT_EQ(show.params.motion.centreStartY, 1);
    EXPECT_EQ(show.params.motion.effect, kEffectNone);
    EXPECT_EQ(show.params.motion.restoreAfterHide, 1);

    const auto& wait = static_cast<WaitEntry&>(entries.At(6));
    EXPECT_EQ(wait.duration.milliseconds, 3000);
    EXPECT_EQ(wait.duration.random, 0);

    EXPECT_EQ(entries.At(7).GetLinkedObject(), &image);
    EXPECT_EQ(image.Users(), (std::vector<SceneEntry*>{&entries.At(5), &entries.At(7)}));

    const auto& until = static_cast<UntilEntry&>(entries.At(8));
    EXPECT_EQ(until.repeat.infinite, 1);
}

TEST(GenerateScene, TwoSequencesOnOnePictureShareItsDefinition) {
    WizardSequence first = PictureSequence("sea.bmp");
    WizardSequence second = PictureSequence("sea.bmp");
    second.wait = 0;
    second.clearScreen = 1;
    EntryList entries;
    Generate(entries, {first, second, PictureSequence("sky.bmp")});
    ASSERT_EQ(Kinds(entries), (std::vector<std::int32_t>{
                                  kComment, kImage, kImage, kComment, kComment, kRepeat, kShow,
                                  kWait, kHide, kCls, kShow, kHide, kShow, kWait, kHide, kUntil}));
    SceneEntry* sea = &entries.At(1);
    SceneEntry* sky = &entries.At(2);
    EXPECT_EQ(sea->Users().size(), 4u);
    for (std::size_t line : {6u, 8u, 10u, 11u}) {
        EXPECT_EQ(entries.At(line).GetLinkedObject(), sea) << "line " << line;
    }
    EXPECT_EQ(sky->Users(), (std::vector<SceneEntry*>{&entries.At(12), &entries.At(14)}));
}

TEST(GenerateScene, PicturesDifferingInNameOrSizeAreDefinedApart) {
    EntryList entries;
    Generate(entries,
             {PictureSequence("sea.bmp", 64), PictureSequence("sea.bmp", 65),
              PictureSequence("Sea.bmp", 64), PictureSequence("sea.bmp", 64)},
             false);
    const std::vector<std::int32_t> kinds = Kinds(entries);
    EXPECT_EQ(std::count(kinds.begin(), kinds.end(), kImage), 3);
    // The fourth sequence found the first definition.
    EXPECT_EQ(entries.At(1).Users().size(), 4u);
    EXPECT_EQ(entries.At(2).Users().size(), 2u);
    EXPECT_EQ(entries.At(3).Users().size(), 2u);
}

TEST(GenerateScene, TextMessagesShareByTextAndKeepTheirLook) {
    WizardSequence hello = TextSequence("Hello");
    hello.image->textColour = MakeColour(255, 255, 255);
    hello.image->backgroundColour = MakeColour(0, 0, 128);
    hello.image->opaque = 1;
    hello.image->font.height = -24;
    EntryList entries;
    Generate(entries, {hello, TextSequence("hello"), TextSequence("Hello")}, false);
    ASSERT_EQ(Kinds(entries),
              (std::vector<std::int32_t>{kComment, kImage, kImage, kComment, kComment, kShow, kWait,
                                         kHide, kShow, kWait, kHide, kShow, kWait, kHide}));
    const auto& defined = static_cast<ImageEntry&>(entries.At(1));
    EXPECT_EQ(defined.isText, 1);
    EXPECT_EQ(defined.text, "Hello");
    EXPECT_EQ(defined.textColour, MakeColour(255, 255, 255));
    EXPECT_EQ(defined.backgroundColour, MakeColour(0, 0, 128));
    EXPECT_EQ(defined.opaque, 1);
    EXPECT_EQ(defined.font.height, -24);
    EXPECT_EQ(defined.Users().size(), 4u);
    EXPECT_EQ(entries.At(11).GetLinkedObject(), &defined);
    EXPECT_EQ(static_cast<ImageEntry&>(entries.At(2)).text, "hello");
}

TEST(GenerateScene, MediaArePlayedWithTheirCountAndNeverWaitedOrHidden) {
    WizardSequence wave = MediaSequence("ding.wav");
    wave.clearScreen = 1;
    wave.playCount = 999999;
    wave.mediaWait = 0;
    WizardSequence video = MediaSequence("clip.avi", 4096);
    video.media->mediaType = MultimediaEntry::kTypeAvi;
    video.videoX = 120;
    video.videoY = -30;
    // Fields that only pictures use are left alone for media.
    video.wait = 1;
    video.hide = 1;
    video.move = 1;

    EntryList entries;
    Generate(entries, {wave, video, MediaSequence("ding.wav")});
    ASSERT_EQ(Kinds(entries),
              (std::vector<std::int32_t>{kComment, kMultimedia, kMultimedia, kComment, kComment,
                                         kRepeat, kCls, kPlay, kPlay, kPlay, kUntil}));
    const auto& ding = static_cast<MultimediaEntry&>(entries.At(1));
    const auto& clip = static_cast<MultimediaEntry&>(entries.At(2));
    EXPECT_EQ(clip.mediaType, MultimediaEntry::kTypeAvi);
    EXPECT_EQ(clip.data.size(), 4096u);

    const auto& first = static_cast<PlayEntry&>(entries.At(7));
    EXPECT_EQ(first.GetLinkedObject(), &ding);
    EXPECT_EQ(first.params.mode.count, 999999u);
    EXPECT_EQ(first.params.mode.wait, 0);
    EXPECT_EQ(first.params.mode.infinite, 0);

    const auto& second = static_cast<PlayEntry&>(entries.At(8));
    EXPECT_EQ(second.GetLinkedObject(), &clip);
    EXPECT_EQ(second.params.mode.count, 1u);
    EXPECT_EQ(second.params.mode.wait, 1);
    EXPECT_EQ(second.params.mode.videoX, 120);
    EXPECT_EQ(second.params.mode.videoY, -30);

    EXPECT_EQ(entries.At(9).GetLinkedObject(), &ding);
    EXPECT_EQ(ding.Users().size(), 2u);
}

TEST(GenerateScene, MixedKindsDefineEveryObjectBeforeAnyCommand) {
    WizardSequence picture = PictureSequence("a.bmp");
    picture.wait = 0;
    picture.hide = 0;
    EntryList entries;
    Generate(entries, {picture, MediaSequence("b.wav"), TextSequence("c")}, false,
             GeneratedForm::kPreview);
    EXPECT_EQ(Kinds(entries),
              (std::vector<std::int32_t>{kComment, kImage, kMultimedia, kImage, kComment, kShow,
                                         kPlay, kShow, kWait, kHide}));
    EXPECT_EQ(CommentAt(entries, 4), "Screen saver actualy begins here");
    EXPECT_EQ(entries.At(7).GetLinkedObject(), &entries.At(3));
}

TEST(GenerateScene, AppendsAfterWhatTheSceneAlreadyHolds) {
    // The lookup sees the whole scene, so an object defined before generation is reused.
    EntryList entries;
    auto existing = Picture("sea.bmp");
    SceneEntry* defined = existing.get();
    entries.Append(std::move(existing));
    Generate(entries, {PictureSequence("sea.bmp")}, false);
    EXPECT_EQ(Kinds(entries), (std::vector<std::int32_t>{kImage, kComment, kComment, kComment,
                                                         kShow, kWait, kHide}));
    EXPECT_EQ(entries.At(4).GetLinkedObject(), defined);
}

TEST(GenerateScene, ShowTakesItsPositionAndEffect) {
    WizardSequence sequence = PictureSequence("a.bmp");
    sequence.centreShowX = 0;
    sequence.showX = -120;
    sequence.showY = 4999;
    sequence.effect = kEffectTile;
    sequence.waitSeconds = 100;
    sequence.hide = 0;
    EntryList entries;
    Generate(entries, {sequence}, false);
    ASSERT_EQ(Kinds(entries).back(), kWait);
    const auto& show = static_cast<ShowEntry&>(entries.At(4));
    EXPECT_EQ(show.params.motion.centreStartX, 0);
    EXPECT_EQ(show.params.motion.centreStartY, 1);
    EXPECT_EQ(show.params.motion.startX, -120);
    EXPECT_EQ(show.params.motion.startY, 4999);
    EXPECT_EQ(show.params.motion.effect, kEffectTile);
    EXPECT_EQ(show.params.motion.restoreAfterHide, 0);
    EXPECT_EQ(static_cast<WaitEntry&>(entries.At(5)).duration.milliseconds, 100000);

    sequence.effect = kEffectStretch;
    EntryList stretched;
    Generate(stretched, {sequence}, false);
    EXPECT_EQ(static_cast<ShowEntry&>(stretched.At(4)).params.motion.restoreAfterHide, 0);
}

TEST(GenerateScene, MoveTakesBothPositionsAndStaysInLineMode) {
    WizardSequence sequence = PictureSequence("a.bmp");
    sequence.move = 1;
    sequence.startX = 10;
    sequence.startY = 20;
    sequence.endX = 30;
    sequence.endY = 40;
    sequence.centreEndY = 1;
    EntryList entries;
    Generate(entries, {sequence}, false);
    ASSERT_EQ(Kinds(entries), (std::vector<std::int32_t>{kComment, kImage, kComment, kComment,
                                                         kMove, kWait, kHide}));
    const auto& move = static_cast<MoveEntry&>(entries.At(4));
    EXPECT_EQ(move.GetLinkedObject(), &entries.At(1));
    const MotionParam& motion = move.params.motion;
    EXPECT_EQ(motion.startX, 10);
    EXPECT_EQ(motion.startY, 20);
    EXPECT_EQ(motion.endX, 30);
    EXPECT_EQ(motion.endY, 40);
    EXPECT_EQ(motion.centreStartX + motion.centreStartY + motion.centreEndX, 0);
    EXPECT_EQ(motion.centreEndY, 1);
    EXPECT_EQ(motion.stepMode, 0);
    EXPECT_EQ(motion.restoreAfterHide, 1);
}

TEST(GenerateScene, MoveStepsPointFromStartToEnd) {
    WizardSequence sequence = PictureSequence("a.bmp");
    sequence.startX = 0;
    sequence.startY = 500;
    sequence.endX = 800;
    sequence.endY = 100;
    MotionParam diagonal = MoveMotion(sequence);
    EXPECT_EQ(diagonal.stepAxis, 1);
    EXPECT_EQ(diagonal.stepX, 1);
    EXPECT_EQ(diagonal.stepY, -1);

    sequence.startX = 400;
    sequence.endX = 400;
    MotionParam upwards = MoveMotion(sequence);
    EXPECT_EQ(upwards.stepAxis, 0);
    EXPECT_EQ(upwards.stepX, -1);
    EXPECT_EQ(upwards.stepY, -1);

    sequence.startY = 100;
    sequence.endY = 500;
    MotionParam downwards = MoveMotion(sequence);
    EXPECT_EQ(downwards.stepAxis, 0);
    EXPECT_EQ(downwards.stepX, 1);
    EXPECT_EQ(downwards.stepY, 1);

    sequence.startX = 700;
    sequence.endX = -50;
    MotionParam leftwards = MoveMotion(sequence);
    EXPECT_EQ(leftwards.stepAxis, 1);
    EXPECT_EQ(leftwards.stepX, -1);
    EXPECT_EQ(leftwards.stepY, 1);

    // Not moving at all: along y, both steps positive.
    sequence.startX = sequence.endX = 5;
    sequence.startY = sequence.endY = 5;
    MotionParam still = MoveMotion(sequence);
    EXPECT_EQ(still.stepAxis, 0);
    EXPECT_EQ(still.stepX, 1);
    EXPECT_EQ(still.stepY, 1);
}

TEST(GenerateScene, CentredCoordinatesArePlannedAtHalfTheScreenRoundedDown) {
    WizardSequence sequence = PictureSequence("a.bmp");
    sequence.centreStartX = 1;
    sequence.endX = 400;
    sequence.startY = 0;
    sequence.endY = 300;
    // Centred start x on an 800 wide screen is 400, the same as the end: along y.
    EXPECT_EQ(MoveMotion(sequence).stepAxis, 0);
    // On 801 pixels half the width is still 400.
    EXPECT_EQ(MoveMotion(sequence, ScreenSize{801, 600}).stepAxis, 0);
    EXPECT_EQ(MoveMotion(sequence, ScreenSize{802, 600}).stepAxis, 1);
    EXPECT_EQ(MoveMotion(sequence, ScreenSize{802, 600}).stepX, -1);

    // The centred y decides the sign along y: start 0 against a centred end of 300.
    sequence.centreStartX = 0;
    sequence.startX = 400;
    sequence.centreEndY = 1;
    sequence.endY = -9999;
    MotionParam centredEnd = MoveMotion(sequence, ScreenSize{800, 600});
    EXPECT_EQ(centredEnd.stepAxis, 0);
    EXPECT_EQ(centredEnd.stepX, 1);
    EXPECT_EQ(centredEnd.stepY, 1);
    sequence.startY = 301;
    EXPECT_EQ(MoveMotion(sequence, ScreenSize{800, 600}).stepY, -1);
    EXPECT_EQ(MoveMotion(sequence, ScreenSize{800, 600}).stepX, -1);
    // The stored end y stays what the sequence says; only the steps use the planned value.
    EXPECT_EQ(MoveMotion(sequence).endY, -9999);
}

// Stands for the main window: takes each entry as it comes and notes what it looked like then.
class RecordingTarget : public WizardSceneTarget {
  public:
    EntryList& Scene() override { return entries; }
    void Append(std::unique_ptr<SceneEntry> entry) override {
        if (LinkedObjectKind(entry->Kind()) >= 0) {
            linkedOnArrival.push_back(entry->GetLinkedObject() != nullptr &&
                                      entries.Find(entry->GetLinkedObject()) >= 0);
        }
        entries.Append(std::move(entry));
    }

    EntryList entries;
    std::vector<bool> linkedOnArrival;
};

TEST(GenerateScene, HandsOverEveryCommandAlreadyLinkedToADefinitionInTheScene) {
    WizardSequence moving = PictureSequence("a.bmp");
    moving.move = 1;
    RecordingTarget target;
    GenerateScene({PictureSequence("a.bmp"), moving, MediaSequence("b.wav"), TextSequence("c")},
                  true, GeneratedForm::kFinal, kScreen, target);
    EXPECT_EQ(target.linkedOnArrival, std::vector<bool>(7, true));
}

TEST(FindSceneObject, FindsTheFirstDefinitionOfTheSequencesKind) {
    EntryList entries;
    EXPECT_EQ(FindSceneObject(entries, PictureSequence("a.bmp")), nullptr);

    entries.Append(std::make_unique<CommentEntry>());
    entries.Append(Media("a.bmp", 64));  // a media file of the same name and size is no picture
    entries.Append(Picture("a.bmp"));
    entries.Append(Picture("a.bmp"));
    entries.Append(TextMessage("a.bmp"));
    entries.Append(Media("x.wav"));
    EXPECT_EQ(FindSceneObject(entries, PictureSequence("a.bmp")), &entries.At(2));
    EXPECT_EQ(FindSceneObject(entries, PictureSequence("A.BMP")), nullptr);
    EXPECT_EQ(FindSceneObject(entries, TextSequence("a.bmp")), &entries.At(4));
    EXPECT_EQ(FindSceneObject(entries, MediaSequence("x.wav")), &entries.At(5));
    EXPECT_EQ(FindSceneObject(entries, MediaSequence("x.wav", 41)), nullptr);
    EXPECT_EQ(FindSceneObject(entries, MediaSequence("a.bmp", 64)), &entries.At(1));
}

TEST(FindSceneObject, TextsCompareTextAndSizeNotFileName) {
    EntryList entries;
    auto named = TextMessage("Hi");
    named->fileName = "ignored";
    entries.Append(std::move(named));
    EXPECT_EQ(FindSceneObject(entries, TextSequence("Hi")), &entries.At(0));
    EXPECT_EQ(FindSceneObject(entries, TextSequence("Hi ")), nullptr);
    // A picture sequence looks at the file name instead.
    EXPECT_EQ(FindSceneObject(entries, PictureSequence("ignored", 64)), nullptr);
}

}  // namespace
}  // namespace vl
