// The display entries as the player thread runs them: Show, Move, Hide and Line on the drawing
// window. The Win32 entry platform forwards its Show, Move, Hide and Line here with the target of
// the running play and the player's context (for the waits between steps and letters, and Stop).
// None of them throws or reports anything; a command without a linked Image does nothing.
#pragma once

#include "engine/core/player_signals.h"
#include "engine/draw/draw_target.h"
#include "scene/entries.h"

namespace vl {

// Places the object (Random and Centre from seed + 200, steps signed), takes the Show's colour,
// saves the area it covers when "Restore after hide" is set, and draws it once, or letter by
// letter for a text with "Letter By Letter" (a Stop ends the letters).
void ShowImage(ShowEntry& show, DrawTarget& target, PlayerContext& context);

// Moves the object step by step from the Move's start until its end test reports the end (drawn
// once more there) or Stop, at the Move's speed, with a pause check after every step. With
// "Restore after hide" the Hide restores the screen as it was under the object's final place
// when the Move began.
void MoveImage(MoveEntry& move, DrawTarget& target, PlayerContext& context);

// Removes a shown object: puts back the saved area with "Restore after hide", else paints its
// area in the background colour. An object that is not shown is left alone.
void HideImage(HideEntry& hide, DrawTarget& target);

// Draws the Line from its start to its end point (the end pixel itself is not set) with its pen
// style, width and colour.
void DrawLine(LineEntry& line, DrawTarget& target);

// The platform pen style of a Line's style number: 0 solid, 1 dash, 2 dot, 3 dash-dot, any
// other dash-dot-dot.
int PenStyleOf(std::int32_t style);

}  // namespace vl
