// The drawing window as the display entries see it: its device context, the size of the screen
// it covers, the colour of the last Cls, and the backgrounds that Show and Move saved for the
// Hide of each object. One target lives as long as one play of a scene, so everything saved is
// released when the play ends, however it ends.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "engine/core/geometry.h"
#include "framework/handles.h"
#include "scene/entries.h"

namespace vl {

class DrawTarget {
  public:
    // dc: a client DC of the drawing window (or any DC a test draws into); not owned. screen:
    // HORZRES x VERTRES, which the window covers.
    DrawTarget(HDC dc, Size screen) : dc_(dc), screen_(screen) {}
    DrawTarget(const DrawTarget&) = delete;
    DrawTarget& operator=(const DrawTarget&) = delete;

    // The screen size of the device a window DC belongs to.
    static Size ScreenSizeOf(HDC dc);

    HDC Dc() const { return dc_; }
    Size Screen() const { return screen_; }

    // Hands everything drawn so far to the display. The player draws from a thread that never
    // looks at its messages, and such drawing may otherwise wait indefinitely: on Windows in the
    // thread's GDI batch, under Wine in the window's surface, which Wine copies to the screen
    // only when a thread of the process next looks at its message queue (or when a later drawing
    // call comes long after the first unshown one). Call after every change to the window.
    void Present() const;

    // The window's current background colour: the erase colour, and the fill colour of a draw
    // whose colour says "Background". Black until the first Cls, which sets it.
    COLORREF Background() const { return background_; }
    void SetBackground(COLORREF colour) { background_ = colour; }

    // The screen area saved for the object's Hide, replacing (and releasing) any earlier one.
    void SetSavedBackground(const ImageEntry& image, BitmapHandle bitmap);
    // Hands the saved area over to the caller; empty when there is none.
    BitmapHandle TakeSavedBackground(const ImageEntry& image);
    bool HasSavedBackground(const ImageEntry& image) const;

  private:
    HDC dc_;  // not owned: the player's client DC of the drawing window
    Size screen_;
    COLORREF background_ = RGB(0, 0, 0);
    std::vector<std::pair<const ImageEntry*, BitmapHandle>> saved_;
};

}  // namespace vl
