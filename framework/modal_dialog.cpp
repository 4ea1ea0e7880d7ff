#include "framework/modal_dialog.h"

namespace vl {

INT_PTR ModalDialog::Run(HWND owner) {
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner,
                        &DialogProcedure<ModalDialog>::Proc, reinterpret_cast<LPARAM>(this));
    hwnd_ = nullptr;
    return result;
}

INT_PTR ModalDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        default:
            return FALSE;
    }
}

bool ModalDialog::OnCommand(int id, int, HWND) {
    if (id != IDOK && id != IDCANCEL)
        return false;
    End(id);
    return true;
}

}  // namespace vl
