// The Wait dialog's duration field: milliseconds shown as seconds, and what the field's text is
// worth when the dialog is confirmed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vl {

inline constexpr double kMaxWaitSeconds = 100.0;
// What one click on the field's spin adds or takes away.
inline constexpr std::int32_t kWaitSpinMilliseconds = 500;

// milliseconds / 1000 with up to 9 significant digits ("1.5", "0.25", "0").
std::string WaitSecondsText(std::int32_t milliseconds);

// The text as a real number within [0, 100] seconds: optional blanks around a decimal number
// (sign, fraction and exponent allowed). Nothing for anything else.
std::optional<double> ParseWaitSeconds(const std::string& text);

// seconds rounded to 2 decimals, as whole milliseconds.
std::int32_t WaitMilliseconds(double seconds);

// The field after a spin click: direction +1 or -1 steps from what the text is worth (0 when it
// is not a number), kept within 0 and 100 seconds.
std::int32_t SpinWaitMilliseconds(const std::string& text, int direction);

// "Please enter a number between 0 and 100."
std::string WaitRangeMessage();

}  // namespace vl
