#include "editor/core/image_object_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vl {
namespace {

TEST(ImageObjectRules, TextModeOffersTheMessageItsBackgroundAndTheFont) {
    const ImageObjectControls transparent = ImageObjectControlsFor(true, false);
    EXPECT_TRUE(transparent.text);
    EXPECT_TRUE(transparent.transparent);
    EXPECT_FALSE(transparent.colour);  // a transparent background has no colour to choose
    EXPECT_FALSE(transparent.desktop);
    EXPECT_FALSE(transparent.name);
    EXPECT_STREQ(transparent.pictureButton, "&Font...");

    const ImageObjectControls your = ImageObjectControlsFor(true, true);
    EXPECT_TRUE(your.colour);
    EXPECT_TRUE(your.transparent);
}

TEST(ImageObjectRules, PictureModeOffersTheFileAndTheDesktopSources) {
    for (bool yourColour : {false, true}) {
        const ImageObjectControls picture = ImageObjectControlsFor(false, yourColour);
        EXPECT_FALSE(picture.text);
        EXPECT_FALSE(picture.transparent);
        EXPECT_FALSE(picture.colour);
        EXPECT_TRUE(picture.desktop);
        EXPECT_TRUE(picture.name);
        EXPECT_STREQ(picture.pictureButton, "&Image...");
    }
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
    EXPECT_EQ(image.data.size(), 3u);
}

}  // namespace
}  // namespace vl
