// The icon image reader: colours through the palette at every depth, the mask, alpha, PNG
// headers, refusals, and the resource the system is given.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/image/byte_order.h"
#include "engine/image/core/icon_pixels.h"

namespace {

// An icon image of width x height at bits a pixel: 40-byte header (height doubled), palette,
// colour rows and mask rows as given.
std::vector<std::uint8_t> IconData(int width, int height, int bits,
                                   const std::vector<std::uint8_t>& palette,
                                   const std::vector<std::uint8_t>& colour,
                                   const std::vector<std::uint8_t>& mask) {
    std::vector<std::uint8_t> out;
    vl::AppendLe32(out, 40);
    vl::AppendLe32(out, static_cast<std::uint32_t>(width));
    vl::AppendLe32(out, static_cast<std::uint32_t>(2 * height));
    vl::AppendLe16(out, 1);
    vl::AppendLe16(out, static_cast<std::uint32_t>(bits));
    for (int i = 0; i < 6; ++i)
        vl::AppendLe32(out, 0);
    out.insert(out.end(), palette.begin(), palette.end());
    out.insert(out.end(), colour.begin(), colour.end());
    out.insert(out.end(), mask.begin(), mask.end());
    return out;
}

const std::uint8_t* Pixel(const vl::IconPixels& icon, int x, int storedRow) {
    return &icon.bgra[4 * (static_cast<std::size_t>(storedRow) * icon.width + x)];
}

// 2 x 2 at 1 bit: palette black, red. Bottom row: 1 0, top row: 0 1. Mask: top-left clear.
const std::vector<std::uint8_t> kOneBitPalette = {0, 0, 0, 0, 0, 0, 255, 0};
const std::vector<std::uint8_t> kOneBitRows = {0x80, 0, 0, 0, 0x40, 0, 0, 0};
const std::vector<std::uint8_t> kOneBitMask = {0x00, 0, 0, 0, 0x80, 0, 0, 0};

TEST(IconPixels, IndexedImageTakesItsPaletteColoursAndItsMask) {
    const auto data = IconData(2, 2, 1, kOneBitPalette, kOneBitRows, kOneBitMask);
    vl::IconPixels icon;
    ASSERT_TRUE(vl::DecodeIconImage(data.data(), data.size(), icon));
    EXPECT_EQ(icon.width, 2);
    EXPECT_EQ(icon.height, 2);
    EXPECT_FALSE(icon.png);
    EXPECT_FALSE(icon.hasAlpha);
    EXPECT_EQ(Pixel(icon, 0, 0)[2], 255);  // bottom-left red
    EXPECT_EQ(Pixel(icon, 1, 0)[2], 0);
    EXPECT_EQ(Pixel(icon, 1, 1)[2], 255);  // top-right red
    EXPECT_EQ(Pixel(icon, 1, 1)[3], 0);    // no alpha of its own
    EXPECT_EQ(icon.mask, kOneBitMask);
}

TEST(IconPixels, FourAndTwentyFourBitRows) {
    std::vector<std::uint8_t> palette(64, 0);
    palette[4 * 9 + 1] = 200;  // entry 9: green
    const auto four = IconData(3, 1, 4, palette, {0x09, 0x90, 0, 0}, {0, 0, 0, 0});
    vl::IconPixels icon;
    ASSERT_TRUE(vl::DecodeIconImage(four.data(), four.size(), icon));
    EXPECT_EQ(Pixel(icon, 0, 0)[1], 0);
    EXPECT_EQ(Pixel(icon, 1, 0)[1], 200);
    EXPECT_EQ(Pixel(icon, 2, 0)[1], 200);

    const auto deep = IconData(1, 1, 24, {}, {10, 20, 30, 0}, {0, 0, 0, 0});
    ASSERT_TRUE(vl::DecodeIconImage(deep.data(), deep.size(), icon));
    EXPECT_EQ(std::vector<std::uint8_t>(Pixel(icon, 0, 0), Pixel(icon, 0, 0) + 4),
              (std::vector<std::uint8_t>{10, 20, 30, 0}));
}

TEST(IconPixels, ThirtyTwoBitAlphaIsKeptAndTheMaskMayBeMissing) {
    const auto data = IconData(1, 2, 32, {}, {1, 2, 3, 0, 4, 5, 6, 128}, {});
    vl::IconPixels icon;
    ASSERT_TRUE(vl::DecodeIconImage(data.data(), data.size(), icon));
    EXPECT_TRUE(icon.hasAlpha);
    EXPECT_EQ(Pixel(icon, 0, 1)[3], 128);
    EXPECT_EQ(icon.mask, std::vector<std::uint8_t>(8, 0));
    // Without alpha of its own only a full mask would do, and at 24 bits it must be there.
    const auto noMask = IconData(1, 2, 24, {}, {1, 2, 3, 0, 4, 5, 6, 0}, {});
    EXPECT_FALSE(vl::DecodeIconImage(noMask.data(), noMask.size(), icon));
    EXPECT_TRUE(icon.bgra.empty());
}

TEST(IconPixels, DamagedAndHostileImagesAreRefused) {
    vl::IconPixels icon;
    const auto good = IconData(2, 2, 1, kOneBitPalette, kOneBitRows, kOneBitMask);
    auto refused = [&](std::vector<std::uint8_t> data) {
        return !vl::DecodeIconImage(data.data(), data.size(), icon) && icon.bgra.empty();
    };
    EXPECT_TRUE(refused({good.begin(), good.end() - 1}));  // last mask byte missing
    EXPECT_TRUE(refused({good.begin(), good.begin() + 39}));
    auto withField = [&](std::size_t at, std::uint32_t value, std::vector<std::uint8_t> data = {}) {
        if (data.empty())
            data = good;
        for (int i = 0; i < 4; ++i)
            data[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
        return data;
    };
    EXPECT_TRUE(refused(withField(16, 1)));  // compressed
    EXPECT_TRUE(refused(withField(32, 3)));  // three colours at one bit
    EXPECT_TRUE(refused(withField(4, 0)));   // no width
    EXPECT_TRUE(refused(withField(8, 1)));   // no colour row beside the mask
    // 60,000 x 60,000, and 40,000 x 30,000 at 32 bits (over 32 bits of bytes), refused by size.
    EXPECT_TRUE(refused(withField(4, 60000, withField(8, 120000))));
    EXPECT_TRUE(refused(withField(4, 40000, withField(8, 60000, withField(14, 32)))));
    EXPECT_TRUE(refused(withField(4, 0x80000000u)));  // negative width
    EXPECT_TRUE(refused(withField(0, 1000)));         // header longer than the data
    EXPECT_TRUE(refused({}));
}

std::vector<std::uint8_t> PngHeader(std::uint32_t width, std::uint32_t height, int depth,
                                    int colour) {
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A,
                                     0,    0,   0,   13,  'I',  'H',  'D',  'R'};
    for (std::uint32_t value : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8)
            out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
    out.insert(out.end(), {static_cast<std::uint8_t>(depth), static_cast<std::uint8_t>(colour), 0,
                           0, 0, 0, 0, 0, 0});
    return out;
}

TEST(IconPixels, PngImagesHaveTheirHeaderCheckedAndNoPixels) {
    vl::IconPixels icon;
    const auto png = PngHeader(256, 256, 8, 6);
    ASSERT_TRUE(vl::DecodeIconImage(png.data(), png.size(), icon));
    EXPECT_TRUE(icon.png);
    EXPECT_EQ(icon.width, 256);
    EXPECT_TRUE(icon.bgra.empty());
    EXPECT_TRUE(vl::IconResource(icon).empty());
    for (const auto& bad :
         {PngHeader(0, 16, 8, 6), PngHeader(60000, 60000, 8, 6), PngHeader(16, 16, 3, 6),
          PngHeader(16, 16, 16, 3), PngHeader(16, 16, 8, 5)}) {
        EXPECT_FALSE(vl::DecodeIconImage(bad.data(), bad.size(), icon));
    }
    EXPECT_FALSE(vl::DecodeIconImage(png.data(), 28, icon));  // header cut short
}

TEST(IconPixels, ResourceIsA32BitImageThatReadsBackTheSame) {
    const auto data = IconData(2, 2, 1, kOneBitPalette, kOneBitRows, kOneBitMask);
    vl::IconPixels icon;
    ASSERT_TRUE(vl::DecodeIconImage(data.data(), data.size(), icon));
    const std::vector<std::uint8_t> resource = vl::IconResource(icon);
    ASSERT_EQ(resource.size(), 40u + 16u + 8u);
    EXPECT_EQ(vl::ReadLe32(resource.data() + 8), 4u);  // height counts colour and mask rows
    EXPECT_EQ(vl::ReadLe16(resource.data() + 14), 32);
    vl::IconPixels again;
    ASSERT_TRUE(vl::DecodeIconImage(resource.data(), resource.size(), again));
    EXPECT_EQ(again.bgra, icon.bgra);
    EXPECT_EQ(again.mask, icon.mask);
    EXPECT_FALSE(again.hasAlpha);  // so the system keeps going by the mask
}

}  // namespace
