#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "engine/image/bmp_format.h"
#include "tests/image/bmp_vectors.h"
#include "engine/image/sec_dib.h"

namespace {

std::vector<std::uint8_t> Pixel(const SECImage& image, int x, int storedRow) {
    std::vector<std::uint8_t> bgr(3 * image.Width());
    image.RowAsBgr(storedRow, bgr.data());
    return {bgr[3 * x], bgr[3 * x + 1], bgr[3 * x + 2]};
}

const std::vector<std::uint8_t> kRed = {0x00, 0x00, 0xFF};
const std::vector<std::uint8_t> kGreen = {0x00, 0xFF, 0x00};
const std::vector<std::uint8_t> kBlue = {0xFF, 0x00, 0x00};
const std::vector<std::uint8_t> kWhite = {0xFF, 0xFF, 0xFF};
const std::vector<std::uint8_t> kBlack = {0x00, 0x00, 0x00};

SECDib Load(const std::vector<std::uint8_t>& bytes) {
    SECDib dib;
    EXPECT_TRUE(dib.Load(bytes.data(), bytes.size()));
    return dib;
}

void ExpectUprightColourPicture(const SECDib& dib) {
    ASSERT_EQ(dib.Width(), 2);
    ASSERT_EQ(dib.Height(), 2);
    EXPECT_EQ(dib.BitsPerPixel(), 24);
    EXPECT_EQ(Pixel(dib, 0, 1), kRed);
    EXPECT_EQ(Pixel(dib, 1, 1), kWhite);
    EXPECT_EQ(Pixel(dib, 0, 0), kBlue);
    EXPECT_EQ(Pixel(dib, 1, 0), kGreen);
}

void ExpectUprightIndexedPicture(const SECDib& dib) {
    ASSERT_EQ(dib.Width(), 3);
    ASSERT_EQ(dib.Height(), 2);
    EXPECT_EQ(dib.BitsPerPixel(), 8);
    EXPECT_EQ(dib.PaletteEntries(), 256);
    const std::uint8_t top[] = {1, 2, 0}, bottom[] = {2, 1, 1};
    EXPECT_EQ(std::memcmp(dib.Row(1), top, 3), 0);
    EXPECT_EQ(std::memcmp(dib.Row(0), bottom, 3), 0);
    EXPECT_EQ(Pixel(dib, 0, 1), kRed);
    EXPECT_EQ(Pixel(dib, 1, 1), kGreen);
    EXPECT_EQ(Pixel(dib, 2, 1), kBlack);
}

TEST(BmpRead, ColourBottomUpAndTopDownComeOutTheSame) {
    ExpectUprightColourPicture(Load(kBmp24BottomUp));
    ExpectUprightColourPicture(Load(kBmp24TopDown));
}

TEST(BmpRead, IndexedBottomUpAndTopDownComeOutTheSameWithTheirPalette) {
    ExpectUprightIndexedPicture(Load(kBmp8BottomUp));
    ExpectUprightIndexedPicture(Load(kBmp8TopDown));
    // Entries the file does not have stay black.
    const SECDib dib = Load(kBmp8BottomUp);
    for (int i = 3; i < 256; ++i)
        EXPECT_EQ(std::memcmp(dib.Palette() + 4 * i, "\0\0\0\0", 4), 0);
}

TEST(BmpRead, HeaderFieldsAreTakenFromTheirPlaces) {
    vl::BmpHeader header;
    ASSERT_TRUE(vl::ParseBmpHeader(kBmp8TopDown.data(), kBmp8TopDown.size(), header));
    EXPECT_EQ(header.headerSize, 40u);
    EXPECT_EQ(header.width, 3);
    EXPECT_EQ(header.height, -2);
    EXPECT_EQ(header.bitCount, 8);
    EXPECT_EQ(header.compression, vl::kBmpRgb);
    EXPECT_EQ(header.paletteEntries, 3u);
    EXPECT_EQ(header.paletteOffset, 54u);
    EXPECT_EQ(header.bitsOffset, 66u);
}

TEST(BmpRead, OneAndFourBitRows) {
    // 10 x 1 at 1 bit: 1011001110 -> 0xB3 0x80, two palette entries (black, white).
    const std::vector<std::uint8_t> oneBit = {
        0x42, 0x4D, 0x42, 0, 0, 0,    0, 0,    0,    0,    0x3E, 0,    0,    0,    0x28, 0, 0,
        0,    0x0A, 0,    0, 0, 0x01, 0, 0,    0,    0x01, 0,    0x01, 0,    0,    0,    0, 0,
        0x04, 0,    0,    0, 0, 0,    0, 0,    0,    0,    0,    0,    0,    0,    0,    0, 0,
        0,    0,    0,    0, 0, 0,    0, 0xFF, 0xFF, 0xFF, 0,    0xB3, 0x80, 0x00, 0x00};
    const SECDib one = Load(oneBit);
    ASSERT_EQ(one.Width(), 10);
    EXPECT_EQ(one.PaletteEntries(), 2);
    const char* expected = "1011001110";
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(Pixel(one, x, 0), expected[x] == '1' ? kWhite : kBlack) << x;

    // 3 x 1 at 4 bits: indices 2, 0, 1 -> 0x20 0x10; the palette's used count is 0 (all 16).
    std::vector<std::uint8_t> fourBit = {
        0x42, 0x4D, 0x7A, 0, 0,    0, 0, 0, 0,    0, 0x76, 0, 0, 0, 0x28, 0, 0,    0,
        0x03, 0,    0,    0, 0x01, 0, 0, 0, 0x01, 0, 0x04, 0, 0, 0, 0,    0, 0x04, 0,
        0,    0,    0,    0, 0,    0, 0, 0, 0,    0, 0,    0, 0, 0, 0,    0, 0,    0};
    const std::uint8_t palette[16 * 4] = {0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0};
    fourBit.insert(fourBit.end(), palette, palette + sizeof palette);
    fourBit.insert(fourBit.end(), {0x20, 0x10, 0x00, 0x00});
    const SECDib four = Load(fourBit);
    ASSERT_EQ(four.Width(), 3);
    EXPECT_EQ(four.PaletteEntries(), 16);
    EXPECT_EQ(Pixel(four, 0, 0), kRed);
    EXPECT_EQ(Pixel(four, 1, 0), kBlack);
    EXPECT_EQ(Pixel(four, 2, 0), kBlue);
}

TEST(BmpRead, BitFieldsBecomeColourRows) {
    // 2 x 1 at 16 bits, 5-6-5 masks after the 40-byte header, top-down: pure red, pure green.
    const std::vector<std::uint8_t> bytes = {
        0x42, 0x4D, 0x46, 0,    0,    0, 0,    0,    0,    0,    0x42, 0,    0,    0,
        0x28, 0,    0,    0,    0x02, 0, 0,    0,    0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0,
        0x10, 0,    0x03, 0,    0,    0, 0x04, 0,    0,    0,    0,    0,    0,    0,
        0,    0,    0,    0,    0,    0, 0,    0,    0,    0,    0,    0,    0x00, 0xF8,
        0,    0,    0xE0, 0x07, 0,    0, 0x1F, 0x00, 0,    0,  // red, green, blue masks
        0x00, 0xF8, 0xE0, 0x07};
    const SECDib dib = Load(bytes);
    ASSERT_EQ(dib.BitsPerPixel(), 24);
    EXPECT_EQ(Pixel(dib, 0, 0), kRed);
    EXPECT_EQ(Pixel(dib, 1, 0), kGreen);
}

TEST(BmpRead, OldTwelveByteHeaderWithThreeBytePalette) {
    const std::vector<std::uint8_t> bytes = {
        0x42, 0x4D, 0x24, 0,    0, 0,    0, 0,    0, 0, 0x20, 0,    0,    0, 0x0C, 0, 0,
        0,    0x02, 0,    0x01, 0, 0x01, 0, 0x01, 0, 0, 0,    0xFF, 0xFF, 0, 0,  // red, blue
        0x40, 0x00, 0x00, 0x00};                                                 // pixels 0, 1
    const SECDib dib = Load(bytes);
    ASSERT_EQ(dib.Width(), 2);
    EXPECT_EQ(Pixel(dib, 0, 0), kRed);
    EXPECT_EQ(Pixel(dib, 1, 0), kBlue);
}

std::vector<std::uint8_t> RleFile(std::uint32_t compression, std::uint16_t bits, int width,
                                  int height, const std::vector<std::uint8_t>& stream) {
    std::vector<std::uint8_t> bytes = {0x42,
                                       0x4D,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0x3E,
                                       0,
                                       0,
                                       0,
                                       0x28,
                                       0,
                                       0,
                                       0,
                                       static_cast<std::uint8_t>(width),
                                       0,
                                       0,
                                       0,
                                       static_cast<std::uint8_t>(height),
                                       0,
                                       0,
                                       0,
                                       0x01,
                                       0,
                                       static_cast<std::uint8_t>(bits),
                                       0,
                                       static_cast<std::uint8_t>(compression),
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0x02,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0,
                                       0xFF,
                                       0xFF,
                                       0xFF,
                                       0};
    const std::size_t headers = bytes.size();
    bytes.resize(headers + stream.size());
    std::copy(stream.begin(), stream.end(), bytes.begin() + headers);
    return bytes;
}

TEST(BmpRead, RunLengthEncodedRows) {
    // Bottom row: a run of three 1s, a run of one 2; top row: literal 1 0 1, padded to a word.
    const SECDib eight = Load(RleFile(
        vl::kBmpRle8, 8, 4, 2,
        {0x03, 0x01, 0x01, 0x02, 0x00, 0x00, 0x00, 0x03, 0x01, 0x00, 0x01, 0x00, 0x00, 0x01}));
    ASSERT_EQ(eight.BitsPerPixel(), 8);
    const std::uint8_t bottom[] = {1, 1, 1, 2}, top[] = {1, 0, 1, 0};
    EXPECT_EQ(std::memcmp(eight.Row(0), bottom, 4), 0);
    EXPECT_EQ(std::memcmp(eight.Row(1), top, 4), 0);

    // 4 bits: a run of four alternating 1 0 1 0, a move one right and one up, then a literal of
    // three (1 1 0) of which only the first fits in the row.
    const SECDib four =
        Load(RleFile(vl::kBmpRle4, 4, 6, 2,
                     {0x04, 0x10, 0x00, 0x02, 0x01, 0x01, 0x00, 0x03, 0x11, 0x00, 0x00, 0x01}));
    ASSERT_EQ(four.BitsPerPixel(), 4);
    const std::uint8_t fourBottom[] = {0x10, 0x10, 0x00}, fourTop[] = {0x00, 0x00, 0x01};
    EXPECT_EQ(std::memcmp(four.Row(0), fourBottom, 3), 0);
    EXPECT_EQ(std::memcmp(four.Row(1), fourTop, 3), 0);

    // Runs past the right edge and past the top are dropped, not written out of bounds.
    const SECDib clipped =
        Load(RleFile(vl::kBmpRle8, 8, 2, 1, {0xFF, 0x01, 0x00, 0x02, 0x00, 0x09, 0x05, 0x01}));
    EXPECT_EQ(clipped.Row(0)[0], 1);
    EXPECT_EQ(clipped.Row(0)[1], 1);
}

TEST(BmpRead, MalformedFilesAreRefused) {
    auto refused = [](std::vector<std::uint8_t> bytes) {
        SECDib dib;
        const bool loaded = dib.Load(bytes.data(), bytes.size());
        return !loaded && dib.IsEmpty();
    };
    std::vector<std::uint8_t> bytes = kBmp24BottomUp;
    EXPECT_TRUE(refused({bytes.begin(), bytes.end() - 1}));     // last row cut short
    EXPECT_TRUE(refused({bytes.begin(), bytes.begin() + 30}));  // header cut short
    bytes = kBmp24BottomUp;
    bytes[0] = 'B', bytes[1] = 'A';
    EXPECT_TRUE(refused(bytes));
    bytes = kBmp24BottomUp;
    bytes[10] = 0xF0;  // pixels beyond the end
    EXPECT_TRUE(refused(bytes));
    bytes = kBmp24BottomUp;
    bytes[10] = 0x20;  // pixels inside the header
    EXPECT_TRUE(refused(bytes));
    bytes = kBmp24BottomUp;
    bytes[18] = 0;  // width 0
    EXPECT_TRUE(refused(bytes));
    bytes = kBmp24BottomUp;
    bytes[22] = 0, bytes[23] = 0, bytes[24] = 0, bytes[25] = 0x80;  // height INT_MIN
    EXPECT_TRUE(refused(bytes));
    bytes = kBmp24BottomUp;
    bytes[28] = 7;  // no such depth
    EXPECT_TRUE(refused(bytes));
    bytes = kBmp24BottomUp;
    bytes[30] = 4;  // JPEG inside a BMP
    EXPECT_TRUE(refused(bytes));
    bytes = kBmp24BottomUp;
    bytes[14] = 20;  // header size between the known forms
    EXPECT_TRUE(refused(bytes));
    // A top-down compressed picture does not exist.
    std::vector<std::uint8_t> rle = RleFile(vl::kBmpRle8, 8, 2, 1, {0x02, 0x01, 0x00, 0x01});
    rle[22] = 0xFF, rle[23] = 0xFF, rle[24] = 0xFF, rle[25] = 0xFF;
    EXPECT_TRUE(refused(rle));
    // Sizes whose pixels would not fit in memory are refused before anything is allocated.
    bytes = kBmp24BottomUp;
    bytes[18] = 0xFF, bytes[19] = 0xFF, bytes[20] = 0xFF, bytes[21] = 0x7F;
    bytes[22] = 0xFF, bytes[23] = 0xFF, bytes[24] = 0xFF, bytes[25] = 0x7F;
    EXPECT_TRUE(refused(bytes));
}

TEST(BmpWrite, ColourPictureMatchesTheFileLayoutByteForByte) {
    SECDib dib;
    ASSERT_TRUE(dib.Create(2, 2, 24));
    std::memcpy(dib.Row(0), "\xFF\x00\x00\x00\xFF\x00", 6);
    std::memcpy(dib.Row(1), "\x00\x00\xFF\xFF\xFF\xFF", 6);
    std::vector<std::uint8_t> out;
    ASSERT_TRUE(dib.Save(out));
    EXPECT_EQ(out, kBmp24BottomUp);
    EXPECT_EQ(dib.Serialize(), kBmp24BottomUp);
}

TEST(BmpWrite, IndexedPictureWritesAllItsPaletteEntries) {
    SECDib dib;
    ASSERT_TRUE(dib.Create(3, 2, 8));
    dib.SetPaletteEntry(1, 0xFF, 0x00, 0x00);
    dib.SetPaletteEntry(2, 0x00, 0xFF, 0x00);
    std::memcpy(dib.Row(0), "\x02\x01\x01", 3);
    std::memcpy(dib.Row(1), "\x01\x02\x00", 3);
    std::vector<std::uint8_t> expected = {
        0x42, 0x4D, 0x3E, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x36, 0x04, 0x00, 0x00,
        0x28, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00,
        0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
    std::vector<std::uint8_t> palette(256 * 4, 0);
    palette[4 + 2] = 0xFF;  // entry 1: red
    palette[8 + 1] = 0xFF;  // entry 2: green
    expected.insert(expected.end(), palette.begin(), palette.end());
    expected.insert(expected.end(), {0x02, 0x01, 0x01, 0x00, 0x01, 0x02, 0x00, 0x00});
    EXPECT_EQ(dib.Serialize(), expected);

    // And it reads back as the same picture.
    const SECDib back = Load(expected);
    ExpectUprightIndexedPicture(back);
}

TEST(BmpWrite, TopDownFileIsWrittenBackBottomUp) {
    EXPECT_EQ(Load(kBmp24TopDown).Serialize(), kBmp24BottomUp);
}

TEST(SecImage, CreateSizesRowsAndPalettePerDepth) {
    SECDib dib;
    EXPECT_FALSE(dib.Create(0, 5, 24));
    EXPECT_FALSE(dib.Create(5, 5, 12));
    ASSERT_TRUE(dib.Create(5, 3, 1));
    EXPECT_EQ(dib.RowBytes(), 4u);
    EXPECT_EQ(dib.PaletteEntries(), 2);
    ASSERT_TRUE(dib.Create(9, 3, 4));
    EXPECT_EQ(dib.RowBytes(), 8u);
    EXPECT_EQ(dib.PaletteEntries(), 16);
    ASSERT_TRUE(dib.Create(5, 3, 24));
    EXPECT_EQ(dib.RowBytes(), 16u);
    EXPECT_EQ(dib.BitsSize(), 48u);
    EXPECT_EQ(dib.PaletteEntries(), 0);
    ASSERT_TRUE(dib.Create(3, 1, 16));
    EXPECT_EQ(dib.RowBytes(), 8u);
}

TEST(SecImage, CopyTakesPixelsAndPaletteButNotQuality) {
    const SECDib source = Load(kBmp8BottomUp);
    SECDib copy;
    copy.SetQuality(100);
    copy.CopyImage(source);
    EXPECT_EQ(copy.Quality(), 100);
    ExpectUprightIndexedPicture(copy);
}

TEST(SecImage, SixteenBitRowsReadAsFiveBitsAChannel) {
    SECDib dib;
    ASSERT_TRUE(dib.Create(2, 1, 16));
    dib.Row(0)[0] = 0x00, dib.Row(0)[1] = 0x7C;  // red
    dib.Row(0)[2] = 0x10, dib.Row(0)[3] = 0x42;  // 16 of 31 in every channel
    EXPECT_EQ(Pixel(dib, 0, 0), kRed);
    EXPECT_EQ(Pixel(dib, 1, 0), (std::vector<std::uint8_t>{0x84, 0x84, 0x84}));
}

}  // namespace
