// Plain rectangles and the layouts the drawing code needs: the rectangles of one Move step, the
// grid of a tiled picture, the fit of a picture into a box. Everything here is in pixels; a Rect
// holds its right and bottom edges exclusively, as GDI does.
#pragma once

namespace vl {

struct Point {
    int x = 0;
    int y = 0;
};

struct Size {
    int width = 0;
    int height = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // Edges past the int range are held at its end.
    static Rect At(Point topLeft, Size size);
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    Point TopLeft() const { return {left, top}; }
    Size Extent() const { return {Width(), Height()}; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
};

inline bool operator==(Point a, Point b) {
    return a.x == b.x && a.y == b.y;
}
inline bool operator!=(Point a, Point b) {
    return !(a == b);
}
inline bool operator==(Size a, Size b) {
    return a.width == b.width && a.height == b.height;
}
inline bool operator!=(Size a, Size b) {
    return !(a == b);
}
inline bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const Rect& a, const Rect& b) {
    return !(a == b);
}

// The common part of two rectangles; an all-zero rectangle when they do not overlap.
Rect Intersection(const Rect& a, const Rect& b);
// The smallest rectangle holding both.
Rect BoundingRect(const Rect& a, const Rect& b);

// One step of a Move from oldPos to newPos of an object of the given size. The rectangles are in a
// local frame whose origin is the screen point `origin`, so that the union U starts at (0, 0) and a
// work bitmap of U's size holds the whole step.
struct StepLayout {
    Point origin;             // screen position of the local (0, 0)
    bool overlapped = false;  // O and N share pixels: compose in one work bitmap
    Rect oldRect;             // O: where the object was
    Rect newRect;             // N: where it goes
    Rect bounds;              // U: bounding rectangle of O and N
    Rect common;              // I: O and N in common (all zero when not overlapped)
    Rect corners[2];          // the two corners of U outside O and N; empty for a straight step
};

// Only `origin` and `overlapped` are meaningful when the rectangles do not overlap: that path
// erases at the old position and draws at the new one instead.
StepLayout LayoutStep(Point oldPos, Point newPos, Size size);

// A rectangle of the step's local frame in screen coordinates.
Rect ToScreen(const StepLayout& layout, const Rect& local);

// Tiles of a Tile effect: columns 0 .. screen width / tile width and rows 0 .. screen height / tile
// height, both inclusive, each tile at (column * tile width, row * tile height). A screen that is
// an exact multiple of the tile gets one more column (or row) just outside it. A tile without area
// gives no tiles.
struct TileGrid {
    int columns = 0;
    int rows = 0;
    Size tile;

    Point Origin(int column, int row) const { return {column * tile.width, row * tile.height}; }
};
TileGrid LayoutTiles(Size screen, Size tile);

// Where a drawn picture goes: the whole screen for the effects Tile and Stretch, else the object's
// own rectangle at its position. Erase paints this rectangle.
Rect DrawnArea(int effect, Point position, Size object, Size screen);

// Top-left position that centres an object on the screen, as the placement rules count it:
// screen / 2 - object / 2 on each axis (two integer divisions).
Point CentrePlacement(Size object, Size screen);

// A picture shrunk to fit a box keeping its aspect ratio (truncated); pictures that already fit
// keep their size and are never enlarged.
Size ScaleToFit(Size picture, Size box);

// Top-left corner that centres a picture in a box: ((W - w) / 2, (H - h) / 2).
Point CentreInBox(Size picture, Size box);

}  // namespace vl
