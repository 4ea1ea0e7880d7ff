#include "editor/core/drag_cursors.h"

#include "editor/editor_resources.h"

namespace vl {

DropEffect EffectOfBits(std::uint32_t bits) {
    if (bits & 2u)
        return DropEffect::kMove;
    if (bits & 1u)
        return DropEffect::kCopy;
    if (bits & 4u)
        return DropEffect::kLink;
    return DropEffect::kNone;
}

int DragCursorId(DropEffect effect, std::size_t dragged) {
    const bool several = dragged > 1;
    switch (effect) {
        case DropEffect::kMove:
            return several ? IDC_DRAG_MOVE_MANY : IDC_DRAG_MOVE;
        case DropEffect::kCopy:
            return several ? IDC_DRAG_COPY_MANY : IDC_DRAG_COPY;
        case DropEffect::kLink:
            return IDC_DRAG_LINK;
        case DropEffect::kNone:
            break;
    }
    return 0;
}

}  // namespace vl
