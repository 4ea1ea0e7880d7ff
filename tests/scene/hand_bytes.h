// Builds expected byte vectors by hand, field by field, the way the format tables list them.
// Deliberately independent of the scene library's own writer.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace vl::test {

struct HandBytes {
    std::vector<std::uint8_t> bytes;

    HandBytes& Byte(std::initializer_list<int> values) {
        for (int value : values) {
            bytes.push_back(static_cast<std::uint8_t>(value));
        }
        return *this;
    }
    HandBytes& Dword(std::uint32_t value) {
        return Byte({static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                     static_cast<int>((value >> 16) & 0xFF), static_cast<int>(value >> 24)});
    }
    HandBytes& Dwords(std::initializer_list<std::int32_t> values) {
        for (std::int32_t value : values) {
            Dword(static_cast<std::uint32_t>(value));
        }
        return *this;
    }
    // A text shorter than 255 bytes: one length byte, then the bytes.
    HandBytes& ShortText(const std::string& text) {
        bytes.push_back(static_cast<std::uint8_t>(text.size()));
        bytes.insert(bytes.end(), text.begin(), text.end());
        return *this;
    }
    // The same, every byte lowered by (n mod 11 + 3).
    HandBytes& ScrambledShortText(const std::string& text) {
        bytes.push_back(static_cast<std::uint8_t>(text.size()));
        return Scrambled(std::vector<std::uint8_t>(text.begin(), text.end()));
    }
    HandBytes& Scrambled(const std::vector<std::uint8_t>& block) {
        const int shift = static_cast<int>(block.size() % 11 + 3);
        for (std::uint8_t b : block) {
            bytes.push_back(static_cast<std::uint8_t>(b - shift));
        }
        return *this;
    }
    HandBytes& Append(const HandBytes& other) {
        bytes.insert(bytes.end(), other.bytes.begin(), other.bytes.end());
        return *this;
    }
    // Signature "Vistaloom Scene" (15 bytes) and the version's float bits.
    HandBytes& Header(std::uint32_t versionBits) {
        return ShortText("Vistaloom Scene").Dword(versionBits);
    }
    // The base part of every record: description, indentation, disabled.
    HandBytes& Base(const std::string& description = "", std::int32_t indentation = 0,
                    std::int32_t disabled = 0) {
        ScrambledShortText(description);
        return Dwords({indentation, disabled});
    }
};

// Float bits of the accepted versions (and one refused).
inline constexpr std::uint32_t kV10 = 0x3F800000;
inline constexpr std::uint32_t kV11 = 0x3F8CCCCD;
inline constexpr std::uint32_t kV20 = 0x40000000;
inline constexpr std::uint32_t kV21 = 0x40066666;
inline constexpr std::uint32_t kV22 = 0x400CCCCD;

// The default 60-byte font record: height -11, face "MS Sans Serif".
inline std::vector<std::uint8_t> DefaultFontBytes() {
    std::vector<std::uint8_t> font(60, 0);
    font[0] = 0xF5;
    font[1] = font[2] = font[3] = 0xFF;
    const std::string face = "MS Sans Serif";
    for (std::size_t i = 0; i < face.size(); ++i) {
        font[28 + i] = static_cast<std::uint8_t>(face[i]);
    }
    return font;
}

}  // namespace vl::test
