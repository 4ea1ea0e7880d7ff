#include "run_window.h"

namespace vl {
namespace {

const char kRunWindowClass[] = "GlintRunWindow";

}  // namespace

bool RunWindow::Create() {
    WindowClass windowClass = {};
    windowClass.name = kRunWindowClass;
    windowClass.background = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    if (!Window::Register(windowClass))
        return false;
    if (!Window::Create(kRunWindowClass, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "",
                        WS_POPUP | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                        GetSystemMetrics(SM_CYSCREEN), nullptr)) {
        return false;
    }
    // The keys that end the run must come here, whatever was active before.
    SetForegroundWindow(Handle());
    SetFocus(Handle());
    return true;
}

LRESULT RunWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            OnKeyDown();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            return DefaultProc(msg, wParam, lParam);
    }
}

void RunWindow::OnKeyDown() {
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

void RunWindow::OnDestroy() {
    PostQuitMessage(0);
}

}  // namespace vl
