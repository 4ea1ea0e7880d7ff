#include "wizard/core/wizard_data.h"

#include <gtest/gtest.h>

#include "tests/wizard_core/wizard_objects.h"

namespace vl {
namespace {

using testing::Media;
using testing::Picture;
using testing::TextMessage;

TEST(WizardData, FolderAlwaysEndsWithABackslash) {
    EXPECT_EQ(MakeWizardData("D:\\Savers").folder, "D:\\Savers\\");
    EXPECT_EQ(MakeWizardData("").folder, "\\");
    EXPECT_EQ(DefaultWizardFolder("C:\\Users\\ann\\Documents"),
              "C:\\Users\\ann\\Documents\\Vistaloom Wizard\\");
    EXPECT_EQ(DefaultWizardFolder("D:\\"), "D:\\Vistaloom Wizard\\");
}

TEST(WizardData, ANameIsTakenWhenItsSceneScreenSaverOrInstallerExists) {
    for (const char* existing : {"C:\\Out\\Sky.ssd", "C:\\Out\\Sky.scr", "C:\\Out\\Sky.exe"}) {
        const auto exists = [&](const std::string& path) { return path == existing; };
        EXPECT_TRUE(WizardNameTaken("C:\\Out\\", "Sky", exists)) << existing;
        EXPECT_FALSE(WizardNameTaken("C:\\Out\\", "Sk", exists)) << existing;
        EXPECT_FALSE(WizardNameTaken("D:\\Out\\", "Sky", exists)) << existing;
    }
    const auto onlyOthers = [](const std::string& path) { return path == "C:\\Out\\Sky.txt"; };
    EXPECT_FALSE(WizardNameTaken("C:\\Out\\", "Sky", onlyOthers));
}

TEST(WizardData, GeneratedFilesAreFolderNameAndExtension) {
    WizardData data = MakeWizardData("C:\\Out\\");
    data.name = "Sea.waves";
    EXPECT_EQ(WizardScenePath(data), "C:\\Out\\Sea.waves.ssd");
    EXPECT_EQ(WizardScreenSaverPath(data), "C:\\Out\\Sea.waves.scr");
    EXPECT_EQ(WizardInstallerPath(data), "C:\\Out\\Sea.waves.exe");
}

TEST(WizardSequence, PicturesAndTextsAreAddedWithWaitAndHideMediaWithout) {
    auto picture = Picture("a.bmp");
    WizardSequence image = MakeWizardSequence(kSequenceImage, *picture, 1024);
    EXPECT_EQ(image.kind, kSequenceImage);
    EXPECT_EQ(image.wait, 1);
    EXPECT_EQ(image.hide, 1);
    EXPECT_EQ(image.endX, 1024);
    EXPECT_EQ(image.image->fileName, "a.bmp");
    EXPECT_TRUE(image.image->data.SameBytes(picture->data));

    auto text = TextMessage("Hello");
    WizardSequence message = MakeWizardSequence(kSequenceText, *text, 800);
    EXPECT_EQ(message.wait, 1);
    EXPECT_EQ(message.hide, 1);
    EXPECT_EQ(message.endX, 800);
    EXPECT_EQ(message.image->isText, 1);
    EXPECT_EQ(message.image->text, "Hello");

    auto wave = Media("ding.wav");
    WizardSequence media = MakeWizardSequence(kSequenceMedia, *wave, 640);
    EXPECT_EQ(media.kind, kSequenceMedia);
    EXPECT_EQ(media.wait, 0);
    EXPECT_EQ(media.hide, 0);
    EXPECT_EQ(media.media->fileName, "ding.wav");
    EXPECT_EQ(media.media->data.size(), 40u);
}

TEST(WizardSequence, HoldsItsOwnCopyOfTheObject) {
    auto picture = Picture("a.bmp");
    WizardSequence sequence = MakeWizardSequence(kSequenceImage, *picture, 1024);
    picture->fileName = "changed.bmp";
    picture.reset();
    EXPECT_EQ(sequence.image->fileName, "a.bmp");
    EXPECT_EQ(sequence.image->data.size(), 64u);
}

TEST(WizardSequence, CopiesAreIndependentAndMovedFromSequencesCanBeAssigned) {
    auto picture = Picture("a.bmp");
    WizardSequence original = MakeWizardSequence(kSequenceImage, *picture, 1024);
    original.move = 1;
    original.startY = -40;
    original.centreEndY = 1;
    original.waitSeconds = 9;

    WizardSequence copy = original;
    EXPECT_NE(copy.image.get(), original.image.get());
    copy.image->fileName = "b.bmp";
    EXPECT_EQ(original.image->fileName, "a.bmp");
    EXPECT_EQ(copy.move, 1);
    EXPECT_EQ(copy.startY, -40);
    EXPECT_EQ(copy.centreEndY, 1);
    EXPECT_EQ(copy.waitSeconds, 9);

    WizardSequence moved = std::move(copy);
    EXPECT_EQ(moved.image->fileName, "b.bmp");
    copy = original;  // a moved-from sequence can be assigned again
    ASSERT_NE(copy.image, nullptr);
    ASSERT_NE(copy.media, nullptr);
    EXPECT_EQ(copy.image->fileName, "a.bmp");
}

}  // namespace
}  // namespace vl
