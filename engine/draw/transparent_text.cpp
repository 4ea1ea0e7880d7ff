#include "engine/draw/transparent_text.h"

namespace vl {

TransparentLayers::TransparentLayers(HDC like, HDC source, Size size, COLORREF key)
    : maskBitmap_(CreateBitmap(size.width, size.height, 1, 1, nullptr)),
      mask_(like, maskBitmap_.Get()),
      ink_(like, size.width, size.height) {
    if (!maskBitmap_ || !mask_ || !ink_)
        return;
    const Rect local = Rect::At({0, 0}, size);
    // Colour to monochrome: pixels of the source's background colour become 1.
    const COLORREF previous = SetBkColor(source, key);
    CopyArea(mask_.Dc(), local, source, 0, 0, SRCCOPY);
    SetBkColor(source, previous);
    // Monochrome to colour: 1 becomes the background colour (black), 0 the text colour (white).
    CopyArea(ink_.Dc(), local, source, 0, 0, SRCCOPY);
    SetBkColor(ink_.Dc(), RGB(0, 0, 0));
    SetTextColor(ink_.Dc(), RGB(255, 255, 255));
    CopyArea(ink_.Dc(), local, mask_.Dc(), 0, 0, SRCAND);
}

void TransparentLayers::CombineInto(HDC dc, const Rect& area) const {
    const COLORREF background = SetBkColor(dc, RGB(255, 255, 255));
    const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    CopyArea(dc, area, mask_.Dc(), 0, 0, SRCAND);
    CopyArea(dc, area, ink_.Dc(), 0, 0, SRCPAINT);
    SetBkColor(dc, background);
    SetTextColor(dc, text);
}

}  // namespace vl
