#include "editor/core/beep_field.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace vl {
namespace {

// A slice read from an old or damaged options file may be 0; one millisecond keeps the arithmetic
// defined.
int Slice(int slice) {
    return slice > 0 ? slice : 1;
}

int FromSteps(long long steps, int slice) {
    return static_cast<int>(std::clamp<long long>(steps, 0, kMaxBeepSteps) * slice);
}

}  // namespace

std::string BeepText(int milliseconds) {
    return milliseconds == 0 ? std::string("No") : std::to_string(milliseconds);
}

int BeepValue(const std::string& text) {
    std::string lower;
    for (char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "no")
        return 0;
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, -1000000000LL, 1000000000LL));
}

int BeepSpin(int value, int slice, int direction) {
    const int s = Slice(slice);
    long long steps;
    if (direction > 0) {
        steps = value / s + 1;
    } else {
        // The largest multiple of the slice below the value.
        steps = value % s == 0 ? value / s - 1 : value / s;
        if (value < 0)
            steps = 0;
    }
    return FromSteps(steps, s);
}

int BeepRound(int value, int slice) {
    const int s = Slice(slice);
    if (value <= 0)
        return 0;
    return FromSteps((static_cast<long long>(value) + s / 2) / s, s);
}

}  // namespace vl
