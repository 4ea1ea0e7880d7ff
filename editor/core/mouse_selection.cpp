#include "editor/core/mouse_selection.h"

namespace vl {

MouseAction MouseSelection::Press(ListPoint point, bool shiftOrCtrl, int item, bool selected) {
    if (shiftOrCtrl || PressPending()) {
        return MouseAction::kListBox;
    }
    dragStartIndex_ = item < 0 ? -1 : item;
    if (item < 0) {
        return MouseAction::kListBox;
    }
    pressPoint_ = point;
    return selected ? MouseAction::kKeepSelection : MouseAction::kListBox;
}

MouseAction MouseSelection::Move(ListPoint point, bool shiftOrCtrl) {
    if (shiftOrCtrl || !PressPending() || dragging_ || point == pressPoint_) {
        return MouseAction::kListBox;
    }
    dragging_ = true;
    return MouseAction::kStartDrag;
}

MouseAction MouseSelection::Release(ListPoint point, bool shiftOrCtrl) {
    const bool replay = PressPending() && !dragging_ && !shiftOrCtrl && point == pressPoint_;
    Reset();
    return replay ? MouseAction::kReplayClick : MouseAction::kListBox;
}

void MouseSelection::Reset() {
    pressPoint_ = ListPoint{};
    dragStartIndex_ = -1;
    dragging_ = false;
}

}  // namespace vl
