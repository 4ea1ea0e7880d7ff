#include "editor/core/line_fit.h"

#include <algorithm>
#include <cstddef>

namespace vl {
namespace {

std::string WithMarker(std::string_view text, std::size_t length) {
    std::string line(text.substr(0, length));
    line += kCutMarker;
    return line;
}

}  // namespace

FittedLine FitLine(std::string_view text, int startX, const TextWidth& width) {
    const int startLimit = kLineEndLimit - width(kCutMarker) - 20 * width("W");
    FittedLine fitted;
    fitted.startX = std::min(startX, startLimit);
    if (text.empty() || fitted.startX + width(text) <= kLineEndLimit) {
        fitted.text = text;
        return fitted;
    }
    // The longest shorter prefix that fits with the marker: cutting one character at a time from
    // the end stops at the same length, since the widths grow with the length. The empty prefix
    // always fits because the start was limited.
    const auto fits = [&](std::size_t length) {
        return fitted.startX + width(WithMarker(text, length)) <= kLineEndLimit;
    };
    std::size_t low = 0;                 // fits
    std::size_t high = text.size() - 1;  // the longest candidate
    while (low < high) {
        const std::size_t middle = low + (high - low + 1) / 2;
        if (fits(middle)) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    fitted.text = WithMarker(text, low);
    return fitted;
}

}  // namespace vl
