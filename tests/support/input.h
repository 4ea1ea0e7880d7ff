// Input as the user gives it, through the system's input queue (SendInput): it reaches whichever
// window is in front, in this process or another.
#pragma once

#include <windows.h>

namespace vl::test {

// Moves the pointer to (x, y) on the primary screen and waits until the system reports it there;
// false when it never does.
bool MovePointerTo(int x, int y);
void PressKey(WORD virtualKey);
void ClickLeft();
void ClickRight();

}  // namespace vl::test
