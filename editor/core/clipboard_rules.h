// The arithmetic of moving lines through the clipboard and by dragging: where a paste goes, where
// a dragged block lands, which effect a drag over the list offers, and what happens to the
// clipboard when the builder closes.
#pragma once

#include <cstdint>
#include <vector>

namespace vl {

// A paste goes after the selected line when exactly one line is selected, otherwise at the end.
// selection: the selected list indices.
int PasteIndex(const std::vector<int>& selection, int count);

// Where a moved block is inserted once its lines have left the list. dragged: the list indices
// of the dragged lines (any order); target: the line dropped on, -1 for the empty space below
// the last line; dragStart: the line the drag was started from. A block dragged downwards lands
// after the target, upwards before it; onto empty space at the end. The result always lies
// within the shortened list.
int MoveInsertionIndex(const std::vector<int>& dragged, int target, int dragStart, int count);

// The list order after such a move: the old index of each line, in its new order.
std::vector<int> OrderAfterMove(const std::vector<int>& dragged, int target, int dragStart,
                                int count);

enum class DropEffect { kNone, kCopy, kMove, kLink };

struct DragOver {
    bool fromThisList = false;   // the drag started in this list
    int targetLine = -1;         // the line under the pointer, -1 over no line
    bool targetDragged = false;  // the line under the pointer is one of the dragged lines
    int draggedCount = 0;
    std::int32_t draggedKind = -1;  // the kind of the dragged command when one is dragged
    std::int32_t targetKind = -1;   // the kind of the line under the pointer
    bool ctrl = false;
    bool shift = false;
};

// The effect the list offers for a drag, before the platform narrows it to what the source
// allows.
DropEffect ChooseDropEffect(const DragOver& over);

// What the source allows, as a set.
struct OfferedEffects {
    bool copy = false;
    bool move = false;
    bool link = false;
};

// A proposed effect the source does not offer becomes copy if offered, otherwise link if
// offered; a proposed link that is not offered becomes none.
DropEffect NarrowDropEffect(DropEffect proposed, const OfferedEffects& offered);

// A drag from another running builder carries indices and a reference meaningful only there:
// its move or link is carried out as a copy.
DropEffect EffectForSource(DropEffect effect, bool sameProcess);

enum class ClipboardAtExit { kKeep, kEmpty, kAsk };

// option: the three-state "Delete clipboard data on exit" (0 unchecked, 1 checked, 2
// indeterminate); holdsSceneData: the clipboard still holds "CopyScene1.0" data.
ClipboardAtExit ClipboardActionAtExit(std::int32_t option, bool holdsSceneData);

}  // namespace vl
