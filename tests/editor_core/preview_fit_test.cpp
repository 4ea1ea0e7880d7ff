#include "editor/core/preview_fit.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

void ExpectPlaced(const PreviewPlacement& place, int x, int y, int width, int height) {
    EXPECT_EQ(place.x, x);
    EXPECT_EQ(place.y, y);
    EXPECT_EQ(place.width, width);
    EXPECT_EQ(place.height, height);
}

TEST(PreviewFit, AWidePictureFillsTheWidthAndIsCentredUpright) {
    ExpectPlaced(FitPreview(208, 52, 104, 72), 0, 23, 104, 26);
}

TEST(PreviewFit, ATallPictureFillsTheHeightWithItsWidthTruncated) {
    // 100 x 300 into 96 x 112: 100 * 112 / 300 = 37.33.
    ExpectPlaced(FitPreview(100, 300, 96, 112), 29, 0, 37, 112);
}

TEST(PreviewFit, SmallPicturesKeepTheirSize) {
    ExpectPlaced(FitPreview(50, 30, 104, 72), 27, 21, 50, 30);
    ExpectPlaced(FitPreview(96, 112, 96, 112), 0, 0, 96, 112);
}

TEST(PreviewFit, OneSideTooLargeIsEnoughToScale) {
    // Only the height is too large; the equal-ratio case takes the height.
    ExpectPlaced(FitPreview(50, 144, 96, 72), 35, 0, 25, 72);
    ExpectPlaced(FitPreview(200, 150, 100, 75), 0, 0, 100, 75);
}

}  // namespace
}  // namespace vl
