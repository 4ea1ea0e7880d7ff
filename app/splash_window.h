// The splash picture (bitmap 102) shown for 2,700 ms at start: a borderless pop-up centred over
// the screen, during which the main window takes no input.
#pragma once

#include <functional>

#include "framework/handles.h"
#include "framework/window.h"

namespace vl {

class SplashWindow final : public Window {
  public:
    static constexpr UINT kShowMilliseconds = 2700;

    ~SplashWindow() override { Destroy(); }
    // Shows the splash over `frame` and disables the frame. When the time is up the splash
    // closes, enables and repaints the frame, calls onClosed and deletes itself (a heap object
    // whose ownership the caller gives up once Show succeeds).
    bool Show(HWND frame);
    std::function<void()> onClosed;

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage() override;

  private:
    void OnPaint();
    void Close();

    HWND frame_ = nullptr;  // not owned
    BitmapHandle picture_;
    SIZE size_ = {};
};

}  // namespace vl
