// Whether a pass of a loop ran an entry that takes time. An endless loop whose passes take none
// (Comments, deactivated entries, a Cls with nothing after it) would keep a processor busy for as
// long as it plays; the player rests for a frame after such a pass instead.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/core/timing.h"

namespace vl {

// How long the player gives the processor up after a pass of an endless loop that took no time:
// one frame of a 60 Hz display.
constexpr Micros kRestAfterIdlePass = 16667;

// The player tells it every index it reaches (disabled entries too) and every entry it runs that
// takes time; when an entry moves the loop index back, the pass that ends there began when the
// player last reached the first entry of the loop.
class LoopPasses {
  public:
    explicit LoopPasses(int entryCount = 0);

    void Reached(int index);
    // The entry reached last takes time.
    void TookTime() { lastTimed_ = step_; }

    // Whether an entry that takes time ran since the player last reached `first`; a loop whose
    // first entry was never reached counts from the start of play.
    bool PassTookTime(int first) const;

  private:
    std::vector<std::uint64_t> reachedAt_;  // per index: the step that last reached it, 0 never
    std::uint64_t step_ = 0;
    std::uint64_t lastTimed_ = 0;  // the step of the last entry that took time, 0 none
};

}  // namespace vl
