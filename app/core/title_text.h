// The main window's title: the open scene's file name without its folder, a dash, the program.
#pragma once

#include <string>

namespace vl {

inline constexpr char kProgramTitle[] = "Vistaloom";
// The name of a scene that has never been saved.
inline constexpr char kUntitledName[] = "Untitled";

// "Aurora.ssd - Vistaloom"; "Untitled - Vistaloom" when the scene has no file yet.
std::string TitleBarText(const std::string& documentPath);

}  // namespace vl
