// The font labels of the text messages page.
#pragma once

#include <string>

#include "scene/log_font.h"

namespace vl {

// "Font name: Arial".
std::string FontNameLabel(const LogFont& font);
// "Font size: 12": the negated height times 54 / 72, rounded half away from zero.
std::string FontSizeLabel(const LogFont& font);
// "Font style: Regular", "Italic", "Bold" or "Bold Italic".
std::string FontStyleLabel(const LogFont& font);

}  // namespace vl
