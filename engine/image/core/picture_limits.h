// The largest picture any reader accepts. Every reader checks the size its header claims before
// it allocates anything for the pixels, so a hostile header costs nothing; a picture that passes
// needs at most kMaxPictureBytes for its pixels (four bytes a pixel, the widest form kept).
#pragma once

#include <cstddef>
#include <cstdint>

namespace vl {

// 64 Mi pixels: 8192 x 8192, or any other shape of that area.
constexpr std::uint64_t kMaxPicturePixels = std::uint64_t{64} << 20;
constexpr std::size_t kMaxPictureBytes = std::size_t{256} << 20;
// No side may exceed this, so a row's byte count fits 32 bits at every depth.
constexpr std::uint32_t kMaxPictureSide = 65535;
// What libjpeg may use for its own work (progressive pictures keep all coefficients, about six
// bytes a pixel): more is refused by the decoder instead of taken.
constexpr long kMaxJpegWorkBytes = 384L << 20;

inline bool PictureSizeAllowed(std::uint64_t width, std::uint64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

}  // namespace vl
