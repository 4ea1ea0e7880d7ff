// The rules of an integer edit field that accepts a bounded range: what its text reads as, and
// the refusal shown when it is out of bounds. Portable, so the dialogs' checks are tested natively.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vl {

// The text as a decimal integer within [low, high]: optional blanks around an optional sign and
// digits. Nothing for anything else, including a number out of range.
std::optional<int> ParseIntegerInRange(const std::string& text, int low, int high);

// The same for an unsigned field (counts up to the top of 32 bits).
std::optional<std::uint32_t> ParseUnsignedInRange(const std::string& text, std::uint32_t low,
                                                  std::uint32_t high);

// "Please enter an integer between <low> and <high>."
std::string IntegerRangeMessage(int low, int high);
std::string UnsignedRangeMessage(std::uint32_t low, std::uint32_t high);

}  // namespace vl
