// The small libjpeg build (what Glint links): pictures of every common layout decode, and what
// the build leaves out (the colour map) fails like any other decoding error.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/image/jpeg_codec.h"
#include "engine/image/sec_dib.h"
#include "engine/image/sec_file_system.h"
#include "engine/image/sec_jpeg.h"

namespace {

std::vector<std::uint8_t> ReadPicture(const std::string& name) {
    std::vector<std::uint8_t> bytes;
    SECFileSystem::ReadFileBytes(std::string(VL_SMALL_JPEG_DATA) + "/" + name, bytes);
    return bytes;
}

// Pixel (x, y), y counted from the top, as blue, green, red.
const std::uint8_t* Pixel(const SECImage& image, int x, int y) {
    return image.Row(image.Height() - 1 - y) + x * image.BitsPerPixel() / 8;
}

void ExpectColour(const SECImage& image, int x, int y, int red, int green, int blue) {
    const std::uint8_t* bgr = Pixel(image, x, y);
    EXPECT_NEAR(bgr[0], blue, 8) << "at " << x << "," << y;
    EXPECT_NEAR(bgr[1], green, 8) << "at " << x << "," << y;
    EXPECT_NEAR(bgr[2], red, 8) << "at " << x << "," << y;
}

// The quadrant pictures are 48 x 32: red and green above, blue and white below.
void ExpectQuadrants(const SECImage& image, int bitsPerPixel) {
    ASSERT_EQ(image.Width(), 48);
    ASSERT_EQ(image.Height(), 32);
    ASSERT_EQ(image.BitsPerPixel(), bitsPerPixel);
    ExpectColour(image, 12, 8, 255, 0, 0);
    ExpectColour(image, 36, 8, 0, 255, 0);
    ExpectColour(image, 12, 24, 0, 0, 255);
    ExpectColour(image, 36, 24, 255, 255, 255);
}

TEST(SmallJpeg, ProgressiveAndSubsampledPicturesDecodeInBothLayouts) {
    for (const char* name : {"quadrants_progressive_420.jpg", "quadrants_baseline_422.jpg"}) {
        SCOPED_TRACE(name);
        const std::vector<std::uint8_t> bytes = ReadPicture(name);
        ASSERT_GT(bytes.size(), 100u);
        SECDib threeBytes, fourBytes;
        ASSERT_TRUE(vl::DecodeJpeg(bytes.data(), bytes.size(), threeBytes));
        ExpectQuadrants(threeBytes, 24);
        ASSERT_TRUE(vl::DecodeJpegForDisplay(bytes.data(), bytes.size(), fourBytes));
        ExpectQuadrants(fourBytes, 32);
    }
}

TEST(SmallJpeg, ProgressivePictureCutShortStillDecodesAtItsFullSize) {
    const std::vector<std::uint8_t> bytes = ReadPicture("plasma_progressive_cut.jpg");
    ASSERT_GT(bytes.size(), 100u);
    SECDib image;
    ASSERT_TRUE(vl::DecodeJpegForDisplay(bytes.data(), bytes.size(), image));
    EXPECT_EQ(image.Width(), 64);
    EXPECT_EQ(image.Height(), 48);
}

TEST(SmallJpeg, ColourMapIsLeftOutAndRefusedWithoutLeavingAnImage) {
    const std::vector<std::uint8_t> bytes = ReadPicture("quadrants_baseline_422.jpg");
    SECJpeg jpeg;
    jpeg.SetQuantizeColours(16);
    EXPECT_FALSE(jpeg.Load(bytes.data(), bytes.size()));
    EXPECT_TRUE(jpeg.IsEmpty());
    // The refusal leaves nothing behind: the same object then decodes in full colour.
    jpeg.SetQuantizeColours(0);
    ASSERT_TRUE(jpeg.Load(bytes.data(), bytes.size()));
    ExpectQuadrants(jpeg, 24);
}

TEST(SmallJpeg, DamagedPicturesFailThoughTheMessagesAreEmpty) {
    const std::vector<std::uint8_t> good = ReadPicture("quadrants_progressive_420.jpg");
    ASSERT_GT(good.size(), 100u);
    SECDib image;
    // A JFIF header followed by noise.
    std::vector<std::uint8_t> noise(good.begin(), good.begin() + 20);
    for (int i = 0; i < 200; ++i)
        noise.push_back(static_cast<std::uint8_t>(i * 37 + 11));
    EXPECT_FALSE(vl::DecodeJpeg(noise.data(), noise.size(), image));
    EXPECT_TRUE(image.IsEmpty());
    // Cut inside the tables: no frame at all.
    EXPECT_FALSE(vl::DecodeJpegForDisplay(good.data(), 40, image));
    EXPECT_TRUE(image.IsEmpty());
}

}  // namespace
