#include "engine/player/thread_platform.h"

namespace vl {

void ThreadEntryPlatform::Cls(ClsEntry& entry) {
    const std::uint32_t colour = entry.colour.Resolve();
    if (!screen_.ClsChanges(colour, entry.colour.mixing))
        return;
    screen_.Cleared(colour, entry.colour.mixing);
    window_.Redraw(colour, static_cast<std::uint32_t>(entry.colour.mixing));
    target_.SetBackground(colour);
    // Painted by the window's own thread; presented like every other change all the same.
    target_.Present();
}

}  // namespace vl
