#include "app/start_window.h"

#include "app/resource.h"

namespace vl {

StartWindow::StartWindow() : ModalDialog(IDD_START_WINDOW) {}

BOOL StartWindow::OnInitDialog() {
    CheckDlgButton(Handle(), IDC_START_DO_NOT_SHOW, doNotShow ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

bool StartWindow::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
        case IDC_START_WIZARD:
        case IDC_START_EMPTY:
        case IDC_START_OPEN:
            // The pictures are notifying statics: a click inside one closes the window with it.
            if (notifyCode != STN_CLICKED)
                return false;
            End(id);
            return true;
        case IDC_START_DO_NOT_SHOW:
            if (notifyCode != BN_CLICKED)
                return false;
            doNotShow = IsDlgButtonChecked(Handle(), IDC_START_DO_NOT_SHOW) == BST_CHECKED;
            if (onDoNotShowChanged)
                onDoNotShowChanged(doNotShow);
            return true;
        default:
            return ModalDialog::OnCommand(id, notifyCode, control);
    }
}

}  // namespace vl
