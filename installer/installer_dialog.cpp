#include "installer_dialog.h"

#include "application_name.h"
#include "ferrule_resources.h"

namespace vl {
namespace {

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

INT_PTR InstallerDialog::Run() {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_INSTALLER), nullptr,
                           &InstallerDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK InstallerDialog::DialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    InstallerDialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<InstallerDialog*>(lParam);
        self->dialog_ = dialog;
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<InstallerDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    }
    return self ? self->OnMessage(msg, wParam, lParam) : FALSE;
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
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        path[0] = '\0';
    char name[MAX_PATH];
    ApplicationName(path, name, sizeof(name));
    SetDlgItemTextA(dialog_, IDC_NAME, name);
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
        case IDCANCEL:
            EndDialog(dialog_, IDCANCEL);
            break;
        default:
            // Install and Preview work on the carried screen saver, which comes later.
            break;
    }
}

}  // namespace vl
