// Names and command lines Ferrule puts together, in fixed buffers: Ferrule carries no C++
// library.
#pragma once

#include <stddef.h>

namespace vl {

// Appends text to the NUL-terminated buffer; false, leaving the buffer as it was, when the
// result would not fit into size bytes.
bool AppendText(char* buffer, size_t size, const char* text);

// The name the carried screen saver is installed under: the file name of path (without folder)
// with its last four characters replaced by ".scr", so saver.exe installs saver.scr. False when
// it does not fit.
bool InstalledScreenSaverName(const char* path, char* name, size_t size);

}  // namespace vl
