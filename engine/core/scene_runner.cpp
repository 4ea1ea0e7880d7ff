#include "engine/core/scene_runner.h"

#include "engine/core/waits.h"

namespace vl {

int SceneRunner::EntryCount() const {
    return static_cast<int>(entries_.Count());
}

bool SceneRunner::IsDisabled(int index) const {
    return entries_.At(index).IsDisabled() != 0;
}

bool SceneRunner::Execute(int& loopIndex) {
    SceneEntry& entry = entries_.At(loopIndex);
    // The kind is fixed at construction, so the casts below are safe.
    switch (entry.Kind()) {
        case kShow:
            platform_.Show(static_cast<ShowEntry&>(entry));
            return true;
        case kMove:
            platform_.Move(static_cast<MoveEntry&>(entry));
            return true;
        case kHide:
            platform_.Hide(static_cast<HideEntry&>(entry));
            return true;
        case kWait:
            return Wait(static_cast<WaitEntry&>(entry));
        case kCls:
            platform_.Cls(static_cast<ClsEntry&>(entry));
            return true;
        case kUntil:
            static_cast<UntilEntry&>(entry).Loop(loopIndex);
            return false;
        case kLine:
            platform_.Line(static_cast<LineEntry&>(entry));
            return true;
        case kPlay:
            platform_.Play(static_cast<PlayEntry&>(entry));
            return true;
        case kStop:
            platform_.StopMedia(static_cast<StopEntry&>(entry));
            return true;
        default:  // Image, Multimedia, Repeat, Comment
            return false;
    }
}

bool SceneRunner::TakesTime(int index) const {
    const SceneEntry& entry = entries_.At(index);
    switch (entry.Kind()) {
        case kWait:
        case kMove:
        case kPlay:
            return true;
        case kShow: {
            // Only a text written letter by letter waits between its letters.
            const auto& show = static_cast<const ShowEntry&>(entry);
            const ImageEntry* image = show.LinkedImage();
            return show.params.motion.letterByLetter != 0 && image && image->IsTextObject();
        }
        default:
            return false;
    }
}

bool SceneRunner::EndsEndlessLoop(int index) const {
    const auto* until = EntryAs<UntilEntry>(&entries_.At(index));
    return until && until->repeat.infinite != 0;
}

bool SceneRunner::Wait(WaitEntry& entry) {
    DurationParam& duration = entry.duration;
    const int milliseconds = duration.random != 0 ? duration.DrawRandom(context_.clock.TimeSeed())
                                                  : duration.milliseconds;
    RunWait(context_, milliseconds);
    return true;
}

}  // namespace vl
