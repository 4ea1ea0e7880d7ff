#include "modal_dialog.h"

namespace vl {

INT_PTR ModalDialog::Run(HWND owner) {
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner,
                        &ModalDialog::DialogProc, reinterpret_cast<LPARAM>(this));
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

INT_PTR CALLBACK ModalDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    ModalDialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<ModalDialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    } else {
        self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    // WM_SETFONT and a few others arrive before WM_INITDIALOG.
    if (!self)
        return FALSE;
    try {
        return self->OnMessage(msg, wParam, lParam);
    } catch (...) {
        self->OnException();
        return FALSE;
    }
}

}  // namespace vl
