#include "editor/core/image_object_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vl {
namespace {

TEST(ImageObjectRules, EachModeOffersItsOwnControls) {
    const ImageObjectControls transparent = ImageObjectControlsFor(true, false);
    const ImageObjectControls your = ImageObjectControlsFor(true, true);
    const ImageObjectControls picture = ImageObjectControlsFor(false, true);
    // A transparent background has no colour to choose; a picture has no background at all.
    EXPECT_FALSE(transparent.colour);
    EXPECT_TRUE(your.colour);
    EXPECT_FALSE(picture.colour);
    for (const ImageObjectControls& text : {transparent, your}) {
        EXPECT_TRUE(text.text && text.transparent);
        EXPECT_FALSE(text.desktop || text.name);
        EXPECT_STREQ(text.pictureButton, "&Font...");
    }
    EXPECT_FALSE(picture.text || picture.transparent);
    EXPECT_TRUE(picture.desktop && picture.name);
    EXPECT_STREQ(picture.pictureButton, "&Image...");
}

TEST(ImageObjectRules, AChosenFileGivesItsNameAndBytesAndMakesTheSourceAFile) {
    ImageEntry image;
    image.source = kSourceWallpaper;
    image.text = "kept";
    const std::vector<std::uint8_t> bytes = {'B', 'M', 1, 2, 3};
    TakePictureFile(image, "C:\\Pictures\\Holiday\\sun.bmp", ByteBlock::Copy(bytes.data(), 5));
    EXPECT_EQ(image.fileName, "sun.bmp");
    EXPECT_EQ(std::vector<std::uint8_t>(image.data.begin(), image.data.end()), bytes);
    EXPECT_EQ(image.source, kSourceFile);
    EXPECT_EQ(image.text, "kept");

    TakePictureFile(image, "D:moon.jpg", ByteBlock::Copy(bytes.data(), 2));
    EXPECT_EQ(image.fileName, "moon.jpg");
    EXPECT_EQ(image.data.size(), 2u);
}

TEST(ImageObjectRules, DesktopPicturesGoByTheirSourcesNames) {
    ImageEntry image;
    image.fileName = "sun.bmp";
    const std::uint8_t jpeg[] = {0xFF, 0xD8, 0xFF, 0xE0};
    TakeDesktopPicture(image, kSourceDesktop, ByteBlock::Copy(jpeg, sizeof jpeg));
    EXPECT_EQ(image.source, kSourceDesktop);
    EXPECT_EQ(image.fileName, "desktop.jpg");
    EXPECT_EQ(image.data.size(), 4u);
    TakeDesktopPicture(image, kSourceWallpaper, ByteBlock::Copy(jpeg, 3));
    EXPECT_EQ(image.source, kSourceWallpaper);
    EXPECT_EQ(image.fileName, "wallpaper.jpg");
}

}  // namespace
}  // namespace vl
