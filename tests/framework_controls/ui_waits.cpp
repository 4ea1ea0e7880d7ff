#include "tests/framework_controls/ui_waits.h"

namespace vl::test {
namespace {

void SendMouse(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

bool ServeOne() {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message != WM_QUIT) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

// Serves this thread's messages until no input is waiting for it: what was sent so far has
// been handled, one message at a time, as it would be for a user's hand.
bool InputHandled() {
    return PumpUntil([] { return HIWORD(GetQueueStatus(QS_INPUT)) == 0; });
}

}  // namespace

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        if (!ServeOne())
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpPending() {
    while (ServeOne()) {
    }
}

bool MovePointerTo(POINT point) {
    // Absolute input is in 1/65536 of the primary screen, taken back to pixels by rounding
    // down: round up here so that the pixel reached is the one meant.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (point.x * 65536 + width - 1) / width,
              (point.y * 65536 + height - 1) / height);
    return InputHandled() && PumpUntil([&] {
               POINT now;
               return GetCursorPos(&now) && now.x == point.x && now.y == point.y;
           });
}

bool PressLeft() {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    return InputHandled();
}

bool ReleaseLeft() {
    SendMouse(MOUSEEVENTF_LEFTUP);
    return InputHandled();
}

COLORREF ScreenPixel(POINT point) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

bool ScreenShows(POINT point, COLORREF colour) {
    return PumpUntil([&] { return ScreenPixel(point) == colour; });
}

}  // namespace vl::test
