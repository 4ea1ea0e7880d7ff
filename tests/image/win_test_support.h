// Helpers for the display-side image tests: a folder of their own in the temporary folder, and
// reading a prepared bitmap's pixels back.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "engine/image/image_bitmap.h"
#include "engine/image/sec_dib.h"
#include "support/scratch_folder.h"

using vl::test::ScratchFolder;

// The bitmap's pixels as a 24-bit image.
inline SECDib PixelsOf(HBITMAP bitmap) {
    SECDib image;
    HDC screen = GetDC(nullptr);
    vl::CreateImageFromBitmap(image, bitmap, screen);
    ReleaseDC(nullptr, screen);
    return image;
}

// Red, green, blue of the pixel at (x, y) counted from the top-left corner.
inline COLORREF ColourAt(const SECImage& image, int x, int y) {
    const std::uint8_t* pixel = image.Row(image.Height() - 1 - y) + 3 * x;
    return RGB(pixel[2], pixel[1], pixel[0]);
}
