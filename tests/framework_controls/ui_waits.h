// Waiting and input for the control tests: wait for a condition while serving this thread's
// messages, never for a stretch of time, and move and press the mouse through the system's input
// queue as a user would. Kept here until the shared test-support library offers the same.
#pragma once

#include <windows.h>

#include <functional>

namespace vl::test {

// Generous for a busy machine: a passing test never waits it out.
constexpr DWORD kDeadlineMs = 10000;

// Serves this thread's messages until condition holds or timeoutMs has passed; returns whether
// it holds. The condition is checked at once, after every message and at least every 10 ms.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDeadlineMs);

// Serves the messages already waiting for this thread, and those that serving them posts.
void PumpPending();

// Moves the pointer to point on the screen, presses or releases the left button; each returns
// once this thread has handled the input (false when it did not by the deadline).
bool MovePointerTo(POINT point);
bool PressLeft();
bool ReleaseLeft();

// The screen's pixel, read afresh.
COLORREF ScreenPixel(POINT point);
// Waits until the screen shows colour at point.
bool ScreenShows(POINT point, COLORREF colour);

}  // namespace vl::test
