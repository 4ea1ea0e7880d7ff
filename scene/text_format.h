// Small number formatting for descriptions, without the printf family (Glint's size budget).
#pragma once

#include <cstdint>
#include <string>

namespace vl {

// "%d" of a signed value.
void AppendInt(std::string& text, std::int64_t value);
// "%.11g" of milliseconds * 0.001. Every 32-bit millisecond count has at most ten significant
// digits as seconds, so the exact decimal value is what that format prints: no exponent, no
// trailing zeros.
void AppendSeconds(std::string& text, std::int32_t milliseconds);
// "RGB(%d, %d, %d)" of a COLORREF.
void AppendRgb(std::string& text, std::uint32_t colour);

}  // namespace vl
