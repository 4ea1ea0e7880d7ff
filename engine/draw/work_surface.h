// Off-screen composition: a memory DC with a bitmap of its own selected, and a source DC that
// lends an existing bitmap for copying. Both put everything back and release it on every path.
#pragma once

#include <windows.h>

#include "engine/core/geometry.h"
#include "framework/handles.h"

namespace vl {

class WorkSurface {
  public:
    // A width x height bitmap compatible with `like`, selected into a new memory DC. Invalid when
    // either cannot be made (or the size is empty).
    WorkSurface(HDC like, int width, int height);
    ~WorkSurface();
    WorkSurface(const WorkSurface&) = delete;
    WorkSurface& operator=(const WorkSurface&) = delete;

    HDC Dc() const { return dc_.Get(); }
    explicit operator bool() const { return previous_ != nullptr; }
    // Hands the bitmap over, deselected; the surface is invalid afterwards.
    BitmapHandle TakeBitmap();

  private:
    BitmapHandle bitmap_;
    MemoryDc dc_;
    HGDIOBJ previous_ = nullptr;  // the DC's own bitmap while ours is selected; not owned
};

// A memory DC with a bitmap the caller owns selected for the lifetime of the source.
class BitmapSource {
  public:
    BitmapSource(HDC like, HBITMAP bitmap);
    HDC Dc() const { return dc_.Get(); }
    explicit operator bool() const { return dc_.Valid(); }

  private:
    MemoryDc dc_;
    SelectGuard selection_;
};

// Paints the rectangle in one colour without making a brush.
void FillArea(HDC dc, const Rect& area, COLORREF colour);

// BitBlt of a whole rectangle of dst from (sourceX, sourceY) of src.
inline void CopyArea(HDC dst, const Rect& area, HDC src, int sourceX, int sourceY, DWORD rop) {
    BitBlt(dst, area.left, area.top, area.Width(), area.Height(), src, sourceX, sourceY, rop);
}

}  // namespace vl
