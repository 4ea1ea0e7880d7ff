#include "runtime/preview_window.h"

#include "runtime/glint_resources.h"
#include "runtime/preview_layout.h"

namespace vl {
namespace {

const char kPreviewClass[] = "GlintPreviewWindow";

}  // namespace

bool PreviewWindow::Create(HWND parent) {
    if (!parent || !IsWindow(parent))
        return false;
    picture_.Reset(
        static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_PREVIEW),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    WindowClass windowClass = {};
    windowClass.name = kPreviewClass;
    windowClass.background = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    if (!Window::Register(windowClass))
        return false;
    RECT area;
    GetClientRect(parent, &area);
    return Window::Create(kPreviewClass, 0, "", WS_CHILD | WS_VISIBLE, 0, 0, area.right - area.left,
                          area.bottom - area.top, parent);
}

LRESULT PreviewWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_MOUSEACTIVATE:
            // A click in the control panel's little screen leaves the focus where it was.
            return MA_NOACTIVATE;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefaultProc(msg, wParam, lParam);
    }
}

void PreviewWindow::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    BITMAP info = {};
    if (picture_ && GetObjectA(picture_.Get(), sizeof(info), &info)) {
        RECT client;
        GetClientRect(Handle(), &client);
        const PictureArea area =
            FitPicture(info.bmWidth, info.bmHeight, client.right, client.bottom);
        MemoryDc source(CreateCompatibleDC(dc));
        if (source) {
            SelectGuard select(source.Get(), picture_.Get());
            SetStretchBltMode(dc, COLORONCOLOR);
            StretchBlt(dc, area.x, area.y, area.width, area.height, source.Get(), 0, 0,
                       info.bmWidth, info.bmHeight, SRCCOPY);
        }
    }
    EndPaint(Handle(), &paint);
}

}  // namespace vl
