// The one dialog procedure of the dialog classes. Header-only and free of the C++ library, so that
// the smallest program, built without exceptions, uses it too.
#pragma once

#include <windows.h>

namespace vl {

// Pass DialogProcedure<Dialog>::Proc to DialogBoxParam with the dialog object as the parameter.
// At WM_INITDIALOG it keeps the object with the window and calls its Attach(HWND); from then on
// every message goes to its OnMessage(msg, wParam, lParam), which returns what the dialog
// procedure returns. The few messages before WM_INITDIALOG (WM_SETFONT) go to the system.
// Where exceptions are enabled none may cross into the dialog manager: one that leaves OnMessage
// calls the object's OnException() and the message counts as not handled. Dialog classes make
// DialogProcedure<Dialog> a friend.
template <class Dialog>
struct DialogProcedure {
    static INT_PTR CALLBACK Proc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
        Dialog* self = nullptr;
        if (msg == WM_INITDIALOG) {
            self = reinterpret_cast<Dialog*>(lParam);
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            self->Attach(dialog);
        } else {
            self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
        }
        if (!self)
            return FALSE;
#if defined(__cpp_exceptions)
        try {
            return self->OnMessage(msg, wParam, lParam);
        } catch (...) {
            self->OnException();
            return FALSE;
        }
#else
        return self->OnMessage(msg, wParam, lParam);
#endif
    }
};

}  // namespace vl
