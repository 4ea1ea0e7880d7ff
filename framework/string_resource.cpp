#include "framework/string_resource.h"

namespace vl {

std::string LoadStringResource(HINSTANCE module, UINT id) {
    if (!module)
        module = GetModuleHandleA(nullptr);
    // With no buffer, LoadStringW hands out the resource's own text, which has no length limit
    // and no terminating NUL.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(module, id, reinterpret_cast<wchar_t*>(&text), 0);
    if (length <= 0 || !text)
        return {};
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(bytes > 0 ? bytes : 0, '\0');
    if (bytes > 0)
        WideCharToMultiByte(CP_ACP, 0, text, length, &result[0], bytes, nullptr, nullptr);
    return result;
}

}  // namespace vl
