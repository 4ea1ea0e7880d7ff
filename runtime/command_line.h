// How Glint reads the command line Windows gives a screen saver.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vl {

enum class RunMode {
    SettingsWithoutOwner,  // no argument
    Settings,              // c: owned by the foreground window
    Preview,               // p: a child of the given window
    Run,                   // s: full screen
    ChangePassword,        // a: owned by the given window
    Unknown,               // any other letter
};

struct CommandLine {
    RunMode mode = RunMode::SettingsWithoutOwner;
    // The window handle given as "/p:1234" or "/p 1234"; 0 when none or not a number.
    std::uint64_t window = 0;
};

// args are the arguments after the program path. Only the first two characters of the first
// argument count (an empty one counts as none): one leading '-' or '/' is skipped and the letter's
// case is ignored.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// A window handle written as a decimal number; 0 for anything else (empty, signs, other
// characters, more than 64 bits).
std::uint64_t ParseWindowHandle(const std::string& text);

}  // namespace vl
