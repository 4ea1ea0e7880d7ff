// The "Beep on Wait" field of the Options dialog: a number of milliseconds that moves in steps of
// the wait slice, from no beep ("No") to 50 steps.
#pragma once

#include <string>

namespace vl {

inline constexpr int kMaxBeepSteps = 50;

// "No" for 0, otherwise the number in decimal.
std::string BeepText(int milliseconds);
// What the field's text stands for: "No" (in any case) is 0, anything else its leading integer,
// as the system reads an edit box's number (0 when there is none).
int BeepValue(const std::string& text);

// One spin step up (+1) or down (-1) from value, with slice ms per step; the result is a whole
// number of steps, limited to 0..50 steps.
int BeepSpin(int value, int slice, int direction);
// value rounded to the nearest whole step, limited to 0..50 steps (the field losing the focus).
int BeepRound(int value, int slice);

}  // namespace vl
