// The scene list's left-button rules over the list box's extended selection: a press on a line
// that is already selected keeps a multi-line selection so that it can be dragged; a click there
// without movement still ends with only that line selected.
#pragma once

namespace vl {

struct ListPoint {
    int x = -1;
    int y = -1;
    bool operator==(const ListPoint& other) const { return x == other.x && y == other.y; }
    bool operator!=(const ListPoint& other) const { return !(*this == other); }
};

// What the list view does with a mouse message.
enum class MouseAction {
    kListBox,        // pass the message to the list box's own handling
    kKeepSelection,  // swallow the press: the selection stays, the caret goes to the press item
    kStartDrag,      // start dragging the selection from the drag start index
    kReplayClick,    // pass the pending press to the list box as an ordinary click
};

class MouseSelection {
  public:
    // Left button down at point over item (-1: none); selected tells whether that item is.
    // With Shift or Ctrl, or while a press is pending, the list box handles it alone. A press on a
    // line becomes pending; on an unselected line the list box still selects it.
    MouseAction Press(ListPoint point, bool shiftOrCtrl, int item, bool selected);
    // Any movement away from the pending press starts a drag, without a threshold; the press stays
    // pending through the drag (a drop target tells a drag from this list by it) until DragEnded.
    MouseAction Move(ListPoint point, bool shiftOrCtrl);
    // Left button up: at exactly the pending press point and without Shift or Ctrl the press is
    // replayed as a click. Any release ends the pending press.
    MouseAction Release(ListPoint point, bool shiftOrCtrl);
    // The drag loop has ended.
    void DragEnded() { Reset(); }

    bool PressPending() const { return pressPoint_ != ListPoint{}; }
    // (-1, -1) when no press is pending.
    ListPoint PressPoint() const { return pressPoint_; }
    // The line under the last plain press, -1 for none.
    int DragStartIndex() const { return dragStartIndex_; }

  private:
    void Reset();

    ListPoint pressPoint_;
    int dragStartIndex_ = -1;
    bool dragging_ = false;
};

}  // namespace vl
