// Finding the boxes and dialogs this test process shows, from a helper thread that plays the user.
#pragma once

#include <windows.h>

#include <string>

namespace vl {

// A top-level dialog (class "#32770") of this process with the given title; waits up to
// timeoutMs for it to appear. nullptr when none does.
HWND WaitForOwnDialog(const std::string& title, DWORD timeoutMs = 5000);

std::string TextOf(HWND window);

// Presses a button of a dialog the way a click would report it.
void PressButton(HWND dialog, int id);

}  // namespace vl
