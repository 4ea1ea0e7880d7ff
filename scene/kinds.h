// Entry kinds of a scene and the questions every layer asks about them.
#pragma once

#include <cstdint>

namespace vl {

// The kind number is stored in files and clipboard blocks, so the values are fixed.
enum EntryKind : std::int32_t {
    kImage = 0,
    kShow = 1,
    kMove = 2,
    kHide = 3,
    kWait = 4,
    kCls = 5,
    kRepeat = 6,
    kUntil = 7,
    kLine = 8,
    kMultimedia = 9,
    kPlay = 10,
    kStop = 11,
    kComment = 12,
};

inline constexpr int kKindCount = 13;

inline constexpr bool IsValidKind(std::int64_t kind) {
    return kind >= 0 && kind < kKindCount;
}

// Image and Multimedia only declare an object; every other kind is a command.
inline constexpr bool IsObjectKind(std::int32_t kind) {
    return kind == kImage || kind == kMultimedia;
}

// The object kind a command links to, or -1 for kinds without a link.
inline constexpr std::int32_t LinkedObjectKind(std::int32_t kind) {
    if (kind == kShow || kind == kMove || kind == kHide) {
        return kImage;
    }
    if (kind == kPlay || kind == kStop) {
        return kMultimedia;
    }
    return -1;
}

// Display name of a kind ("Image", "Show", ...); "?" outside 0..12.
const char* KindName(std::int32_t kind);

}  // namespace vl
