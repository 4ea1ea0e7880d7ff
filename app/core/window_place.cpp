#include "app/core/window_place.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace vl {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// One "%d" at `at`: advances past it; false when there is no number or it does not fit an int.
bool ReadInt(const std::string& text, std::size_t& at, int& value) {
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    const std::size_t digitsStart = at;
    std::int64_t magnitude = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        magnitude = magnitude * 10 + (text[at] - '0');
        if (magnitude > std::int64_t{INT_MAX} + 1)
            return false;
        ++at;
    }
    if (at == digitsStart)
        return false;
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT_MAX || signedValue < INT_MIN)
        return false;
    value = static_cast<int>(signedValue);
    return true;
}

bool MeetsWorkArea(const WindowPlace& place, const WorkArea& area) {
    // 64-bit, since a stored position may hold any int.
    const std::int64_t right = std::int64_t{place.x} + place.width;
    const std::int64_t bottom = std::int64_t{place.y} + place.height;
    const std::int64_t left = std::max<std::int64_t>(place.x, area.left);
    const std::int64_t top = std::max<std::int64_t>(place.y, area.top);
    return left < std::min<std::int64_t>(right, area.right) &&
           top < std::min<std::int64_t>(bottom, area.bottom);
}

}  // namespace

WindowPlace DefaultWindowPlace(ScreenSize screen) {
    return {screen.width / 5, screen.height / 5, 3 * screen.width / 5, 3 * screen.height / 5};
}

std::optional<WindowPlace> ParseWindowPlace(const std::string& text) {
    int numbers[4] = {};
    std::size_t at = 0;
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (at >= text.size() || text[at] != ',')
                return std::nullopt;
            ++at;
        }
        if (!ReadInt(text, at, numbers[i]))
            return std::nullopt;
    }
    return WindowPlace{numbers[0], numbers[1], numbers[2], numbers[3]};
}

std::string FormatWindowPlace(const WindowPlace& place) {
    return std::to_string(place.x) + ',' + std::to_string(place.y) + ',' +
           std::to_string(place.width) + ',' + std::to_string(place.height);
}

WindowPlace FitWindowPlace(const std::optional<WindowPlace>& stored,
                           const std::vector<WorkArea>& workAreas, ScreenSize screen) {
    if (stored) {
        for (const WorkArea& area : workAreas) {
            if (MeetsWorkArea(*stored, area))
                return *stored;
        }
    }
    return DefaultWindowPlace(screen);
}

}  // namespace vl
