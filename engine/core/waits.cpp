#include "engine/core/waits.h"

#include "engine/core/player.h"

namespace vl {

namespace {

// Lays out the steps of a loop one `step` apart from the time it is started.
class StepPacer {
  public:
    StepPacer(Micros start, Micros step) : anchor_(start), step_(step) {}

    WaitOutcome WaitForNextStep(PlayerContext& context) {
        const Micros deadline = anchor_ + step_;
        const Micros now = context.clock.Now();
        if (deadline <= now) {
            anchor_ = now;
            return WaitOutcome::Completed;
        }
        anchor_ = deadline;
        return context.signals.WaitAny(kStopOnly, deadline) == PlayerEvent::Stop
                   ? WaitOutcome::Stopped
                   : WaitOutcome::Completed;
    }

    // After a pause the next step is measured from the moment the player goes on.
    void Restart(Micros now) { anchor_ = now; }

  private:
    Micros anchor_;
    Micros step_;
};

WaitOutcome WaitUntil(PlayerContext& context, Micros deadline) {
    return context.signals.WaitAny(kStopOnly, deadline) == PlayerEvent::Stop
               ? WaitOutcome::Stopped
               : WaitOutcome::Completed;
}

}  // namespace

WaitOutcome WaitUnlessStopped(PlayerContext& context, Micros duration) {
    return WaitUntil(context, context.clock.Now() + (duration > 0 ? duration : 0));
}

WaitOutcome RunWait(PlayerContext& context, int durationMs) {
    const WaitPlan plan = PlanWait(durationMs, context.waitOptions);
    Micros deadline = context.clock.Now();
    for (int slice = 0; slice < plan.loops; ++slice) {
        deadline += Micros{plan.sliceMs} * 1000;
        if (WaitUntil(context, deadline) == WaitOutcome::Stopped)
            return WaitOutcome::Stopped;
        if (plan.BeepsAfterSlice(slice, context.signals.StepMode()))
            context.sound.Beep();
    }
    if (plan.remainderMs != 0) {
        deadline += Micros{plan.remainderMs} * 1000;
        return WaitUntil(context, deadline);
    }
    return WaitOutcome::Completed;
}

WaitOutcome RunMove(PlayerContext& context, MotionParam& placement, IMoveStepper& stepper) {
    StepPacer pacer(context.clock.Now(), MoveStepDuration(placement.speed));
    bool finishing = false;
    do {
        stepper.DrawStep(placement);
        if (finishing)
            return WaitOutcome::Completed;
        if (AdvanceMotion(placement))
            finishing = true;
        else
            pacer.WaitForNextStep(context);  // a Stop is seen by the loop's test below
        if (PauseCheck(context.signals) != PauseResult::NotRequested)
            pacer.Restart(context.clock.Now());
    } while (!context.signals.IsSet(PlayerEvent::Stop));
    return WaitOutcome::Stopped;
}

WaitOutcome RunLetters(PlayerContext& context, int letterSpeed, ILetterStepper& stepper) {
    StepPacer pacer(context.clock.Now(), LetterDelay(letterSpeed));
    for (int letter = 0;; ++letter) {
        if (context.signals.IsSet(PlayerEvent::Stop))
            return WaitOutcome::Stopped;
        if (!stepper.NextLetter(letter))
            return WaitOutcome::Completed;
        if (pacer.WaitForNextStep(context) == WaitOutcome::Stopped)
            return WaitOutcome::Stopped;
    }
}

void RunCalibration(IPlayerSignals& signals, std::uint32_t& count) {
    count = 0;
    while (count < 0xFFFFFFFFu && !signals.IsSet(PlayerEvent::Stop))
        ++count;
}

}  // namespace vl
