#include "framework/command_prompt.h"

namespace vl {

CommandPrompt SplitCommandPrompt(const std::string& text) {
    CommandPrompt prompt;
    const std::size_t first = text.find('\n');
    prompt.status = text.substr(0, first);
    if (first == std::string::npos)
        return prompt;
    const std::size_t second = text.find('\n', first + 1);
    prompt.tooltip = text.substr(
        first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
    return prompt;
}

}  // namespace vl
