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
        case kImage:
            return EditImageObject(context_, owner, static_cast<ImageEntry&>(entry));
        case kShow:
        case kMove:
        case kHide:
            return EditImageAction(context_, owner, static_cast<ImageCommandEntry&>(entry));
        case kCls:
            return EditCls(context_, owner, static_cast<ClsEntry&>(entry));
        case kLine:
            return EditLine(context_, owner, static_cast<LineEntry&>(entry));
        default:
            return false;
    }
}

}  // namespace vl
