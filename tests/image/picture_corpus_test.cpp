// Every picture of the fuzzers' corpora through the one portable decoder, with the result each
// must give: its decoded size, or refusal. The corpora hold libjpeg-turbo's test pictures,
// ImageMagick's files at every BMP depth and compression, cut files and hostile headers.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "engine/image/core/picture_decoder.h"
#include "engine/image/sec_file_system.h"

namespace {

struct Expected {
    int width;  // 0: refused
    int height;
};
constexpr Expected kRefused = {0, 0};

std::string CorpusPath(const std::string& target) {
    return std::string(VL_FUZZ_CORPUS) + "/" + target;
}

// Decodes every file of the folder, checks each against expected and that no file is missing
// from the table (a new corpus file needs its expected result here).
void ExpectCorpus(const std::string& target, const std::map<std::string, Expected>& expected) {
    std::set<std::string> seen;
    for (const auto& item : std::filesystem::directory_iterator(CorpusPath(target))) {
        const std::string name = item.path().filename().string();
        seen.insert(name);
        const auto found = expected.find(name);
        ASSERT_NE(found, expected.end()) << "no expected result for " << target << "/" << name;
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(SECFileSystem::ReadFileBytes(item.path().string(), bytes));
        vl::DecodedPicture picture;
        const bool decoded =
            vl::DecodePicture(vl::ByteBlock::Adopt(std::move(bytes)), vl::IconRequest(), picture);
        const Expected want = found->second;
        EXPECT_EQ(decoded, want.width != 0) << name;
        if (!decoded || want.width == 0)
            continue;
        const bool icon = picture.format == vl::PictureFormat::kIcon ||
                          picture.format == vl::PictureFormat::kCursor;
        EXPECT_EQ(icon ? picture.icon.width : picture.image.Width(), want.width) << name;
        EXPECT_EQ(icon ? picture.icon.height : picture.image.Height(), want.height) << name;
    }
    EXPECT_EQ(seen.size(), expected.size()) << "a file of the table is missing from " << target;
}

TEST(PictureCorpus, BitmapsOfEveryDepthAndCompression) {
    const Expected rose = {24, 16};
    ExpectCorpus("bmp_reader",
                 {
                     {"im-bmp3-1bit.bmp", rose},
                     {"im-bmp3-4bit.bmp", rose},
                     {"im-bmp3-8bit.bmp", rose},
                     {"im-bmp3-8bit-rle.bmp", rose},
                     {"im-4bit-rle.bmp", rose},
                     {"im-bmp3-24bit.bmp", rose},
                     {"im-16bit-rgb.bmp", rose},
                     {"im-32bit-rgb.bmp", rose},
                     {"im-bmp5-16bit-555.bmp", rose},
                     {"im-bmp5-16bit-565.bmp", rose},
                     {"im-bmp5-24bit.bmp", rose},
                     {"im-bmp5-32bit-alpha.bmp", rose},
                     {"im-os2-1bit.bmp", rose},
                     {"im-os2-4bit.bmp", rose},
                     {"im-os2-24bit.bmp", rose},
                     {"im-8bit-top-down.bmp", rose},
                     {"im-24bit-top-down.bmp", rose},
                     {"im-32bit-top-down.bmp", rose},
                     {"libjpeg-vgl_5674_0098.bmp", {120, 96}},
                     {"libjpeg-vgl_6434_0018a.bmp", {119, 96}},
                     {"libjpeg-vgl_6548_0026a.bmp", {128, 95}},
                     // Uncompressed rows must all be there; an RLE stream that stops early
                     // leaves the rest at index 0, as the system's decoder does.
                     {"cut-24bit.bmp", kRefused},
                     {"cut-8bit-rle.bmp", rose},
                     {"hostile-60000x60000.bmp", kRefused},
                     {"hostile-overflow-32bit.bmp", kRefused},
                 });
}

TEST(PictureCorpus, IconsAndCursorsAtEveryDepthAndAsPng) {
    const Expected standard = {32, 32};
    ExpectCorpus("icon_reader", {
                                    {"1bit.ico", standard},
                                    {"4bit.ico", standard},
                                    {"8bit.ico", standard},
                                    {"24bit.ico", standard},
                                    {"32bit.ico", standard},
                                    {"every-depth.ico", standard},
                                    {"8bit.cur", standard},
                                    {"32bit-no-mask.cur", standard},
                                    {"im-16-and-32.ico", standard},
                                    {"png-256.ico", {256, 256}},
                                    // Its 48 and 16 are equally far from 32: the larger is taken.
                                    {"test-two_sizes.ico", {48, 48}},
                                    {"test-arrow.cur", standard},
                                    {"cut-24bit.ico", kRefused},
                                    {"hostile-60000x60000.ico", kRefused},
                                });
}

TEST(PictureCorpus, JpegsOfEveryKindTheScreenSaverReads) {
    const Expected testorig = {227, 149};
    const Expected rose = {24, 16};
    ExpectCorpus("jpeg_decode", {
                                    {"libjpeg-testorig.jpg", testorig},
                                    {"libjpeg-testimgint.jpg", testorig},
                                    // The screen saver's decoder has neither 12-bit samples nor
                                    // arithmetic decoding, so neither may pass anywhere.
                                    {"libjpeg-testorig12.jpg", kRefused},
                                    {"libjpeg-testimgari.jpg", kRefused},
                                    {"im-progressive.jpg", rose},
                                    {"im-grey.jpg", rose},
                                    // libjpeg-turbo 2.1 converts no CMYK to colour rows.
                                    {"im-cmyk.jpg", kRefused},
                                    {"im-420-restart.jpg", rose},
                                    {"im-411.jpg", rose},
                                    {"im-quality-5.jpg", rose},
                                    {"test-colour.jpg", {16, 32}},
                                    {"test-grey.jpg", {16, 32}},
                                    {"test-plasma_444.jpg", {40, 24}},
                                    {"test-plasma_grey_progressive.jpg", {40, 24}},
                                    {"test-plasma_odd_420.jpg", {37, 29}},
                                    {"test-plasma_progressive_420.jpg", {64, 48}},
                                    {"test-plasma_progressive_cut.jpg", {64, 48}},
                                    {"test-quadrants_baseline_422.jpg", {48, 32}},
                                    {"test-quadrants_progressive_420.jpg", {48, 32}},
                                    // A cut file decodes: the decoder fills in the missing rows.
                                    {"cut-testorig.jpg", testorig},
                                    {"hostile-60000x60000.jpg", kRefused},
                                });
}

}  // namespace
