#include "editor/property_dialogs.h"

#include "editor/property_kinds.h"
#include "scene/entries.h"

namespace vl {

bool PropertyDialogs::Edit(HWND owner, SceneEntry& entry) {
    switch (entry.Kind()) {
        case kWait:
            return EditWait(context_, owner, static_cast<WaitEntry&>(entry));
        case kRepeat:
            return EditRepeat(context_, owner, static_cast<RepeatEntry&>(entry));
        case kUntil:
            return EditUntil(context_, owner, static_cast<UntilEntry&>(entry));
        case kComment:
            return EditComment(context_, owner, static_cast<CommentEntry&>(entry));
        case kMultimedia:
            return EditMultimedia(context_, owner, static_cast<MultimediaEntry&>(entry));
        case kPlay:
            return EditPlay(context_, owner, static_cast<PlayEntry&>(entry));
        case kStop:
            return EditStop(context_, owner, static_cast<StopEntry&>(entry));
        // Still to join, with their own dialogs: kImage (EditImageObject), kShow, kMove and
        // kHide (EditImageAction), kCls (EditCls) and kLine (EditLine). Until then those kinds
        // open nothing and report no change.
        default:
            return false;
    }
}

}  // namespace vl
