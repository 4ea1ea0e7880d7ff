// The drop source's cursors while commands are dragged: the builder's own, from its resources.
#pragma once

#include <cstddef>

#include "framework/ole.h"

namespace vl {

// For a drag of dragged commands; an effect without a drop, or a cursor missing from the program,
// leaves the system's cursor.
DragCursorFor ProgramDragCursors(std::size_t dragged);

}  // namespace vl
