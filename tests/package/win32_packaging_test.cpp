// The packaging commands on Windows: the images this test program carries as resources #271 and
// #274 (the same finished images the builder carries), files, settings and folders, and the
// screen savers they make compared with what vistaloom-cli makes of the same scene.
#include "package/win32_packaging_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "framework/handles.h"
#include "package/fixed_images.h"
#include "tests/package/package_test_support.h"
#include "package/packager.h"
#include "tests/cli/run_cli.h"
#include "scene/entries.h"
#include "scene/scene_file.h"
#include "framework/scripted_prompt.h"

namespace vl {
namespace {

using ptest::Bytes;
using ptest::Concat;
using ptest::LeadWord;
using ptest::ReadBytes;
using ptest::TestFolder;
using ptest::WriteBytes;

// The system as the packaging commands see it, with the builder's answers left out.
class PlainSystem : public Win32PackagingSystem {
  public:
    using Win32PackagingSystem::Win32PackagingSystem;
    bool CustomImageEnabled() override { return false; }
    std::string CustomImageFolder() override { return std::string(); }
};

Bytes Of(ByteView view) {
    return Bytes(view.data, view.data + view.size);
}

TEST(Win32PackagingSystem, CarriesTheFinishedImagesAsFileResources271And274) {
    PlainSystem system;
    EXPECT_EQ(Of(system.RuntimeImage()), ReadBytes(VL_GLINT_IMAGE));
    EXPECT_EQ(Of(system.StubImage()), ReadBytes(VL_FERRULE_IMAGE));
    EXPECT_EQ(system.RuntimeImage().size, kRuntimeImageSize);
    EXPECT_EQ(system.StubImage().size, kStubImageSize);
}

TEST(Win32PackagingSystem, AModuleWithoutTheResourcesHasNoImages) {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    ASSERT_NE(kernel, nullptr);
    PlainSystem system(kernel);
    EXPECT_TRUE(system.RuntimeImage().empty());
    EXPECT_TRUE(system.StubImage().empty());
}

TEST(Win32PackagingSystem, TheSystemFolder) {
    PlainSystem system;
    char systemFolder[MAX_PATH];
    GetSystemDirectoryA(systemFolder, MAX_PATH);
    EXPECT_EQ(system.SystemFolder(), systemFolder);
}

TEST(Win32PackagingSystem, ReadsFilesWholeAndQuietlyOrWithTheSharedMessage) {
    TestFolder folder;
    const Bytes bytes = ptest::Pattern(3000, 3);
    WriteBytes(folder / "a.bin", bytes);
    WriteBytes(folder / "empty.bin", {});
    PlainSystem system;
    ScriptedPrompt prompt;
    ScopedPromptOverride use(prompt);
    Bytes read;
    EXPECT_TRUE(system.ReadFileQuietly(folder / "a.bin", read));
    EXPECT_EQ(read, bytes);
    EXPECT_TRUE(system.ReadFileQuietly(folder / "empty.bin", read));
    EXPECT_TRUE(read.empty());
    EXPECT_FALSE(system.ReadFileQuietly(folder / "missing.bin", read));
    EXPECT_TRUE(prompt.Shown().empty());

    EXPECT_TRUE(system.ReadWholeFile(folder / "a.bin", read));
    EXPECT_EQ(read, bytes);
    EXPECT_FALSE(system.ReadWholeFile(folder / "missing.bin", read));
    EXPECT_EQ(prompt.Texts(),
              std::vector<std::string>{folder / "missing.bin" + "\nCannot be read data."});
    EXPECT_TRUE(system.FileExists(folder / "a.bin"));
    EXPECT_FALSE(system.FileExists(folder / "missing.bin"));
}

// The real images and files, with the builder's folder, the system folder and the started
// programs redirected into the test's own folder.
class TestSystem : public Win32PackagingSystem {
  public:
    bool CustomImageEnabled() override { return customImage; }
    std::string CustomImageFolder() override { return programFolder; }
    std::string SystemFolder() override { return systemFolder; }
    void StartCommand(const std::string& commandLine) override { started.push_back(commandLine); }

    bool customImage = false;
    std::string programFolder;
    std::string systemFolder;
    std::vector<std::string> started;
};

Bytes SavedScene() {
    EntryList entries;
    auto cls = std::make_unique<ClsEntry>();
    cls->colour.colour = 0x000000FF;
    entries.Append(std::move(cls));
    entries.Append(std::make_unique<WaitEntry>());
    return SaveSceneFile(entries);
}

class Win32PackagerTest : public ::testing::Test {
  protected:
    Win32PackagerTest() : use_(prompt_) {
        CreateDirectoryA((folder_ / "program").c_str(), nullptr);
        CreateDirectoryA((folder_ / "system32").c_str(), nullptr);
        system_.programFolder = folder_ / "program" + "\\";
        system_.systemFolder = folder_ / "system32";
        document_.path = folder_ / "Night.ssd";
        WriteBytes(document_.path, scene_);
    }

    TestFolder folder_;
    Bytes scene_ = SavedScene();
    ScriptedPrompt prompt_;
    ScopedPromptOverride use_;
    ptest::FakeDocument document_;
    TestSystem system_;
    Packager packager_{document_, system_};
};

TEST_F(Win32PackagerTest, ScreenSaverAndInstallerAreTheCarriedImagesAndTheScene) {
    const Bytes bmp = ptest::CustomBmp();
    WriteBytes(system_.programFolder + "Custom.BMP", bmp);
    system_.customImage = true;
    ASSERT_TRUE(packager_.MakeScreenSaver(false));
    ASSERT_TRUE(packager_.MakeInstaller(false));

    const Bytes glint = ReadBytes(VL_GLINT_IMAGE);
    const Bytes ferrule = ReadBytes(VL_FERRULE_IMAGE);
    const Bytes runtime = ptest::WithSlot(glint, ptest::WithoutFileHeader(bmp));
    EXPECT_EQ(ReadBytes(folder_ / "Night.scr"), Concat({runtime, LeadWord(), scene_}));
    EXPECT_EQ(ReadBytes(folder_ / "Night.exe"), Concat({ferrule, runtime, LeadWord(), scene_}));
    EXPECT_EQ(prompt_.Texts(),
              (std::vector<std::string>{
                  "Screen saver\n" + folder_ / "Night.scr" + "\nis succesfully created.",
                  "Screen saver\n" + folder_ / "Night.exe" + "\nis succesfully created."}));
}

TEST_F(Win32PackagerTest, TheCommandLineToolMakesTheSameBytesAsTheBuilder) {
    const Bytes bmp = ptest::CustomBmp();
    WriteBytes(system_.programFolder + "Custom.BMP", bmp);
    system_.customImage = true;
    ASSERT_TRUE(packager_.MakeScreenSaver(false));
    ASSERT_TRUE(packager_.MakeInstaller(false));

    const std::string bmpPath = system_.programFolder + "Custom.BMP";
    const std::string scr = folder_ / "cli.scr";
    const std::string exe = folder_ / "cli.exe";
    const std::string fromScr = folder_ / "cli-from-scr.exe";
    test::CliResult made =
        test::RunCli({"make-scr", "--arch", "x64", "--custom-image", bmpPath, document_.path, scr});
    ASSERT_EQ(made.status, 0) << made.err;
    made =
        test::RunCli({"make-exe", "--arch", "x64", "--custom-image", bmpPath, document_.path, exe});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out, "Screen saver\n" + exe + "\nis succesfully created.\n");
    made = test::RunCli({"make-exe-from-scr", "--arch", "x64", scr, fromScr});
    ASSERT_EQ(made.status, 0) << made.err;

    EXPECT_EQ(ReadBytes(scr), ReadBytes(folder_ / "Night.scr"));
    EXPECT_EQ(ReadBytes(exe), ReadBytes(folder_ / "Night.exe"));
    EXPECT_EQ(ReadBytes(fromScr), ReadBytes(folder_ / "Night.exe"));
}

TEST_F(Win32PackagerTest, ASaverThatIsRunningIsNotReplacedAndStaysWhole) {
    ASSERT_TRUE(packager_.MakeScreenSaver(false));
    const Bytes before = ReadBytes(folder_ / "Night.scr");
    // Held open without sharing, as a running program holds its file.
    FileHandle held(CreateFileA((folder_ / "Night.scr").c_str(), GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    scene_ = ptest::SceneFileBytes(50);
    WriteBytes(document_.path, scene_);
    EXPECT_FALSE(packager_.MakeScreenSaver(false));
    EXPECT_EQ(prompt_.Texts().back(), "Screen saver cannot be created.");
    held.Reset();
    EXPECT_EQ(ReadBytes(folder_ / "Night.scr"), before);
    EXPECT_EQ(folder_.Names(),
              (std::vector<std::string>{"Night.scr", "Night.ssd", "program", "system32"}));
}

TEST_F(Win32PackagerTest, DefaultSaverGoesIntoTheSystemFolderWithABackslashPath) {
    prompt_.AnswerFile(folder_ / "Default Saver");
    ASSERT_TRUE(packager_.SetDefaultScreenSaver());
    const std::string installed = system_.systemFolder + "\\Default Saver.scr";
    EXPECT_EQ(ReadBytes(installed), ReadBytes(folder_ / "Default Saver.scr"));
    EXPECT_EQ(system_.started,
              std::vector<std::string>{"rundll32.exe desk.cpl,InstallScreenSaver " + installed});
}

}  // namespace
}  // namespace vl
