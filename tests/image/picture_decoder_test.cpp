// The one decoder: which image of an icon or cursor it takes, the picture limits at their edges,
// the JPEG kinds it refuses on every platform, and the check that the command-line tool runs.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/image/bmp_format.h"
#include "engine/image/byte_order.h"
#include "engine/image/core/decoding_preparer.h"
#include "engine/image/core/picture_decoder.h"
#include "engine/image/core/picture_limits.h"
#include "engine/image/jpeg_codec.h"
#include "engine/image/sec_dib.h"
#include "engine/image/sec_file_system.h"
#include "scene/byte_stream.h"
#include "scene/messages.h"
#include "scene/portable_preparer.h"
#include "tests/image/bmp_vectors.h"

namespace {

std::vector<std::uint8_t> Corpus(const std::string& target, const std::string& name) {
    std::vector<std::uint8_t> bytes;
    SECFileSystem::ReadFileBytes(std::string(VL_FUZZ_CORPUS) + "/" + target + "/" + name, bytes);
    return bytes;
}

vl::ByteBlock Block(const std::vector<std::uint8_t>& bytes) {
    return vl::ByteBlock::Copy(bytes.data(), bytes.size());
}

TEST(PictureDecoder, IconImageIsChosenForTheRequestedSizeAndDisplay) {
    const vl::ByteBlock icon = Block(Corpus("icon_reader", "every-depth.ico"));
    vl::DecodedPicture picture;
    ASSERT_TRUE(vl::DecodePicture(icon, vl::IconRequest(), picture));
    EXPECT_EQ(picture.format, vl::PictureFormat::kIcon);
    EXPECT_EQ(picture.chosen.bitCount, 32);
    for (int bits : {8, 4, 1}) {
        vl::IconRequest request;
        request.displayBits = bits;
        ASSERT_TRUE(vl::DecodePicture(icon, request, picture));
        EXPECT_EQ(picture.chosen.bitCount, bits);
        EXPECT_EQ(picture.icon.width, 32);
    }
}

TEST(PictureDecoder, CursorKeepsItsHotspotAndIsJudgedAtTheCursorSize) {
    const vl::ByteBlock cursor = Block(Corpus("icon_reader", "8bit.cur"));
    vl::IconRequest request;
    request.iconWidth = request.iconHeight = 16;
    vl::DecodedPicture picture;
    ASSERT_TRUE(vl::DecodePicture(cursor, request, picture));
    EXPECT_EQ(picture.format, vl::PictureFormat::kCursor);
    EXPECT_EQ(picture.chosen.hotspotX, 3);
    EXPECT_EQ(picture.chosen.hotspotY, 5);
    EXPECT_EQ(picture.icon.height, 32);
}

TEST(PictureLimits, AreaAndSidesAtTheirEdges) {
    EXPECT_TRUE(vl::PictureSizeAllowed(8192, 8192));
    EXPECT_TRUE(vl::PictureSizeAllowed(65535, 1024));
    EXPECT_FALSE(vl::PictureSizeAllowed(8192, 8193));
    EXPECT_FALSE(vl::PictureSizeAllowed(65536, 1));
    EXPECT_FALSE(vl::PictureSizeAllowed(60000, 60000));
    EXPECT_FALSE(vl::PictureSizeAllowed(0, 10));
    // Four bytes a pixel, the widest form kept, stays within the stated bound.
    EXPECT_EQ(vl::kMaxPicturePixels * 4, vl::kMaxPictureBytes);
}

// A 1-bit BMP of width x height with every row present (all zero), so only the size decides.
std::vector<std::uint8_t> OneBitBmp(int width, int height) {
    std::vector<std::uint8_t> bmp(kBmp8BottomUp.begin(), kBmp8BottomUp.begin() + 54);
    const std::size_t rows = SECImage::RowBytesFor(width, 1) * height;
    bmp[10] = 54 + 8;  // pixels after two palette entries
    bmp[28] = 1;       // bits a pixel
    bmp[46] = 0;       // colours used: all
    for (int i = 0; i < 4; ++i) {
        bmp[18 + i] = static_cast<std::uint8_t>(width >> (8 * i));
        bmp[22 + i] = static_cast<std::uint8_t>(height >> (8 * i));
    }
    bmp.resize(54 + 8 + rows, 0);
    return bmp;
}

TEST(PictureLimits, BitmapIsRefusedByItsClaimedSizeNotByItsData) {
    vl::DecodedPicture picture;
    ASSERT_TRUE(vl::DecodePicture(Block(OneBitBmp(8192, 8192)), vl::IconRequest(), picture));
    EXPECT_EQ(picture.image.Height(), 8192);
    EXPECT_FALSE(vl::DecodePicture(Block(OneBitBmp(8192, 8193)), vl::IconRequest(), picture));
    EXPECT_TRUE(picture.image.IsEmpty());
    vl::BmpHeader header;
    const auto hostile = Corpus("bmp_reader", "hostile-60000x60000.bmp");
    EXPECT_FALSE(vl::ParseBmpHeader(hostile.data(), hostile.size(), header));
}

// The frame header of a JPEG with its height and width replaced.
std::vector<std::uint8_t> WithJpegSize(std::vector<std::uint8_t> jpeg, int width, int height) {
    for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            jpeg[i + 5] = static_cast<std::uint8_t>(height >> 8);
            jpeg[i + 6] = static_cast<std::uint8_t>(height);
            jpeg[i + 7] = static_cast<std::uint8_t>(width >> 8);
            jpeg[i + 8] = static_cast<std::uint8_t>(width);
            break;
        }
    }
    return jpeg;
}

TEST(PictureDecoder, JpegsTheScreenSaverCannotReadAreRefusedEverywhere) {
    vl::DecodedPicture picture;
    const auto good = Corpus("jpeg_decode", "libjpeg-testorig.jpg");
    ASSERT_TRUE(vl::DecodePicture(Block(good), vl::IconRequest(), picture));
    EXPECT_EQ(picture.image.BitsPerPixel(), 32);
    for (const char* name : {"libjpeg-testimgari.jpg", "libjpeg-testorig12.jpg"}) {
        EXPECT_FALSE(
            vl::DecodePicture(Block(Corpus("jpeg_decode", name)), vl::IconRequest(), picture))
            << name;
    }
    EXPECT_FALSE(
        vl::DecodePicture(Block(WithJpegSize(good, 8193, 8192)), vl::IconRequest(), picture));
    EXPECT_FALSE(
        vl::DecodePicture(Block(WithJpegSize(good, 65000, 65000)), vl::IconRequest(), picture));
}

vl::Validation Check(const std::string& fileName, const std::vector<std::uint8_t>& bytes) {
    vl::ImageEntry image;
    image.fileName = fileName;
    image.data = Block(bytes);
    vl::DecodingPreparer preparer;
    return preparer.PrepareImage(image);
}

TEST(DecodingPreparer, PicturesAreDecodedWholeTextsJudgedAsBefore) {
    EXPECT_TRUE(Check("a.bmp", kBmp24BottomUp).ok);
    EXPECT_TRUE(Check("a.ico", Corpus("icon_reader", "4bit.ico")).ok);
    // First bytes that look right no longer pass on their own.
    const std::vector<std::uint8_t> cut(kBmp24BottomUp.begin(), kBmp24BottomUp.end() - 4);
    EXPECT_EQ(Check("cut.bmp", cut).message,
              std::string("cut.bmp") + vl::msg::kCannotBeLoadedSuffix);
    EXPECT_EQ(Check("a.jpg", Corpus("jpeg_decode", "libjpeg-testimgari.jpg")).message,
              std::string("a.jpg") + vl::msg::kCannotBeLoadedSuffix);
    EXPECT_EQ(Check("c.ico", Corpus("icon_reader", "cut-24bit.ico")).message,
              std::string("c.ico") + vl::msg::kCannotBeLoadedSuffix);
    EXPECT_EQ(Check("none.bmp", {}).message, vl::msg::kChooseImage);

    vl::ImageEntry text;
    text.isText = 1;
    text.text = "\n";
    vl::DecodingPreparer preparer;
    EXPECT_EQ(preparer.PrepareImage(text).message, std::string("\n") + vl::msg::kTextBitmapSuffix);
    text.text = "Hello";
    EXPECT_TRUE(preparer.PrepareImage(text).ok);
}

}  // namespace

namespace {

// A small textured colour JPEG, as an encoder writes it: one scan after its tables.
std::vector<std::uint8_t> SmallJpeg() {
    SECDib image;
    image.Create(40, 24, 24);
    for (int row = 0; row < 24; ++row) {
        std::uint8_t* pixel = image.Row(row);
        for (int x = 0; x < 40; ++x, pixel += 3) {
            pixel[0] = static_cast<std::uint8_t>(x * 6);
            pixel[1] = static_cast<std::uint8_t>(row * 10);
            pixel[2] = static_cast<std::uint8_t>((x ^ row) * 5);
        }
    }
    std::vector<std::uint8_t> jpeg;
    vl::EncodeJpeg(image, 90, jpeg);
    return jpeg;
}

std::size_t StartOfScan(const std::vector<std::uint8_t>& jpeg) {
    for (std::size_t i = 2; i + 1 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA)
            return i;
    }
    return 0;
}

TEST(PictureHeaderAccepted, AJpegIsJudgedByItsHeaderAndEveryOtherPictureWhole) {
    const std::vector<std::uint8_t> jpeg = SmallJpeg();
    const std::size_t scan = StartOfScan(jpeg);
    ASSERT_GT(scan, 0u);
    vl::DecodedPicture picture;
    EXPECT_TRUE(vl::PictureHeaderAccepted(Block(jpeg), vl::IconRequest()));
    EXPECT_TRUE(vl::DecodePicture(Block(jpeg), vl::IconRequest(), picture));

    // The scan names Huffman tables that do not exist: the header reads, the pixels do not.
    std::vector<std::uint8_t> badTables = jpeg;
    badTables[scan + 6] = 0x55;  // FF DA, length, count, first component, its table selectors
    EXPECT_TRUE(vl::PictureHeaderAccepted(Block(badTables), vl::IconRequest()));
    EXPECT_FALSE(vl::DecodePicture(Block(badTables), vl::IconRequest(), picture));

    // Cut before the scan: the header itself is incomplete.
    const std::vector<std::uint8_t> cut(jpeg.begin(), jpeg.begin() + static_cast<long>(scan));
    EXPECT_FALSE(vl::PictureHeaderAccepted(Block(cut), vl::IconRequest()));

    // A bitmap is decoded whole: a valid header over missing rows is refused.
    const std::vector<std::uint8_t>& bmp = kBmp24BottomUp;
    EXPECT_TRUE(vl::PictureHeaderAccepted(Block(bmp), vl::IconRequest()));
    const std::vector<std::uint8_t> shortBmp(bmp.begin(), bmp.end() - 4);
    EXPECT_FALSE(vl::PictureHeaderAccepted(Block(shortBmp), vl::IconRequest()));
    EXPECT_FALSE(vl::PictureHeaderAccepted(Block({0x42, 0x4D, 1, 2, 3, 4}), vl::IconRequest()));
    EXPECT_FALSE(vl::PictureHeaderAccepted(vl::ByteBlock(), vl::IconRequest()));
}

// As a screen saver's mapped file holds it: scrambled, restored only where it is read.
vl::ByteBlock Kept(const std::vector<std::uint8_t>& plain) {
    auto stored = std::make_shared<std::vector<std::uint8_t>>(plain);
    vl::ScrambleInPlace(stored->data(), stored->size());
    const std::uint8_t* start = stored->data();
    return vl::ByteBlock::KeptScrambled(std::shared_ptr<const std::uint8_t>(stored, start),
                                        plain.size());
}

// The JPEG with `count` application segments of 65,000 bytes after its start, as cameras put
// their EXIF data and colour profiles before the frame header.
std::vector<std::uint8_t> WithLongHeader(const std::vector<std::uint8_t>& jpeg, int count) {
    std::vector<std::uint8_t> out(jpeg.begin(), jpeg.begin() + 2);
    for (int i = 0; i < count; ++i) {
        const std::size_t length = 65000;
        out.push_back(0xFF);
        out.push_back(0xE1);
        out.push_back(static_cast<std::uint8_t>(length >> 8));
        out.push_back(static_cast<std::uint8_t>(length & 0xFF));
        out.insert(out.end(), length - 2, static_cast<std::uint8_t>(0x20 + i));
    }
    out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    return out;
}

TEST(PictureHeaderAccepted, ABlockKeptScrambledIsJudgedAndDecodedAsItsPlainBytes) {
    const std::vector<std::uint8_t> jpeg = SmallJpeg();
    vl::DecodedPicture plain;
    ASSERT_TRUE(vl::DecodePicture(Block(jpeg), vl::IconRequest(), plain));
    vl::DecodedPicture kept;
    EXPECT_EQ(vl::DetectPictureFormat(Kept(jpeg)), vl::PictureFormat::kJpeg);
    EXPECT_TRUE(vl::PictureHeaderAccepted(Kept(jpeg), vl::IconRequest()));
    ASSERT_TRUE(vl::DecodePicture(Kept(jpeg), vl::IconRequest(), kept));
    ASSERT_EQ(kept.image.Width(), plain.image.Width());
    ASSERT_EQ(kept.image.Height(), plain.image.Height());
    EXPECT_EQ(0, std::memcmp(kept.image.Row(0), plain.image.Row(0),
                             static_cast<std::size_t>(plain.image.Width()) * 4));

    // A header longer than the first bytes that are looked at: judged on the whole block.
    const std::vector<std::uint8_t> longHeader = WithLongHeader(jpeg, 5);
    EXPECT_TRUE(vl::PictureHeaderAccepted(Block(longHeader), vl::IconRequest()));
    EXPECT_TRUE(vl::PictureHeaderAccepted(Kept(longHeader), vl::IconRequest()));
    EXPECT_TRUE(vl::DecodePicture(Kept(longHeader), vl::IconRequest(), kept));
    const std::vector<std::uint8_t> cutLong(longHeader.begin(), longHeader.end() - jpeg.size());
    EXPECT_FALSE(vl::PictureHeaderAccepted(Kept(cutLong), vl::IconRequest()));

    const std::size_t scan = StartOfScan(jpeg);
    const std::vector<std::uint8_t> cut(jpeg.begin(), jpeg.begin() + static_cast<long>(scan));
    EXPECT_FALSE(vl::PictureHeaderAccepted(Kept(cut), vl::IconRequest()));
    EXPECT_FALSE(vl::PictureHeaderAccepted(Kept(Corpus("jpeg_decode", "libjpeg-testorig12.jpg")),
                                           vl::IconRequest()));

    EXPECT_TRUE(vl::PictureHeaderAccepted(Kept(kBmp24BottomUp), vl::IconRequest()));
    const std::vector<std::uint8_t> shortBmp(kBmp24BottomUp.begin(), kBmp24BottomUp.end() - 4);
    EXPECT_FALSE(vl::PictureHeaderAccepted(Kept(shortBmp), vl::IconRequest()));
    EXPECT_TRUE(
        vl::DecodePicture(Kept(Corpus("icon_reader", "4bit.ico")), vl::IconRequest(), kept));
    EXPECT_EQ(kept.format, vl::PictureFormat::kIcon);
}

}  // namespace
