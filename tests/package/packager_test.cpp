#include "package/packager.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "package/fixed_images.h"
#include "tests/package/package_test_support.h"
#include "framework/scripted_prompt.h"

namespace vl {
namespace {

using ptest::Bytes;
using ptest::Concat;
using ptest::LeadWord;
using ptest::ReadBytes;
using ptest::TestFolder;
using ptest::WriteBytes;

const char kCreatedPrefix[] = "Screen saver\n";
const char kHaveToSave[] = "You have to save the scene.";
const char kCannotCreate[] = "Screen saver cannot be created.";
const char kCustomFailed[] = "Custom image not found or couldn't be inserted!";
const char kInstallerExists[] = "Installer file already exists!";

std::string CreatedText(const std::string& path) {
    return kCreatedPrefix + path + "\nis succesfully created.";
}

// A saved scene in a folder of its own, the builder's folder and a system folder beside it.
class PackagerTest : public ::testing::Test {
  protected:
    PackagerTest() : use_(prompt_) {
        std::filesystem::create_directory(folder_ / "program");
        std::filesystem::create_directory(folder_ / "system32");
        system_.programFolder = (std::filesystem::path(folder_ / "program") / "").string();
        system_.systemFolder = folder_ / "system32";
        document_.path = folder_ / "Scene.Ssd";
        WriteBytes(document_.path, scene_);
    }
    ~PackagerTest() override { EXPECT_TRUE(prompt_.Failures().empty()); }

    Bytes ScreenSaverBytes() const { return Concat({system_.runtime, LeadWord(), scene_}); }
    void UseCustomImage(const Bytes& bmp) {
        system_.customImage = true;
        WriteBytes(system_.programFolder + "Custom.BMP", bmp);
    }
    // Messages and questions shown, in order, without the dialogs.
    std::vector<std::string> Told() const {
        std::vector<std::string> texts;
        for (const ShownPrompt& shown : prompt_.Shown()) {
            if (shown.kind == PromptKind::Message || shown.kind == PromptKind::Question)
                texts.push_back(shown.text);
        }
        return texts;
    }
    const ShownPrompt& LastShown() const { return prompt_.Shown().back(); }

    TestFolder folder_;
    Bytes scene_ = ptest::SceneFileBytes(3000);
    ScriptedPrompt prompt_;
    ScopedPromptOverride use_;
    ptest::FakeDocument document_;
    ptest::FakeSystem system_;
    Packager packager_{document_, system_};
};

// --- Make SS ----------------------------------------------------------------------------------

TEST_F(PackagerTest, MakeScreenSaverShowsTheSaveDialogAndWritesTheLayout) {
    const std::string target = folder_ / "Night.scr";
    prompt_.AnswerFile(folder_ / "Night");
    std::string made;
    ASSERT_TRUE(packager_.MakeScreenSaver(true, &made));

    const ShownPrompt& dialog = prompt_.Shown().front();
    EXPECT_EQ(dialog.kind, PromptKind::SaveFile);
    EXPECT_EQ(dialog.request.title, "Make Screen Saver");
    EXPECT_EQ(dialog.request.filter, "Screen Saver (.scr)|*.scr||");
    EXPECT_EQ(dialog.request.defaultExtension, "scr");
    EXPECT_EQ(dialog.request.proposedName, "Scene");
    EXPECT_EQ(dialog.request.flags,
              unsigned{kFileOverwritePrompt | kFileHideReadOnly | kFileCentreOverOwner});

    EXPECT_EQ(made, target);
    const Bytes written = ReadBytes(target);
    EXPECT_EQ(written.size(), kScreenSaverSceneOffset + scene_.size());
    EXPECT_EQ(written, ScreenSaverBytes());
    EXPECT_EQ(Told(), std::vector<std::string>{CreatedText(target)});
    EXPECT_EQ(LastShown().icon, MessageIcon::Information);
    EXPECT_EQ(document_.saves, 1);
    EXPECT_EQ(document_.checks, 1);
}

TEST_F(PackagerTest, ASceneNotEndingInSsdIsProposedWhole) {
    document_.path = folder_ / "Scene.txt";
    WriteBytes(document_.path, scene_);
    prompt_.CancelFile();
    EXPECT_FALSE(packager_.MakeScreenSaver(true));
    EXPECT_EQ(prompt_.Shown().front().request.proposedName, "Scene.txt");
}

TEST_F(PackagerTest, ATypedOtherExtensionGetsScrAppended) {
    prompt_.AnswerFile(folder_ / "x.txt");
    ASSERT_TRUE(packager_.MakeScreenSaver(true));
    EXPECT_EQ(ReadBytes(folder_ / "x.txt.scr"), ScreenSaverBytes());
    EXPECT_FALSE(ptest::Exists(folder_ / "x.txt"));
}

TEST_F(PackagerTest, SsNamesAreQuestionedNoKeepsTheDialogYesGoesOn) {
    prompt_.AnswerFile(folder_ / "SSaver").AnswerNo().AnswerFile(folder_ / "Mysaver");
    ASSERT_TRUE(packager_.MakeScreenSaver(true));
    EXPECT_FALSE(ptest::Exists(folder_ / "SSaver.scr"));
    EXPECT_TRUE(ptest::Exists(folder_ / "Mysaver.scr"));
    ASSERT_EQ(Told().size(), 2u);
    EXPECT_EQ(Told()[0].substr(0, 48), "There is a problem in Windows if name of screen ");

    ScriptedPrompt again;
    ScopedPromptOverride useAgain(again);
    again.AnswerFile(folder_ / "SSaver").AnswerYes();
    ASSERT_TRUE(packager_.MakeScreenSaver(true));
    EXPECT_TRUE(ptest::Exists(folder_ / "SSaver.scr"));
    EXPECT_TRUE(again.Failures().empty());
}

TEST_F(PackagerTest, WithoutAskingTheSaverReplacesTheFileBesideTheScene) {
    const std::string target = folder_ / "Scene.scr";
    WriteBytes(target, Bytes(10, 0x55));
    std::string made;
    ASSERT_TRUE(packager_.MakeScreenSaver(false, &made));
    EXPECT_EQ(made, target);
    EXPECT_EQ(ReadBytes(target), ScreenSaverBytes());
    EXPECT_EQ(Told(), std::vector<std::string>{CreatedText(target)});
}

TEST_F(PackagerTest, AnUntitledSceneGoesThroughSaveAsAndCancellingItSaysSo) {
    document_.path.clear();
    document_.saveResult = false;  // Save As cancelled
    std::string made = "unchanged";
    EXPECT_FALSE(packager_.MakeScreenSaver(true, &made));
    EXPECT_EQ(Told(), std::vector<std::string>{kHaveToSave});
    EXPECT_EQ(LastShown().icon, MessageIcon::Stop);
    EXPECT_EQ(made, "unchanged");
    EXPECT_EQ(document_.checks, 0);

    ScriptedPrompt second;
    ScopedPromptOverride useSecond(second);
    document_.saveAs = folder_ / "Scene.Ssd";
    second.AnswerFile(folder_ / "Saved");
    ASSERT_TRUE(packager_.MakeScreenSaver(true, &made));
    EXPECT_EQ(made, folder_ / "Saved.scr");
}

TEST_F(PackagerTest, AFailedSaveOrCheckMakesNothing) {
    document_.saveResult = false;  // the save reported its own failure
    EXPECT_FALSE(packager_.MakeScreenSaver(false));
    EXPECT_FALSE(packager_.MakeInstaller(false));
    EXPECT_TRUE(prompt_.Shown().empty());

    document_.saveResult = true;
    document_.checkResult = false;  // the check showed its own message
    EXPECT_FALSE(packager_.MakeScreenSaver(true));
    EXPECT_FALSE(packager_.MakeInstaller(true));
    EXPECT_TRUE(prompt_.Shown().empty()) << "no dialog after a failed check";
    EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"Scene.Ssd", "program", "system32"}));
}

TEST_F(PackagerTest, NothingIsMadeOverTheSceneItself) {
    // A scene saved as a screen saver's name: made beside itself, it would be its own target.
    const std::string scene = folder_ / "Night.scr";
    WriteBytes(scene, scene_);
    document_.path = scene;
    EXPECT_FALSE(packager_.MakeScreenSaver(false));
    // The dialog answered with the scene's own name, in other letters and slashes.
    std::string upper = folder_ / "NIGHT.SCR";
    for (char& c : upper)
        c = c == '\\' ? '/' : c;
    prompt_.AnswerFile(upper);
    EXPECT_FALSE(packager_.MakeScreenSaver(true));
    ASSERT_EQ(Told().size(), 2u);
    EXPECT_EQ(Told()[0], scene +
                             "\nis the scene itself and cannot be replaced by what is made from "
                             "it.\n\nChoose another name.");
    EXPECT_EQ(LastShown().icon, MessageIcon::Stop);
    EXPECT_EQ(ReadBytes(scene), scene_);

    // The same for an installer made beside a scene called "Setup.exe".
    const std::string installerScene = folder_ / "Setup.exe";
    WriteBytes(installerScene, scene_);
    document_.path = installerScene;
    EXPECT_FALSE(packager_.MakeInstaller(false));
    EXPECT_EQ(ReadBytes(installerScene), scene_);
    EXPECT_EQ(Told().size(), 3u);
}

TEST_F(PackagerTest, CancellingTheDialogEndsSilently) {
    prompt_.CancelFile();
    std::string made;
    EXPECT_FALSE(packager_.MakeScreenSaver(true, &made));
    EXPECT_TRUE(made.empty());
    EXPECT_TRUE(Told().empty());
    EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"Scene.Ssd", "program", "system32"}));
}

TEST_F(PackagerTest, TheCustomImageReplacesThePreviewSlot) {
    const Bytes bmp = ptest::CustomBmp();
    UseCustomImage(bmp);
    ASSERT_TRUE(packager_.MakeScreenSaver(false));
    const Bytes expected = Concat(
        {ptest::WithSlot(system_.runtime, ptest::WithoutFileHeader(bmp)), LeadWord(), scene_});
    EXPECT_EQ(ReadBytes(folder_ / "Scene.scr"), expected);
    EXPECT_EQ(Told(), std::vector<std::string>{CreatedText(folder_ / "Scene.scr")});
}

TEST_F(PackagerTest, AMissingCustomImageIsReportedAndTheSaverMadeAllTheSame) {
    system_.customImage = true;
    ASSERT_TRUE(packager_.MakeScreenSaver(false));
    EXPECT_EQ(Told(),
              (std::vector<std::string>{kCustomFailed, CreatedText(folder_ / "Scene.scr")}));
    EXPECT_EQ(prompt_.Shown().front().icon, MessageIcon::Stop);
    EXPECT_EQ(ReadBytes(folder_ / "Scene.scr"), ScreenSaverBytes());
}

TEST_F(PackagerTest, ACustomImageOfTheWrongSizeTouchesNothing) {
    Bytes bmp = ptest::CustomBmp();
    bmp.insert(bmp.end(), 200, 0xEE);  // replaced by hand, longer than the slot
    UseCustomImage(bmp);
    ASSERT_TRUE(packager_.MakeScreenSaver(false));
    EXPECT_EQ(Told(),
              (std::vector<std::string>{kCustomFailed, CreatedText(folder_ / "Scene.scr")}));
    EXPECT_EQ(ReadBytes(folder_ / "Scene.scr"), ScreenSaverBytes());
}

TEST_F(PackagerTest, AnUnreadableSceneLeavesTheOldSaverAndNoPartialFile) {
    const std::string target = folder_ / "Scene.scr";
    const Bytes old = ptest::Pattern(4000, 8);
    WriteBytes(target, old);
    std::filesystem::remove(document_.path);
    std::filesystem::create_directory(document_.path);  // cannot be read as a file
    EXPECT_FALSE(packager_.MakeScreenSaver(false));
    EXPECT_EQ(Told(),
              (std::vector<std::string>{document_.path + "\nCannot be read data.", kCannotCreate}));
    EXPECT_EQ(ReadBytes(target), old);
    EXPECT_EQ(folder_.Names(),
              (std::vector<std::string>{"Scene.Ssd", "Scene.scr", "program", "system32"}));
}

TEST_F(PackagerTest, AMissingRuntimeImageLeavesTheOldSaver) {
    const std::string target = folder_ / "Scene.scr";
    const Bytes old = ptest::Pattern(4000, 8);
    WriteBytes(target, old);
    system_.runtime.clear();
    EXPECT_FALSE(packager_.MakeScreenSaver(false));
    EXPECT_EQ(Told(), std::vector<std::string>{kCannotCreate});
    EXPECT_EQ(LastShown().icon, MessageIcon::Stop);
    EXPECT_EQ(ReadBytes(target), old);
    EXPECT_EQ(folder_.Names(),
              (std::vector<std::string>{"Scene.Ssd", "Scene.scr", "program", "system32"}));
}

TEST_F(PackagerTest, AnUnwritableFolderIsReported) {
    prompt_.AnswerFile(ptest::Join(folder_ / "missing", "Night"));
    std::string made;
    EXPECT_FALSE(packager_.MakeScreenSaver(true, &made));
    EXPECT_EQ(Told(), std::vector<std::string>{kCannotCreate});
    EXPECT_TRUE(made.empty());
}

// --- Make Install -----------------------------------------------------------------------------

TEST_F(PackagerTest, MakeInstallerProposesTheSceneBaseNameAndWritesStubThenSaver) {
    prompt_.AnswerFile(folder_ / "Scene");
    ASSERT_TRUE(packager_.MakeInstaller(true));
    const ShownPrompt& dialog = prompt_.Shown().front();
    EXPECT_EQ(dialog.request.title, "Make Screen Saver");
    EXPECT_EQ(dialog.request.filter, "Screen Saver Installer(.exe)|*.exe||");
    EXPECT_EQ(dialog.request.defaultExtension, "exe");
    EXPECT_EQ(dialog.request.proposedName, folder_ / "Scene");
    EXPECT_EQ(dialog.request.flags,
              unsigned{kFileOverwritePrompt | kFileHideReadOnly | kFileCentreOverOwner});

    const std::string target = folder_ / "Scene.exe";
    const Bytes installer = ReadBytes(target);
    EXPECT_EQ(installer.size(), kInstallerSceneOffset + scene_.size());
    EXPECT_EQ(installer, Concat({system_.stub, ScreenSaverBytes()}));
    EXPECT_EQ(Told(), std::vector<std::string>{CreatedText(target)});
}

TEST_F(PackagerTest, InstallerTailEqualsTheScreenSaverWithTheCustomImageInItsSlot) {
    const Bytes bmp = ptest::CustomBmp();
    UseCustomImage(bmp);
    ASSERT_TRUE(packager_.MakeInstaller(false));
    ASSERT_TRUE(packager_.MakeScreenSaver(false));
    const Bytes installer = ReadBytes(folder_ / "Scene.exe");
    const Bytes saver = ReadBytes(folder_ / "Scene.scr");
    ASSERT_EQ(installer.size(), kStubImageSize + saver.size());
    EXPECT_EQ(Bytes(installer.begin() + kStubImageSize, installer.end()), saver);
    EXPECT_EQ(Bytes(installer.begin() + kInstallerPreviewSlotOffset,
                    installer.begin() + kInstallerPreviewSlotOffset + PreviewBitmapSlot::kSize),
              ptest::WithoutFileHeader(bmp));
    EXPECT_EQ(installer,
              Concat({system_.stub, ptest::WithSlot(system_.runtime, ptest::WithoutFileHeader(bmp)),
                      LeadWord(), scene_}));
}

TEST_F(PackagerTest, MakeInstallerWithoutAskingReplacesBaseNameDotExe) {
    const std::string target = folder_ / "Scene.exe";
    WriteBytes(target, Bytes(3, 1));
    ASSERT_TRUE(packager_.MakeInstaller(false));
    EXPECT_EQ(ReadBytes(target), Concat({system_.stub, ScreenSaverBytes()}));
}

TEST_F(PackagerTest, AMissingStubIsReportedAndNothingIsWritten) {
    system_.stub.clear();
    EXPECT_FALSE(packager_.MakeInstaller(false));
    EXPECT_EQ(Told(), std::vector<std::string>{kCannotCreate});
    EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"Scene.Ssd", "program", "system32"}));
}

TEST_F(PackagerTest, AnInstallerWhoseSceneCannotBeReadLeavesTheOldOne) {
    const std::string target = folder_ / "Scene.exe";
    const Bytes old = ptest::Pattern(500, 6);
    WriteBytes(target, old);
    std::filesystem::remove(document_.path);
    std::filesystem::create_directory(document_.path);
    EXPECT_FALSE(packager_.MakeInstaller(false));
    EXPECT_EQ(Told(),
              (std::vector<std::string>{document_.path + "\nCannot be read data.", kCannotCreate}));
    EXPECT_EQ(ReadBytes(target), old);
    EXPECT_EQ(folder_.Names(),
              (std::vector<std::string>{"Scene.Ssd", "Scene.exe", "program", "system32"}));
}

// --- Make install for .scr --------------------------------------------------------------------

TEST_F(PackagerTest, InstallerFromAChosenSaverIsTheStubAndThatFileUnchanged) {
    const std::string chosen = folder_ / "saver.scr";
    const Bytes saver = ptest::Pattern(12345, 4);
    WriteBytes(chosen, saver);
    prompt_.AnswerFile(chosen);
    ASSERT_TRUE(packager_.MakeInstallerFromScr());

    const ShownPrompt& dialog = prompt_.Shown().front();
    EXPECT_EQ(dialog.kind, PromptKind::OpenFile);
    EXPECT_EQ(dialog.request.title, "Make Screen Saver Installer from selected SCR file");
    EXPECT_EQ(dialog.request.filter, "Screen Saver (.scr)|*.scr||");
    EXPECT_EQ(dialog.request.defaultExtension, "scr");
    EXPECT_EQ(dialog.request.proposedName, "");
    EXPECT_TRUE(dialog.request.flags & kFileHideReadOnly);
    EXPECT_TRUE(dialog.request.flags & kFileCentreOverOwner);

    const std::string target = folder_ / "saver.exe";
    EXPECT_EQ(ReadBytes(target), Concat({system_.stub, saver}));
    EXPECT_EQ(Told(), std::vector<std::string>{CreatedText(target)});
    EXPECT_EQ(document_.saves, 0) << "no saving, no check for a chosen file";
    EXPECT_EQ(document_.checks, 0);
}

TEST_F(PackagerTest, InstallerFromSaverRefusesATakenName) {
    const std::string chosen = folder_ / "saver.scr";
    WriteBytes(chosen, ptest::Pattern(100, 4));
    const Bytes old = ptest::Pattern(77, 5);
    WriteBytes(folder_ / "saver.exe", old);
    prompt_.AnswerFile(chosen);
    EXPECT_FALSE(packager_.MakeInstallerFromScr());
    EXPECT_EQ(Told(), std::vector<std::string>{kInstallerExists});
    EXPECT_EQ(LastShown().icon, MessageIcon::Stop);
    EXPECT_EQ(ReadBytes(folder_ / "saver.exe"), old);
    EXPECT_EQ(folder_.Names(), (std::vector<std::string>{"Scene.Ssd", "program", "saver.exe",
                                                         "saver.scr", "system32"}));
}

TEST_F(PackagerTest, InstallerFromAnUnreadableSaverIsNotMade) {
    const std::string chosen = folder_ / "saver.scr";
    std::filesystem::create_directory(chosen);
    prompt_.AnswerFile(chosen);
    EXPECT_FALSE(packager_.MakeInstallerFromScr());
    EXPECT_EQ(Told(), std::vector<std::string>{kCannotCreate});
    EXPECT_FALSE(ptest::Exists(folder_ / "saver.exe"));
    EXPECT_EQ(folder_.Names(),
              (std::vector<std::string>{"Scene.Ssd", "program", "saver.scr", "system32"}));
}

TEST_F(PackagerTest, CancellingTheOpenDialogEndsSilently) {
    prompt_.CancelFile();
    EXPECT_FALSE(packager_.MakeInstallerFromScr());
    EXPECT_TRUE(Told().empty());
}

// --- Set SS as default ------------------------------------------------------------------------

TEST_F(PackagerTest, DefaultSaverIsCopiedIntoTheSystemFolderAndTheControlPanelStarted) {
    prompt_.AnswerFile(folder_ / "Night");
    ASSERT_TRUE(packager_.SetDefaultScreenSaver());
    const std::string installed = ptest::JoinedSystemPath(system_.systemFolder, "Night.scr");
    EXPECT_EQ(ReadBytes(installed), ScreenSaverBytes());
    EXPECT_EQ(system_.started,
              std::vector<std::string>{"rundll32.exe desk.cpl,InstallScreenSaver " + installed});
    EXPECT_EQ(Told(), std::vector<std::string>{CreatedText(folder_ / "Night.scr")});

    // A second time under the same name replaces the copy.
    ScriptedPrompt again;
    ScopedPromptOverride useAgain(again);
    scene_ = ptest::SceneFileBytes(10);
    WriteBytes(document_.path, scene_);
    again.AnswerFile(folder_ / "Night");
    ASSERT_TRUE(packager_.SetDefaultScreenSaver());
    EXPECT_EQ(ReadBytes(installed), ScreenSaverBytes());
    EXPECT_EQ(system_.started.size(), 2u);
    EXPECT_EQ(ptest::TestFolderNames(system_.systemFolder), std::vector<std::string>{"Night.scr"});
}

TEST_F(PackagerTest, CancellingTheDefaultSaverDialogStartsNothing) {
    prompt_.CancelFile();
    EXPECT_FALSE(packager_.SetDefaultScreenSaver());
    EXPECT_TRUE(system_.started.empty());
    EXPECT_TRUE(ptest::TestFolderNames(system_.systemFolder).empty());
    EXPECT_TRUE(Told().empty());
}

TEST_F(PackagerTest, AFailedCopyIntoTheSystemFolderIsReportedAndStartsNothing) {
    std::filesystem::remove(system_.systemFolder);  // no such folder, nothing can be copied
    prompt_.AnswerFile(folder_ / "Night");
    EXPECT_FALSE(packager_.SetDefaultScreenSaver());
    EXPECT_TRUE(system_.started.empty());
    const std::string installed = ptest::JoinedSystemPath(system_.systemFolder, "Night.scr");
    ASSERT_EQ(Told().size(), 2u);
    EXPECT_EQ(Told()[0], CreatedText(folder_ / "Night.scr"));
    EXPECT_EQ(Told()[1], "The screen saver cannot be copied into the System folder:\n" + installed +
                             "\n\nThe default screen saver has not been changed.");
    EXPECT_EQ(LastShown().icon, MessageIcon::Stop);
}

TEST_F(PackagerTest, AFailedCopyKeepsTheOlderSaverInTheSystemFolder) {
    const std::string installed = ptest::JoinedSystemPath(system_.systemFolder, "Night.scr");
    // A folder of that name stands for a file that cannot be replaced.
    std::filesystem::create_directory(installed);
    prompt_.AnswerFile(folder_ / "Night");
    EXPECT_FALSE(packager_.SetDefaultScreenSaver());
    EXPECT_TRUE(system_.started.empty());
    EXPECT_TRUE(std::filesystem::is_directory(installed));
    EXPECT_EQ(ptest::TestFolderNames(system_.systemFolder), std::vector<std::string>{"Night.scr"});
}

}  // namespace
}  // namespace vl
