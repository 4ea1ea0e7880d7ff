// The run window in the test process, whose resources are Glint's: what Wine cannot show from
// outside the program (its cursor), and the repaint a Cls asks for from the player thread.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/runtime/registry_sandbox.h"
#include "runtime/run_window.h"
#include "support/screen.h"

namespace vl {
namespace {

using test::PumpPending;
using test::PumpUntil;
using test::ScreenPixel;

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
    PumpPending();
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

TEST(GlintRunWindowTest, ARedrawFromAnotherThreadPaintsTheWholeScreenBeforeItReturns) {
    RunWindow window;
    ASSERT_TRUE(window.Create(ExitSettings()));
    EXPECT_TRUE(test::ScreenShows({{10, 10, RGB(0, 0, 0)}})) << "the run window is black";
    std::atomic<bool> done{false};
    // The player thread waits for this thread to paint; this thread keeps serving messages.
    std::thread player([&window, &done] {
        window.Redraw(RGB(0, 128, 255), SRCCOPY);
        done = true;
    });
    EXPECT_TRUE(PumpUntil([&done] { return done.load(); }));
    player.join();
    const int right = GetSystemMetrics(SM_CXSCREEN) - 1;
    const int bottom = GetSystemMetrics(SM_CYSCREEN) - 1;
    EXPECT_EQ(ScreenPixel(0, 0), RGB(0, 128, 255));
    EXPECT_EQ(ScreenPixel(right, bottom), RGB(0, 128, 255));
    EXPECT_EQ(ScreenPixel(right / 2, bottom / 3), RGB(0, 128, 255));
    DestroyWindow(window.Handle());
    PumpPending();
}

// A run window with a cover over an area beside the screen, as over a second monitor.
class CoveredRun {
  public:
    explicit CoveredRun(const ExitSettings& settings) {
        created_ = window_.Create(settings);
        const int right = GetSystemMetrics(SM_CXSCREEN);
        window_.CoverAreas({RECT{right, 0, right + 320, 240}});
        cover_ = FindWindowA("GlintCoverWindow", nullptr);
        PumpPending();
    }
    ~CoveredRun() {
        if (window_.Handle())
            DestroyWindow(window_.Handle());
        PumpPending();
    }
    bool Created() const { return created_ && cover_; }
    HWND Cover() const { return cover_; }
    HWND Run() const { return window_.Handle(); }
    // The run window is gone.
    bool Ends() {
        return PumpUntil([this] { return window_.Handle() == nullptr; });
    }
    // The run ends by posting itself WM_CLOSE: once every posted message is served, it has ended
    // or it goes on.
    bool GoesOn() {
        PumpPending();
        return window_.Handle() != nullptr;
    }

  private:
    test::RegistrySandbox sandbox_;  // no password asked for on closing
    RunWindow window_;
    bool created_ = false;
    HWND cover_ = nullptr;
};

LPARAM Point(int x, int y) {
    return MAKELPARAM(x, y);
}

TEST(GlintCoverTest, ABlackTopmostWindowOwnedByTheRun) {
    CoveredRun run{ExitSettings()};
    ASSERT_TRUE(run.Created());
    EXPECT_TRUE(GetWindowLongPtrA(run.Cover(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongPtrA(run.Cover(), GWL_STYLE) & WS_POPUP);
    EXPECT_EQ(GetWindow(run.Cover(), GW_OWNER), run.Run());
    RECT area;
    GetWindowRect(run.Cover(), &area);
    EXPECT_EQ(area.left, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(area.right - area.left, 320);
    EXPECT_EQ(area.bottom - area.top, 240);
    // A click on another monitor ends the run as one on the primary screen does.
    SendMessageA(run.Cover(), WM_RBUTTONDOWN, 0, Point(5, 5));
    EXPECT_TRUE(run.Ends());
    EXPECT_FALSE(IsWindow(run.Cover())) << "the covers go with the run";
}

TEST(GlintCoverTest, TheChosenEventsCountOnTheCoversToo) {
    ExitSettings settings;
    settings.standard = false;
    settings.escape = true;
    CoveredRun run{settings};
    ASSERT_TRUE(run.Created());
    SendMessageA(run.Cover(), WM_KEYDOWN, 'A', 0);
    SendMessageA(run.Cover(), WM_LBUTTONDOWN, 0, Point(5, 5));
    SendMessageA(run.Cover(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(run.GoesOn());
    SendMessageA(run.Cover(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(run.Ends());
}

TEST(GlintCoverTest, PointerPositionsCountOnTheWholeDesktop) {
    // The system reports where the pointer rests when the windows appear: the reference.
    const int right = GetSystemMetrics(SM_CXSCREEN);
    SetCursorPos(right - 1, 9);
    ASSERT_TRUE(PumpUntil([right] {
        POINT at;
        return GetCursorPos(&at) && at.x == right - 1 && at.y == 9;
    }));
    CoveredRun run{ExitSettings()};
    ASSERT_TRUE(run.Created());
    SendMessageA(run.Run(), WM_MOUSEMOVE, 0, Point(right - 1, 9));
    // One pixel left of the cover is the same place on the desktop.
    SendMessageA(run.Cover(), WM_MOUSEMOVE, 0, Point(-1, 9));
    EXPECT_TRUE(run.GoesOn());
    SendMessageA(run.Cover(), WM_MOUSEMOVE, 0, Point(0, 9));
    EXPECT_TRUE(run.Ends());
}

}  // namespace
}  // namespace vl
