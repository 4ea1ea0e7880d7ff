#include "editor/core/preview_fit.h"

namespace vl {

PreviewPlacement FitPreview(int width, int height, int areaWidth, int areaHeight) {
    PreviewPlacement place;
    place.width = width;
    place.height = height;
    if (width > areaWidth || height > areaHeight) {
        const long long wide = static_cast<long long>(height) * areaWidth;
        const long long tall = static_cast<long long>(width) * areaHeight;
        if (wide >= tall) {
            place.height = areaHeight;
            place.width = static_cast<int>(static_cast<long long>(width) * areaHeight / height);
        } else {
            place.width = areaWidth;
            place.height = static_cast<int>(static_cast<long long>(height) * areaWidth / width);
        }
    }
    place.x = (areaWidth - place.width) / 2;
    place.y = (areaHeight - place.height) / 2;
    return place;
}

}  // namespace vl
