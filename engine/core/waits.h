// The timed loops of the entries that take time: Wait, the steps of a Move, the letters of a
// letter-by-letter Show, and the measurement of "Times". Every wait is a wait on the Stop event
// with a deadline, so a Stop is obeyed at once rather than after the running step, slice or
// letter, and no processor is kept busy.
//
// Deadlines are laid out from the start of the loop rather than from the end of each drawing, so
// the time spent drawing is part of a step and does not add up over a long Move; a step that
// draws for longer than it should last is followed at once by the next one, without catching up.
#pragma once

#include <cstdint>

#include "engine/core/motion.h"
#include "engine/core/player_signals.h"

namespace vl {

enum class WaitOutcome { Completed, Stopped };

// Waits `duration` unless Stop comes first.
WaitOutcome WaitUnlessStopped(PlayerContext& context, Micros duration);

// A Wait entry of `durationMs`, in the slices of context.waitOptions, beeping in step mode after
// the slices PlanWait names (step mode is read after every slice: Go and Step change it). A Wait
// does not react to Pause.
WaitOutcome RunWait(PlayerContext& context, int durationMs);

// Draws one step of a Move: resolves the Move's colour (a random one changes at every step) and
// draws the object at the placement's current position (StepDraw).
class IMoveStepper {
  public:
    virtual ~IMoveStepper() = default;
    virtual void DrawStep(const MotionParam& placement) = 0;
};

// The stepping loop of a Move over a resolved placement: draws, advances, waits one step at the
// placement's speed, and runs PauseCheck, until Stop; once an advance reports the end the object
// is drawn once more at that position and the Move is complete. `placement` is left at the last
// position drawn.
WaitOutcome RunMove(PlayerContext& context, MotionParam& placement, IMoveStepper& stepper);

// Draws the next letter of a letter-by-letter Show (NextLetter): true while letters remain. May
// advance letterIndex over line breaks; the caller adds 1 after each letter.
class ILetterStepper {
  public:
    virtual ~ILetterStepper() = default;
    virtual bool NextLetter(int& letterIndex) = 0;
};

// The letters of a Show, one LetterDelay(letterSpeed) apart, with no delay after the last one.
WaitOutcome RunLetters(PlayerContext& context, int letterSpeed, ILetterStepper& stepper);

// The calibrating thread's body: counts polls of Stop until it is set (or the count is full).
// `count` is written as it grows; read it only after the thread has ended.
void RunCalibration(IPlayerSignals& signals, std::uint32_t& count);

}  // namespace vl
