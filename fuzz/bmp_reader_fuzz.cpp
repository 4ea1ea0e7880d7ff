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
    // Deep pictures have no palette at all (and no palette pointer to compare).
    const std::size_t palette = 4 * static_cast<std::size_t>(a.PaletteEntries());
    return a.Width() == b.Width() && a.Height() == b.Height() &&
           a.BitsPerPixel() == b.BitsPerPixel() && a.BitsSize() == b.BitsSize() &&
           std::memcmp(a.Bits(), b.Bits(), a.BitsSize()) == 0 &&
           (palette == 0 || std::memcmp(a.Palette(), b.Palette(), palette) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // An RLE picture is allocated whole before its stream is read: sizes within the limits but
    // over 4 Mi pixels take long under the sanitizers. The limits themselves are tested.
    vl::BmpHeader header;
    if (vl::ParseBmpHeader(data, size, header) &&
        static_cast<std::uint64_t>(header.width) *
                static_cast<std::uint64_t>(header.height < 0 ? -std::int64_t{header.height}
                                                             : header.height) >
            (std::uint64_t{1} << 22)) {
        return 0;
    }
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
