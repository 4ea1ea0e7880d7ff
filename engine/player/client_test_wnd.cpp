#include "engine/player/client_test_wnd.h"

#include "handles.h"

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
    colour_.store(colour);
    rop_.store(rop);
    if (HWND hwnd = handle_.load())
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

LRESULT CClientTestWnd::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND:
            return OnEraseBackground(reinterpret_cast<HDC>(wParam));
        case WM_DESTROY:
            handle_.store(nullptr);
            return DefaultProc(msg, wParam, lParam);
        default:
            return DefaultProc(msg, wParam, lParam);
    }
}

LRESULT CClientTestWnd::OnEraseBackground(HDC dc) {
    RECT clip;
    GetClipBox(dc, &clip);
    BrushHandle brush(CreateSolidBrush(colour_.load()));
    if (brush)
        FillRect(dc, &clip, brush.Get());
    return TRUE;
}

}  // namespace vl
