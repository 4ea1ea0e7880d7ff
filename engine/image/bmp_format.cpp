#include "engine/image/bmp_format.h"

#include <climits>
#include <cstring>

#include "engine/image/byte_order.h"
#include "engine/image/core/picture_limits.h"
#include "engine/image/sec_image.h"

namespace vl {
namespace {

bool IsValidDepth(std::uint16_t bitCount, std::uint32_t compression) {
    switch (compression) {
        case kBmpRgb:
            return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
                   bitCount == 24 || bitCount == 32;
        case kBmpRle8:
            return bitCount == 8;
        case kBmpRle4:
            return bitCount == 4;
        case kBmpBitFields:
            return bitCount == 16 || bitCount == 32;
        default:
            return false;
    }
}

// One component of a bit-field pixel, scaled to 0..255.
std::uint8_t FieldValue(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1) == 0)
        ++shift;
    const std::uint32_t field = mask >> shift;
    int bits = 0;
    while (bits < 32 && ((field >> bits) & 1))
        ++bits;
    const std::uint32_t value = (pixel & mask) >> shift;
    if (bits >= 8)
        return static_cast<std::uint8_t>(value >> (bits - 8));
    const std::uint32_t top = (1u << bits) - 1;
    return static_cast<std::uint8_t>((value & top) * 255 / top);
}

void CopyPalette(const std::uint8_t* data, const BmpHeader& header, SECImage& image) {
    const std::uint32_t entries = header.paletteEntries;
    for (std::uint32_t i = 0; i < entries; ++i) {
        const std::uint8_t* entry = data + header.paletteOffset + i * header.paletteEntryBytes;
        image.SetPaletteEntry(static_cast<int>(i), entry[2], entry[1], entry[0]);
    }
}

bool DecodeBitFields(const std::uint8_t* bits, std::size_t fileRowBytes, const BmpHeader& header,
                     bool topDown, SECImage& image) {
    const int width = image.Width(), height = image.Height();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* in = bits + fileRowBytes * y;
        std::uint8_t* out = image.Row(topDown ? height - 1 - y : y);
        for (int x = 0; x < width; ++x, out += 3) {
            const std::uint32_t pixel =
                header.bitCount == 16 ? ReadLe16(in + 2 * x) : ReadLe32(in + 4 * x);
            out[0] = FieldValue(pixel, header.masks[2]);
            out[1] = FieldValue(pixel, header.masks[1]);
            out[2] = FieldValue(pixel, header.masks[0]);
        }
    }
    return true;
}

void SetIndex(SECImage& image, int x, int y, int index) {
    if (x < 0 || x >= image.Width() || y < 0 || y >= image.Height())
        return;
    std::uint8_t* row = image.Row(y);
    if (image.BitsPerPixel() == 8) {
        row[x] = static_cast<std::uint8_t>(index);
    } else if (x & 1) {
        row[x >> 1] = static_cast<std::uint8_t>((row[x >> 1] & 0xF0) | (index & 0x0F));
    } else {
        row[x >> 1] = static_cast<std::uint8_t>((row[x >> 1] & 0x0F) | ((index & 0x0F) << 4));
    }
}

// RLE rows run bottom-up. Pixels beyond the picture are dropped and a stream that ends early
// leaves the rest at index 0, as the system's own decoder does.
bool DecodeRle(const std::uint8_t* p, std::size_t size, SECImage& image) {
    const bool four = image.BitsPerPixel() == 4;
    std::size_t i = 0;
    int x = 0, y = 0;
    while (i + 1 < size && y < image.Height()) {
        const int count = p[i], value = p[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k, ++x) {
                SetIndex(image, x, y, four ? ((k & 1) ? value & 0x0F : value >> 4) : value);
            }
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of picture
            break;
        } else if (value == 2) {  // move right and up
            if (i + 1 >= size)
                break;
            x += p[i];
            y += p[i + 1];
            i += 2;
        } else {  // 'value' literal pixels, padded to a 16-bit boundary
            const std::size_t bytes = four ? (value + 1) / 2 : value;
            if (bytes > size - i)
                return false;
            for (int k = 0; k < value; ++k, ++x) {
                const int byte = p[i + (four ? k / 2 : k)];
                SetIndex(image, x, y, four ? ((k & 1) ? byte & 0x0F : byte >> 4) : byte);
            }
            i += (bytes + 1) & ~std::size_t{1};
        }
    }
    return true;
}

}  // namespace

bool ParseBmpHeader(const std::uint8_t* data, std::size_t size, BmpHeader& header) {
    header = BmpHeader();
    if (data == nullptr || size < kBmpFileHeaderSize + 4)
        return false;
    if (ReadLe16(data) != kBmpType)
        return false;
    const std::uint8_t* info = data + kBmpFileHeaderSize;
    header.headerSize = ReadLe32(info);
    const std::size_t available = size - kBmpFileHeaderSize;
    if (header.headerSize == kBmpCoreHeaderSize) {
        if (available < kBmpCoreHeaderSize)
            return false;
        header.width = ReadLe16(info + 4);
        header.height = ReadLe16(info + 6);
        header.bitCount = ReadLe16(info + 10);
        header.paletteEntryBytes = 3;
    } else {
        if (header.headerSize < kBmpInfoHeaderSize || header.headerSize > available)
            return false;
        header.width = ReadLe32Signed(info + 4);
        header.height = ReadLe32Signed(info + 8);
        header.bitCount = ReadLe16(info + 14);
        header.compression = ReadLe32(info + 16);
        header.paletteEntries = ReadLe32(info + 32);
    }
    if (!IsValidDepth(header.bitCount, header.compression))
        return false;
    if (header.width <= 0 || header.height == 0 || header.height == INT_MIN)
        return false;
    const std::int64_t rows = header.height < 0 ? -std::int64_t{header.height} : header.height;
    if (!PictureSizeAllowed(static_cast<std::uint32_t>(header.width),
                            static_cast<std::uint64_t>(rows))) {
        return false;
    }
    // Compressed rows only run bottom-up.
    if (header.height < 0 && header.compression != kBmpRgb && header.compression != kBmpBitFields) {
        return false;
    }

    std::size_t afterHeader = kBmpFileHeaderSize + header.headerSize;
    if (header.compression == kBmpBitFields) {
        // The 40-byte header is followed by the three masks; longer headers hold them inside.
        const std::size_t masksAt = kBmpFileHeaderSize + kBmpInfoHeaderSize;
        if (masksAt + 12 > size)
            return false;
        for (int i = 0; i < 3; ++i)
            header.masks[i] = ReadLe32(data + masksAt + 4 * i);
        if (header.headerSize == kBmpInfoHeaderSize)
            afterHeader += 12;
    }

    const std::uint32_t maxEntries = header.bitCount <= 8 ? 1u << header.bitCount : 0;
    if (header.paletteEntries == 0 || header.paletteEntries > maxEntries)
        header.paletteEntries = maxEntries;
    header.paletteOffset = afterHeader;
    const std::size_t paletteBytes = header.paletteEntries * header.paletteEntryBytes;
    if (afterHeader > size || paletteBytes > size - afterHeader)
        return false;

    header.bitsOffset = ReadLe32(data + 10);
    if (header.bitsOffset < afterHeader || header.bitsOffset >= size)
        return false;
    return true;
}

bool DecodeBmp(const std::uint8_t* data, std::size_t size, SECImage& image) {
    BmpHeader header;
    if (!ParseBmpHeader(data, size, header))
        return false;
    const bool topDown = header.height < 0;
    const int height = topDown ? -header.height : header.height;
    const bool fields = header.compression == kBmpBitFields;
    const bool rle = header.compression == kBmpRle8 || header.compression == kBmpRle4;
    const std::uint8_t* bits = data + header.bitsOffset;
    const std::size_t bitsSize = size - header.bitsOffset;
    const std::size_t fileRowBytes = SECImage::RowBytesFor(header.width, header.bitCount);
    // Uncompressed rows must all be there before anything is allocated for them.
    if (!rle && fileRowBytes > bitsSize / static_cast<std::size_t>(height))
        return false;
    if (!image.Create(header.width, height, fields ? 24 : header.bitCount))
        return false;
    CopyPalette(data, header, image);
    if (rle)
        return DecodeRle(bits, bitsSize, image);
    if (fields)
        return DecodeBitFields(bits, fileRowBytes, header, topDown, image);
    if (!topDown) {
        std::memcpy(image.Bits(), bits, fileRowBytes * height);
        return true;
    }
    for (int y = 0; y < height; ++y) {
        std::memcpy(image.Row(height - 1 - y), bits + fileRowBytes * y, fileRowBytes);
    }
    return true;
}

std::vector<std::uint8_t> WriteBmp(const SECImage& image) {
    std::vector<std::uint8_t> out;
    if (image.IsEmpty())
        return out;
    const std::uint32_t entries = static_cast<std::uint32_t>(image.PaletteEntries());
    const std::uint32_t bitsOffset =
        static_cast<std::uint32_t>(kBmpFileHeaderSize + kBmpInfoHeaderSize) + 4 * entries;
    const std::uint32_t bitsSize = static_cast<std::uint32_t>(image.BitsSize());
    out.reserve(bitsOffset + bitsSize);

    AppendLe16(out, kBmpType);
    AppendLe32(out, bitsOffset + bitsSize);
    AppendLe16(out, 0);
    AppendLe16(out, 0);
    AppendLe32(out, bitsOffset);

    AppendLe32(out, kBmpInfoHeaderSize);
    AppendLe32(out, static_cast<std::uint32_t>(image.Width()));
    AppendLe32(out, static_cast<std::uint32_t>(image.Height()));
    AppendLe16(out, 1);  // planes
    AppendLe16(out, static_cast<std::uint32_t>(image.BitsPerPixel()));
    AppendLe32(out, kBmpRgb);
    AppendLe32(out, bitsSize);
    AppendLe32(out, 0);  // horizontal resolution: unknown
    AppendLe32(out, 0);  // vertical resolution: unknown
    AppendLe32(out, entries);
    AppendLe32(out, 0);  // all colours important

    out.insert(out.end(), image.Palette(), image.Palette() + 4 * entries);
    out.insert(out.end(), image.Bits(), image.Bits() + bitsSize);
    return out;
}

}  // namespace vl
