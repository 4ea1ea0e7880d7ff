#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "installer/ferrule_resources.h"
#include "package/fixed_images.h"
#include "program_paths.h"
#include "tests/programs/program_process.h"
#include "runtime/glint_resources.h"
#include "support/top_windows.h"

namespace vl {
namespace {

const DWORD kExitTimeoutMs = 5000;

using test::TextOf;

// Resources of a built program, read without running it.
class ProgramResources {
  public:
    explicit ProgramResources(const std::string& path)
        : module_(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~ProgramResources() {
        if (module_)
            FreeLibrary(module_);
    }
    bool Loaded() const { return module_ != nullptr; }
    // The resource's bytes, empty when it is missing.
    std::string Data(const char* type, int id) const {
        HRSRC info = FindResourceA(module_, MAKEINTRESOURCEA(id), type);
        if (!info)
            return {};
        HGLOBAL loaded = LoadResource(module_, info);
        const void* data = loaded ? LockResource(loaded) : nullptr;
        if (!data)
            return {};
        return std::string(static_cast<const char*>(data), SizeofResource(module_, info));
    }

  private:
    HMODULE module_;  // owned
};

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

const char kCommonControls6[] = "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"";

// --- Vistaloom --------------------------------------------------------------------------------

TEST(VistaloomProgram, ShowsItsMainWindowAndClosesCleanly) {
    ProgramProcess program(WindowsPath(VL_VISTALOOM_PATH), "");
    ASSERT_TRUE(program.Started());
    HWND frame = program.WaitForWindow("Vistaloom2.2", "Untitled - Vistaloom");
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(GetWindowLongA(frame, GWL_STYLE) & WS_CAPTION);
    PostMessageA(frame, WM_CLOSE, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(program.WaitForExit(kExitTimeoutMs, &code));
    EXPECT_EQ(code, 0u);
}

TEST(VistaloomProgram, ManifestAsksForCommonControls6) {
    ProgramResources resources(WindowsPath(VL_VISTALOOM_PATH));
    ASSERT_TRUE(resources.Loaded());
    EXPECT_TRUE(Contains(resources.Data(RT_MANIFEST, 1), kCommonControls6));
}

// --- Glint ------------------------------------------------------------------------------------

// The run, the settings, the preview and the password change are tested end to end in
// tests/runtime on screen savers with scenes; here only what needs no payload.
TEST(GlintProgram, AnUnknownLetterEndsAtOnceWithoutAWindow) {
    ProgramProcess glint(WindowsPath(VL_GLINT_PATH), "-x");
    ASSERT_TRUE(glint.Started());
    DWORD code = 99;
    ASSERT_TRUE(glint.WaitForExit(kExitTimeoutMs, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(glint.WaitForWindow(nullptr, nullptr, 0), nullptr);
}

TEST(GlintProgram, PreviewBitmapIs96By112With256Colours) {
    ProgramResources resources(WindowsPath(VL_GLINT_PATH));
    ASSERT_TRUE(resources.Loaded());
    const std::string bitmap = resources.Data(RT_BITMAP, IDB_PREVIEW);
    ASSERT_EQ(bitmap.size(), PreviewBitmapSlot::kSize);
    BITMAPINFOHEADER header;
    std::memcpy(&header, bitmap.data(), sizeof(header));
    EXPECT_EQ(header.biSize, 40u);
    EXPECT_EQ(header.biWidth, 96);
    EXPECT_EQ(header.biHeight, 112);
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biBitCount, 8);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_TRUE(header.biClrUsed == 0 || header.biClrUsed == 256);
}

TEST(GlintProgram, ManifestAsksForCommonControls6AndPerMonitorDpi) {
    ProgramResources resources(WindowsPath(VL_GLINT_PATH));
    ASSERT_TRUE(resources.Loaded());
    const std::string manifest = resources.Data(RT_MANIFEST, 1);
    EXPECT_TRUE(Contains(manifest, kCommonControls6));
    EXPECT_TRUE(Contains(manifest, ">PerMonitorV2, PerMonitor<"));
    EXPECT_TRUE(Contains(manifest, ">true/pm<"));
}

// --- Ferrule ----------------------------------------------------------------------------------

std::string ItemText(HWND dialog, int id) {
    return TextOf(GetDlgItem(dialog, id));
}

TEST(FerruleProgram, ShowsTheInstallerDialogWithItsThreeButtons) {
    ProgramProcess ferrule(WindowsPath(VL_FERRULE_PATH), "");
    ASSERT_TRUE(ferrule.Started());
    HWND dialog = ferrule.WaitForWindow("#32770", "Vistaloom Installer");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ItemText(dialog, IDC_INSTALL), "&Install");
    EXPECT_EQ(ItemText(dialog, IDC_PREVIEW), "&Preview");
    EXPECT_EQ(ItemText(dialog, IDCANCEL), "Cancel");
    EXPECT_EQ(ItemText(dialog, IDC_NAME), "Ferrule");
    EXPECT_TRUE(GetWindowLongA(GetDlgItem(dialog, IDC_NAME), GWL_STYLE) & SS_CENTER);

    // The name's font and the window icons are handles of Ferrule's own; Wine does not answer
    // WM_GETFONT or WM_GETICON across processes, so the screenshot check covers them.

    PostMessageA(dialog, WM_CLOSE, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(ferrule.WaitForExit(kExitTimeoutMs, &code));
    EXPECT_EQ(code, 0u);
}

// Install and Preview are driven end to end in tests/package, on installers that carry a saver.
TEST(FerruleProgram, CancelEndsIt) {
    ProgramProcess ferrule(WindowsPath(VL_FERRULE_PATH), "");
    ASSERT_TRUE(ferrule.Started());
    HWND dialog = ferrule.WaitForWindow("#32770", "Vistaloom Installer");
    ASSERT_NE(dialog, nullptr);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    DWORD code = 99;
    ASSERT_TRUE(ferrule.WaitForExit(kExitTimeoutMs, &code));
    EXPECT_EQ(code, 0u);
}

TEST(FerruleProgram, SystemMenuCommandOpensTheAboutBox) {
    ProgramProcess ferrule(WindowsPath(VL_FERRULE_PATH), "");
    ASSERT_TRUE(ferrule.Started());
    HWND dialog = ferrule.WaitForWindow("#32770", "Vistaloom Installer");
    ASSERT_NE(dialog, nullptr);
    PostMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = ferrule.WaitForWindow("#32770", "About Ferrule");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(GetParent(about), dialog);
    PostMessageA(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(test::WaitUntilGone(about));
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the installer stays after the about box";
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(ferrule.WaitForExit(kExitTimeoutMs, &code));
    EXPECT_EQ(code, 0u);
}

TEST(FerruleProgram, ShowsTheNameItIsStoredUnder) {
    char folder[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    const std::string copy = std::string(folder) + "Night Sky.v2.exe";
    ASSERT_TRUE(CopyFileA(WindowsPath(VL_FERRULE_PATH).c_str(), copy.c_str(), FALSE));
    {
        ProgramProcess ferrule(copy, "");
        ASSERT_TRUE(ferrule.Started());
        HWND dialog = ferrule.WaitForWindow("#32770", "Vistaloom Installer");
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(ItemText(dialog, IDC_NAME), "Night Sky.v2");
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        DWORD code = 99;
        EXPECT_TRUE(ferrule.WaitForExit(kExitTimeoutMs, &code));
    }
    DeleteFileA(copy.c_str());
}

TEST(FerruleProgram, ManifestAndIcon) {
    ProgramResources resources(WindowsPath(VL_FERRULE_PATH));
    ASSERT_TRUE(resources.Loaded());
    EXPECT_TRUE(Contains(resources.Data(RT_MANIFEST, 1), kCommonControls6));
    EXPECT_FALSE(resources.Data(RT_GROUP_ICON, IDI_FERRULE).empty());
    // String 101 lives in block 101 / 16 + 1 = 7 as the sixth counted (UTF-16) string.
    const std::string block = resources.Data(RT_STRING, IDS_ABOUTBOX / 16 + 1);
    const std::string expected = "&About Ferrule...";
    std::string text;
    std::size_t at = 0;
    for (int index = 0; index <= IDS_ABOUTBOX % 16 && at + 2 <= block.size(); ++index) {
        const std::size_t length =
            static_cast<unsigned char>(block[at]) | static_cast<unsigned char>(block[at + 1]) << 8;
        at += 2;
        if (index == IDS_ABOUTBOX % 16) {
            for (std::size_t i = 0; i < length && at + 2 * i < block.size(); ++i) {
                text.push_back(block[at + 2 * i]);
            }
        }
        at += 2 * length;
    }
    EXPECT_EQ(text, expected);
}

}  // namespace
}  // namespace vl
