// What the drawing tests share: a real window on the virtual display to draw on, pixels read back
// from any DC, pictures made from a pattern, and a count of the process's GDI objects.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "engine/core/geometry.h"
#include "engine/draw/draw_target.h"
#include "framework/handles.h"
#include "scene/entries.h"

namespace vl::testing {

// COLORREF of every pixel of a rectangle, row by row.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours;

    COLORREF At(int x, int y) const { return colours[static_cast<std::size_t>(y) * width + x]; }
};

Pixels ReadPixels(HDC dc, const Rect& area);

// A borderless window at the screen's top-left corner that paints nothing itself, so what is
// drawn on it stays until it is drawn over.
class TestWindow {
  public:
    TestWindow(int width, int height);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return window_.Get(); }
    HDC Dc() const { return dc_; }
    Size Extent() const { return size_; }

  private:
    WindowHandle window_;
    HDC dc_ = nullptr;  // owned: released in the destructor
    Size size_;
};

using PixelPattern = std::function<COLORREF(int x, int y)>;

// A bitmap compatible with the screen, painted from the pattern.
BitmapHandle MakeBitmap(int width, int height, const PixelPattern& pattern);
// Paints the whole rectangle of dc from the pattern (in dc's coordinates).
void PaintPattern(HDC dc, const Rect& area, const PixelPattern& pattern);

// A picture whose pixels all differ from their neighbours and from black, white and the system
// window colour.
COLORREF PicturePixel(int x, int y);
// A second, unrelated pattern for what lies on the screen before a draw.
COLORREF BackdropPixel(int x, int y);

// Gives the image object a picture of the pattern.
void SetPicture(ImageEntry& image, int width, int height, const PixelPattern& pattern);

// GDI objects the process holds: GetGuiResources where it works, else (Wine) the entries of the
// process's GDI handle table.
int GdiObjectCount();

// A screen-compatible bitmap in a memory DC standing in for the drawing window: the same pixels
// as a window, without other programs' windows (Wine's server is shared) clipping the drawing.
class MemoryScreen {
  public:
    MemoryScreen(int width, int height);
    ~MemoryScreen();
    MemoryScreen(const MemoryScreen&) = delete;
    MemoryScreen& operator=(const MemoryScreen&) = delete;

    HDC Dc() const { return dc_.Get(); }

  private:
    BitmapHandle bitmap_;
    MemoryDc dc_;
    HGDIOBJ previous_ = nullptr;  // the DC's own bitmap while ours is selected; not owned
};

// A base fixture with a 320 x 240 screen that the draw target covers.
class ScreenTest : public ::testing::Test {
  protected:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 240;

    ScreenTest() : screen_(kWidth, kHeight), target_(screen_.Dc(), {kWidth, kHeight}) {}

    HDC Dc() const { return screen_.Dc(); }
    Pixels Screen() const { return ReadPixels(Dc(), Rect{0, 0, kWidth, kHeight}); }
    void FillScreen(const PixelPattern& pattern) {
        PaintPattern(Dc(), Rect{0, 0, kWidth, kHeight}, pattern);
    }

    MemoryScreen screen_;
    DrawTarget target_;
};

// The same on a real window at the screen's top-left corner. Setting VL_DRAW_HOLD_MS keeps each
// window on the display that long after its test, for screenshots.
class WindowTest : public ::testing::Test {
  protected:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 240;

    WindowTest() : window_(kWidth, kHeight), target_(window_.Dc(), window_.Extent()) {}
    ~WindowTest() override { HoldForScreenshot(); }

    // Keeps what is on the window visible for VL_DRAW_HOLD_MS; nothing without it.
    void HoldForScreenshot() const;

    HDC Dc() const { return window_.Dc(); }
    Pixels Screen() const { return ReadPixels(Dc(), Rect{0, 0, kWidth, kHeight}); }
    void FillScreen(const PixelPattern& pattern) {
        PaintPattern(Dc(), Rect{0, 0, kWidth, kHeight}, pattern);
    }

    TestWindow window_;
    DrawTarget target_;
};

// How many pixels of `area` differ between two screens of the same size; and the first of them.
int CountDifferences(const Pixels& a, const Pixels& b, const Rect& area);

}  // namespace vl::testing
