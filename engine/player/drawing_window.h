// The window a scene is played on, as the player thread sees it: a window that can repaint itself
// whole in one colour when a Cls asks for it. A single base chain (rather than an interface beside
// Window) keeps Glint free of the runtime support that multiple inheritance brings along.
#pragma once

#include <windows.h>

#include <cstdint>

#include "window.h"

namespace vl {

class DrawingWindow : public Window {
  public:
    // Called on the player thread: the whole window shows `colour` when this returns. `rop` is
    // the mixing code of the Cls, kept with the colour.
    virtual void Redraw(std::uint32_t colour, std::uint32_t rop) = 0;
};

}  // namespace vl
