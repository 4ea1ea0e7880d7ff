// Vistaloom, the screen-saver builder: start-up in the order the program has always followed
// (old settings, a running builder, the clean-up start, the file type, the options, the window,
// the command line's file).
#include <windows.h>

#include <ole2.h>
#include <shlobj.h>

#include "app/builder_packaging.h"
#include "app/core/builder_settings.h"
#include "app/core/clean_up_plan.h"
#include "app/core/options_file.h"
#include "app/core/settings_migration.h"
#include "app/core/shell_registration.h"
#include "app/core/startup_args.h"
#include "app/core/window_place.h"
#include "app/disk_scene_storage.h"
#include "app/main_frame.h"
#include "app/registry_key_tree.h"
#include "app/single_instance.h"
#include "editor/options_dialog.h"
#include "framework/message_loop.h"
#include "framework/ole.h"
#include "editor/property_dialogs.h"
#include "framework/prompt.h"
#include "framework/win32_prompt.h"

namespace {

using namespace vl;

constexpr char kCopyFailed[] = "Error during copying of reg entries!";
constexpr char kOleFailed[] = "Failed to initialize Object Linking and Embedding.";

// The arguments after the program's path, split and unquoted as the system does.
std::vector<std::string> CommandLineArguments() {
    std::vector<std::string> args;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide)
        return args;
    for (int i = 1; i < count; ++i) {
        const int bytes = WideCharToMultiByte(CP_ACP, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(bytes > 0 ? static_cast<std::size_t>(bytes - 1) : 0, '\0');
        if (bytes > 1)
            WideCharToMultiByte(CP_ACP, 0, wide[i], -1, &arg[0], bytes, nullptr, nullptr);
        args.push_back(arg);
    }
    LocalFree(wide);
    return args;
}

std::string ProgramPath() {
    char path[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

BuilderFolders Folders() {
    BuilderFolders folders;
    char path[MAX_PATH] = "";
    if (SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path) == S_OK)
        folders.appData = path;
    if (GetWindowsDirectoryA(path, MAX_PATH))
        folders.windows = path;
    folders.program = FolderOf(ProgramPath());
    return folders;
}

BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        const RECT& work = info.rcWork;
        reinterpret_cast<std::vector<WorkArea>*>(data)->push_back(
            {work.left, work.top, work.right, work.bottom});
    }
    return TRUE;
}

std::vector<WorkArea> WorkAreas() {
    std::vector<WorkArea> areas;
    EnumDisplayMonitors(nullptr, nullptr, &CollectWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

void ReportToUser(const std::string& what) {
    CurrentPrompt().Message("An unexpected error occurred:\n" + what +
                                "\n\nThe last action may not have been completed. Your scene "
                                "is still open: save it to keep your work.",
                            MessageIcon::Stop);
}

int Run(int show) {
    Win32Prompt prompt("Vistaloom");
    SetDefaultPrompt(&prompt);
    RegistryKeyTree registry;
    if (MigrateOldSettings(registry) == MigrationOutcome::kCopyFailed)
        CurrentPrompt().Message(kCopyFailed, MessageIcon::Stop);

    RegistrySettingsStore settings(kBuilderSettingsKey);
    const StartupArgs startup = ParseStartupArgs(CommandLineArguments());
    const ScreenSize screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const BuilderSettings stored = ReadBuilderSettings(settings, screen);
    if (stored.reuse && !startup.cleanUp) {
        if (HWND running = FindRunningBuilder()) {
            HandOverFile(running, startup.fileToOpen);
            return 0;
        }
    }
    OleSession ole;
    if (!ole.Ok()) {
        CurrentPrompt().Message(kOleFailed, MessageIcon::Stop);
        return 1;
    }
    const BuilderFolders folders = Folders();
    if (startup.cleanUp) {
        const CleanUpPlan plan = BuilderCleanUpPlan(folders);
        CarryOutCleanUp(plan, registry);
        RemoveDirectoryA(plan.userFolder.c_str());
        return 0;
    }
    RegisterSceneFileType(registry, ProgramPath());

    DiskSceneStorage storage;
    CSceneDoc document(storage);
    SHCreateDirectoryExA(nullptr, UserFolder(folders).c_str(), nullptr);
    const OptionsFileLoad options = LoadOptionsFile(folders);
    document.Store().Options() = options.result.options;

    BuilderPackagingSystem packaging(settings, folders);
    MessageLoop loop;
    COptionsDialog optionsDialog;
    optionsDialog.customImageOn = [&packaging] { return packaging.CustomImageEnabled(); };
    optionsDialog.customImagePath = [&packaging] {
        std::string folder = packaging.CustomImageFolder();
        if (!folder.empty() && folder.back() != '\\')
            folder += '\\';
        return folder + kCustomImageFileName;
    };
    optionsDialog.storeCustomImage = [&settings](bool on) {
        WriteIntSetting(settings, kCustomImageSetting, on ? 1 : 0);
    };
    optionsDialog.customImageSavePath = [&folders] {
        return UserFilePath(UserFile::kCustomImage, folders);
    };
    // "New image" in a property dialog appends through the frame's scene list.
    CMainFrame* appendTo = nullptr;
    // A picture chosen in a property dialog is not decoded again by the check before a preview.
    VerifiedPictures verifiedPictures;
    PropertyDialogs propertyDialogs({document.Entries(), prompt, SystemStyleChooser(),
                                     [&appendTo](std::unique_ptr<SceneEntry> entry) -> SceneEntry* {
                                         return appendTo ? appendTo->AppendEntry(std::move(entry))
                                                         : nullptr;
                                     },
                                     &verifiedPictures});
    // Decodes the pictures of a scene just opened or pasted while the user looks at it, below
    // the interface's priority, so that its first preview need not decode them all.
    PictureVerifier pictureVerifier(
        verifiedPictures, [] { SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST); });
    CMainFrame frame({document, settings, packaging, loop, folders, options.paths.writePath,
                      nullptr, &propertyDialogs, &optionsDialog, &verifiedPictures,
                      &pictureVerifier});
    appendTo = &frame;
    const WindowPlace place = FitWindowPlace(stored.windowPlace, WorkAreas(), screen);
    if (!frame.Create(place, stored))
        return 1;
    prompt.SetOwner(frame.Handle());
    ShowWindow(frame.Handle(), ChooseShowState(show, stored.windowShow));
    UpdateWindow(frame.Handle());
    if (!startup.fileToOpen.empty())
        frame.OpenDocumentFile(startup.fileToOpen);
    frame.AfterShown(startup);
    const int result = loop.Run();
    SetDefaultPrompt(nullptr);
    return result;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    SetExceptionReporter(&ReportToUser);
    try {
        return Run(show);
    } catch (...) {
        ReportCurrentException();
        return 1;
    }
}
