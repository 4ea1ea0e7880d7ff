#include "main_frame.h"

namespace vl {
namespace {

const char kFrameClass[] = "VistaloomFrame";

}  // namespace

bool CMainFrame::Create() {
    WindowClass windowClass = {};
    windowClass.name = kFrameClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.background = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    if (!Window::Register(windowClass))
        return false;
    return Window::Create(kFrameClass, 0, "Vistaloom", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr);
}

LRESULT CMainFrame::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            return DefaultProc(msg, wParam, lParam);
    }
}

void CMainFrame::OnDestroy() {
    PostQuitMessage(0);
}

}  // namespace vl
