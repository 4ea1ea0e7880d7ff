// The full-screen window of a screen-saver run.
#pragma once

#include "window.h"

namespace vl {

class RunWindow : public Window {
  public:
    // Black, topmost, over the whole primary screen; false when it cannot be created.
    bool Create();

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void OnKeyDown();
    void OnDestroy();
};

}  // namespace vl
