// The value "ScreenSaver" in the system's Run key, which starts the screen saver with Windows.
#pragma once

#include <string>

namespace vl {

// The command stored for the program at programPath: the path and " /s". A path with a space is
// put in quotes, so that the system cannot take a leading part of it for another program.
std::string StartupCommand(const std::string& programPath);

// Whether a stored command starts this program's run: the form StartupCommand writes, or the
// unquoted path and " /s" that earlier versions wrote.
bool IsStartupCommand(const std::string& value, const std::string& programPath);

}  // namespace vl
