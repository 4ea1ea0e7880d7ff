#include "engine/core/player.h"

#include "engine/core/loop_passes.h"

namespace vl {
namespace {

constexpr PlayerEventSet kStopOrPause = EventBit(PlayerEvent::Stop) | EventBit(PlayerEvent::Pause);

// Waits on the events rather than sleeping, so that Stop is obeyed at once; coarsely, for a precise
// wait would spend on its last stretch much of what the rest saves. Pause stays set until Continue,
// so it is honoured here: waiting on past it would wake again at once. True when Stop ended it.
bool StoppedInRestAfterIdlePass(IPlayerSignals& signals, const IClock& clock) {
    const PlayerEvent woken = signals.WaitAnyCoarse(kStopOrPause, clock.Now() + kRestAfterIdlePass);
    if (woken == PlayerEvent::Stop)
        return true;
    return woken == PlayerEvent::Pause && PauseCheck(signals) == PauseResult::Stopped;
}

}  // namespace

PlayOutcome PlayScene(IEntryRunner& entries, IPlayerSignals& signals, const IClock& clock) {
    LoopPasses passes(entries.EntryCount());
    for (int index = 0; index < entries.EntryCount(); ++index) {
        if (index < 0)
            return PlayOutcome::Finished;
        if (signals.IsSet(PlayerEvent::Stop))
            return PlayOutcome::Stopped;
        passes.Reached(index);
        if (entries.IsDisabled(index))
            continue;
        if (entries.TakesTime(index))
            passes.TookTime();
        const int ran = index;
        if (entries.Execute(index)) {
            if (signals.StepMode() && index < entries.EntryCount() - 1)
                signals.Set(PlayerEvent::Pause);
            PauseCheck(signals);
        }
        const bool jumpedBack = index < ran && index >= -1;
        if (jumpedBack && entries.EndsEndlessLoop(ran) && !passes.PassTookTime(index + 1) &&
            StoppedInRestAfterIdlePass(signals, clock)) {
            return PlayOutcome::Stopped;
        }
    }
    return signals.IsSet(PlayerEvent::Stop) ? PlayOutcome::Stopped : PlayOutcome::Finished;
}

PauseResult PauseCheck(IPlayerSignals& signals) {
    if (!signals.IsSet(PlayerEvent::Pause))
        return PauseResult::NotRequested;
    const PlayerEvent woken = signals.WaitAny(kContinueOrStop, kNoDeadline);
    signals.Reset(PlayerEvent::Continue);
    signals.Reset(PlayerEvent::Pause);
    return woken == PlayerEvent::Stop ? PauseResult::Stopped : PauseResult::Continued;
}

void RequestGo(IPlayerSignals& signals) {
    signals.SetStepMode(false);
    signals.Set(PlayerEvent::Continue);
}

void RequestStep(IPlayerSignals& signals) {
    signals.SetStepMode(true);
    signals.Set(PlayerEvent::Continue);
}

void RequestPause(IPlayerSignals& signals) {
    signals.Set(PlayerEvent::Pause);
}

}  // namespace vl
