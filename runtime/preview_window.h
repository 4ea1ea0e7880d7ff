// The little picture in the display control panel: a child over the whole client area of the
// window Windows names, showing bitmap 144 (or the custom image the builder put in its place).
// It never takes the focus, and the program ends when Windows destroys it.
#pragma once

#include "framework/handles.h"
#include "framework/window.h"

namespace vl {

class PreviewWindow : public Window {
  public:
    // False when parent is no window or the child cannot be made.
    bool Create(HWND parent);

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void OnPaint();

    BitmapHandle picture_;
};

}  // namespace vl
