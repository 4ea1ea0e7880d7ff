#include "tests/framework_controls/test_frame.h"

#include "framework/frame_layout.h"
#include "tests/framework_controls/ui_waits.h"

namespace vl::test {
namespace {

const char kTestFrameClass[] = "VlControlsTestFrame";

BitmapHandle DrawStrip(SIZE image, int images, COLORREF (*colour)(int)) {
    WindowDc screen(nullptr);
    BitmapHandle strip(CreateCompatibleBitmap(screen.Get(), image.cx * images, image.cy));
    MemoryDc dc(CreateCompatibleDC(screen.Get()));
    SelectGuard select(dc.Get(), strip.Get());
    for (int i = 0; i < images; ++i) {
        const RECT whole = {i * image.cx, 0, (i + 1) * image.cx, image.cy};
        BrushHandle magenta(CreateSolidBrush(DockingToolBar::kMaskColour));
        FillRect(dc.Get(), &whole, magenta.Get());
        RECT square = whole;
        InflateRect(&square, -TestStrips::kInset, -TestStrips::kInset);
        BrushHandle fill(CreateSolidBrush(colour(i)));
        FillRect(dc.Get(), &square, fill.Get());
    }
    return strip;
}

}  // namespace

bool TestFrame::Create(int width, int height) {
    WindowClass windowClass = {};
    windowClass.name = kTestFrameClass;
    windowClass.background = GetSysColorBrush(COLOR_APPWORKSPACE);
    if (!Window::Register(windowClass))
        return false;
    RECT frame = {0, 0, width, height};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    if (!Window::Create(kTestFrameClass, 0, "Controls", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40,
                        40, frame.right - frame.left, frame.bottom - frame.top, nullptr))
        return false;
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    UpdateWindow(Handle());
    PumpPending();
    return true;
}

void TestFrame::Layout() {
    RECT client;
    GetClientRect(Handle(), &client);
    view = LayoutFrameBars(client, toolbar, status);
    if (splitter)
        MoveWindow(splitter->Handle(), view.left, view.top, view.right - view.left,
                   view.bottom - view.top, TRUE);
    ++layouts;
}

POINT TestFrame::OnScreen(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return client;
}

RECT TestFrame::InClient(HWND window) const {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

LRESULT TestFrame::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SIZE:
            Layout();
            return 0;
        case WM_COMMAND:
            commands.push_back({LOWORD(wParam), HIWORD(wParam)});
            return 0;
        case WM_MENUSELECT:
            if (status)
                status->OnMenuSelect(wParam, lParam);
            return 0;
        default:
            return DefaultProc(msg, wParam, lParam);
    }
}

COLORREF TestStrips::Normal(int image) {
    static const COLORREF colours[kImages] = {RGB(200, 0, 0), RGB(0, 160, 0), RGB(0, 0, 200),
                                              RGB(200, 200, 0)};
    return colours[image % kImages];
}

COLORREF TestStrips::Disabled(int image) {
    const int grey = 60 + 30 * image;
    return RGB(grey, grey, grey);
}

TestStrips::TestStrips(SIZE imageSize, int images)
    : normal(DrawStrip(imageSize, images, &TestStrips::Normal)),
      disabled(DrawStrip(imageSize, images, &TestStrips::Disabled)) {}

}  // namespace vl::test
