// JPEG through libjpeg, entirely in memory. The decoder's own errors come back here as a false
// result: a picture the decoder cannot read never ends the program.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class SECImage;

namespace vl {

// Greyscale and colour pictures become 24-bit images (grey written as equal blue, green and
// red). With quantizeColours between 2 and 256 the decoder picks at most that many colours and
// the picture becomes 8-bit with the decoder's colour map as its palette.
bool DecodeJpeg(const std::uint8_t* data, std::size_t size, SECImage& image,
                int quantizeColours = 0);

// The same in 32 bits a pixel (blue, green, red, unused), the layout display bitmaps have, so
// that turning the picture into one is a plain copy.
bool DecodeJpegForDisplay(const std::uint8_t* data, std::size_t size, SECImage& image);

// Whether the header is one the decoders accept (8-bit Huffman coding, a size within the
// picture limits). The pixels are not decoded: damage further in shows only when decoding.
bool JpegHeaderAccepted(const std::uint8_t* data, std::size_t size);

// Writes any image as a colour JPEG of the given quality (percent, clamped to 1..100).
bool EncodeJpeg(const SECImage& image, int quality, std::vector<std::uint8_t>& out);

}  // namespace vl
