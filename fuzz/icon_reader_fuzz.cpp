// The icon and cursor reader under hostile input, at the sizes a display asks for. Whatever it
// accepts must be inside the picture limits, hold every pixel and mask row, and, rebuilt as the
// resource the system is given, decode again to the same pixels.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/image/core/picture_decoder.h"
#include "engine/image/core/picture_limits.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void Check(const vl::ByteBlock& bytes, const vl::IconRequest& request) {
    vl::DecodedPicture decoded;
    if (!vl::DecodePicture(bytes, request, decoded)) {
        Require(decoded.icon.bgra.empty() && decoded.image.IsEmpty());
        return;
    }
    const vl::IconPixels& icon = decoded.icon;
    Require(vl::PictureSizeAllowed(icon.width, icon.height));
    Require(decoded.chosen.offset + decoded.chosen.size <= bytes.size());
    if (icon.png) {
        Require(icon.bgra.empty() && vl::IconResource(icon).empty());
        return;
    }
    const std::size_t pixels = static_cast<std::size_t>(icon.width) * icon.height;
    Require(icon.bgra.size() == 4 * pixels);
    Require(icon.mask.size() == SECImage::RowBytesFor(icon.width, 1) * icon.height);
    const std::vector<std::uint8_t> resource = vl::IconResource(icon);
    vl::IconPixels again;
    Require(vl::DecodeIconImage(resource.data(), resource.size(), again));
    Require(again.width == icon.width && again.height == icon.height);
    Require(again.mask == icon.mask && again.hasAlpha == icon.hasAlpha);
    // Images without alpha carry zero alpha, so every byte comes back exactly.
    Require(again.bgra == icon.bgra);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Only icon and cursor files: other formats have their own fuzzers.
    if (size < 4 || data[0] != 0 || data[1] != 0 || (data[2] != 1 && data[2] != 2) || data[3] != 0)
        return 0;
    const vl::ByteBlock bytes = vl::ByteBlock::Copy(data, size);
    Check(bytes, vl::IconRequest());
    vl::IconRequest large;
    large.iconWidth = large.iconHeight = large.cursorWidth = large.cursorHeight = 48;
    large.displayBits = 8;
    Check(bytes, large);
    return 0;
}
