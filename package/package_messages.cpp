#include "package/package_messages.h"

namespace vl {

std::string FillIn(const char* text, const std::string& value) {
    std::string filled(text);
    const std::size_t at = filled.find("%s");
    if (at != std::string::npos)
        filled.replace(at, 2, value);
    return filled;
}

}  // namespace vl
