#include "editor/program_drag_cursors.h"

#include "editor/core/drag_cursors.h"

namespace vl {

DragCursorFor ProgramDragCursors(std::size_t dragged) {
    return [dragged](DWORD effect) -> HCURSOR {
        const int id = DragCursorId(EffectOfBits(effect), dragged);
        // Cursors from resources are shared: nothing to destroy.
        return id ? LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id)) : nullptr;
    };
}

}  // namespace vl
