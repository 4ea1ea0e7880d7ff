#include "engine/draw/work_surface.h"

#include <utility>

namespace vl {

WorkSurface::WorkSurface(HDC like, int width, int height) {
    if (width <= 0 || height <= 0)
        return;
    bitmap_.Reset(CreateCompatibleBitmap(like, width, height));
    if (!bitmap_)
        return;
    dc_.Reset(CreateCompatibleDC(like));
    if (!dc_)
        return;
    previous_ = SelectObject(dc_.Get(), bitmap_.Get());
    if (previous_ == HGDI_ERROR)
        previous_ = nullptr;
}

WorkSurface::~WorkSurface() {
    // The bitmap cannot be deleted while a DC holds it.
    if (previous_)
        SelectObject(dc_.Get(), previous_);
}

BitmapHandle WorkSurface::TakeBitmap() {
    if (previous_)
        SelectObject(dc_.Get(), previous_);
    previous_ = nullptr;
    return std::move(bitmap_);
}

BitmapSource::BitmapSource(HDC like, HBITMAP bitmap)
    : dc_(CreateCompatibleDC(like)), selection_(dc_.Get(), bitmap) {}

void FillArea(HDC dc, const Rect& area, COLORREF colour) {
    if (area.IsEmpty())
        return;
    const COLORREF previous = SetBkColor(dc, colour);
    const RECT r{area.left, area.top, area.right, area.bottom};
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

}  // namespace vl
