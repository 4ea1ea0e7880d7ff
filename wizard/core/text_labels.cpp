#include "wizard/core/text_labels.h"

#include <cstdint>

namespace vl {

namespace {

constexpr std::int32_t kBold = 700;

// a * b / c rounded half away from zero, as the system's MulDiv does.
long MulDivRounded(long a, long b, long c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<long>((product < 0) != (c < 0) ? (product - half) / c
                                                      : (product + half) / c);
}

}  // namespace

std::string FontNameLabel(const LogFont& font) {
    return "Font name: " + font.FaceName();
}

std::string FontSizeLabel(const LogFont& font) {
    return "Font size: " + std::to_string(MulDivRounded(-font.height, 54, 72));
}

std::string FontStyleLabel(const LogFont& font) {
    const bool bold = font.weight >= kBold;
    const bool italic = font.italic != 0;
    if (bold && italic)
        return "Font style: Bold Italic";
    if (bold)
        return "Font style: Bold";
    if (italic)
        return "Font style: Italic";
    return "Font style: Regular";
}

}  // namespace vl
