#include "installer/installer_dialog.h"

#include "installer/application_name.h"
#include "installer/ferrule_resources.h"
#include "installer/installer_names.h"
#include "installer/installer_payload.h"

namespace vl {
namespace {

const char kTemporaryFileFailed[] = "Failed to make temporary SCR file.";
const char kCannotInstall[] = "Can not install screen saver!\nFile already exist in System folder!";
const char kRunnableSuffix[] = ".SCR";
const char kPreviewArguments[] = " /s";
const char kControlPanelCommand[] = "rundll32.exe desk.cpl,InstallScreenSaver ";

bool CopyText(char* buffer, size_t size, const char* text) {
    buffer[0] = '\0';
    return AppendText(buffer, size, text);
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

InstallerDialog::InstallerDialog() {
    const DWORD length = GetModuleFileNameA(nullptr, ownPath_, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        ownPath_[0] = '\0';
    ApplicationName(ownPath_, appName_, sizeof(appName_));
    temporaryPath_[0] = '\0';
}

INT_PTR InstallerDialog::Run() {
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_INSTALLER), nullptr,
                        &DialogProcedure<InstallerDialog>::Proc, reinterpret_cast<LPARAM>(this));
    dialog_ = nullptr;
    RemoveRunnableCopies();
    return result;
}

INT_PTR InstallerDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM) {
    switch (msg) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return TRUE;
        case WM_SYSCOMMAND:
            return OnSysCommand(wParam);
        default:
            return FALSE;
    }
}

BOOL InstallerDialog::OnInitDialog() {
    AddAboutItem();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    // Shared icons belong to the system; nothing to free.
    HANDLE big = LoadImageA(instance, MAKEINTRESOURCEA(IDI_FERRULE), IMAGE_ICON,
                            GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_SHARED);
    HANDLE small =
        LoadImageA(instance, MAKEINTRESOURCEA(IDI_FERRULE), IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    SendMessageA(dialog_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageA(dialog_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));

    nameFont_.Reset(CreateFontA(-19, 0, 0, 0, FW_NORMAL, TRUE, FALSE, FALSE, ANSI_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_SWISS, "Arial"));
    if (nameFont_) {
        SendDlgItemMessageA(dialog_, IDC_NAME, WM_SETFONT,
                            reinterpret_cast<WPARAM>(nameFont_.Get()), FALSE);
    }
    SetDlgItemTextA(dialog_, IDC_NAME, appName_);
    return TRUE;
}

void InstallerDialog::AddAboutItem() {
    char text[64];
    if (LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUTBOX, text, sizeof(text)) <= 0)
        return;
    HMENU menu = GetSystemMenu(dialog_, FALSE);
    if (!menu)
        return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, text);
}

bool InstallerDialog::OnSysCommand(WPARAM command) {
    if ((command & 0xFFF0) != IDM_ABOUTBOX)
        return false;
    ShowAbout();
    return true;
}

void InstallerDialog::ShowAbout() {
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUTBOX), dialog_, &AboutProc,
                    0);
}

void InstallerDialog::OnCommand(int id) {
    switch (id) {
        case IDC_INSTALL:
            OnInstall();
            break;
        case IDC_PREVIEW:
            OnPreview();
            break;
        case IDCANCEL:
            EndDialog(dialog_, IDCANCEL);
            break;
        default:
            break;
    }
}

void InstallerDialog::ShowError(const char* text) {
    MessageBoxA(dialog_, text, appName_, MB_OK | MB_ICONSTOP);
}

void InstallerDialog::ShowTemporaryFileFailure() {
    char text[128];
    if (LoadStringA(GetModuleHandleA(nullptr), IDS_TEMPORARY_FILE_FAILED, text, sizeof(text)) <= 0)
        CopyText(text, sizeof(text), kTemporaryFileFailed);
    ShowError(text);
}

void InstallerDialog::FailExtraction() {
    if (!errorText_)
        return;  // reported already; the dialog stays for another try or Cancel
    ShowError(errorText_);
    EndDialog(dialog_, IDCANCEL);
}

bool InstallerDialog::ExtractPayload() {
    errorText_ = nullptr;
    temporaryPath_[0] = '\0';
    Payload payload;
    const PayloadRead read = ReadInstallerPayload(ownPath_, payload);
    if (read != PayloadRead::kDone) {
        errorText_ = PayloadReadMessage(read);
        return false;
    }

    TemporaryFile temporary;
    if (!temporary.Create("SCR")) {
        ShowTemporaryFileFailure();
        return false;
    }
    {
        FileHandle file(CreateFileA(temporary.Path(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        if (!file ||
            (payload.size > 0 &&
             !WriteFile(file.Get(), payload.block.Get(), payload.size, &written, nullptr)) ||
            written != payload.size) {
            file.Reset();  // an open file cannot be deleted
            temporary.Remove();
            ShowTemporaryFileFailure();
            return false;
        }
    }
    // Only a file named .scr runs as a screen saver.
    char runnable[MAX_PATH];
    if (!CopyText(runnable, sizeof(runnable), temporary.Path()) ||
        !AppendText(runnable, sizeof(runnable), kRunnableSuffix) ||
        !CopyFileA(temporary.Path(), runnable, FALSE)) {
        temporary.Remove();
        ShowTemporaryFileFailure();
        return false;
    }
    CopyText(temporaryPath_, sizeof(temporaryPath_), temporary.Path());
    temporary.Keep();
    return true;
}

void InstallerDialog::RemoveExtracted() {
    if (!temporaryPath_[0])
        return;
    char runnable[MAX_PATH];
    CopyText(runnable, sizeof(runnable), temporaryPath_);
    AppendText(runnable, sizeof(runnable), kRunnableSuffix);
    DeleteFileA(temporaryPath_);
    temporaryPath_[0] = '\0';
    if (DeleteFileA(runnable))
        return;
    // A running preview holds it; try again when the dialog closes.
    if (runnableCopyCount_ == kMaxRunnableCopies) {
        RemoveRunnableCopies();
        if (runnableCopyCount_ == kMaxRunnableCopies) {
            MoveFileExA(runnable, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
            return;
        }
    }
    CopyText(runnableCopies_[runnableCopyCount_++], MAX_PATH, runnable);
}

void InstallerDialog::RemoveRunnableCopies() {
    int kept = 0;
    for (int i = 0; i < runnableCopyCount_; ++i) {
        // A preview that has just ended may hold its file for a moment longer.
        bool removed = DeleteFileA(runnableCopies_[i]) != FALSE;
        for (int attempt = 0; !removed && attempt < 10 && dialog_ == nullptr; ++attempt) {
            Sleep(100);
            removed = DeleteFileA(runnableCopies_[i]) != FALSE;
        }
        if (removed || GetLastError() == ERROR_FILE_NOT_FOUND)
            continue;
        if (dialog_ == nullptr) {
            // Still running after the dialog has gone: leave it to the next restart.
            MoveFileExA(runnableCopies_[i], nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
            continue;
        }
        if (kept != i)
            CopyText(runnableCopies_[kept], MAX_PATH, runnableCopies_[i]);
        ++kept;
    }
    runnableCopyCount_ = kept;
}

void InstallerDialog::OnInstall() {
    char installed[MAX_PATH];
    char name[MAX_PATH];
    const UINT length = GetSystemDirectoryA(installed, MAX_PATH);
    const bool named = length > 0 && length < MAX_PATH &&
                       InstalledScreenSaverName(ownPath_, name, sizeof(name)) &&
                       AppendText(installed, sizeof(installed), "\\") &&
                       AppendText(installed, sizeof(installed), name);
    if (!ExtractPayload()) {
        FailExtraction();
        return;
    }
    // Never replaces a screen saver already installed under that name.
    if (named && CopyFileA(temporaryPath_, installed, TRUE)) {
        char command[sizeof(kControlPanelCommand) + MAX_PATH];
        CopyText(command, sizeof(command), kControlPanelCommand);
        AppendText(command, sizeof(command), installed);
        WinExec(command, SW_SHOWNORMAL);
    } else {
        ShowError(kCannotInstall);
    }
    RemoveExtracted();
    EndDialog(dialog_, IDOK);
}

void InstallerDialog::OnPreview() {
    if (!ExtractPayload()) {
        FailExtraction();
        return;
    }
    // Quoted: the temporary folder's path may hold blanks.
    char command[MAX_PATH + 16];
    CopyText(command, sizeof(command), "\"");
    AppendText(command, sizeof(command), temporaryPath_);
    AppendText(command, sizeof(command), kRunnableSuffix);
    AppendText(command, sizeof(command), "\"");
    AppendText(command, sizeof(command), kPreviewArguments);
    WinExec(command, SW_SHOWNORMAL);
    RemoveExtracted();
}

}  // namespace vl
