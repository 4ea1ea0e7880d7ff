// The picture of an image object ready for drawing: a bitmap compatible with the display whose
// recorded dimension (SetBitmapDimensionEx) is its size, and the icon when the picture came from
// an icon or cursor file (the bitmap then only gives the size and is painted at each draw).
#pragma once

#include <windows.h>

#include <utility>

#include "framework/handles.h"

namespace vl {

class PreparedPicture {
  public:
    HBITMAP Bitmap() const { return bitmap_.Get(); }
    HICON Icon() const { return icon_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return !bitmap_; }

    // Takes the new picture and records its size on the bitmap; the old one is released.
    void Set(BitmapHandle bitmap, IconHandle icon, int width, int height) {
        if (bitmap)
            SetBitmapDimensionEx(bitmap.Get(), width, height, nullptr);
        bitmap_ = std::move(bitmap);
        icon_ = std::move(icon);
        width_ = width;
        height_ = height;
    }
    void Clear() { Set(BitmapHandle(), IconHandle(), 0, 0); }

  private:
    BitmapHandle bitmap_;
    IconHandle icon_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace vl
