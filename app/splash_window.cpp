#include "app/splash_window.h"

#include "app/resource.h"

namespace vl {
namespace {

constexpr char kSplashClass[] = "VistaloomSplash";
constexpr UINT_PTR kTimerId = 1;
constexpr int kBorder = 2;

}  // namespace

bool SplashWindow::Show(HWND frame) {
    frame_ = frame;
    picture_.Reset(
        static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SPLASH),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info = {};
    if (!picture_ || !GetObjectA(picture_.Get(), sizeof info, &info))
        return false;
    size_ = {info.bmWidth + 2 * kBorder, info.bmHeight + 2 * kBorder};
    WindowClass windowClass = {};
    windowClass.name = kSplashClass;
    windowClass.background = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    if (!Window::Register(windowClass))
        return false;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - size_.cx) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - size_.cy) / 2;
    if (!Window::Create(kSplashClass, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "", WS_POPUP | WS_VISIBLE,
                        x, y, size_.cx, size_.cy, frame)) {
        return false;
    }
    EnableWindow(frame_, FALSE);
    SetTimer(Handle(), kTimerId, kShowMilliseconds, nullptr);
    UpdateWindow(Handle());
    return true;
}

LRESULT SplashWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_TIMER:
            if (wParam == kTimerId)
                Close();
            return 0;
        default:
            return DefaultProc(msg, wParam, lParam);
    }
}

void SplashWindow::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    MemoryDc source(CreateCompatibleDC(dc));
    if (source) {
        SelectGuard selected(source.Get(), picture_.Get());
        BitBlt(dc, kBorder, kBorder, size_.cx - 2 * kBorder, size_.cy - 2 * kBorder, source.Get(),
               0, 0, SRCCOPY);
    }
    EndPaint(Handle(), &paint);
}

void SplashWindow::Close() {
    KillTimer(Handle(), kTimerId);
    EnableWindow(frame_, TRUE);
    RedrawWindow(frame_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SetForegroundWindow(frame_);
    Destroy();
}

void SplashWindow::OnFinalMessage() {
    // Read before the object goes.
    std::function<void()> closed = std::move(onClosed);
    delete this;
    if (closed)
        closed();
}

}  // namespace vl
