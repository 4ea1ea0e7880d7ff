// Texts of the image-action, Line and colour dialogs that the scene model does not keep, with
// their string-table ids.
#pragma once

namespace vl::msg {

inline constexpr int kIdTestingColour = 34000;
inline constexpr char kTestingColour[] = "Testing colour";
inline constexpr int kIdChosenColour = 34001;
inline constexpr char kChosenColour[] = "Choosen colour";
inline constexpr int kIdContinueAnyway = 34016;
inline constexpr char kContinueAnyway[] = "\nAre you sure you want to continue?";

}  // namespace vl::msg
