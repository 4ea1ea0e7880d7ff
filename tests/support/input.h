// Input as the user gives it, through the system's input queue (SendInput): it reaches whichever
// window is in front, in this process or another.
#pragma once

#include <windows.h>

#include <initializer_list>

namespace vl::test {

// Moves the pointer to (x, y) on the primary screen and waits until the system reports it there;
// false when it never does.
bool MovePointerTo(int x, int y);
void PressKey(WORD virtualKey);
// Presses the keys in order and releases them in reverse, as a chord: {VK_CONTROL, 'G'}.
void PressKeys(std::initializer_list<WORD> chord);
void ClickLeft();
// The left button's halves apart, for drags.
void PressLeft();
void ReleaseLeft();
void ClickRight();

}  // namespace vl::test
