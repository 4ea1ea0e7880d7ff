// The BMP file layout: a 14-byte file header, an information header (40 bytes, or the 12-byte
// OS/2 form, or a longer later form that begins like the 40-byte one), the palette and the rows.
// Reading accepts every uncompressed depth, 16- and 32-bit bit fields and RLE; every picture
// comes out upright in bottom-up rows with a positive height. Writing uses the 40-byte header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class SECImage;

namespace vl {

constexpr std::uint16_t kBmpType = 0x4D42;  // "BM"
constexpr std::size_t kBmpFileHeaderSize = 14;
constexpr std::size_t kBmpInfoHeaderSize = 40;
constexpr std::size_t kBmpCoreHeaderSize = 12;

enum BmpCompression : std::uint32_t {
    kBmpRgb = 0,
    kBmpRle8 = 1,
    kBmpRle4 = 2,
    kBmpBitFields = 3,
};

struct BmpHeader {
    std::uint32_t headerSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;  // as stored: negative when the rows run top-down
    std::uint16_t bitCount = 0;
    std::uint32_t compression = kBmpRgb;
    std::uint32_t paletteEntries = 0;  // entries present in the file
    std::size_t paletteOffset = 0;
    std::size_t paletteEntryBytes = 4;  // 3 in the OS/2 form
    std::size_t bitsOffset = 0;
    std::uint32_t masks[3] = {0, 0, 0};  // red, green, blue, for bit fields
};

// Reads and checks both headers: a depth and compression that DecodeBmp handles, a palette and
// pixel offset inside the data. Says nothing yet about whether all the pixels are there.
bool ParseBmpHeader(const std::uint8_t* data, std::size_t size, BmpHeader& header);

// Decodes a whole BMP file into image (replacing its contents). Indexed pictures keep their
// depth and palette; bit fields become 24-bit; RLE becomes the uncompressed form of its depth.
bool DecodeBmp(const std::uint8_t* data, std::size_t size, SECImage& image);

// The image as a BMP file: file header, 40-byte header, palette, rows bottom-up.
std::vector<std::uint8_t> WriteBmp(const SECImage& image);

}  // namespace vl
