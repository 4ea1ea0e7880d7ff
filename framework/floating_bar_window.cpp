#include "framework/floating_bar_window.h"

namespace vl {
namespace {

const char kFloatingBarClass[] = "VlFloatingBar";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

}  // namespace

bool FloatingBarWindow::Create(HWND owner, const char* title) {
    WindowClass windowClass = {};
    windowClass.name = kFloatingBarClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.background = GetSysColorBrush(COLOR_3DFACE);
    if (!Window::Register(windowClass))
        return false;
    return Window::Create(kFloatingBarClass, kExStyle, title, kStyle, 0, 0, 0, 0, owner);
}

void FloatingBarWindow::Place(POINT topLeft, SIZE clientSize) {
    RECT frame = {0, 0, clientSize.cx, clientSize.cy};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    SetWindowPos(Handle(), nullptr, topLeft.x, topLeft.y, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT FloatingBarWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NCLBUTTONDBLCLK:
            // The system would maximise the window; a floating bar docks instead.
            if (wParam != HTCAPTION)
                return DefaultProc(msg, wParam, lParam);
            if (events_.captionDoubleClicked)
                events_.captionDoubleClicked();
            return 0;
        case WM_MOUSEACTIVATE:
            // Clicking a button leaves the frame active and the focus where it was.
            return MA_NOACTIVATE;
        case WM_CLOSE:
            if (events_.closeAsked)
                events_.closeAsked();
            return 0;
        case WM_EXITSIZEMOVE:
            if (events_.moved)
                events_.moved();
            return 0;
        default:
            return DefaultProc(msg, wParam, lParam);
    }
}

}  // namespace vl
