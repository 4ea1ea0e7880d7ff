// The hourglass while the interface thread does work the user waits for (decoding a slideshow's
// photos before its first preview takes seconds); the cursor before it comes back at the end.
#pragma once

#include <windows.h>

namespace vl {

class WaitCursor {
  public:
    WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    HCURSOR previous_;
};

}  // namespace vl
