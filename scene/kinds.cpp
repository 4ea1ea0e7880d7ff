#include "scene/kinds.h"

namespace vl {

const char* KindName(std::int32_t kind) {
    static const char* const kNames[kKindCount] = {
        "Image", "Show", "Move",       "Hide", "Wait", "Cls",     "Repeat",
        "Until", "Line", "Multimedia", "Play", "Stop", "Comment",
    };
    return IsValidKind(kind) ? kNames[kind] : "?";
}

}  // namespace vl
