// How the image preview control fits a picture into its area: scaled down to fit with its aspect
// kept, never enlarged, and centred.
#pragma once

namespace vl {

struct PreviewPlacement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Where a width x height picture is drawn in an areaWidth x areaHeight control.
PreviewPlacement FitPreview(int width, int height, int areaWidth, int areaHeight);

}  // namespace vl
