// The small tool window a toolbar floats in: a caption with the toolbar's title and a close
// button, owned by the frame so that it stays above it and goes with it.
#pragma once

#include <windows.h>

#include <functional>

#include "framework/window.h"

namespace vl {

class FloatingBarWindow : public Window {
  public:
    struct Events {
        std::function<void()> captionDoubleClicked;  // dock the bar again
        std::function<void()> closeAsked;            // hide the bar
        std::function<void()> moved;                 // the user finished moving the window
    };

    explicit FloatingBarWindow(Events events) : events_(std::move(events)) {}

    // Created hidden.
    bool Create(HWND owner, const char* title);
    // Moves the window to topLeft (screen) and sizes it so that its client area is clientSize.
    void Place(POINT topLeft, SIZE clientSize);

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    Events events_;
};

}  // namespace vl
