// The name a program goes by: its own file name without folder and extension.
#pragma once

#include <stddef.h>

namespace vl {

// Writes the name taken from path into name (at most size - 1 characters and a NUL; nothing
// when size is 0). Both '\\' and '/' end a folder; the extension is the part from the last dot
// of the file name on.
void ApplicationName(const char* path, char* name, size_t size);

}  // namespace vl
