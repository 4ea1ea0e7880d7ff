// The builder as the user starts it: a scene on the command line, a second start, the
// uninstaller's clean-up, and what it keeps when it closes.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "program_paths.h"
#include "tests/programs/program_process.h"
#include "app/resource.h"
#include "scene/editor_options.h"
#include "scene/entries.h"
#include "scene/scene_file.h"

namespace vl {
namespace {

constexpr DWORD kExitTimeoutMs = 8000;
constexpr char kBuilderKey[] = "Software\\Quillmark\\Screen Saver\\Vistaloom";
constexpr char kSettingsKey[] = "Software\\Quillmark\\Screen Saver\\Vistaloom\\Settings";
constexpr char kGlintKey[] = "Software\\Quillmark\\Screen Saver\\Settings";

std::string UserFolder() {
    char appData[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
    return std::string(appData) + "\\Quillmark\\Screen Saver\\Vistaloom";
}

std::vector<char> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFile(const std::string& path, const void* data, std::size_t size) {
    std::ofstream(path, std::ios::binary).write(static_cast<const char*>(data), size);
}

bool KeyExists(const char* key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    RegCloseKey(opened);
    return true;
}

void SetDword(const char* key, const char* name, DWORD value) {
    HKEY made = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_WRITE, nullptr, &made, nullptr),
        ERROR_SUCCESS);
    RegSetValueExA(made, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(made);
}

std::string Text(const char* key, const char* name) {
    char value[512] = "";
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size) !=
        ERROR_SUCCESS) {
        return "<none>";
    }
    return value;
}

// Each test starts as a user who has run the builder before without its splash and start window
// (they have tests of their own), with a scene file to open.
class BuilderProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kBuilderKey);
        SHCreateDirectoryExA(nullptr, UserFolder().c_str(), nullptr);
        EditorOptions options;
        options.splash = 0;
        const auto bytes = options.ToBytes();
        WriteFile(OptionsPath(), bytes.data(), bytes.size());
        SetDword(kSettingsKey, "StartDlg", 1);
        folder_ = WindowsPath(VL_TEST_OUTPUT_DIR) + "\\" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        SHCreateDirectoryExA(nullptr, folder_.c_str(), nullptr);
        scene_ = folder_ + "\\Night.ssd";
        WriteScene(scene_, "night");
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kBuilderKey); }

    static std::string OptionsPath() { return UserFolder() + "\\vlo.opt"; }
    static void WriteScene(const std::string& path, const char* comment) {
        EntryList entries;
        auto line = std::make_unique<CommentEntry>();
        line->text = comment;
        entries.Append(std::move(line));
        const std::vector<std::uint8_t> bytes = SaveSceneFile(entries);
        WriteFile(path, bytes.data(), bytes.size());
    }
    static void Close(ProgramProcess& program, HWND frame) {
        PostMessageA(frame, WM_CLOSE, 0, 0);
        DWORD code = 99;
        ASSERT_TRUE(program.WaitForExit(kExitTimeoutMs, &code));
        EXPECT_EQ(code, 0u);
    }

    std::string folder_;
    std::string scene_;
};

TEST_F(BuilderProgramTest, OpensTheSceneOnItsCommandLineAndKeepsItsPlaceOnClose) {
    ProgramProcess program(WindowsPath(VL_VISTALOOM_PATH), "\"" + scene_ + "\"");
    ASSERT_TRUE(program.Started());
    HWND frame = program.WaitForWindow("Vistaloom2.2", "Night.ssd - Vistaloom");
    ASSERT_NE(frame, nullptr);
    MoveWindow(frame, 40, 50, 500, 400, TRUE);
    Close(program, frame);

    EXPECT_EQ(Text(kSettingsKey, "WindowPlace"), "40,50,500,400");
    EXPECT_EQ(Text("Software\\Quillmark\\Screen Saver\\Vistaloom\\Recent File List", "File1"),
              scene_);
}

TEST_F(BuilderProgramTest, OptionsAreWrittenOnCloseAndADamagedFileGivesTheDefaults) {
    const char damaged[] = "short";
    WriteFile(OptionsPath(), damaged, sizeof damaged);
    ProgramProcess program(WindowsPath(VL_VISTALOOM_PATH), "\"" + scene_ + "\"");
    ASSERT_TRUE(program.Started());
    HWND frame = program.WaitForWindow("Vistaloom2.2", "Night.ssd - Vistaloom", 15000);
    ASSERT_NE(frame, nullptr);
    Close(program, frame);
    const auto defaults = EditorOptions().ToBytes();
    const std::vector<char> written = FileBytes(OptionsPath());
    EXPECT_EQ(std::vector<std::uint8_t>(written.begin(), written.end()),
              std::vector<std::uint8_t>(defaults.begin(), defaults.end()));
}

TEST_F(BuilderProgramTest, ASecondStartHandsItsSceneToTheFirstWhenReuseIsOn) {
    SetDword(kSettingsKey, "Reuse", 1);
    const std::string other = folder_ + "\\Dawn.ssd";
    WriteScene(other, "dawn");
    ProgramProcess first(WindowsPath(VL_VISTALOOM_PATH), "\"" + scene_ + "\"");
    HWND frame = first.WaitForWindow("Vistaloom2.2", "Night.ssd - Vistaloom");
    ASSERT_NE(frame, nullptr);

    ProgramProcess second(WindowsPath(VL_VISTALOOM_PATH), "\"" + other + "\"");
    DWORD code = 99;
    ASSERT_TRUE(second.WaitForExit(kExitTimeoutMs, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_NE(first.WaitForWindow("Vistaloom2.2", "Dawn.ssd - Vistaloom"), nullptr);
    Close(first, frame);
}

TEST_F(BuilderProgramTest, WithoutReuseASecondStartOpensItsOwnWindow) {
    ProgramProcess first(WindowsPath(VL_VISTALOOM_PATH), "\"" + scene_ + "\"");
    HWND firstFrame = first.WaitForWindow("Vistaloom2.2", "Night.ssd - Vistaloom");
    ASSERT_NE(firstFrame, nullptr);
    ProgramProcess second(WindowsPath(VL_VISTALOOM_PATH), "");
    HWND secondFrame = second.WaitForWindow("Vistaloom2.2", "Untitled - Vistaloom");
    ASSERT_NE(secondFrame, nullptr);
    Close(second, secondFrame);
    Close(first, firstFrame);
}

TEST_F(BuilderProgramTest, CleanUpRemovesExactlyTheBuildersTracesAndShowsNothing) {
    SetDword(kGlintKey, "VistaloomTestMark", 7);  // Glint's settings live beside: they stay
    SetDword("Software\\Classes\\.ssd", "", 0);
    SetDword("Software\\Classes\\Vistaloom.Document", "", 0);
    SetDword("Software\\Classes\\.ssdx", "", 0);
    const std::string custom = UserFolder() + "\\Custom.BMP";
    WriteFile(custom, "BM", 2);

    for (const char* argument : {"/U", "-u", "u"}) {
        ProgramProcess program(WindowsPath(VL_VISTALOOM_PATH), argument);
        ASSERT_TRUE(program.Started());
        DWORD code = 99;
        ASSERT_TRUE(program.WaitForExit(kExitTimeoutMs, &code)) << argument;
        EXPECT_EQ(code, 0u);
        EXPECT_EQ(program.WaitForWindow(nullptr, nullptr, 0), nullptr);
    }
    EXPECT_FALSE(KeyExists(kBuilderKey));
    EXPECT_FALSE(KeyExists("Software\\Classes\\.ssd"));
    EXPECT_FALSE(KeyExists("Software\\Classes\\Vistaloom.Document"));
    EXPECT_TRUE(KeyExists("Software\\Classes\\.ssdx"));
    EXPECT_TRUE(KeyExists(kGlintKey));
    EXPECT_EQ(GetFileAttributesA(OptionsPath().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA(custom.c_str()), INVALID_FILE_ATTRIBUTES);

    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Classes\\.ssdx");
    HKEY glint = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kGlintKey, 0, KEY_WRITE, &glint) == ERROR_SUCCESS) {
        RegDeleteValueA(glint, "VistaloomTestMark");
        RegCloseKey(glint);
    }
}

// The builder is the tool's twin: the screen saver it makes of a scene (here through the message
// the wizard sends, which makes it beside the scene) has the bytes of the tool's.
TEST_F(BuilderProgramTest, TheScreenSaverItMakesHasTheToolsBytes) {
    ProgramProcess program(WindowsPath(VL_VISTALOOM_PATH), "\"" + scene_ + "\"");
    ASSERT_TRUE(program.Started());
    HWND frame = program.WaitForWindow("Vistaloom2.2", "Night.ssd - Vistaloom");
    ASSERT_NE(frame, nullptr);
    PostMessageA(frame, 0x8029, 0, 0);
    // "... created" in an information box, which the user closes.
    HWND box = program.WaitForWindow("#32770", nullptr);
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    Close(program, frame);

    const std::string byTool = folder_ + "\\ByTool.scr";
    ProgramProcess tool(WindowsPath(VL_CLI_PATH),
                        "make-scr --arch x64 \"" + scene_ + "\" \"" + byTool + "\"");
    ASSERT_TRUE(tool.Started());
    DWORD code = 99;
    ASSERT_TRUE(tool.WaitForExit(kExitTimeoutMs, &code));
    ASSERT_EQ(code, 0u);
    const std::vector<char> made = FileBytes(folder_ + "\\Night.scr");
    ASSERT_FALSE(made.empty());
    EXPECT_TRUE(made == FileBytes(byTool)) << "the builder's screen saver differs from the tool's";
}

// The scene list of a builder's frame (another process's: found by class, never by pointer).
HWND SceneListOf(HWND frame) {
    HWND found = nullptr;
    EnumChildWindows(
        frame,
        [](HWND child, LPARAM out) -> BOOL {
            char name[32] = "";
            GetClassNameA(child, name, sizeof name);
            if (lstrcmpiA(name, "ListBox") != 0)
                return TRUE;
            *reinterpret_cast<HWND*>(out) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Lines copied in one running builder are pasted in another: the clipboard carries them between
// processes.
TEST_F(BuilderProgramTest, LinesCopiedInOneBuilderArePastedInAnother) {
    const std::string other = folder_ + "\\Dawn.ssd";
    WriteScene(other, "dawn");
    ProgramProcess first(WindowsPath(VL_VISTALOOM_PATH), "\"" + scene_ + "\"");
    HWND firstFrame = first.WaitForWindow("Vistaloom2.2", "Night.ssd - Vistaloom");
    ASSERT_NE(firstFrame, nullptr);
    ProgramProcess second(WindowsPath(VL_VISTALOOM_PATH), "\"" + other + "\"");
    HWND secondFrame = second.WaitForWindow("Vistaloom2.2", "Dawn.ssd - Vistaloom");
    ASSERT_NE(secondFrame, nullptr);
    HWND from = SceneListOf(firstFrame);
    HWND into = SceneListOf(secondFrame);
    ASSERT_NE(from, nullptr);
    ASSERT_NE(into, nullptr);
    ASSERT_EQ(SendMessageA(into, LB_GETCOUNT, 0, 0), 1);

    SendMessageA(from, LB_SETSEL, TRUE, 0);
    SendMessageA(firstFrame, WM_COMMAND, ID_EDIT_COPY, 0);
    SendMessageA(secondFrame, WM_COMMAND, ID_EDIT_PASTE, 0);
    EXPECT_TRUE(test::PumpUntil([&] { return SendMessageA(into, LB_GETCOUNT, 0, 0) == 2; }))
        << "the second builder did not take the first one's line";
    EXPECT_EQ(SendMessageA(from, LB_GETCOUNT, 0, 0), 1) << "a copy leaves the source as it was";

    // The changed scene is offered for saving on close; No keeps the file as it was.
    PostMessageA(secondFrame, WM_CLOSE, 0, 0);
    HWND box = second.WaitForWindow("#32770", nullptr);
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_COMMAND, IDNO, 0);
    DWORD code = 99;
    ASSERT_TRUE(second.WaitForExit(kExitTimeoutMs, &code));
    EXPECT_EQ(code, 0u);
    Close(first, firstFrame);
}

TEST_F(BuilderProgramTest, StartingRegistersTheSceneTypeForTheUser) {
    ProgramProcess program(WindowsPath(VL_VISTALOOM_PATH), "\"" + scene_ + "\"");
    HWND frame = program.WaitForWindow("Vistaloom2.2", "Night.ssd - Vistaloom");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(Text("Software\\Classes\\.ssd", nullptr), "Vistaloom.Document");
    EXPECT_EQ(Text("Software\\Classes\\Vistaloom.Document\\DefaultIcon", nullptr),
              WindowsPath(VL_VISTALOOM_PATH) + ",1");
    Close(program, frame);
}

}  // namespace
}  // namespace vl
