#include "editor/core/drag_image_file.h"

namespace vl {
namespace {

constexpr std::uint32_t kMagic = 0x49444C56;  // "VLDI"
constexpr std::uint32_t kLayout = 1;
// The strip is 16 pixels high and at most as wide as the list's extent plus icon and time.
constexpr std::int32_t kMaxWidth = 32768;
constexpr std::int32_t kMaxHeight = 256;
constexpr std::size_t kHeaderSize = 7 * 4;

void Put(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t Get(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

}  // namespace

std::vector<std::uint8_t> WriteDragImage(const DragImage& image, std::uint32_t process) {
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderSize + image.pixels.size() * 4);
    for (std::uint32_t value :
         {kMagic, kLayout, process, static_cast<std::uint32_t>(image.width),
          static_cast<std::uint32_t>(image.height), static_cast<std::uint32_t>(image.hotX),
          static_cast<std::uint32_t>(image.hotY)})
        Put(out, value);
    for (std::uint32_t pixel : image.pixels)
        Put(out, pixel);
    return out;
}

std::optional<DragImage> ReadDragImage(const std::uint8_t* bytes, std::size_t size,
                                       std::uint32_t process) {
    if (!bytes || size < kHeaderSize || Get(bytes) != kMagic || Get(bytes + 4) != kLayout ||
        Get(bytes + 8) != process)
        return std::nullopt;
    DragImage image;
    image.width = static_cast<std::int32_t>(Get(bytes + 12));
    image.height = static_cast<std::int32_t>(Get(bytes + 16));
    image.hotX = static_cast<std::int32_t>(Get(bytes + 20));
    image.hotY = static_cast<std::int32_t>(Get(bytes + 24));
    if (image.width <= 0 || image.height <= 0 || image.width > kMaxWidth ||
        image.height > kMaxHeight)
        return std::nullopt;
    const std::size_t count =
        static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    if (size != kHeaderSize + count * 4)
        return std::nullopt;
    image.pixels.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        image.pixels[i] = Get(bytes + kHeaderSize + i * 4);
    return image;
}

}  // namespace vl
