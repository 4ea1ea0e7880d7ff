#include "runtime/command_line.h"

namespace vl {

std::uint64_t ParseWindowHandle(const std::string& text) {
    if (text.empty())
        return 0;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return 0;
        const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
        if (value > (UINT64_MAX - digit) / 10)
            return 0;
        value = value * 10 + digit;
    }
    return value;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    if (args.empty())
        return result;
    const std::string& first = args.front();
    const std::string head = first.substr(0, 2);
    if (head.empty())
        return result;
    const std::size_t letterAt = (head[0] == '-' || head[0] == '/') ? 1 : 0;
    if (letterAt >= head.size()) {
        // A lone "/" or "-" names no mode.
        result.mode = RunMode::Unknown;
        return result;
    }

    switch (head[letterAt]) {
        case 'c':
        case 'C':
            result.mode = RunMode::Settings;
            break;
        case 'p':
        case 'P':
            result.mode = RunMode::Preview;
            break;
        case 's':
        case 'S':
            result.mode = RunMode::Run;
            return result;
        case 'a':
        case 'A':
            result.mode = RunMode::ChangePassword;
            break;
        default:
            result.mode = RunMode::Unknown;
            return result;
    }

    // The handle follows the letter after a colon ("/c:1234") or is the next argument.
    const std::size_t afterLetter = letterAt + 1;
    if (first.size() > afterLetter && first[afterLetter] == ':') {
        result.window = ParseWindowHandle(first.substr(afterLetter + 1));
    } else if (args.size() > 1) {
        result.window = ParseWindowHandle(args[1]);
    }
    return result;
}

}  // namespace vl
