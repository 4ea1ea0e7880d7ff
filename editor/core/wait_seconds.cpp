#include "editor/core/wait_seconds.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vl {
namespace {

constexpr std::int32_t kMaxWaitMilliseconds = 100000;

bool IsNumberCharacter(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '+' || c == '-' ||
           c == 'e' || c == 'E';
}

}  // namespace

std::string WaitSecondsText(std::int32_t milliseconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", milliseconds / 1000.0);
    return text;
}

std::optional<double> ParseWaitSeconds(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    const std::string number = text.substr(begin, end - begin);
    // Plain decimal notation only: strtod would also take "inf", "nan" and hexadecimal.
    if (number.empty() || !std::all_of(number.begin(), number.end(), IsNumberCharacter))
        return std::nullopt;
    char* stop = nullptr;
    const double seconds = std::strtod(number.c_str(), &stop);
    if (stop != number.c_str() + number.size() || !std::isfinite(seconds))
        return std::nullopt;
    if (seconds < 0.0 || seconds > kMaxWaitSeconds)
        return std::nullopt;
    return seconds;
}

std::int32_t WaitMilliseconds(double seconds) {
    // Whole hundredths first, so the truncation to milliseconds cannot lose one to a binary
    // fraction (0.29 s is 290 ms, not 289).
    const double hundredths = std::floor(seconds * 100.0 + 0.5);
    return static_cast<std::int32_t>(hundredths) * 10;
}

std::int32_t SpinWaitMilliseconds(const std::string& text, int direction) {
    const std::optional<double> seconds = ParseWaitSeconds(text);
    const std::int32_t now = seconds ? WaitMilliseconds(*seconds) : 0;
    const std::int32_t next =
        now + (direction > 0 ? kWaitSpinMilliseconds : -kWaitSpinMilliseconds);
    return std::clamp(next, 0, kMaxWaitMilliseconds);
}

std::string WaitRangeMessage() {
    return "Please enter a number between 0 and 100.";
}

}  // namespace vl
