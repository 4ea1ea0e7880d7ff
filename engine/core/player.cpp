#include "engine/core/player.h"

namespace vl {

PlayOutcome PlayScene(IEntryRunner& entries, IPlayerSignals& signals) {
    for (int index = 0; index < entries.EntryCount(); ++index) {
        if (index < 0)
            return PlayOutcome::Finished;
        if (signals.IsSet(PlayerEvent::Stop))
            return PlayOutcome::Stopped;
        if (entries.IsDisabled(index) || !entries.Execute(index))
            continue;
        if (signals.StepMode() && index < entries.EntryCount() - 1)
            signals.Set(PlayerEvent::Pause);
        PauseCheck(signals);
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
