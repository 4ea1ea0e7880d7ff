// The system's font and colour choosers as the Options dialog uses them, behind an interface so
// that tests answer in their place.
#pragma once

#include <windows.h>

#include <cstdint>

#include "scene/log_font.h"

namespace vl {

class StyleChooser {
  public:
    virtual ~StyleChooser() = default;
    // A screen font with effects and colour; true when the user confirmed, both then changed.
    virtual bool PickFont(HWND owner, LogFont& font, std::uint32_t& colour) = 0;
    // true when the user confirmed; colour then changed.
    virtual bool PickColour(HWND owner, std::uint32_t& colour) = 0;
};

// The common font and colour dialogs.
StyleChooser& SystemStyleChooser();

}  // namespace vl
