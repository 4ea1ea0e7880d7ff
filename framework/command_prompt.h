// A command's string resource holds its status-bar prompt and, after a line break, its tooltip:
// "Opens existing screen saver definition file (.SSD) for editing\nOpen existing .SSD file".
#pragma once

#include <string>

namespace vl {

struct CommandPrompt {
    std::string status;   // before the first line break: the whole text when there is none
    std::string tooltip;  // between the first and a second line break; empty when there is none
};

CommandPrompt SplitCommandPrompt(const std::string& text);

}  // namespace vl
