#include "engine/core/geometry.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "scene/params.h"

namespace vl {

namespace {

int ClampToInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

}  // namespace

Rect Rect::At(Point topLeft, Size size) {
    return {topLeft.x, topLeft.y, ClampToInt(std::int64_t{topLeft.x} + size.width),
            ClampToInt(std::int64_t{topLeft.y} + size.height)};
}

Rect Intersection(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return r.IsEmpty() ? Rect{} : r;
}

Rect BoundingRect(const Rect& a, const Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

StepLayout LayoutStep(Point oldPos, Point newPos, Size size) {
    // Positions may be anywhere in the int range, so the offsets are taken wide.
    const std::int64_t dx = std::int64_t{newPos.x} - oldPos.x;
    const std::int64_t dy = std::int64_t{newPos.y} - oldPos.y;
    StepLayout layout;
    layout.origin = {ClampToInt(oldPos.x + std::min<std::int64_t>(dx, 0)),
                     ClampToInt(oldPos.y + std::min<std::int64_t>(dy, 0))};
    const std::int64_t adx = dx < 0 ? -dx : dx;
    const std::int64_t ady = dy < 0 ? -dy : dy;
    layout.overlapped = size.width > 0 && size.height > 0 && adx < size.width && ady < size.height;
    if (!layout.overlapped)
        return layout;

    // From here on |dx| < width and |dy| < height, so everything fits in an int.
    const int sx = static_cast<int>(dx);
    const int sy = static_cast<int>(dy);
    const int ax = static_cast<int>(adx);
    const int ay = static_cast<int>(ady);
    layout.oldRect = Rect::At({std::max(-sx, 0), std::max(-sy, 0)}, size);
    layout.newRect = layout.oldRect.Offset(sx, sy);
    layout.bounds = BoundingRect(layout.oldRect, layout.newRect);
    layout.common = Intersection(layout.oldRect, layout.newRect);

    const Rect& u = layout.bounds;
    const Rect topLeft{u.left, u.top, u.left + ax, u.top + ay};
    const Rect bottomRight{u.right - ax, u.bottom - ay, u.right, u.bottom};
    const Rect topRight{u.right - ax, u.top, u.right, u.top + ay};
    const Rect bottomLeft{u.left, u.bottom - ay, u.left + ax, u.bottom};
    // Down-left and up-right steps leave the top-left and bottom-right corners uncovered; the other
    // diagonals the other two. A straight step has corners of zero width or height.
    const bool antiDiagonal = (sx < 0 && sy > 0) || (sx > 0 && sy < 0);
    layout.corners[0] = antiDiagonal ? topLeft : bottomLeft;
    layout.corners[1] = antiDiagonal ? bottomRight : topRight;
    return layout;
}

Rect ToScreen(const StepLayout& layout, const Rect& local) {
    return local.Offset(layout.origin.x, layout.origin.y);
}

TileGrid LayoutTiles(Size screen, Size tile) {
    TileGrid grid;
    grid.tile = tile;
    if (tile.width <= 0 || tile.height <= 0 || screen.width < 0 || screen.height < 0)
        return grid;
    grid.columns = screen.width / tile.width + 1;
    grid.rows = screen.height / tile.height + 1;
    return grid;
}

Rect DrawnArea(int effect, Point position, Size object, Size screen) {
    if (effect == kEffectTile || effect == kEffectStretch)
        return Rect::At({0, 0}, screen);
    return Rect::At(position, object);
}

Point CentrePlacement(Size object, Size screen) {
    return {screen.width / 2 - object.width / 2, screen.height / 2 - object.height / 2};
}

Size ScaleToFit(Size picture, Size box) {
    const std::int64_t w = picture.width;
    const std::int64_t h = picture.height;
    const std::int64_t boxW = box.width;
    const std::int64_t boxH = box.height;
    if (w <= 0 || h <= 0 || boxW <= 0 || boxH <= 0 || (w <= boxW && h <= boxH))
        return picture;
    if (h * boxW >= w * boxH)
        return {static_cast<int>(w * boxH / h), box.height};
    return {box.width, static_cast<int>(h * boxW / w)};
}

Point CentreInBox(Size picture, Size box) {
    return {ClampToInt((std::int64_t{box.width} - picture.width) / 2),
            ClampToInt((std::int64_t{box.height} - picture.height) / 2)};
}

}  // namespace vl
