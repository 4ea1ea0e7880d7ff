// Where the preview picture goes in the control panel's little screen.
#pragma once

namespace vl {

struct PictureArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The picture (pictureWidth x pictureHeight) as large as it fits into the area without changing
// its proportions, centred; the rest of the area stays black. Empty when either is empty.
PictureArea FitPicture(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight);

}  // namespace vl
