// One image of an icon or cursor file turned into pixels here rather than by the system, so the
// bytes people share are read by code that is tested and fuzzed. The system is then handed only
// IconResource's regular 32-bit form. PNG-compressed images (common at 256 x 256) have their
// header checked and are left to the system: decoding them would need zlib in every program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vl {

struct IconPixels {
    int width = 0;
    int height = 0;
    bool png = false;
    // Whether any pixel has a non-zero alpha; without one the AND mask decides transparency.
    bool hasAlpha = false;
    // Rows bottom-up: blue, green, red, alpha (0 unless the image has its own alpha).
    std::vector<std::uint8_t> bgra;
    // The AND mask, one bit a pixel, rows bottom-up padded to four bytes.
    std::vector<std::uint8_t> mask;
};

// Decodes the image data of one directory entry: a BMP information header (at least 40 bytes,
// uncompressed, 1, 4, 8, 16, 24 or 32 bits, height counting the colour rows and the mask rows)
// with palette, colour rows and mask, or a PNG signature and header. Sizes beyond the picture
// limits and data that does not hold every row are refused before anything is allocated.
bool DecodeIconImage(const std::uint8_t* data, std::size_t size, IconPixels& out);

// The decoded image as the data of an icon resource: a 40-byte header of 32 bits a pixel, the
// colour rows and the mask. Empty for PNG images.
std::vector<std::uint8_t> IconResource(const IconPixels& pixels);

}  // namespace vl
