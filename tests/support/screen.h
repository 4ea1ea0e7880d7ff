// The screen's pixels, read from inside the Wine process: what a window has drawn is on the
// screen only once Wine has passed it to the display, so tests wait for the colours they expect.
#pragma once

#include <windows.h>

#include <vector>

#include "support/waits.h"

namespace vl::test {

// The screen's pixel, read afresh.
COLORREF ScreenPixel(int x, int y);

struct ExpectedPixel {
    int x;
    int y;
    COLORREF colour;
};

// Waits (serving this thread's messages) until every point shows its colour; false when they do
// not by the deadline.
bool ScreenShows(const std::vector<ExpectedPixel>& pixels, DWORD timeoutMs = kDeadlineMs);

}  // namespace vl::test
