// Drawing an image object (a picture or a text bitmap) on the drawing window: Draw with its
// effects and colour mixing, Erase, one step of a Move, and one letter of a letter-by-letter
// Show. Everything is composed in memory bitmaps and reaches the window in one block transfer.
//
// The object's state lives in its ImageEntry (placements, colour, shown flag) and its prepared
// picture; none of these operations reports an error: what could fail was refused when the
// object was prepared.
#pragma once

#include <windows.h>

#include "engine/core/geometry.h"
#include "engine/draw/draw_target.h"
#include "engine/draw/move_canvas.h"
#include "scene/entries.h"

namespace vl {

// The raster operation of a ColourParam's mixing: SRCCOPY, SRCPAINT (OR) or SRCAND (AND).
DWORD MixingRop(std::int32_t mixing);

// The colour behind a drawn picture: the window's background when the object's colour says
// "Background", else the colour itself.
COLORREF FillColour(const ImageEntry& image, const DrawTarget& target);

// The object's size: its picture's recorded dimension, (0, 0) without one.
Size ObjectSize(ImageEntry& image);

// Draws the object into dc: with `clip`, a rectangle of dc whose top-left corner is the
// destination and whose size is the size drawn; without, at the current placement's position.
// Tile and Stretch fill the whole screen. Marks the object shown.
void Draw(ImageEntry& image, const DrawTarget& target, HDC dc, const Rect* clip);
inline void Draw(ImageEntry& image, const DrawTarget& target) {
    Draw(image, target, target.Dc(), nullptr);
}

// Paints the object's area (the whole screen for Tile and Stretch) in the window's background
// colour and marks it not shown.
void Erase(ImageEntry& image, const DrawTarget& target);

// Draws the object at next's current position and removes it from where it was. Steps smaller
// than the object are composed in one work bitmap of the union of both rectangles and copied to
// the window in one transfer: what the object uncovers comes from the Move's snapshot for a
// transparent text or with "Keep while moving", else it is painted in the background colour.
// Larger steps erase and draw. The current placement becomes the previous one and next the
// current one.
void StepDraw(ImageEntry& image, const DrawTarget& target, const MotionParam& next,
              MoveCanvas& canvas);

// Renders the text up to and including the next letter from letterIndex (skipping line breaks,
// which moves letterIndex) and draws it at the current position. True when it drew and letters
// remain after it; false when none was left or the text bitmap could not be made.
bool NextLetter(ImageEntry& image, const DrawTarget& target, int& letterIndex);

}  // namespace vl
