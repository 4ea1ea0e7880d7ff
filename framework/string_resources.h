// Texts from a program's string table.
#pragma once

#include <windows.h>

#include <string>

namespace vl {

// The string with the given id in the ANSI code page, or empty when the table has none.
// instance: the module holding the table; null means the program itself.
std::string LoadStringResource(UINT id, HINSTANCE instance = nullptr);

// A command's string is "status-bar prompt\ntooltip"; either part may be missing.
struct CommandPrompt {
    std::string status;
    std::string tooltip;
};
CommandPrompt SplitCommandPrompt(const std::string& text);

}  // namespace vl
