// Moving pictures between an SECImage (device-independent rows) and a bitmap of the display.
#pragma once

#include <windows.h>

#include "framework/handles.h"
#include "engine/image/sec_image.h"

namespace vl {

// A bitmap compatible with the screen holding the image, upright; empty on failure.
BitmapHandle CreateBitmapFromImage(const SECImage& image);

// A bitmap compatible with the screen of width x height holding the image stretched over it as
// a Stretch draws it (whole rows and columns dropped, COLORONCOLOR); empty on failure.
BitmapHandle CreateStretchedBitmapFromImage(const SECImage& image, int width, int height);

// The image becomes a 24-bit copy of bitmap, read through dc (which must not have the bitmap
// selected). False, with the image emptied, when the bitmap cannot be read.
bool CreateImageFromBitmap(SECImage& image, HBITMAP bitmap, HDC dc);

}  // namespace vl
