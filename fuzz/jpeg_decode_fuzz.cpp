// The JPEG decoding path under hostile input: the display form every program draws and the
// colour-reduced form. Whatever it accepts must be inside the picture limits with every row
// allocated; the two forms must agree on whether the picture decodes and on its size.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "engine/image/core/picture_limits.h"
#include "engine/image/jpeg_codec.h"
#include "engine/image/sec_dib.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Whether any frame header in the data (or anything that looks like one) claims more than 4 Mi
// pixels. Such pictures are within the limits but take seconds under the sanitizers, as the
// decoder fills in every missing row; the limits themselves are checked by the tests.
bool ClaimsALargePicture(const std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i + 9 <= size; ++i) {
        const int marker = data[i + 1];
        if (data[i] != 0xFF || marker < 0xC0 || marker > 0xCF || marker == 0xC4 || marker == 0xC8 ||
            marker == 0xCC) {
            continue;
        }
        const std::uint32_t height = (data[i + 5] << 8) | data[i + 6];
        const std::uint32_t width = (data[i + 7] << 8) | data[i + 8];
        if (std::uint64_t{width} * height > (std::uint64_t{1} << 22))
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (ClaimsALargePicture(data, size))
        return 0;
    SECDib display;
    const bool decoded = vl::DecodeJpegForDisplay(data, size, display);
    Require(decoded != display.IsEmpty());
    if (!decoded)
        return 0;
    Require(vl::PictureSizeAllowed(display.Width(), display.Height()));
    Require(display.BitsPerPixel() == 32);
    Require(display.BitsSize() == 4 * static_cast<std::size_t>(display.Width()) * display.Height());
    SECDib reduced;
    if (vl::DecodeJpeg(data, size, reduced, 16)) {
        Require(reduced.Width() == display.Width() && reduced.Height() == display.Height());
        Require(reduced.BitsPerPixel() == 8);
    }
    return 0;
}
