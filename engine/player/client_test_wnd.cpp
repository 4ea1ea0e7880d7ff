#include "engine/player/client_test_wnd.h"

#include "framework/handles.h"

namespace vl {

bool CClientTestWnd::Create(HWND parent, const RECT& area, int id) {
    WindowClass windowClass = {};
    windowClass.name = kClassName;
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    if (!Window::Register(windowClass))
        return false;
    if (!Window::Create(kClassName, 0, "", WS_CHILD | WS_VISIBLE, area.left, area.top,
                        area.right - area.left, area.bottom - area.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)))) {
        return false;
    }
    handle_.store(Handle());
    return true;
}

void CClientTestWnd::Redraw(std::uint32_t colour, std::uint32_t rop) {
    rop_.store(rop);
    RepaintWith(handle_.load(), colour);
}

LRESULT CClientTestWnd::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND:
            return EraseWithBackground(reinterpret_cast<HDC>(wParam));
        case WM_DESTROY:
            handle_.store(nullptr);
            return DefaultProc(msg, wParam, lParam);
        default:
            return DefaultProc(msg, wParam, lParam);
    }
}

}  // namespace vl
