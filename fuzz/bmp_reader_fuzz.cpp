// The BMP reader under hostile input. Whatever it accepts must be inside the picture limits,
// read every row as colours, and write back to a BMP that reads to the same pixels and palette.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "engine/image/bmp_format.h"
#include "engine/image/core/picture_limits.h"
#include "engine/image/sec_dib.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool SameImage(const SECImage& a, const SECImage& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() &&
           a.BitsPerPixel() == b.BitsPerPixel() && a.BitsSize() == b.BitsSize() &&
           std::memcmp(a.Bits(), b.Bits(), a.BitsSize()) == 0 &&
           std::memcmp(a.Palette(), b.Palette(), 4 * a.PaletteEntries()) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SECDib image;
    if (!image.Load(data, size)) {
        Require(image.IsEmpty());
        return 0;
    }
    Require(vl::PictureSizeAllowed(image.Width(), image.Height()));
    Require(image.BitsSize() <= vl::kMaxPictureBytes);
    std::vector<std::uint8_t> bgr(3 * static_cast<std::size_t>(image.Width()));
    for (int y = 0; y < image.Height(); ++y) {
        image.RowAsBgr(y, bgr.data());
    }
    const std::vector<std::uint8_t> written = vl::WriteBmp(image);
    SECDib again;
    Require(again.Load(written.data(), written.size()));
    Require(SameImage(image, again));
    return 0;
}
