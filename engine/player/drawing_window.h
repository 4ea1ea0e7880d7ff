// The window a scene is played on, as the player thread sees it: a window that can repaint itself
// whole in one colour when a Cls asks for it. A single base chain (rather than an interface beside
// Window) keeps Glint free of the runtime support that multiple inheritance brings along.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "framework/window.h"

namespace vl {

class DrawingWindow : public Window {
  public:
    // Called on the player thread: the whole window shows `colour` when this returns. `rop` is
    // the mixing code of the Cls, kept with the colour.
    virtual void Redraw(std::uint32_t colour, std::uint32_t rop) = 0;

    std::uint32_t BackgroundColour() const { return colour_.load(); }

  protected:
    // Stores the background colour and repaints `window` whole with it before returning
    // (RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); a null window only stores it.
    void RepaintWith(HWND window, std::uint32_t colour);
    // The answer to WM_ERASEBKGND: the clip box filled with the background colour.
    LRESULT EraseWithBackground(HDC dc);

  private:
    // Written by the player thread, read when the window's own thread erases.
    std::atomic<std::uint32_t> colour_{0};
};

}  // namespace vl
