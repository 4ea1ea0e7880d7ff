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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
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
