// The two layers through which a transparent text is drawn: a monochrome mask that is 1 where the
// text bitmap shows the key colour, and the text with those pixels turned black. ANDing the mask
// into a picture clears the text's place, ORing the ink in then draws it; every key-coloured
// pixel shows what was there.
#pragma once

#include <windows.h>

#include "engine/core/geometry.h"
#include "engine/draw/work_surface.h"
#include "framework/handles.h"

namespace vl {

class TransparentLayers {
  public:
    // From the first size.width x size.height pixels of source; `like` gives the ink's format.
    TransparentLayers(HDC like, HDC source, Size size, COLORREF key);
    explicit operator bool() const { return mask_ && ink_; }

    // Combines both layers into dc at `area`, leaving dc's colours as they were.
    void CombineInto(HDC dc, const Rect& area) const;

  private:
    BitmapHandle maskBitmap_;
    BitmapSource mask_;
    WorkSurface ink_;
};

}  // namespace vl
