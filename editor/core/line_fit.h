// Fitting a scene-list line into the list's horizontal extent: the list box scrolls over 30000
// pixels, and a line drawn past that could never be scrolled into view.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vl {

// Pixel width of a text in the line's font. Fitting relies on a longer prefix never being
// narrower than a shorter one.
using TextWidth = std::function<int(std::string_view)>;

inline constexpr int kListExtent = 30000;
inline constexpr int kLineEndLimit = kListExtent - 20;
inline constexpr char kCutMarker[] = "  >>";

struct FittedLine {
    std::string text;
    int startX = 0;
};

// The text to draw at startX. The start is first limited so that the marker and twenty "W" fit
// before the end limit; a text that would end past the limit loses characters from its end until
// what is left followed by the marker fits, and the marker is appended. Measures O(log n) prefixes
// rather than one per removed character.
FittedLine FitLine(std::string_view text, int startX, const TextWidth& width);

}  // namespace vl
