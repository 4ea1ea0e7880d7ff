#include "engine/image/sec_image.h"

#include <cstring>
#include <new>

#include "engine/image/bmp_format.h"
#include "engine/image/sec_file_system.h"

int SECImage::PaletteEntriesFor(int bitsPerPixel) {
    switch (bitsPerPixel) {
        case 1:
            return 2;
        case 4:
            return 16;
        case 8:
            return 256;
        default:
            return 0;
    }
}

std::size_t SECImage::RowBytesFor(int width, int bitsPerPixel) {
    return ((static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

bool SECImage::Create(int width, int height, int bitsPerPixel) {
    Clear();
    switch (bitsPerPixel) {
        case 1:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            break;
        default:
            return false;
    }
    if (width <= 0 || height <= 0)
        return false;
    const std::size_t rowBytes = RowBytesFor(width, bitsPerPixel);
    if (rowBytes > kMaxPixelBytes / static_cast<std::size_t>(height))
        return false;
    try {
        bits_.assign(rowBytes * height, 0);
        palette_.assign(4 * PaletteEntriesFor(bitsPerPixel), 0);
    } catch (const std::bad_alloc&) {
        Clear();
        return false;
    }
    width_ = width;
    height_ = height;
    bitsPerPixel_ = bitsPerPixel;
    return true;
}

void SECImage::Clear() {
    width_ = height_ = bitsPerPixel_ = 0;
    std::vector<std::uint8_t>().swap(bits_);
    palette_.clear();
}

void SECImage::SetPaletteEntry(int index, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    if (index < 0 || index >= PaletteEntries())
        return;
    std::uint8_t* entry = &palette_[4 * index];
    entry[0] = blue;
    entry[1] = green;
    entry[2] = red;
    entry[3] = 0;
}

bool SECImage::Load(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!SECFileSystem::ReadFileBytes(path, bytes)) {
        Clear();
        return false;
    }
    return Load(bytes.data(), bytes.size());
}

bool SECImage::Load(const std::uint8_t* data, std::size_t size) {
    Clear();
    bool loaded = false;
    try {
        loaded = data != nullptr && DoLoad(data, size);
    } catch (const std::bad_alloc&) {
        loaded = false;
    }
    if (!loaded)
        Clear();
    return loaded;
}

bool SECImage::Save(const std::string& path) const {
    std::vector<std::uint8_t> bytes;
    return Save(bytes) && SECFileSystem::WriteFileBytes(path, bytes);
}

bool SECImage::Save(std::vector<std::uint8_t>& out) const {
    out.clear();
    if (IsEmpty())
        return false;
    try {
        return DoSave(out);
    } catch (const std::bad_alloc&) {
        out.clear();
        return false;
    }
}

void SECImage::CopyImage(const SECImage& other) {
    if (&other == this)
        return;
    width_ = other.width_;
    height_ = other.height_;
    bitsPerPixel_ = other.bitsPerPixel_;
    palette_ = other.palette_;
    bits_ = other.bits_;
}

std::vector<std::uint8_t> SECImage::Serialize() const {
    return vl::WriteBmp(*this);
}

void SECImage::RowAsBgr(int storedRow, std::uint8_t* out) const {
    const std::uint8_t* row = Row(storedRow);
    for (int x = 0; x < width_; ++x, out += 3) {
        int index = -1;
        switch (bitsPerPixel_) {
            case 1:
                index = (row[x >> 3] >> (7 - (x & 7))) & 1;
                break;
            case 4:
                index = (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F;
                break;
            case 8:
                index = row[x];
                break;
            case 16: {
                // 5 bits each of red, green and blue, scaled to the full 8-bit range.
                const unsigned v = row[2 * x] | (row[2 * x + 1] << 8);
                const unsigned b = v & 0x1F, g = (v >> 5) & 0x1F, r = (v >> 10) & 0x1F;
                out[0] = static_cast<std::uint8_t>((b << 3) | (b >> 2));
                out[1] = static_cast<std::uint8_t>((g << 3) | (g >> 2));
                out[2] = static_cast<std::uint8_t>((r << 3) | (r >> 2));
                break;
            }
            case 24:
                std::memcpy(out, row + 3 * x, 3);
                break;
            case 32:
                std::memcpy(out, row + 4 * x, 3);
                break;
        }
        if (index >= 0)
            std::memcpy(out, &palette_[4 * index], 3);
    }
}
