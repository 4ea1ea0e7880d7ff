#include <gtest/gtest.h>

#include "tests/image/image_test_data.h"
#include "engine/image/picture_format.h"

namespace {

TEST(IconDirectory, ListsEveryImageWithItsSizeDepthAndPlace) {
    const std::vector<std::uint8_t> bytes = ReadTestData("two_sizes.ico");
    bool isCursor = true;
    std::vector<vl::IconImage> images;
    ASSERT_TRUE(vl::ParseIconDirectory(bytes.data(), bytes.size(), isCursor, images));
    EXPECT_FALSE(isCursor);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].width, 16);
    EXPECT_EQ(images[1].width, 48);
    EXPECT_EQ(images[1].height, 48);
    EXPECT_EQ(images[0].bitCount, 32);
    EXPECT_EQ(images[0].offset, 38u);  // right after a directory of two entries
}

TEST(IconDirectory, CursorsCarryTheirHotspot) {
    const std::vector<std::uint8_t> bytes = ReadTestData("arrow.cur");
    bool isCursor = false;
    std::vector<vl::IconImage> images;
    ASSERT_TRUE(vl::ParseIconDirectory(bytes.data(), bytes.size(), isCursor, images));
    EXPECT_TRUE(isCursor);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].width, 32);
    EXPECT_EQ(images[0].hotspotX, 5);
    EXPECT_EQ(images[0].hotspotY, 7);
    EXPECT_EQ(images[0].bitCount, 32);
}

TEST(IconDirectory, ImagesOutsideTheFileAreRefused) {
    // One 0 x 0 (that is, 256 x 256) entry of 8 bytes at offset 22.
    std::vector<std::uint8_t> bytes = {0, 0, 1, 0,  1, 0, 0, 0, 0, 0, 1, 0, 8, 0, 8,
                                       0, 0, 0, 22, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};
    bool isCursor = false;
    std::vector<vl::IconImage> images;
    ASSERT_TRUE(vl::ParseIconDirectory(bytes.data(), bytes.size(), isCursor, images));
    EXPECT_EQ(images[0].width, 256);
    EXPECT_EQ(images[0].bitCount, 8);
    bytes.pop_back();
    EXPECT_FALSE(vl::ParseIconDirectory(bytes.data(), bytes.size(), isCursor, images));
    bytes[4] = 2;  // a second entry the directory has no room for
    EXPECT_FALSE(vl::ParseIconDirectory(bytes.data(), bytes.size(), isCursor, images));
    EXPECT_FALSE(vl::ParseIconDirectory(bytes.data(), 5, isCursor, images));
}

TEST(IconDirectory, ChoiceTakesTheClosestSizeThenTheDeepestShowableColour) {
    auto image = [](int size, int bits) {
        vl::IconImage i;
        i.width = i.height = size;
        i.bitCount = bits;
        return i;
    };
    EXPECT_EQ(vl::ChooseIconImage({image(16, 32), image(48, 32)}, 32, 32, 32), 1);
    EXPECT_EQ(vl::ChooseIconImage({image(16, 32), image(40, 32)}, 32, 32, 32), 1);
    EXPECT_EQ(vl::ChooseIconImage({image(16, 32), image(32, 4), image(32, 8)}, 32, 32, 32), 2);
    EXPECT_EQ(vl::ChooseIconImage({image(32, 32), image(32, 8)}, 32, 32, 8), 1);
    EXPECT_EQ(vl::ChooseIconImage({image(32, 32), image(32, 8)}, 32, 32, 32), 0);
    EXPECT_EQ(vl::ChooseIconImage({image(256, 32)}, 32, 32, 32), 0);
    EXPECT_EQ(vl::ChooseIconImage({}, 32, 32, 32), -1);
}

TEST(FitInside, LargerPicturesShrinkKeepingTheirShapeSmallerOnesStay) {
    auto fit = [](int w, int h, int boxW, int boxH) {
        const vl::PictureSize size = vl::FitInside(w, h, boxW, boxH);
        return std::make_pair(size.width, size.height);
    };
    EXPECT_EQ(fit(208, 52, 104, 72), std::make_pair(104, 26));
    EXPECT_EQ(fit(50, 30, 104, 72), std::make_pair(50, 30));
    EXPECT_EQ(fit(104, 72, 104, 72), std::make_pair(104, 72));
    EXPECT_EQ(fit(100, 300, 104, 72), std::make_pair(24, 72));   // 100 * 72 / 300
    EXPECT_EQ(fit(208, 144, 104, 72), std::make_pair(104, 72));  // same shape: height rule
    EXPECT_EQ(fit(105, 10, 104, 72), std::make_pair(104, 9));    // 10 * 104 / 105 truncated
    EXPECT_EQ(fit(0, 10, 104, 72), std::make_pair(0, 0));
}

}  // namespace
