#include "string_resources.h"

namespace vl {

std::string LoadStringResource(UINT id, HINSTANCE instance) {
    if (!instance)
        instance = GetModuleHandleA(nullptr);
    // With a zero length LoadStringW hands out the table's own text, of any length, without
    // copying; the table holds UTF-16, turned into the ANSI code page as the programs use.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(instance, id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return std::string();
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return std::string();
    std::string result(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, &result[0], bytes, nullptr, nullptr);
    return result;
}

CommandPrompt SplitCommandPrompt(const std::string& text) {
    const std::string::size_type lineBreak = text.find('\n');
    if (lineBreak == std::string::npos)
        return {text, std::string()};
    return {text.substr(0, lineBreak), text.substr(lineBreak + 1)};
}

}  // namespace vl
