#include "scene/log_font.h"

#include <cstring>

namespace vl {

namespace {

void PutInt(std::uint8_t* at, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    at[0] = static_cast<std::uint8_t>(bits);
    at[1] = static_cast<std::uint8_t>(bits >> 8);
    at[2] = static_cast<std::uint8_t>(bits >> 16);
    at[3] = static_cast<std::uint8_t>(bits >> 24);
}

std::int32_t GetInt(const std::uint8_t* at) {
    return static_cast<std::int32_t>(
        static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
        (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24));
}

}  // namespace

LogFont LogFont::Default() {
    LogFont font;
    font.height = -11;
    font.SetFaceName("MS Sans Serif");
    return font;
}

std::string LogFont::FaceName() const {
    std::size_t length = 0;
    while (length < kFaceSize && faceName[length] != '\0') {
        ++length;
    }
    return std::string(faceName.data(), length);
}

void LogFont::SetFaceName(const std::string& name) {
    faceName.fill('\0');
    // Keep room for the terminating NUL, as the platform's record expects.
    std::size_t length = name.size() < kFaceSize ? name.size() : kFaceSize - 1;
    std::memcpy(faceName.data(), name.data(), length);
}

std::array<std::uint8_t, LogFont::kByteSize> LogFont::ToBytes() const {
    std::array<std::uint8_t, kByteSize> bytes{};
    PutInt(&bytes[0], height);
    PutInt(&bytes[4], width);
    PutInt(&bytes[8], escapement);
    PutInt(&bytes[12], orientation);
    PutInt(&bytes[16], weight);
    bytes[20] = italic;
    bytes[21] = underline;
    bytes[22] = strikeOut;
    bytes[23] = charSet;
    bytes[24] = outPrecision;
    bytes[25] = clipPrecision;
    bytes[26] = quality;
    bytes[27] = pitchAndFamily;
    std::memcpy(&bytes[28], faceName.data(), kFaceSize);
    return bytes;
}

LogFont LogFont::FromBytes(const std::uint8_t* bytes) {
    LogFont font;
    font.height = GetInt(&bytes[0]);
    font.width = GetInt(&bytes[4]);
    font.escapement = GetInt(&bytes[8]);
    font.orientation = GetInt(&bytes[12]);
    font.weight = GetInt(&bytes[16]);
    font.italic = bytes[20];
    font.underline = bytes[21];
    font.strikeOut = bytes[22];
    font.charSet = bytes[23];
    font.outPrecision = bytes[24];
    font.clipPrecision = bytes[25];
    font.quality = bytes[26];
    font.pitchAndFamily = bytes[27];
    std::memcpy(font.faceName.data(), &bytes[28], kFaceSize);
    return font;
}

}  // namespace vl
