// The window a scene is played on, as the player thread sees it: its handle, and the repaint of
// the whole window in one colour that a Cls asks for.
#pragma once

#include <windows.h>

#include <cstdint>

namespace vl {

class IDrawingWindow {
  public:
    virtual ~IDrawingWindow() = default;
    virtual HWND Handle() const = 0;
    // Called on the player thread: the whole window shows `colour` when this returns. `rop` is
    // the mixing code of the Cls, kept with the colour.
    virtual void Redraw(std::uint32_t colour, std::uint32_t rop) = 0;
};

}  // namespace vl
