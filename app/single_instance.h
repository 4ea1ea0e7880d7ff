// A second start of the builder hands its file to the window already running: through the
// shared memory "FileNamePath", which holds the file's name, and the message 0x466, which the
// running window answers by opening that file.
#pragma once

#include <windows.h>

#include <string>

namespace vl {

inline constexpr char kFrameClassName[] = "Vistaloom2.2";
inline constexpr char kHandoffMemoryName[] = "FileNamePath";
inline constexpr UINT kHandoffMessage = 0x466;

// The running builder's main window when there is one that takes input, else null.
HWND FindRunningBuilder();

// Brings `running` forward and has it open `file` (empty: only brings it forward). Returns once
// the window has handled the message; false when the shared memory could not be made.
bool HandOverFile(HWND running, const std::string& file);

// In the running builder, for message 0x466: the name left in the shared memory, or empty.
// Reads no further than the block, whatever it holds.
std::string TakeHandedOverFile();

}  // namespace vl
