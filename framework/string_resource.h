// Strings from a module's string table.
#pragma once

#include <windows.h>

#include <string>

namespace vl {

// The string id of module (nullptr: the program) in the ANSI code page, of any length; empty when
// the table has no such string.
std::string LoadStringResource(HINSTANCE module, UINT id);

}  // namespace vl
