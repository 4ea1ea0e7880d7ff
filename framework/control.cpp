#include "framework/control.h"

#include <commctrl.h>

#include "framework/window.h"

namespace vl {
namespace {

constexpr char kControlProperty[] = "VistaloomControl";
constexpr UINT_PTR kSubclassId = 0x564C;

Control* ControlOf(HWND hwnd) {
    return hwnd ? static_cast<Control*>(GetPropA(hwnd, kControlProperty)) : nullptr;
}

// The child a parent's notification is about.
HWND ChildOf(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
            return reinterpret_cast<HWND>(lParam);
        case WM_NOTIFY:
            return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
        case WM_DRAWITEM:
            return lParam ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
        case WM_MEASUREITEM:
            // Only the id is given; menus (id 0) are measured by their owner.
            return wParam ? GetDlgItem(parent, static_cast<int>(wParam)) : nullptr;
        default:
            return nullptr;
    }
}

}  // namespace

Control::~Control() {
    Detach();
}

bool Control::Attach(HWND control) {
    if (!control || hwnd_ || ControlOf(control))
        return false;
    if (!SetPropA(control, kControlProperty, this))
        return false;
    if (!SetWindowSubclass(control, &Control::SubclassProc, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(this))) {
        RemovePropA(control, kControlProperty);
        return false;
    }
    hwnd_ = control;
    return true;
}

void Control::Detach() {
    if (!hwnd_)
        return;
    RemoveWindowSubclass(hwnd_, &Control::SubclassProc, kSubclassId);
    RemovePropA(hwnd_, kControlProperty);
    hwnd_ = nullptr;
}

bool Control::Reflect(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    Control* control = ControlOf(ChildOf(parent, msg, wParam, lParam));
    return control && control->OnReflected(msg, wParam, lParam, result);
}

LRESULT Control::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallDefault(msg, wParam, lParam);
}

LRESULT Control::CallDefault(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(hwnd_, msg, wParam, lParam);
}

bool Control::OnReflected(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR data) {
    auto* self = reinterpret_cast<Control*>(data);
    if (msg == WM_NCDESTROY) {
        // The window goes with its parent; the object may live on, unattached.
        self->Detach();
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
    try {
        return self->OnMessage(msg, wParam, lParam);
    } catch (...) {
        if (!ReportCurrentException())
            PostQuitMessage(1);
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace vl
