// The rules of the Move position dialog: what OK decides in step mode and in line mode, the spins
// that move a number by a fixed amount within bounds, and the text of the mode button.
#pragma once

#include <cstdint>
#include <string>

#include "scene/params.h"

namespace vl {

inline constexpr int kPositionLow = -5000;
inline constexpr int kPositionHigh = 5000;
inline constexpr int kSpeedLow = 0;
inline constexpr int kSpeedHigh = 100000;
inline constexpr int kSpeedSpinStep = 100;
inline constexpr int kLetterSpeedLow = 0;
inline constexpr int kLetterSpeedHigh = 2000;
inline constexpr int kLetterSpeedSpinStep = 10;

// What OK in step mode does with the until conditions.
struct StepModeVerdict {
    enum class Action {
        Close,  // both conditions can be reached
        Stay,   // tell text and stay open
        Ask,    // ask text as a Yes/No question: Yes closes, No stays
    };
    Action action = Action::Close;
    std::string text;
};

// Both reachable: Close. Neither: Stay with "X and Y-Conditions have been never reached.". One:
// the unreachable axis's letter and "-Condition has been never reached."; under AND Stay, under
// OR Ask with "\nAre you sure you want to continue?" appended.
StepModeVerdict CheckStepConditions(const MotionParam& motion);

// Line mode: the single step (step x) runs along the step axis; when it points away from the end
// position on that axis, it is negated. True when it was (the dialog beeps).
bool TurnLineStepTowardEnd(MotionParam& motion);

// One press of a spin that moves value by step in direction (> 0 up, < 0 down), kept within
// [low, high]. A value already outside the bounds is brought back inside.
int SpinWithin(std::int64_t value, int direction, int step, int low, int high);

// The mode button's caption: in step mode as given ("Con&dition <<"), in line mode with its last
// two characters replaced by ">>".
std::string ConditionButtonText(const std::string& stepModeText, bool stepMode);

}  // namespace vl
