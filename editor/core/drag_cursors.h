// Which of the builder's own cursors the pointer shows while commands are dragged: one for each
// drop effect, move and copy each with one for a single command and one for several.
#pragma once

#include <cstddef>
#include <cstdint>

#include "editor/core/clipboard_rules.h"

namespace vl {

// The effect a drop target answered, from the platform's effect bits (copy 1, move 2, link 4; the
// scroll bit and unknown bits do not count). A target answers one effect; should several bits be
// set, move counts before copy and copy before link.
DropEffect EffectOfBits(std::uint32_t bits);

// The cursor resource for effect while dragged commands are dragged; 0 when no drop is possible,
// for the system's default cursor.
int DragCursorId(DropEffect effect, std::size_t dragged);

}  // namespace vl
