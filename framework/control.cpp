#include "framework/control.h"

#include <algorithm>
#include <vector>

#include "framework/window.h"

namespace vl {
namespace {

// The attached controls of the process (of its user-interface thread), to find the one a
// WM_MEASUREITEM is about without asking the system for the parent's children.
std::vector<Control*>& Attached() {
    static std::vector<Control*> controls;
    return controls;
}

// The child a parent's notification is about.
HWND ChildOf(UINT msg, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
            return reinterpret_cast<HWND>(lParam);
        case WM_NOTIFY:
            return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
        case WM_DRAWITEM:
            return lParam ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
        default:
            return nullptr;
    }
}

}  // namespace

Control::~Control() {
    Detach();
}

// The window procedure is replaced directly and the object kept in the window's user data: both
// are read in the process itself. Window properties and the common controls' subclassing ask
// Wine's server on every message, which made filling a list of 10,000 lines take seconds.
bool Control::Attach(HWND control) {
    if (!control || hwnd_ || ControlOf(control) || GetWindowLongPtrA(control, GWLP_USERDATA))
        return false;
    SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::ControlProc)));
    if (!original_) {
        SetWindowLongPtrA(control, GWLP_USERDATA, 0);
        return false;
    }
    hwnd_ = control;
    parent_ = GetParent(control);
    id_ = GetDlgCtrlID(control);
    Attached().push_back(this);
    return true;
}

void Control::Detach() {
    if (!hwnd_)
        return;
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    auto& attached = Attached();
    attached.erase(std::remove(attached.begin(), attached.end(), this), attached.end());
}

Control* Control::ControlOf(HWND hwnd) {
    // Only a window running this procedure has a Control in its user data.
    if (!hwnd || GetWindowLongPtrA(hwnd, GWLP_WNDPROC) !=
                     reinterpret_cast<LONG_PTR>(&Control::ControlProc)) {
        return nullptr;
    }
    return reinterpret_cast<Control*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

bool Control::Reflect(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    Control* control = nullptr;
    if (msg == WM_MEASUREITEM) {
        // Only the id is given; menus (id 0) are measured by their owner.
        for (Control* attached : Attached()) {
            if (wParam && attached->parent_ == parent && attached->id_ == static_cast<int>(wParam))
                control = attached;
        }
    } else {
        control = ControlOf(ChildOf(msg, lParam));
    }
    return control && control->OnReflected(msg, wParam, lParam, result);
}

LRESULT Control::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallDefault(msg, wParam, lParam);
}

LRESULT Control::CallDefault(UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(original_, hwnd_, msg, wParam, lParam);
}

bool Control::OnReflected(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT CALLBACK Control::ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Control*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        // The window goes with its parent; the object may live on, unattached.
        const WNDPROC original = self->original_;
        self->Detach();
        return CallWindowProcA(original, hwnd, msg, wParam, lParam);
    }
    try {
        return self->OnMessage(msg, wParam, lParam);
    } catch (...) {
        if (!ReportCurrentException())
            PostQuitMessage(1);
        return CallWindowProcA(self->original_, hwnd, msg, wParam, lParam);
    }
}

}  // namespace vl
