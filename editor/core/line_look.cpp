#include "editor/core/line_look.h"

#include "scene/kinds.h"

namespace vl {

LineState LineStateOf(std::int32_t kind, bool disabled) {
    if (disabled) {
        return LineState::kDisabled;
    }
    return kind == kComment ? LineState::kComment : LineState::kNormal;
}

LineLook ChooseLineLook(const LineLookInput& line) {
    LineLook look;
    look.state = LineStateOf(line.kind, line.disabled);
    look.focusRect = line.focused && !line.dragOver;
    if (!line.selected) {
        return look;
    }
    if (!line.dragOver) {
        look.background = LineBackground::kHighlight;
        look.text = LineTextColour::kHighlightText;
        look.iconSelected = true;
        return look;
    }
    // A selected line during a drag: the drop target (selected only for the drag) can be drawn
    // softly, like an unselected line shifted by a pixel, or in the drag colour.
    const bool target = !line.inSavedSelection;
    const bool soft = line.softDragging;
    look.background = target && soft ? LineBackground::kWindow : LineBackground::kHighlight;
    look.text = LineTextColour::kHighlightText;
    if (line.dragFromThisList) {
        if (target && soft) {
            look.text = LineTextColour::kState;
        } else if (target && line.dragColour) {
            look.text = LineTextColour::kDrag;
        }
        look.shifted = target && soft;
        look.iconSelected = false;
    } else {
        const bool inside = line.pointerInside;
        if (target && inside && soft) {
            look.text = LineTextColour::kState;
        } else if (inside && !soft && line.dragColour) {
            look.text = LineTextColour::kDrag;
        }
        look.shifted = inside && soft;
        look.iconSelected = !target;
    }
    return look;
}

}  // namespace vl
