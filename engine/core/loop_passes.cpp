#include "engine/core/loop_passes.h"

namespace vl {

LoopPasses::LoopPasses(int entryCount) {
    if (entryCount > 0)
        reachedAt_.resize(static_cast<std::size_t>(entryCount), 0);
}

void LoopPasses::Reached(int index) {
    ++step_;
    if (index < 0)
        return;
    const auto slot = static_cast<std::size_t>(index);
    if (slot >= reachedAt_.size())
        reachedAt_.resize(slot + 1, 0);
    reachedAt_[slot] = step_;
}

bool LoopPasses::PassTookTime(int first) const {
    const auto slot = static_cast<std::size_t>(first);
    const std::uint64_t start = first >= 0 && slot < reachedAt_.size() ? reachedAt_[slot] : 0;
    return lastTimed_ != 0 && lastTimed_ >= start;
}

}  // namespace vl
