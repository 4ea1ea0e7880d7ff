// The drag image as it travels from the drag's source to its targets through "ImageCursor.tmp":
// the strip's pixels, the hot spot and the process that drew it. Every running builder uses the
// same file, so a target shows the image only when the file is whole and comes from the process
// the drag comes from; otherwise the drag goes on without an image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace vl {

inline constexpr char kDragImageFileName[] = "ImageCursor.tmp";

// Offered beside the three scene formats by a drag from the list: the id of the process the drag
// comes from, so that another running builder's indices and references are never applied here.
inline constexpr char kDragSourceFormat[] = "SceneSource1.0";

struct DragImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows top to bottom, width * height
    std::int32_t hotX = 0;              // the pointer's offset inside the image
    std::int32_t hotY = 0;
};

std::vector<std::uint8_t> WriteDragImage(const DragImage& image, std::uint32_t process);

// The image when bytes hold a whole one written by process; none for anything damaged, too
// large or from another process.
std::optional<DragImage> ReadDragImage(const std::uint8_t* bytes, std::size_t size,
                                       std::uint32_t process);

}  // namespace vl
