// The 60-byte logical-font record of Windows, kept portable: same fields, same byte layout.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vl {

struct LogFont {
    static constexpr std::size_t kByteSize = 60;
    static constexpr std::size_t kFaceSize = 32;

    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    // NUL-terminated when shorter than 32 bytes; a record read from a file may use all 32.
    std::array<char, kFaceSize> faceName{};

    // "MS Sans Serif", height -11, everything else zero: the default of text objects and options.
    static LogFont Default();

    // The face name up to its NUL, at most 32 characters.
    std::string FaceName() const;
    void SetFaceName(const std::string& name);

    std::array<std::uint8_t, kByteSize> ToBytes() const;
    static LogFont FromBytes(const std::uint8_t* bytes);

    bool operator==(const LogFont& other) const { return ToBytes() == other.ToBytes(); }
    bool operator!=(const LogFont& other) const { return !(*this == other); }
};

}  // namespace vl
