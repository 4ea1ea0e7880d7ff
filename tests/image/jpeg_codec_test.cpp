#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "tests/image/image_test_data.h"
#include "engine/image/jpeg_codec.h"
#include "scene/byte_block.h"
#include "scene/portable_preparer.h"
#include "engine/image/sec_dib.h"
#include "engine/image/sec_jpeg.h"

namespace {

// colour.jpg: 16 x 32, the top half red, the bottom half blue. grey.jpg: 16 x 32 greyscale,
// grey 200 above, grey 50 below. Both made with ImageMagick at quality 95.
void ExpectNear(const std::uint8_t* bgr, int blue, int green, int red) {
    EXPECT_NEAR(bgr[0], blue, 8);
    EXPECT_NEAR(bgr[1], green, 8);
    EXPECT_NEAR(bgr[2], red, 8);
}

void ExpectRedOverBlue(const SECImage& image) {
    ASSERT_EQ(image.Width(), 16);
    ASSERT_EQ(image.Height(), 32);
    ASSERT_EQ(image.BitsPerPixel(), 24);
    ExpectNear(image.Row(31), 0, 0, 255);       // top-left
    ExpectNear(image.Row(31) + 45, 0, 0, 255);  // top-right
    ExpectNear(image.Row(0), 255, 0, 0);        // bottom-left
}

TEST(JpegDecode, ColourPictureComesOutUprightInBlueGreenRedOrder) {
    const std::vector<std::uint8_t> bytes = ReadTestData("colour.jpg");
    ASSERT_GT(bytes.size(), 4u);
    SECJpeg jpeg;
    ASSERT_TRUE(jpeg.Load(bytes.data(), bytes.size()));
    ExpectRedOverBlue(jpeg);
}

TEST(JpegDecode, GreyPictureIsExpandedToEqualBlueGreenRed) {
    const std::vector<std::uint8_t> bytes = ReadTestData("grey.jpg");
    SECJpeg jpeg;
    ASSERT_TRUE(jpeg.Load(bytes.data(), bytes.size()));
    ASSERT_EQ(jpeg.BitsPerPixel(), 24);
    ASSERT_EQ(jpeg.Height(), 32);
    for (int y = 0; y < jpeg.Height(); ++y) {
        const std::uint8_t* row = jpeg.Row(y);
        for (int x = 0; x < jpeg.Width(); ++x) {
            ASSERT_EQ(row[3 * x], row[3 * x + 1]);
            ASSERT_EQ(row[3 * x], row[3 * x + 2]);
        }
    }
    EXPECT_NEAR(jpeg.Row(31)[0], 200, 6);
    EXPECT_NEAR(jpeg.Row(0)[0], 50, 6);
}

TEST(JpegDecode, DisplayLayoutHasTheSamePixelsInFourBytes) {
    const std::vector<std::uint8_t> bytes = ReadTestData("grey.jpg");
    SECDib threeBytes, fourBytes;
    ASSERT_TRUE(vl::DecodeJpeg(bytes.data(), bytes.size(), threeBytes));
    ASSERT_TRUE(vl::DecodeJpegForDisplay(bytes.data(), bytes.size(), fourBytes));
    ASSERT_EQ(fourBytes.BitsPerPixel(), 32);
    ASSERT_EQ(fourBytes.Height(), threeBytes.Height());
    for (int y = 0; y < fourBytes.Height(); ++y) {
        for (int x = 0; x < fourBytes.Width(); ++x) {
            ASSERT_EQ(std::memcmp(fourBytes.Row(y) + 4 * x, threeBytes.Row(y) + 3 * x, 3), 0);
        }
    }
}

TEST(JpegDecode, ExifAndBareJpegsDecodeLikeTheJfifOne) {
    const std::vector<std::uint8_t> jfif = ReadTestData("colour.jpg");
    SECJpeg reference;
    ASSERT_TRUE(reference.Load(jfif.data(), jfif.size()));
    for (const std::vector<std::uint8_t>& bytes :
         {WithExifInsteadOfJfif(jfif), WithoutJfif(jfif)}) {
        EXPECT_EQ(vl::DetectPictureFormat(vl::ByteBlock::Copy(bytes.data(), bytes.size())),
                  vl::PictureFormat::kJpeg);
        SECJpeg jpeg;
        ASSERT_TRUE(jpeg.Load(bytes.data(), bytes.size()));
        ASSERT_EQ(jpeg.BitsSize(), reference.BitsSize());
        EXPECT_EQ(std::memcmp(jpeg.Bits(), reference.Bits(), jpeg.BitsSize()), 0);
    }
    EXPECT_EQ(WithExifInsteadOfJfif(jfif)[3], 0xE1);
}

TEST(JpegDecode, ColourMapBecomesThePalette) {
    const std::vector<std::uint8_t> colour = ReadTestData("colour.jpg");
    SECJpeg jpeg;
    jpeg.SetQuantizeColours(16);
    ASSERT_TRUE(jpeg.Load(colour.data(), colour.size()));
    ASSERT_EQ(jpeg.BitsPerPixel(), 8);
    ExpectNear(jpeg.Palette() + 4 * jpeg.Row(31)[0], 0, 0, 255);
    ExpectNear(jpeg.Palette() + 4 * jpeg.Row(0)[0], 255, 0, 0);

    const std::vector<std::uint8_t> grey = ReadTestData("grey.jpg");
    ASSERT_TRUE(jpeg.Load(grey.data(), grey.size()));
    ASSERT_EQ(jpeg.BitsPerPixel(), 8);
    const std::uint8_t* top = jpeg.Palette() + 4 * jpeg.Row(31)[0];
    EXPECT_EQ(top[0], top[1]);
    EXPECT_EQ(top[0], top[2]);
    EXPECT_NEAR(top[0], 200, 20);
}

TEST(JpegDecode, DamagedPicturesFailWithoutLeavingAnImage) {
    const std::vector<std::uint8_t> good = ReadTestData("colour.jpg");
    auto fails = [](const std::vector<std::uint8_t>& bytes) {
        SECJpeg jpeg;
        const bool loaded = jpeg.Load(bytes.data(), bytes.size());
        return !loaded && jpeg.IsEmpty();
    };
    // A JFIF header followed by noise.
    std::vector<std::uint8_t> noise = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0};
    for (int i = 0; i < 200; ++i)
        noise.push_back(static_cast<std::uint8_t>(i * 37 + 11));
    EXPECT_TRUE(fails(noise));
    // Cut before the frame header: no picture at all.
    EXPECT_TRUE(fails({good.begin(), good.begin() + 20}));
    // Only the start-of-image marker.
    EXPECT_TRUE(fails({0xFF, 0xD8, 0xFF}));
    // A frame header claiming 12-bit samples, which this decoder does not read.
    std::vector<std::uint8_t> twelveBit = good;
    for (std::size_t i = 2; i + 4 < twelveBit.size(); ++i) {
        if (twelveBit[i] == 0xFF && twelveBit[i + 1] == 0xC0) {
            twelveBit[i + 4] = 12;
            break;
        }
    }
    EXPECT_TRUE(fails(twelveBit));
    // After a failure the same object decodes a good picture.
    SECJpeg jpeg;
    EXPECT_FALSE(jpeg.Load(noise.data(), noise.size()));
    ASSERT_TRUE(jpeg.Load(good.data(), good.size()));
    ExpectRedOverBlue(jpeg);
}

TEST(JpegDecode, OutOfRangeColourCountIsRefused) {
    const std::vector<std::uint8_t> bytes = ReadTestData("colour.jpg");
    SECDib image;
    EXPECT_FALSE(vl::DecodeJpeg(bytes.data(), bytes.size(), image, 1));
    EXPECT_FALSE(vl::DecodeJpeg(bytes.data(), bytes.size(), image, 257));
    EXPECT_FALSE(vl::DecodeJpeg(nullptr, 10, image));
}

TEST(JpegEncode, WrittenPictureReadsBackUprightAtEveryDepth) {
    // 24 bits: red over blue, as in the test file.
    SECDib colour;
    ASSERT_TRUE(colour.Create(16, 32, 24));
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 16; ++x) {
            std::uint8_t* pixel = colour.Row(y) + 3 * x;
            pixel[0] = y < 16 ? 255 : 0;
            pixel[2] = y < 16 ? 0 : 255;
        }
    }
    // 8 bits with a palette, and 1 bit: the same picture through their palettes.
    SECDib indexed;
    ASSERT_TRUE(indexed.Create(16, 32, 8));
    indexed.SetPaletteEntry(1, 255, 0, 0);
    indexed.SetPaletteEntry(2, 0, 0, 255);
    SECDib mono;
    ASSERT_TRUE(mono.Create(16, 32, 1));
    mono.SetPaletteEntry(0, 0, 0, 255);
    mono.SetPaletteEntry(1, 255, 0, 0);
    for (int y = 0; y < 32; ++y) {
        std::memset(indexed.Row(y), y < 16 ? 2 : 1, 16);
        std::memset(mono.Row(y), y < 16 ? 0x00 : 0xFF, 2);
    }
    for (const SECImage* image :
         {static_cast<const SECImage*>(&colour), static_cast<const SECImage*>(&indexed),
          static_cast<const SECImage*>(&mono)}) {
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(vl::EncodeJpeg(*image, 100, bytes));
        ASSERT_GE(bytes.size(), 4u);
        EXPECT_EQ(vl::DetectPictureFormat(vl::ByteBlock::Copy(bytes.data(), bytes.size())),
                  vl::PictureFormat::kJpeg);
        SECJpeg back;
        ASSERT_TRUE(back.Load(bytes.data(), bytes.size()));
        ExpectRedOverBlue(back);
    }
}

TEST(JpegEncode, QualityChangesTheSizeAndEmptyImagesAreRefused) {
    SECDib image;
    ASSERT_TRUE(image.Create(64, 64, 24));
    for (std::size_t i = 0; i < image.BitsSize(); ++i)
        image.Bits()[i] = static_cast<std::uint8_t>((i * 7919) >> 3);
    std::vector<std::uint8_t> low, high;
    ASSERT_TRUE(vl::EncodeJpeg(image, 10, low));
    ASSERT_TRUE(vl::EncodeJpeg(image, 100, high));
    EXPECT_LT(low.size(), high.size());

    SECJpeg jpeg;
    jpeg.CopyImage(image);
    jpeg.SetQuality(100);
    std::vector<std::uint8_t> saved;
    ASSERT_TRUE(jpeg.Save(saved));
    EXPECT_EQ(saved, high);

    SECDib empty;
    EXPECT_FALSE(vl::EncodeJpeg(empty, 75, low));
    EXPECT_TRUE(low.empty());
}

TEST(SecImage, LoadsFromAFileAndFailsOnAMissingOne) {
    SECJpeg jpeg;
    ASSERT_TRUE(jpeg.Load(TestDataPath("colour.jpg")));
    ExpectRedOverBlue(jpeg);
    EXPECT_FALSE(jpeg.Load(TestDataPath("no such picture.jpg")));
    EXPECT_TRUE(jpeg.IsEmpty());
}

}  // namespace
