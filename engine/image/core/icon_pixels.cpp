#include "engine/image/core/icon_pixels.h"

#include <algorithm>
#include <new>

#include "engine/image/bmp_format.h"
#include "engine/image/byte_order.h"
#include "engine/image/core/picture_limits.h"
#include "engine/image/sec_dib.h"

namespace vl {
namespace {

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

std::uint32_t ReadBe32(const std::uint8_t* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | p[3];
}

bool IsPng(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof kPngSignature)
        return false;
    for (std::size_t i = 0; i < sizeof kPngSignature; ++i) {
        if (data[i] != kPngSignature[i])
            return false;
    }
    return true;
}

// The signature, then the IHDR chunk: length 13, width, height, bit depth, colour type.
bool ReadPngHeader(const std::uint8_t* data, std::size_t size, IconPixels& out) {
    if (size < 8 + 8 + 13 || ReadBe32(data + 8) != 13 || data[12] != 'I' || data[13] != 'H' ||
        data[14] != 'D' || data[15] != 'R') {
        return false;
    }
    const std::uint32_t width = ReadBe32(data + 16), height = ReadBe32(data + 20);
    const int depth = data[24], colour = data[25];
    bool valid = false;
    switch (colour) {
        case 0:
            valid = depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
            break;
        case 3:
            valid = depth == 1 || depth == 2 || depth == 4 || depth == 8;
            break;
        case 2:
        case 4:
        case 6:
            valid = depth == 8 || depth == 16;
            break;
    }
    if (!valid || !PictureSizeAllowed(width, height))
        return false;
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height);
    out.png = true;
    return true;
}

std::size_t MaskRowBytes(int width) {
    return SECImage::RowBytesFor(width, 1);
}

bool DecodeDib(const std::uint8_t* data, std::size_t size, IconPixels& out) {
    if (size < kBmpInfoHeaderSize)
        return false;
    const std::uint32_t headerSize = ReadLe32(data);
    const std::int32_t width = ReadLe32Signed(data + 4);
    const std::int32_t doubled = ReadLe32Signed(data + 8);
    const int bits = ReadLe16(data + 14);
    const std::uint32_t used = ReadLe32(data + 32);
    if (headerSize < kBmpInfoHeaderSize || headerSize > size || ReadLe32(data + 16) != kBmpRgb)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    const int height = doubled / 2;
    if (width <= 0 || height <= 0 || !PictureSizeAllowed(width, height))
        return false;
    const std::uint32_t maxEntries = bits <= 8 ? 1u << bits : 256;
    const std::uint32_t entries = used != 0 ? used : (bits <= 8 ? maxEntries : 0);
    if (entries > maxEntries)
        return false;
    // Sizes in 64 bits: the limits keep each below 2^40, far from overflow.
    const std::uint64_t colourAt = headerSize + std::uint64_t{4} * entries;
    const std::uint64_t colourBytes =
        std::uint64_t{SECImage::RowBytesFor(width, bits)} * static_cast<std::uint64_t>(height);
    const std::uint64_t maskBytes =
        std::uint64_t{MaskRowBytes(width)} * static_cast<std::uint64_t>(height);
    if (colourAt + colourBytes > size)
        return false;
    // Only an image with its own alpha can do without the mask.
    const bool hasMask = colourAt + colourBytes + maskBytes <= size;
    if (!hasMask && bits != 32)
        return false;

    SECDib rows;
    if (!rows.Create(width, height, bits))
        return false;
    const std::uint8_t* palette = data + headerSize;
    for (std::uint32_t i = 0; i < entries && bits <= 8; ++i)
        rows.SetPaletteEntry(static_cast<int>(i), palette[4 * i + 2], palette[4 * i + 1],
                             palette[4 * i]);
    const std::uint8_t* colour = data + colourAt;
    std::copy(colour, colour + colourBytes, rows.Bits());

    out.width = width;
    out.height = height;
    out.bgra.assign(std::size_t{4} * width * height, 0);
    std::vector<std::uint8_t> bgr(std::size_t{3} * width);
    for (int y = 0; y < height; ++y) {
        rows.RowAsBgr(y, bgr.data());
        std::uint8_t* to = &out.bgra[std::size_t{4} * width * y];
        const std::uint8_t* from = rows.Row(y);
        for (int x = 0; x < width; ++x) {
            to[4 * x] = bgr[3 * x];
            to[4 * x + 1] = bgr[3 * x + 1];
            to[4 * x + 2] = bgr[3 * x + 2];
            if (bits == 32) {
                to[4 * x + 3] = from[4 * x + 3];
                out.hasAlpha = out.hasAlpha || from[4 * x + 3] != 0;
            }
        }
    }
    if (hasMask) {
        const std::uint8_t* mask = colour + colourBytes;
        out.mask.assign(mask, mask + maskBytes);
    } else {
        out.mask.assign(maskBytes, 0);
    }
    return true;
}

}  // namespace

bool DecodeIconImage(const std::uint8_t* data, std::size_t size, IconPixels& out) {
    out = IconPixels();
    bool decoded = false;
    try {
        decoded = data != nullptr &&
                  (IsPng(data, size) ? ReadPngHeader(data, size, out) : DecodeDib(data, size, out));
    } catch (const std::bad_alloc&) {
        decoded = false;
    }
    if (!decoded)
        out = IconPixels();
    return decoded;
}

std::vector<std::uint8_t> IconResource(const IconPixels& pixels) {
    std::vector<std::uint8_t> out;
    if (pixels.png || pixels.bgra.empty())
        return out;
    out.reserve(kBmpInfoHeaderSize + pixels.bgra.size() + pixels.mask.size());
    AppendLe32(out, kBmpInfoHeaderSize);
    AppendLe32(out, static_cast<std::uint32_t>(pixels.width));
    AppendLe32(out, static_cast<std::uint32_t>(2 * pixels.height));
    AppendLe16(out, 1);   // planes
    AppendLe16(out, 32);  // bits a pixel
    AppendLe32(out, kBmpRgb);
    AppendLe32(out, static_cast<std::uint32_t>(pixels.bgra.size() + pixels.mask.size()));
    for (int i = 0; i < 4; ++i)
        AppendLe32(out, 0);  // resolutions, colours used and important: none
    out.insert(out.end(), pixels.bgra.begin(), pixels.bgra.end());
    out.insert(out.end(), pixels.mask.begin(), pixels.mask.end());
    return out;
}

}  // namespace vl
