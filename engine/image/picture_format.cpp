#include "engine/image/picture_format.h"

#include <cstdlib>

#include "engine/image/bmp_format.h"
#include "engine/image/byte_order.h"

namespace vl {
namespace {

constexpr std::size_t kIconDirectorySize = 6;
constexpr std::size_t kIconEntrySize = 16;
constexpr std::uint8_t kPngSignature[4] = {0x89, 'P', 'N', 'G'};

int ImageBitCount(const std::uint8_t* image, std::size_t size, int directoryBits) {
    if (size >= 4 && image[0] == kPngSignature[0] && image[1] == kPngSignature[1] &&
        image[2] == kPngSignature[2] && image[3] == kPngSignature[3]) {
        return 32;
    }
    if (size >= kBmpInfoHeaderSize && ReadLe32(image) >= kBmpInfoHeaderSize)
        return ReadLe16(image + 14);
    return directoryBits;
}

}  // namespace

bool ParseIconDirectory(const std::uint8_t* data, std::size_t size, bool& isCursor,
                        std::vector<IconImage>& images) {
    images.clear();
    if (data == nullptr || size < kIconDirectorySize || ReadLe16(data) != 0)
        return false;
    const std::uint16_t type = ReadLe16(data + 2);
    if (type != 1 && type != 2)
        return false;
    isCursor = type == 2;
    const std::size_t count = ReadLe16(data + 4);
    if (count == 0 || count > (size - kIconDirectorySize) / kIconEntrySize)
        return false;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* entry = data + kIconDirectorySize + i * kIconEntrySize;
        IconImage image;
        image.width = entry[0] == 0 ? 256 : entry[0];
        image.height = entry[1] == 0 ? 256 : entry[1];
        image.size = ReadLe32(entry + 8);
        image.offset = ReadLe32(entry + 12);
        if (image.offset > size || image.size > size - image.offset || image.size == 0)
            return false;
        if (isCursor) {
            image.hotspotX = ReadLe16(entry + 4);
            image.hotspotY = ReadLe16(entry + 6);
        }
        image.bitCount =
            ImageBitCount(data + image.offset, image.size, isCursor ? 0 : ReadLe16(entry + 6));
        images.push_back(image);
    }
    return true;
}

int ChooseIconImage(const std::vector<IconImage>& images, int wantWidth, int wantHeight,
                    int displayBits) {
    int best = -1;
    long bestDistance = 0;
    bool bestLarger = false;
    int bestBits = 0;
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconImage& image = images[i];
        const long distance =
            std::labs(image.width - wantWidth) + std::labs(image.height - wantHeight);
        const bool larger = image.width >= wantWidth && image.height >= wantHeight;
        // Colours beyond what the display shows count for nothing more.
        const int bits = image.bitCount > displayBits ? -image.bitCount : image.bitCount;
        bool better = best < 0 || distance < bestDistance;
        if (!better && distance == bestDistance) {
            better = (larger && !bestLarger) || (larger == bestLarger && bits > bestBits);
        }
        if (better) {
            best = static_cast<int>(i);
            bestDistance = distance;
            bestLarger = larger;
            bestBits = bits;
        }
    }
    return best;
}

PictureSize FitInside(int width, int height, int boxWidth, int boxHeight) {
    if (width <= 0 || height <= 0 || boxWidth <= 0 || boxHeight <= 0)
        return {};
    if (width <= boxWidth && height <= boxHeight)
        return {width, height};
    const long long w = width, h = height, boxW = boxWidth, boxH = boxHeight;
    if (h * boxW >= w * boxH)
        return {static_cast<int>(w * boxH / h), boxHeight};
    return {boxWidth, static_cast<int>(h * boxW / w)};
}

}  // namespace vl
