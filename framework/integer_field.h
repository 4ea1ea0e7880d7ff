// The rules of an integer edit field that accepts a bounded range: what its text reads as, and
// the refusal shown when it is out of bounds. Portable, so the dialogs' checks are tested natively.
#pragma once

#include <optional>
#include <string>

namespace vl {

// The text as a decimal integer within [low, high]: optional blanks around an optional sign and
// digits. Nothing for anything else, including a number out of range.
std::optional<int> ParseIntegerInRange(const std::string& text, int low, int high);

// "Please enter an integer between <low> and <high>."
std::string IntegerRangeMessage(int low, int high);

}  // namespace vl
