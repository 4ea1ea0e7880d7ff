#include "editor/core/custom_picture.h"

#include <algorithm>
#include <cstring>

#include "engine/image/bmp_format.h"
#include "engine/image/sec_dib.h"

namespace vl {

CustomPicture MakeCustomPicture(const SECImage& picture) {
    CustomPicture result;
    if (picture.IsEmpty() || picture.BitsPerPixel() != 8)
        return result;
    SECDib fitted;
    if (!fitted.Create(kCustomPictureWidth, kCustomPictureHeight, 8))
        return result;
    std::memcpy(fitted.Palette(), picture.Palette(), 4 * 256);
    // Created zeroed: every pixel the picture does not cover is the palette's first colour.
    const int width = std::min(picture.Width(), kCustomPictureWidth);
    const int height = std::min(picture.Height(), kCustomPictureHeight);
    // Rows are stored bottom-up: the picture's top row y is stored row (height - 1 - y).
    for (int y = 0; y < height; ++y) {
        std::memcpy(fitted.Row(kCustomPictureHeight - 1 - y), picture.Row(picture.Height() - 1 - y),
                    static_cast<std::size_t>(width));
    }
    result.accepted = true;
    result.resized =
        picture.Width() != kCustomPictureWidth || picture.Height() != kCustomPictureHeight;
    result.file = WriteBmp(fitted);
    return result;
}

}  // namespace vl
