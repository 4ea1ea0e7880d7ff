// End to end under Wine: a scene written as JSON becomes a scene file, a screen saver and an
// installer through vistaloom-cli; the installer runs as a user would run it, and the test
// presses its buttons and reads what it shows.
#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "installer/ferrule_resources.h"
#include "framework/handles.h"
#include "package/fixed_images.h"
#include "tests/package/package_test_support.h"
#include "tests/programs/program_process.h"
#include "tests/cli/run_cli.h"
#include "support/scratch_folder.h"
#include "support/screen.h"
#include "support/top_windows.h"

namespace vl {
namespace {

using ptest::Bytes;
using ptest::ReadBytes;

const DWORD kTimeoutMs = 10000;
const char kInstallerTitle[] = "Vistaloom Installer";

// A red screen, then a loop that waits.
const char kSceneJson[] = R"({
  "format": "Vistaloom scene",
  "formatVersion": 1,
  "entries": [
    {"kind": "Cls", "colour": {"colour": 255}},
    {"kind": "Repeat"},
    {"kind": "Wait", "duration": {"milliseconds": 200}},
    {"kind": "Until", "repeat": {"infinite": 1}}
  ]
})";

using test::MessageBoxText;
using test::PumpUntil;
using test::TextOf;

void Click(HWND dialog, int id) {
    // Posted: the click may open a message box, which must not block the test.
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

struct ProcessInfo {
    DWORD id;
    std::string exe;
};

FILETIME Now() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return now;
}

bool StartedSince(DWORD process, const FILETIME& since) {
    ProcessHandle handle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
    FILETIME created, exited, kernel, user;
    if (!handle || !GetProcessTimes(handle.Get(), &created, &exited, &kernel, &user))
        return false;
    return CompareFileTime(&created, &since) >= 0;
}

// Processes started by parent: process ids are reused at once, so an older process that names
// an ended process of the same id as its parent does not count.
std::vector<ProcessInfo> ChildrenOf(DWORD parent, const FILETIME& since) {
    std::vector<ProcessInfo> children;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return children;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        // Wine starts its desktop process (explorer.exe) as a child of whichever program first
        // needs a desktop after the last one closed; the installer never starts it itself.
        if (lstrcmpiA(entry.szExeFile, "explorer.exe") == 0)
            continue;
        if (entry.th32ParentProcessID == parent && StartedSince(entry.th32ProcessID, since))
            children.push_back({entry.th32ProcessID, entry.szExeFile});
    }
    CloseHandle(snapshot);
    return children;
}

std::string NamesOf(const std::vector<ProcessInfo>& processes) {
    std::string names;
    for (const ProcessInfo& process : processes)
        names += " " + process.exe;
    return names;
}

// Ends what the installer started (the control panel command, previews): they are the test's.
void EndChildrenOf(DWORD parent, const FILETIME& since) {
    for (const ProcessInfo& child : ChildrenOf(parent, since)) {
        ProcessHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, child.id));
        if (process) {
            TerminateProcess(process.Get(), 99);
            WaitForSingleObject(process.Get(), 5000);
        }
    }
}

struct WindowSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindScreenWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    RECT rect;
    if (owner != search->process || !IsWindowVisible(window) || !GetWindowRect(window, &rect))
        return TRUE;
    if (rect.right - rect.left < GetSystemMetrics(SM_CXSCREEN) ||
        rect.bottom - rect.top < GetSystemMetrics(SM_CYSCREEN) ||
        !(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST))
        return TRUE;
    search->found = window;
    return FALSE;
}

// A visible topmost window of the process that covers the whole screen: the run window (the
// runtime may measure its speed on another window first).
HWND ScreenWindowOf(DWORD process) {
    WindowSearch search{process, nullptr};
    EnumWindows(&FindScreenWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string TempFolder() {
    char folder[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    return folder;
}

// Names in the temporary folder that Ferrule's extractions use ("SCR....tmp" and its ".SCR").
std::vector<std::string> ExtractedFiles() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((TempFolder() + "SCR*.tmp*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::string SystemFolder() {
    char folder[MAX_PATH] = "";
    GetSystemDirectoryA(folder, MAX_PATH);
    return folder;
}

// The text of a file that another process writes whole, once it is there; empty when it has not
// come within timeoutMs.
std::string WaitForFileText(const std::string& path, DWORD timeoutMs) {
    if (!PumpUntil([&path] { return ptest::Exists(path); }, timeoutMs))
        return std::string();
    const Bytes bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

bool ScreenMostlyIs(COLORREF colour) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    int matching = 0;
    for (int i = 1; i <= 9; ++i) {
        if (test::ScreenPixel(width * i / 10, height * (10 - i) / 10) == colour)
            ++matching;
    }
    return matching >= 8;
}

// The scene, its screen saver and its installer, made once for all tests.
class InstallerEndToEnd : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = new ptest::TestFolder;
        ptest::WriteBytes(*folder_ / "scene.json",
                          Bytes(kSceneJson, kSceneJson + sizeof(kSceneJson) - 1));
        scene_ = *folder_ / "Aurora.ssd";
        // A name of this run's own, so that the system folder never holds it before.
        name_ = "VlTestSaver" + std::to_string(GetCurrentProcessId());
        installer_ = *folder_ / (name_ + ".exe");
        screenSaver_ = *folder_ / "Aurora.scr";
        made_ = test::RunCli({"from-json", folder_->Path(), scene_}).status == 0 &&
                test::RunCli({"make-scr", "--arch", "x64", scene_}).status == 0 &&
                test::RunCli({"make-exe", "--arch", "x64", scene_, installer_}).status == 0;
        // Programs are looked for beside the program that starts them first: the installers
        // here start the recorder in place of the control panel.
        made_ = made_ &&
                CopyFileA(VL_COMMAND_LINE_RECORDER, (*folder_ / "rundll32.exe").c_str(), FALSE);
    }
    static void TearDownTestSuite() {
        DeleteFileA(Installed().c_str());
        delete folder_;
        folder_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(made_) << "the files were not made"; }

    static std::string Installed() { return SystemFolder() + "\\" + name_ + ".scr"; }
    // What the installers here started as the control panel.
    static std::string ControlPanelRecord() { return *folder_ / "rundll32.exe.txt"; }

    // Install on an installer that cannot extract its screen saver: the message captioned with
    // its name, then the dialog closes; nothing is installed and nothing started.
    static void ExpectInstallFails(const std::string& path, const std::string& name,
                                   const char* message) {
        const FILETIME since = Now();
        ProgramProcess ferrule(path, "");
        HWND dialog = Start(ferrule);
        ASSERT_NE(dialog, nullptr);
        Click(dialog, IDC_INSTALL);
        HWND box = ferrule.WaitForWindow("#32770", name.c_str(), kTimeoutMs);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box), message);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        DWORD code = 99;
        ASSERT_TRUE(ferrule.WaitForExit(kTimeoutMs, &code)) << "the dialog closes after it";
        EXPECT_FALSE(ptest::Exists(SystemFolder() + "\\" + name + ".scr"));
        EXPECT_EQ(NamesOf(ChildrenOf(ferrule.Id(), since)), "") << "nothing was started";
    }

    // Starts the installer and waits for its dialog.
    static HWND Start(ProgramProcess& process) {
        EXPECT_TRUE(process.Started());
        return process.WaitForWindow("#32770", kInstallerTitle, kTimeoutMs);
    }

    static ptest::TestFolder* folder_;
    static std::string scene_;
    static std::string name_;
    static std::string installer_;
    static std::string screenSaver_;
    static bool made_;
};

ptest::TestFolder* InstallerEndToEnd::folder_ = nullptr;
std::string InstallerEndToEnd::scene_;
std::string InstallerEndToEnd::name_;
std::string InstallerEndToEnd::installer_;
std::string InstallerEndToEnd::screenSaver_;
bool InstallerEndToEnd::made_ = false;

TEST_F(InstallerEndToEnd, TheInstallerIsFerruleFollowedByTheScreenSaver) {
    const Bytes installer = ReadBytes(installer_);
    const Bytes saver = ReadBytes(screenSaver_);
    const Bytes scene = ReadBytes(scene_);
    EXPECT_EQ(saver.size(), kScreenSaverSceneOffset + scene.size());
    ASSERT_EQ(installer.size(), kStubImageSize + saver.size());
    EXPECT_EQ(Bytes(installer.begin() + kStubImageSize, installer.end()), saver);
    EXPECT_EQ(Bytes(installer.begin(), installer.begin() + kStubImageSize),
              ReadBytes(VL_FERRULE_IMAGE));
}

TEST_F(InstallerEndToEnd, InstallCopiesTheSaverOpensTheControlPanelOnItAndRefusesASecondTime) {
    DeleteFileA(Installed().c_str());
    DeleteFileA(ControlPanelRecord().c_str());
    const std::vector<std::string> extractedBefore = ExtractedFiles();
    {
        const FILETIME since = Now();
        ProgramProcess ferrule(installer_, "");
        HWND dialog = Start(ferrule);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_NAME)), name_);
        Click(dialog, IDC_INSTALL);
        DWORD code = 99;
        ASSERT_TRUE(ferrule.WaitForExit(kTimeoutMs, &code)) << "Install ends the installer";
        EXPECT_EQ(code, 0u);
        // The command, with its trailing blank, then the installed file's full path unquoted.
        EXPECT_EQ(WaitForFileText(ControlPanelRecord(), kTimeoutMs),
                  "rundll32.exe desk.cpl,InstallScreenSaver " + Installed());
        EndChildrenOf(ferrule.Id(), since);
    }
    EXPECT_EQ(ReadBytes(Installed()), ReadBytes(screenSaver_));
    EXPECT_EQ(ExtractedFiles(), extractedBefore) << "the extracted copies are removed";
    DeleteFileA(ControlPanelRecord().c_str());

    // The same again: the installed file stays, and the user is told.
    const FILETIME since = Now();
    ProgramProcess second(installer_, "");
    HWND dialog = Start(second);
    ASSERT_NE(dialog, nullptr);
    Click(dialog, IDC_INSTALL);
    HWND box = second.WaitForWindow("#32770", name_.c_str(), kTimeoutMs);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box),
              "Can not install screen saver!\nFile already exist in System folder!");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    DWORD code = 99;
    ASSERT_TRUE(second.WaitForExit(kTimeoutMs, &code));
    EXPECT_TRUE(ChildrenOf(second.Id(), since).empty()) << "no control panel after a refusal";
    EXPECT_FALSE(ptest::Exists(ControlPanelRecord()));
    EXPECT_EQ(ReadBytes(Installed()), ReadBytes(screenSaver_));
    EXPECT_EQ(ExtractedFiles(), extractedBefore);
}

TEST_F(InstallerEndToEnd, AnInstallerCutShortSaysItIsCorrupted) {
    const Bytes whole = ReadBytes(installer_);
    const std::string cut = *folder_ / "Cut.exe";
    ptest::WriteBytes(cut, Bytes(whole.begin(), whole.begin() + kStubImageSize - 1));
    ExpectInstallFails(cut, "Cut", "Installer file corrupted!");
}

TEST_F(InstallerEndToEnd, AnInstallerTooLargeToHoldSaysThereIsNotEnoughMemory) {
    // The stub, then more than one block can hold (4 GB), taking no room on the disk.
    const Bytes whole = ReadBytes(installer_);
    const std::string huge = *folder_ / "Huge.exe";
    ptest::WriteBytes(huge, Bytes(whole.begin(), whole.begin() + kStubImageSize));
    {
        FileHandle file(
            CreateFileA(huge.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(file);
        LARGE_INTEGER end;
        end.QuadPart = kStubImageSize + (LONGLONG{1} << 32);
        ASSERT_TRUE(SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN));
        ASSERT_TRUE(SetEndOfFile(file.Get()));
    }
    ExpectInstallFails(huge, "Huge", "No enough memory.");
}

TEST_F(InstallerEndToEnd, WithoutATemporaryFileNothingRunsAndTheDialogStays) {
    DeleteFileA(Installed().c_str());
    // The installer's temporary folder is one that does not exist.
    test::TemporaryFolderOverride missing(*folder_ / "no such folder");
    const FILETIME since = Now();
    ProgramProcess ferrule(installer_, "");
    HWND dialog = Start(ferrule);
    ASSERT_NE(dialog, nullptr);
    for (int button : {IDC_PREVIEW, IDC_INSTALL}) {
        Click(dialog, button);
        HWND box = ferrule.WaitForWindow("#32770", name_.c_str(), kTimeoutMs);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box), "Failed to make temporary SCR file.");
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(test::WaitUntilGone(box));
        EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays for Cancel";
    }
    EXPECT_EQ(NamesOf(ChildrenOf(ferrule.Id(), since)), "") << "nothing was started";
    EXPECT_FALSE(ptest::Exists(Installed()));
    Click(dialog, IDCANCEL);
    DWORD code = 99;
    ASSERT_TRUE(ferrule.WaitForExit(kTimeoutMs, &code));
    EXPECT_EQ(code, 0u);
}

TEST_F(InstallerEndToEnd, AStubWithoutPayloadInstallsAnEmptyFile) {
    const Bytes whole = ReadBytes(installer_);
    const std::string bare = *folder_ / "VlTestBare.exe";
    ptest::WriteBytes(bare, Bytes(whole.begin(), whole.begin() + kStubImageSize));
    const std::string installed = SystemFolder() + "\\VlTestBare.scr";
    DeleteFileA(installed.c_str());
    const FILETIME since = Now();
    ProgramProcess ferrule(bare, "");
    HWND dialog = Start(ferrule);
    ASSERT_NE(dialog, nullptr);
    Click(dialog, IDC_INSTALL);
    DWORD code = 99;
    ASSERT_TRUE(ferrule.WaitForExit(kTimeoutMs, &code));
    EndChildrenOf(ferrule.Id(), since);
    EXPECT_TRUE(ptest::Exists(installed));
    EXPECT_TRUE(ReadBytes(installed).empty());
    DeleteFileA(installed.c_str());
}

TEST_F(InstallerEndToEnd, PreviewRunsTheExtractedSaverFullScreenAndTheDialogStays) {
    DeleteFileA(Installed().c_str());
    const std::vector<std::string> extractedBefore = ExtractedFiles();
    // A screen saver beside the installer under its install name is not Ferrule's to delete.
    const std::string beside = *folder_ / (name_ + ".scr");
    ASSERT_TRUE(CopyFileA(screenSaver_.c_str(), beside.c_str(), FALSE));

    const FILETIME since = Now();

    ProgramProcess ferrule(installer_, "");
    HWND dialog = Start(ferrule);
    ASSERT_NE(dialog, nullptr);
    Click(dialog, IDC_PREVIEW);

    // The preview is a child process running "SCR....tmp.SCR".
    std::vector<ProcessInfo> previews;
    PumpUntil([&] {
        for (const ProcessInfo& child : ChildrenOf(ferrule.Id(), since)) {
            const std::string& exe = child.exe;
            if (exe.size() > 8 && exe.compare(exe.size() - 8, 8, ".tmp.SCR") == 0)
                previews.push_back(child);
        }
        return !previews.empty();
    });
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].exe.compare(0, 3, "SCR"), 0);

    // Its full-screen window, topmost.
    ProcessHandle preview(OpenProcess(SYNCHRONIZE, FALSE, previews[0].id));
    ASSERT_TRUE(preview);
    HWND run = nullptr;
    PumpUntil([&] { return (run = ScreenWindowOf(previews[0].id)) != nullptr; }, 15000);
    ASSERT_NE(run, nullptr) << "no topmost full-screen window";
    // The scene clears the screen to red.
    EXPECT_TRUE(PumpUntil([] { return ScreenMostlyIs(RGB(255, 0, 0)); }))
        << "the preview shows the scene";

    // While it runs, its runnable copy is there and the plain temporary file is gone.
    std::vector<std::string> extracted = ExtractedFiles();
    std::vector<std::string> added;
    for (const std::string& name : extracted) {
        if (std::find(extractedBefore.begin(), extractedBefore.end(), name) ==
            extractedBefore.end())
            added.push_back(name);
    }
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0], previews[0].exe);

    // A key ends the preview; the installer is still there.
    PostMessageA(run, WM_KEYDOWN, 'A', 1);
    EXPECT_TRUE(test::PumpUntilSignalled(preview.Get(), kTimeoutMs));
    EXPECT_TRUE(IsWindowVisible(dialog));

    Click(dialog, IDCANCEL);
    DWORD code = 99;
    ASSERT_TRUE(ferrule.WaitForExit(kTimeoutMs, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(ExtractedFiles(), extractedBefore) << "the preview's copy is removed at the end";
    EXPECT_TRUE(ptest::Exists(beside));
    EXPECT_FALSE(ptest::Exists(Installed())) << "Cancel installs nothing";
}

}  // namespace
}  // namespace vl
