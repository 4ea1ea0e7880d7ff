#include "framework/static_splitter.h"

#include <windowsx.h>

#include "framework/bar_geometry.h"

namespace vl {
namespace {

const char kSplitterClass[] = "VlStaticSplitter";

}  // namespace

bool StaticSplitter::Create(HWND parent, UINT id, const RECT& rect) {
    WindowClass windowClass = {};
    windowClass.name = kSplitterClass;
    windowClass.background = GetSysColorBrush(COLOR_3DFACE);
    if (!Window::Register(windowClass))
        return false;
    return Window::Create(kSplitterClass, 0, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect.left,
                          rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

void StaticSplitter::SetPane(int column, HWND pane) {
    if (column < 0 || column > 1)
        return;
    panes_[column] = pane;
    if (pane && Handle() && GetParent(pane) != Handle())
        SetParent(pane, Handle());
    Layout();
}

HWND StaticSplitter::Pane(int column) const {
    return column == 0 || column == 1 ? panes_[column] : nullptr;
}

void StaticSplitter::SetLeftWidth(int width) {
    wantedLeft_ = width;
    Layout();
}

int StaticSplitter::LeftWidth() const {
    if (!Handle())
        return wantedLeft_;
    RECT client;
    GetClientRect(Handle(), &client);
    return SplitRow(client.right, wantedLeft_, kBarWidth, minPane_).leftWidth;
}

void StaticSplitter::SetMinPaneWidth(int width) {
    minPane_ = width < 0 ? 0 : width;
    Layout();
}

void StaticSplitter::ActivatePane(int column) {
    if (HWND pane = Pane(column))
        SetFocus(pane);
}

int StaticSplitter::ActivePane() const {
    const HWND focus = GetFocus();
    for (int column = 0; column < 2; ++column) {
        const HWND pane = panes_[column];
        if (pane && focus && (focus == pane || IsChild(pane, focus)))
            return column;
    }
    return -1;
}

void StaticSplitter::ActivateOtherPane() {
    ActivatePane(ActivePane() == 1 ? 0 : 1);
}

LRESULT StaticSplitter::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SIZE:
            Layout();
            return 0;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == Handle() && LOWORD(lParam) == HTCLIENT) {
                POINT point;
                GetCursorPos(&point);
                ScreenToClient(Handle(), &point);
                if (dragging_ || OnBar(point.x, point.y)) {
                    SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
                    return TRUE;
                }
            }
            return DefaultProc(msg, wParam, lParam);
        case WM_LBUTTONDOWN:
            OnLeftButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(GET_X_LPARAM(lParam));
            return 0;
        case WM_LBUTTONUP:
            EndDrag();
            return 0;
        case WM_CAPTURECHANGED:
            dragging_ = false;
            return 0;
        case WM_SETFOCUS:
            // Focus given to the splitter itself goes on to a pane.
            ActivatePane(panes_[1] ? 1 : 0);
            return 0;
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_COMPAREITEM:
        case WM_DELETEITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
            if (HWND parent = GetParent(Handle()))
                return SendMessageA(parent, msg, wParam, lParam);
            return DefaultProc(msg, wParam, lParam);
        default:
            return DefaultProc(msg, wParam, lParam);
    }
}

void StaticSplitter::Layout() {
    if (!Handle())
        return;
    RECT client;
    GetClientRect(Handle(), &client);
    const SplitColumns columns = SplitRow(client.right, wantedLeft_, kBarWidth, minPane_);
    if (panes_[0])
        MoveWindow(panes_[0], 0, 0, columns.leftWidth, client.bottom, TRUE);
    if (panes_[1])
        MoveWindow(panes_[1], columns.rightLeft, 0, columns.rightWidth, client.bottom, TRUE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

RECT StaticSplitter::BarRect() const {
    RECT client;
    GetClientRect(Handle(), &client);
    const SplitColumns columns = SplitRow(client.right, wantedLeft_, kBarWidth, minPane_);
    return {columns.leftWidth, 0, columns.rightLeft, client.bottom};
}

bool StaticSplitter::OnBar(int x, int y) const {
    const RECT bar = BarRect();
    const POINT point = {x, y};
    return PtInRect(&bar, point) != FALSE;
}

void StaticSplitter::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    RECT bar = BarRect();
    if (bar.right > bar.left)
        DrawEdge(dc, &bar, EDGE_RAISED, BF_LEFT | BF_RIGHT);
    EndPaint(Handle(), &paint);
}

void StaticSplitter::OnLeftButtonDown(int x, int y) {
    if (!OnBar(x, y))
        return;
    grabOffset_ = x - BarRect().left;
    dragging_ = true;
    SetCapture(Handle());
}

void StaticSplitter::OnMouseMove(int x) {
    if (!dragging_)
        return;
    // The width follows the pointer as it moves; limiting it here keeps the stored width what
    // the user sees when the pointer is dragged past the edge.
    RECT client;
    GetClientRect(Handle(), &client);
    const int shown = SplitRow(client.right, x - grabOffset_, kBarWidth, minPane_).leftWidth;
    if (shown == LeftWidth())
        return;
    wantedLeft_ = shown;
    Layout();
    UpdateWindow(Handle());
}

void StaticSplitter::EndDrag() {
    if (!dragging_)
        return;
    dragging_ = false;
    ReleaseCapture();
}

}  // namespace vl
