// The screen's pixels, read from inside the Wine process: what a window has drawn is on the
// screen only once Wine has passed it to the display, so tests wait for the colours they expect.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "support/waits.h"

namespace vl::test {

// The screen's pixel, read afresh.
COLORREF ScreenPixel(int x, int y);

// How many pixels of the screen's area match, read in one copy of the area (the part of it on
// the screen).
int CountOnScreen(const RECT& area, const std::function<bool(COLORREF)>& matches);

struct ExpectedPixel {
    int x;
    int y;
    COLORREF colour;
};

// Waits (serving this thread's messages) until every point shows its colour; false when they do
// not by the deadline.
bool ScreenShows(const std::vector<ExpectedPixel>& pixels, DWORD timeoutMs = kDeadlineMs);

}  // namespace vl::test
