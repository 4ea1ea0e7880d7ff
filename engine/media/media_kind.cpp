#include "engine/media/media_kind.h"

#include "scene/entries.h"

namespace vl {

std::int32_t MediaTypeOfFile(std::string_view path) {
    const std::size_t slash = path.find_last_of("\\/");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return MultimediaEntry::kTypeOther;
    const std::string_view extension = name.substr(dot + 1);
    constexpr std::string_view kAvi = "avi";
    if (extension.size() != kAvi.size())
        return MultimediaEntry::kTypeOther;
    for (std::size_t i = 0; i < kAvi.size(); ++i) {
        const char c = extension[i];
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != kAvi[i])
            return MultimediaEntry::kTypeOther;
    }
    return MultimediaEntry::kTypeAvi;
}

}  // namespace vl
