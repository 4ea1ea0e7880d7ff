#include "runtime/preview_layout.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

void ExpectArea(const PictureArea& area, int x, int y, int width, int height) {
    EXPECT_EQ(area.x, x);
    EXPECT_EQ(area.y, y);
    EXPECT_EQ(area.width, width);
    EXPECT_EQ(area.height, height);
}

TEST(GlintPreviewLayoutTest, ThePictureFillsTheHeightOfAWideScreen) {
    // The control panel's little screen of 152 x 112 takes the 96 x 112 picture as it is.
    ExpectArea(FitPicture(96, 112, 152, 112), 28, 0, 96, 112);
    // Twice as large: twice the picture.
    ExpectArea(FitPicture(96, 112, 304, 224), 56, 0, 192, 224);
}

TEST(GlintPreviewLayoutTest, ThePictureFillsTheWidthOfATallScreen) {
    ExpectArea(FitPicture(96, 112, 48, 200), 0, 72, 48, 56);
}

TEST(GlintPreviewLayoutTest, ExactFitAndRounding) {
    ExpectArea(FitPicture(96, 112, 96, 112), 0, 0, 96, 112);
    // 100 x 100 into 33 x 50: 33 x 33, centred with the odd pixel below.
    ExpectArea(FitPicture(100, 100, 33, 50), 0, 8, 33, 33);
}

TEST(GlintPreviewLayoutTest, NothingToDrawOnEmptySizes) {
    ExpectArea(FitPicture(96, 112, 0, 112), 0, 0, 0, 0);
    ExpectArea(FitPicture(96, 112, 152, -1), 0, 0, 0, 0);
    ExpectArea(FitPicture(0, 112, 152, 112), 0, 0, 0, 0);
}

TEST(GlintPreviewLayoutTest, AThinPictureKeepsAPixel) {
    ExpectArea(FitPicture(1000, 1, 10, 10), 0, 4, 10, 1);
}

TEST(GlintPreviewLayoutTest, HugeSizesDoNotOverflow) {
    ExpectArea(FitPicture(2000000000, 1000000000, 2000000000, 2000000000), 0, 500000000, 2000000000,
               1000000000);
}

}  // namespace
}  // namespace vl
