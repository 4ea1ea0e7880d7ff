#include "runtime/preview_layout.h"

#include <cstdint>

namespace vl {

PictureArea FitPicture(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0 || areaWidth <= 0 || areaHeight <= 0)
        return {};
    // Compare areaWidth / pictureWidth with areaHeight / pictureHeight without rounding.
    const std::int64_t byWidth = static_cast<std::int64_t>(areaWidth) * pictureHeight;
    const std::int64_t byHeight = static_cast<std::int64_t>(areaHeight) * pictureWidth;
    PictureArea area;
    if (byWidth <= byHeight) {
        area.width = areaWidth;
        area.height = static_cast<int>(byWidth / pictureWidth);
    } else {
        area.height = areaHeight;
        area.width = static_cast<int>(byHeight / pictureHeight);
    }
    if (area.width < 1)
        area.width = 1;
    if (area.height < 1)
        area.height = 1;
    area.x = (areaWidth - area.width) / 2;
    area.y = (areaHeight - area.height) / 2;
    return area;
}

}  // namespace vl
