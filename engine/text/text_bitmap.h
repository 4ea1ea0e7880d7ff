// Text objects as bitmaps: a text is rendered once into a bitmap of exactly its size, which the
// drawing operations then copy like a picture. Transparent texts are rendered on the system
// window colour, the key colour the drawing leaves out.
#pragma once

#include <windows.h>

#include <string_view>

#include "scene/entries.h"

namespace vl {

struct TextExtent {
    bool ok = false;  // false when the text has no width (empty, or only line breaks)
    int width = 0;    // the widest line
    int height = 0;   // the height of "W" times the number of lines
};

// The size the text needs with the font selected in dc.
TextExtent MeasureText(HDC dc, std::string_view text);

// The key colour of transparent texts: the system window colour.
COLORREF TransparentTextKey();

// Renders `text` (the object's whole text when empty) in the object's font and colours into a new
// bitmap of the measured size, which replaces the object's picture. False, leaving the previous
// picture in place, when the text cannot be measured or the bitmap cannot be made.
bool RenderText(ImageEntry& image, std::string_view text = {});

}  // namespace vl
