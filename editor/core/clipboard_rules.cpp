#include "editor/core/clipboard_rules.h"

#include <algorithm>

#include "scene/clipboard_blocks.h"
#include "scene/editor_options.h"

namespace vl {

int PasteIndex(const std::vector<int>& selection, int count) {
    if (selection.size() == 1 && selection.front() >= 0 && selection.front() < count)
        return selection.front() + 1;
    return count;
}

int MoveInsertionIndex(const std::vector<int>& dragged, int target, int dragStart, int count) {
    const int remaining = count - static_cast<int>(dragged.size());
    if (target < 0 || target >= count)
        return std::max(remaining, 0);
    const int before = static_cast<int>(std::count_if(
        dragged.begin(), dragged.end(), [target](int index) { return index < target; }));
    const int index = target - before + (dragStart < target ? 1 : 0);
    return std::clamp(index, 0, std::max(remaining, 0));
}

std::vector<int> OrderAfterMove(const std::vector<int>& dragged, int target, int dragStart,
                                int count) {
    std::vector<int> moved = dragged;
    std::sort(moved.begin(), moved.end());
    std::vector<int> order;
    for (int i = 0; i < count; ++i) {
        if (!std::binary_search(moved.begin(), moved.end(), i))
            order.push_back(i);
    }
    const int at = MoveInsertionIndex(moved, target, dragStart, count);
    order.insert(order.begin() + at, moved.begin(), moved.end());
    return order;
}

DropEffect ChooseDropEffect(const DragOver& over) {
    if (!over.fromThisList)
        return DropEffect::kMove;
    if (over.targetLine < 0)
        return DropEffect::kCopy;
    if (over.targetDragged)
        return DropEffect::kNone;
    const bool ctrlAlone = over.ctrl && !over.shift;
    if (over.draggedCount > 1)
        return ctrlAlone ? DropEffect::kCopy : DropEffect::kMove;
    if (ctrlAlone)
        return DropEffect::kCopy;
    if (over.shift && !over.ctrl)
        return DropEffect::kMove;
    return KindsFit(over.targetKind, over.draggedKind) ? DropEffect::kLink : DropEffect::kMove;
}

DropEffect NarrowDropEffect(DropEffect proposed, const OfferedEffects& offered) {
    switch (proposed) {
        case DropEffect::kNone:
            return DropEffect::kNone;
        case DropEffect::kCopy:
            if (offered.copy)
                return DropEffect::kCopy;
            return offered.link ? DropEffect::kLink : DropEffect::kNone;
        case DropEffect::kMove:
            if (offered.move)
                return DropEffect::kMove;
            if (offered.copy)
                return DropEffect::kCopy;
            return offered.link ? DropEffect::kLink : DropEffect::kNone;
        case DropEffect::kLink:
            return offered.link ? DropEffect::kLink : DropEffect::kNone;
    }
    return DropEffect::kNone;
}

DropEffect EffectForSource(DropEffect effect, bool sameProcess) {
    if (sameProcess || effect == DropEffect::kNone)
        return effect;
    return DropEffect::kCopy;
}

ClipboardAtExit ClipboardActionAtExit(std::int32_t option, bool holdsSceneData) {
    if (!holdsSceneData)
        return ClipboardAtExit::kKeep;
    switch (option) {
        case kDeleteClipboard:
            return ClipboardAtExit::kEmpty;
        case kAskClipboard:
            return ClipboardAtExit::kAsk;
        default:
            return ClipboardAtExit::kKeep;
    }
}

}  // namespace vl
