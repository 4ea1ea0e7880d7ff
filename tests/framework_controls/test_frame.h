// A main frame as the builder's will hold the controls: its layout step on WM_SIZE places the
// status bar, the docked toolbar and the splitter; it records the commands that reach it and
// passes WM_MENUSELECT to the status bar.
#pragma once

#include <windows.h>

#include <ostream>
#include <vector>

#include "framework/docking_toolbar.h"
#include "framework/static_splitter.h"
#include "framework/status_bar.h"
#include "framework/window.h"

namespace vl::test {

struct ReceivedCommand {
    UINT id;
    UINT code;
};

class TestFrame : public Window {
  public:
    // Shown at a fixed place in front, client area about width x height.
    bool Create(int width = 640, int height = 480);
    void Layout();

    // Screen point of a point in a window's client area.
    static POINT OnScreen(HWND window, POINT client);
    // A window's rectangle in the frame's client coordinates.
    RECT InClient(HWND window) const;

    StatusBar* status = nullptr;  // the controls under test, owned by the test
    DockingToolBar* toolbar = nullptr;
    StaticSplitter* splitter = nullptr;

    RECT view = {};  // what the last layout left for the view
    int layouts = 0;
    std::vector<ReceivedCommand> commands;

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

// Image strips drawn with GDI: each image a square of its own colour on magenta.
struct TestStrips {
    static constexpr int kImages = 4;
    static constexpr int kInset = 10;  // magenta around each square
    static COLORREF Normal(int image);
    static COLORREF Disabled(int image);

    explicit TestStrips(SIZE imageSize, int images = kImages);
    BitmapHandle normal;
    BitmapHandle disabled;
};

}  // namespace vl::test

// Rectangles compared and printed in the tests' expectations.
inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline void PrintTo(const RECT& rect, std::ostream* out) {
    *out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
         << "}";
}
