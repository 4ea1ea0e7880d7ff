// Decisions about picture files that need no display: which image of an icon or cursor file to
// use, and how a picture is scaled to fit a preview. (Which format a file holds is told by
// DetectPictureFormat of the scene model.)
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vl {

// One image of an icon or cursor file, as its directory describes it.
struct IconImage {
    int width = 0;  // pixels; the directory's 0 means 256
    int height = 0;
    int bitCount = 0;  // colour depth of the image itself (PNG images count as 32)
    int hotspotX = 0;  // cursors only
    int hotspotY = 0;
    std::size_t offset = 0;  // of the image data in the file
    std::size_t size = 0;
};

// Reads the directory of an icon (type 1) or cursor (type 2) file. Every image's data must lie
// inside the file; false for anything else.
bool ParseIconDirectory(const std::uint8_t* data, std::size_t size, bool& isCursor,
                        std::vector<IconImage>& images);

// The index of the image to show at wantWidth x wantHeight on a display of displayBits: the
// closest size (a larger one before a smaller one at equal distance), then the deepest colour
// the display can show. -1 when there is none.
int ChooseIconImage(const std::vector<IconImage>& images, int wantWidth, int wantHeight,
                    int displayBits);

struct PictureSize {
    int width = 0;
    int height = 0;
};

// A picture of width x height shown in a box: larger pictures shrink to fit keeping their
// aspect ratio (sizes truncated); smaller ones keep their size, never enlarged.
PictureSize FitInside(int width, int height, int boxWidth, int boxHeight);

}  // namespace vl
