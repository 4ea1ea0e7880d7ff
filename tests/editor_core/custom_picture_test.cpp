#include "editor/core/custom_picture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/image/bmp_format.h"
#include "engine/image/sec_dib.h"

namespace vl {
namespace {

// A picture whose every pixel tells where it is: index (x + 3 y) mod 251 + 1, so never 0.
SECDib Numbered(int width, int height, int bits = 8) {
    SECDib image;
    EXPECT_TRUE(image.Create(width, height, bits));
    if (bits != 8)
        return image;
    for (int i = 0; i < 256; ++i)
        image.SetPaletteEntry(i, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                              static_cast<std::uint8_t>(i / 2));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.Row(height - 1 - y)[x] = static_cast<std::uint8_t>((x + 3 * y) % 251 + 1);
    return image;
}

int Expected(int x, int y) {
    return (x + 3 * y) % 251 + 1;
}

// The pixel at (x, y) from the top left of the 96 x 112 file.
int PixelOf(const std::vector<std::uint8_t>& file, int x, int y) {
    return file[14 + 40 + 1024 + 96 * (111 - y) + x];
}

std::uint32_t Le32(const std::vector<std::uint8_t>& file, std::size_t at) {
    return file[at] | file[at + 1] << 8 | file[at + 2] << 16 |
           static_cast<std::uint32_t>(file[at + 3]) << 24;
}

TEST(CustomPicture, TheFileIsAlwaysA96By112EightBitBitmapOf11830Bytes) {
    for (const auto& size : {std::pair{96, 112}, std::pair{128, 128}, std::pair{50, 40}}) {
        const CustomPicture made = MakeCustomPicture(Numbered(size.first, size.second));
        ASSERT_TRUE(made.accepted);
        ASSERT_EQ(made.file.size(), 11830u);
        EXPECT_EQ(made.file[0], 'B');
        EXPECT_EQ(made.file[1], 'M');
        EXPECT_EQ(Le32(made.file, 2), 11830u);             // file size
        EXPECT_EQ(Le32(made.file, 10), 1078u);             // pixels after 14 + 40 + 1024
        EXPECT_EQ(Le32(made.file, 14), 40u);               // header size
        EXPECT_EQ(Le32(made.file, 18), 96u);               // width
        EXPECT_EQ(Le32(made.file, 22), 112u);              // height, bottom-up
        EXPECT_EQ(made.file[26] | made.file[27] << 8, 1);  // planes
        EXPECT_EQ(made.file[28] | made.file[29] << 8, 8);  // bits a pixel
        EXPECT_EQ(Le32(made.file, 30), 0u);                // uncompressed
        EXPECT_EQ(Le32(made.file, 46), 256u);              // colours used
        // The palette comes along unchanged: entry 200 is red 200, green 55, blue 100.
        EXPECT_EQ(made.file[54 + 4 * 200], 100);
        EXPECT_EQ(made.file[54 + 4 * 200 + 1], 55);
        EXPECT_EQ(made.file[54 + 4 * 200 + 2], 200);
    }
}

TEST(CustomPicture, APictureOfTheRightSizeIsKeptAsItIsWithoutAMessage) {
    const CustomPicture made = MakeCustomPicture(Numbered(96, 112));
    ASSERT_TRUE(made.accepted);
    EXPECT_FALSE(made.resized);
    for (int y : {0, 57, 111})
        for (int x : {0, 40, 95})
            EXPECT_EQ(PixelOf(made.file, x, y), Expected(x, y)) << x << "," << y;
}

TEST(CustomPicture, ALargerPictureKeepsItsTopLeftPart) {
    const CustomPicture made = MakeCustomPicture(Numbered(128, 128));
    ASSERT_TRUE(made.accepted);
    EXPECT_TRUE(made.resized);
    EXPECT_EQ(PixelOf(made.file, 0, 0), Expected(0, 0));
    EXPECT_EQ(PixelOf(made.file, 95, 0), Expected(95, 0));
    EXPECT_EQ(PixelOf(made.file, 0, 111), Expected(0, 111));
    EXPECT_EQ(PixelOf(made.file, 95, 111), Expected(95, 111));
}

TEST(CustomPicture, OneSideTooLargeIsCroppedAndTheOtherPadded) {
    const CustomPicture made = MakeCustomPicture(Numbered(200, 30));
    ASSERT_TRUE(made.accepted);
    EXPECT_TRUE(made.resized);
    EXPECT_EQ(PixelOf(made.file, 95, 29), Expected(95, 29));
    EXPECT_EQ(PixelOf(made.file, 95, 30), 0);
}

TEST(CustomPicture, ASmallerPictureSitsTopLeftOnThePalettesFirstColour) {
    const CustomPicture made = MakeCustomPicture(Numbered(50, 40));
    ASSERT_TRUE(made.accepted);
    EXPECT_TRUE(made.resized);
    EXPECT_EQ(PixelOf(made.file, 0, 0), Expected(0, 0));
    EXPECT_EQ(PixelOf(made.file, 49, 39), Expected(49, 39));
    EXPECT_EQ(PixelOf(made.file, 50, 0), 0);
    EXPECT_EQ(PixelOf(made.file, 0, 40), 0);
    EXPECT_EQ(PixelOf(made.file, 95, 111), 0);
}

TEST(CustomPicture, OnlyEightBitPicturesAreAccepted) {
    for (int bits : {1, 4, 16, 24, 32}) {
        const CustomPicture made = MakeCustomPicture(Numbered(96, 112, bits));
        EXPECT_FALSE(made.accepted) << bits;
        EXPECT_TRUE(made.file.empty());
    }
    EXPECT_FALSE(MakeCustomPicture(SECDib()).accepted);
}

TEST(CustomPicture, TheFileReadsBackAsTheSamePicture) {
    const CustomPicture made = MakeCustomPicture(Numbered(128, 128));
    SECDib back;
    ASSERT_TRUE(DecodeBmp(made.file.data(), made.file.size(), back));
    EXPECT_EQ(back.Width(), 96);
    EXPECT_EQ(back.Height(), 112);
    EXPECT_EQ(back.BitsPerPixel(), 8);
    EXPECT_EQ(back.Row(111)[10], Expected(10, 0));
}

}  // namespace
}  // namespace vl
