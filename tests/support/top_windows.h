// Finding the top-level windows a test waits for (a program's main window, a dialog, a message
// box), in this process or another, and reading and pressing what they show.
#pragma once

#include <windows.h>

#include <string>

#include "support/waits.h"

namespace vl::test {

std::string TextOf(HWND window);

// A visible top-level window of the process whose class and title match (either may be null for
// any); nullptr when there is none.
HWND FindTopWindow(DWORD processId, const char* className, const char* title);
// The same, waiting until one appears.
HWND WaitForTopWindow(DWORD processId, const char* className, const char* title,
                      DWORD timeoutMs = kDeadlineMs);
// A dialog (class "#32770") of this process with the given title, waiting until it appears: for
// a helper thread that answers the boxes the test's own thread shows.
HWND WaitForOwnDialog(const std::string& title, DWORD timeoutMs = kDeadlineMs);

// Waits until the window is destroyed; false when it still exists at the deadline.
bool WaitUntilGone(HWND window, DWORD timeoutMs = kDeadlineMs);

// The text of a message box (MessageBox's static text, id 0xFFFF).
std::string MessageBoxText(HWND box);

// Posts the click of a dialog's button as the button reports it: the test goes on while the
// dialog handles it (it may open a box of its own).
void PressButton(HWND dialog, int id);

}  // namespace vl::test
