// SECImage: an in-memory device-independent bitmap. Rows are kept bottom-up and padded to four
// bytes, exactly as a BMP file holds them, so a picture goes to and from the display and to a
// file without reshuffling. Each file format supplies DoLoad and DoSave.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/image/core/picture_limits.h"

class SECImage {
  public:
    // Pictures larger than this many bytes of pixels are refused rather than attempted.
    static constexpr std::size_t kMaxPixelBytes = vl::kMaxPictureBytes;

    SECImage() = default;
    virtual ~SECImage() = default;

    // 1, 4, 8, 16, 24 or 32 bits per pixel, any positive size; pixels and palette are zeroed.
    bool Create(int width, int height, int bitsPerPixel);
    void Clear();
    bool IsEmpty() const { return width_ == 0; }

    // Loading reads the whole file and decodes it from memory; on failure the image is empty.
    bool Load(const std::string& path);
    bool Load(const std::uint8_t* data, std::size_t size);
    bool Save(const std::string& path) const;
    bool Save(std::vector<std::uint8_t>& out) const;
    // Takes the other image's pixels and palette (not its quality).
    void CopyImage(const SECImage& other);
    // The image as a BMP file, whatever format this object loads and saves.
    std::vector<std::uint8_t> Serialize() const;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    int PaletteEntries() const { return PaletteEntriesFor(bitsPerPixel_); }
    std::size_t RowBytes() const { return RowBytesFor(width_, bitsPerPixel_); }

    // Four bytes an entry: blue, green, red, reserved.
    std::uint8_t* Palette() { return palette_.data(); }
    const std::uint8_t* Palette() const { return palette_.data(); }
    void SetPaletteEntry(int index, std::uint8_t red, std::uint8_t green, std::uint8_t blue);

    // Rows in stored order: row 0 is the bottom row of the picture.
    std::uint8_t* Bits() { return bits_.data(); }
    const std::uint8_t* Bits() const { return bits_.data(); }
    std::size_t BitsSize() const { return bits_.size(); }
    std::uint8_t* Row(int storedRow) { return bits_.data() + RowBytes() * storedRow; }
    const std::uint8_t* Row(int storedRow) const { return bits_.data() + RowBytes() * storedRow; }
    // One stored row as blue, green, red triples, whatever the pixel format.
    void RowAsBgr(int storedRow, std::uint8_t* out) const;

    // JPEG quality in percent, used when the image is written as JPEG.
    int Quality() const { return quality_; }
    void SetQuality(int percent) { quality_ = percent; }

    static int PaletteEntriesFor(int bitsPerPixel);
    static std::size_t RowBytesFor(int width, int bitsPerPixel);

  protected:
    virtual bool DoLoad(const std::uint8_t* data, std::size_t size) = 0;
    virtual bool DoSave(std::vector<std::uint8_t>& out) const = 0;

  private:
    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = 0;
    int quality_ = 75;
    std::vector<std::uint8_t> palette_;
    std::vector<std::uint8_t> bits_;
};
