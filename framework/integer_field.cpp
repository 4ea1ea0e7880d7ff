#include "framework/integer_field.h"

#include <cctype>

namespace vl {

namespace {

// The text as a signed decimal within [low, high].
std::optional<long long> ParseDecimalInRange(const std::string& text, long long low,
                                             long long high) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';
    const std::size_t digitsStart = at;
    long long value = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
        value = value * 10 + (text[at++] - '0');
        // Far past any int: the bounds refuse it anyway, and the sum must not overflow.
        if (value > 0xFFFFFFFFLL)
            return std::nullopt;
    }
    if (at == digitsStart)
        return std::nullopt;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
    if (at != text.size())
        return std::nullopt;
    if (negative)
        value = -value;
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<int> ParseIntegerInRange(const std::string& text, int low, int high) {
    const auto value = ParseDecimalInRange(text, low, high);
    if (!value)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<std::uint32_t> ParseUnsignedInRange(const std::string& text, std::uint32_t low,
                                                  std::uint32_t high) {
    const auto value = ParseDecimalInRange(text, low, high);
    if (!value)
        return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

std::string IntegerRangeMessage(int low, int high) {
    return "Please enter an integer between " + std::to_string(low) + " and " +
           std::to_string(high) + ".";
}

std::string UnsignedRangeMessage(std::uint32_t low, std::uint32_t high) {
    return "Please enter an integer between " + std::to_string(low) + " and " +
           std::to_string(high) + ".";
}

}  // namespace vl
