// Calls an operation on an entry as its concrete class: the kind-based dispatch behind
// SceneEntry::Assign and SceneEntry::Describe. Internal to the scene library.
#pragma once

#include "scene/entries.h"

namespace vl {

template <class Operation>
auto DispatchOnKind(const SceneEntry& entry, Operation&& operation) {
    switch (entry.Kind()) {
        case kImage:
            return operation(static_cast<const ImageEntry&>(entry));
        case kShow:
            return operation(static_cast<const ShowEntry&>(entry));
        case kMove:
            return operation(static_cast<const MoveEntry&>(entry));
        case kHide:
            return operation(static_cast<const HideEntry&>(entry));
        case kWait:
            return operation(static_cast<const WaitEntry&>(entry));
        case kCls:
            return operation(static_cast<const ClsEntry&>(entry));
        case kRepeat:
            return operation(static_cast<const RepeatEntry&>(entry));
        case kUntil:
            return operation(static_cast<const UntilEntry&>(entry));
        case kLine:
            return operation(static_cast<const LineEntry&>(entry));
        case kMultimedia:
            return operation(static_cast<const MultimediaEntry&>(entry));
        case kPlay:
            return operation(static_cast<const PlayEntry&>(entry));
        case kStop:
            return operation(static_cast<const StopEntry&>(entry));
        default:
            return operation(static_cast<const CommentEntry&>(entry));
    }
}

}  // namespace vl
