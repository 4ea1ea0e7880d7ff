// The run window in the test process, whose resources are Glint's: what Wine cannot show from
// outside the program (its cursor), and the repaint a Cls asks for from the player thread.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "run_window.h"

namespace vl {
namespace {

void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message != WM_QUIT)
                DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

struct CursorShape {
    bool known = false;
    DWORD hotX = 0;
    DWORD hotY = 0;
    int shownPixels = 0;  // pixels the AND mask does not leave transparent
};

CursorShape ShapeOf(HCURSOR cursor) {
    CursorShape shape;
    ICONINFO info = {};
    if (!cursor || !GetIconInfo(cursor, &info))
        return shape;
    shape.known = true;
    shape.hotX = info.xHotspot;
    shape.hotY = info.yHotspot;
    BITMAP mask = {};
    GetObjectA(info.hbmMask, sizeof(mask), &mask);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, info.hbmMask);
    // A monochrome cursor's mask holds the AND half above the XOR half.
    const int andRows = info.hbmColor ? mask.bmHeight : mask.bmHeight / 2;
    for (int y = 0; y < andRows; ++y) {
        for (int x = 0; x < mask.bmWidth; ++x) {
            if (GetPixel(dc, x, y) == RGB(0, 0, 0))
                ++shape.shownPixels;
        }
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    return shape;
}

CursorShape RunWindowCursor(bool showCursor) {
    ExitSettings settings;
    settings.showCursor = showCursor;
    RunWindow window;
    if (!window.Create(settings))
        return {};
    const CursorShape shape =
        ShapeOf(reinterpret_cast<HCURSOR>(GetClassLongPtrA(window.Handle(), GCLP_HCURSOR)));
    DestroyWindow(window.Handle());
    Pump(20);
    // The class keeps the cursor of its registration; the next run registers afresh.
    UnregisterClassA("GlintRunWindow", GetModuleHandleA(nullptr));
    return shape;
}

TEST(GlintRunWindowTest, ShowCursorGivesTheArrowWithItsTipAtOneOne) {
    const CursorShape shape = RunWindowCursor(true);
    ASSERT_TRUE(shape.known);
    EXPECT_EQ(shape.hotX, 1u);
    EXPECT_EQ(shape.hotY, 1u);
    EXPECT_GT(shape.shownPixels, 50);
}

TEST(GlintRunWindowTest, WithoutItTheCursorShowsNothing) {
    const CursorShape shape = RunWindowCursor(false);
    ASSERT_TRUE(shape.known);
    EXPECT_EQ(shape.shownPixels, 0);
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

TEST(GlintRunWindowTest, ARedrawFromAnotherThreadPaintsTheWholeScreenBeforeItReturns) {
    RunWindow window;
    ASSERT_TRUE(window.Create(ExitSettings()));
    Pump(50);
    EXPECT_EQ(ScreenPixel(10, 10), RGB(0, 0, 0));
    std::atomic<bool> done{false};
    // The player thread waits for this thread to paint; this thread keeps serving messages.
    std::thread player([&window, &done] {
        window.Redraw(RGB(0, 128, 255), SRCCOPY);
        done = true;
    });
    while (!done)
        Pump(10);
    player.join();
    const int right = GetSystemMetrics(SM_CXSCREEN) - 1;
    const int bottom = GetSystemMetrics(SM_CYSCREEN) - 1;
    EXPECT_EQ(ScreenPixel(0, 0), RGB(0, 128, 255));
    EXPECT_EQ(ScreenPixel(right, bottom), RGB(0, 128, 255));
    EXPECT_EQ(ScreenPixel(right / 2, bottom / 3), RGB(0, 128, 255));
    DestroyWindow(window.Handle());
    Pump(20);
}

}  // namespace
}  // namespace vl
