#include "tools/peimage/fixed_size.h"

#include <gtest/gtest.h>

#include "tests/peimage/test_image.h"

namespace vl::pe {
namespace {

using testing::Get32;
using testing::kRsrcFile;
using testing::MakeTestImage;
using testing::TestImageOptions;

constexpr std::uint32_t kCheckSumAt = 0x58 + 64;
constexpr std::uint32_t kSizeOfInitializedDataAt = 0x58 + 8;
constexpr std::uint32_t kSizeOfImageAt = 0x58 + 56;

FixedSizeRequest Slot(std::uint32_t size, std::uint32_t offset, std::uint32_t id = 144) {
    return {size, BitmapSlot{id, offset}};
}

bool AllZero(const Bytes& bytes, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i) {
        if (bytes[i] != 0) {
            return false;
        }
    }
    return true;
}

TEST(FixedSizePadding, PadsWithZerosAndRefreshesTheCheckSum) {
    const Bytes image = MakeTestImage();
    const FixedSizeResult result = MakeFixedSize(image, {0x800, std::nullopt});
    ASSERT_TRUE(result.ok()) << result.error;
    ASSERT_EQ(result.image.size(), 0x800u);
    EXPECT_EQ(result.used, 0x600u);
    EXPECT_EQ(result.limit, 0x800u);
    EXPECT_TRUE(AllZero(result.image, 0x600, 0x800));
    for (std::size_t i = 0; i < 0x600; ++i) {
        if (i < kCheckSumAt || i >= kCheckSumAt + 4) {
            ASSERT_EQ(result.image[i], image[i]) << "byte " << i;
        }
    }
    EXPECT_NE(Get32(result.image, kCheckSumAt), 0x12345678u);
    EXPECT_EQ(Get32(result.image, kCheckSumAt), ComputeCheckSum(result.image, kCheckSumAt));
}

TEST(FixedSizePadding, AcceptsAnExactFitAndRefusesOneByteMore) {
    const Bytes image = MakeTestImage();
    const FixedSizeResult exact = MakeFixedSize(image, {0x600, std::nullopt});
    ASSERT_TRUE(exact.ok()) << exact.error;
    EXPECT_EQ(exact.image.size(), 0x600u);

    const FixedSizeResult over = MakeFixedSize(image, {0x5FF, std::nullopt});
    EXPECT_FALSE(over.ok());
    EXPECT_EQ(over.overflow, 1u);
    EXPECT_NE(over.error.find("by 1 byte"), std::string::npos) << over.error;
    EXPECT_TRUE(over.image.empty());

    const FixedSizeResult far = MakeFixedSize(image, {0x400, std::nullopt});
    EXPECT_EQ(far.overflow, 0x200u);
    EXPECT_NE(far.error.find("by 512 bytes"), std::string::npos) << far.error;
}

class FixedSizeSlot : public ::testing::TestWithParam<bool> {
  protected:
    TestImageOptions Options() const {
        TestImageOptions options;
        options.is64 = GetParam();
        return options;
    }
};

TEST_P(FixedSizeSlot, MovesTheBitmapDataAndCutsOutTheOldCopy) {
    const bool is64 = GetParam();
    const Bytes image = MakeTestImage(Options());
    const FixedSizeResult result = MakeFixedSize(image, Slot(0x1000, 0xC00));
    ASSERT_TRUE(result.ok()) << result.error;
    const Bytes& out = result.image;
    ASSERT_EQ(out.size(), 0x1000u);
    // The manifest data moved down over the old bitmap copy (40 bytes), the rest is zero.
    EXPECT_EQ(result.used, 0x4ACu);
    EXPECT_EQ(result.limit, 0xC00u);
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(out[0x4A0 + i], testing::ManifestByte(i));
    }
    EXPECT_TRUE(AllZero(out, 0x4AC, 0xC00));
    for (std::size_t i = 0; i < 40; ++i) {
        EXPECT_EQ(out[0xC00 + i], testing::BitmapByte(i));
    }
    EXPECT_TRUE(AllZero(out, 0xC28, 0x1000));
    // Data entries: bitmap at RVA 0x2000 + (0xC00 - 0x400), manifest shifted by 40.
    EXPECT_EQ(Get32(out, kRsrcFile + 0x80), 0x2800u);
    EXPECT_EQ(Get32(out, kRsrcFile + 0x84), 40u);
    EXPECT_EQ(Get32(out, kRsrcFile + 0x90), 0x20A0u);
    EXPECT_EQ(Get32(out, kRsrcFile + 0x94), 12u);
    // .rsrc now spans 0xC00 + 40 - 0x400 = 0x828 bytes, 0xA00 in the file.
    EXPECT_EQ(Get32(out, testing::RsrcHeader(is64) + 8), 0x828u);
    EXPECT_EQ(Get32(out, testing::RsrcHeader(is64) + 12), 0x2000u);
    EXPECT_EQ(Get32(out, testing::RsrcHeader(is64) + 16), 0xA00u);
    EXPECT_EQ(Get32(out, testing::RsrcHeader(is64) + 20), 0x400u);
    EXPECT_EQ(Get32(out, testing::DirectoryAt(is64, 2)), 0x2000u);
    EXPECT_EQ(Get32(out, testing::DirectoryAt(is64, 2) + 4), 0x828u);
    EXPECT_EQ(Get32(out, kSizeOfImageAt), 0x3000u);
    EXPECT_EQ(Get32(out, kSizeOfInitializedDataAt), 0xA00u);
    EXPECT_EQ(Get32(out, kCheckSumAt), ComputeCheckSum(out, kCheckSumAt));
    // Headers and code are untouched.
    EXPECT_EQ(out[0x200], 0xC3);
    EXPECT_EQ(Get32(out, 0x3C), 0x40u);
}

TEST_P(FixedSizeSlot, KeepsTheOldCopyWhenStructuresFollowIt) {
    TestImageOptions options = Options();
    options.entriesAfterBitmap = true;
    const Bytes image = MakeTestImage(options);
    const FixedSizeResult result = MakeFixedSize(image, Slot(0x1000, 0xC00));
    ASSERT_TRUE(result.ok()) << result.error;
    const Bytes& out = result.image;
    EXPECT_EQ(result.used, 0x4D8u);
    for (std::size_t i = 0; i < 40; ++i) {
        EXPECT_EQ(out[0x4A0 + i], testing::BitmapByte(i));  // left where it was
        EXPECT_EQ(out[0xC00 + i], testing::BitmapByte(i));
    }
    EXPECT_EQ(Get32(out, kRsrcFile + 0x80), 0x2800u);
    EXPECT_EQ(Get32(out, kRsrcFile + 0xC8), 0x2090u);  // manifest not moved
    EXPECT_EQ(out[0x490], testing::ManifestByte(0));
    EXPECT_TRUE(AllZero(out, 0x4D8, 0xC00));
}

TEST_P(FixedSizeSlot, AcceptsContentEndingRightAtTheSlot) {
    const FixedSizeResult result = MakeFixedSize(MakeTestImage(Options()), Slot(0x1000, 0x4AC));
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.used, 0x4ACu);
    EXPECT_EQ(Get32(result.image, kRsrcFile + 0x80), 0x20ACu);
    EXPECT_EQ(Get32(result.image, testing::RsrcHeader(GetParam()) + 8), 0xD4u);
    EXPECT_EQ(Get32(result.image, testing::RsrcHeader(GetParam()) + 16), 0x200u);
    EXPECT_EQ(result.image[0x4AC], testing::BitmapByte(0));
    EXPECT_EQ(result.image[0x4AB], testing::ManifestByte(11));
}

TEST_P(FixedSizeSlot, RefusesContentReachingIntoTheSlotWithTheOverflow) {
    const FixedSizeResult result = MakeFixedSize(MakeTestImage(Options()), Slot(0x1000, 0x4A8));
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.overflow, 4u);
    EXPECT_EQ(result.used, 0x4ACu);
    EXPECT_EQ(result.limit, 0x4A8u);
    EXPECT_NE(result.error.find("by 4 bytes"), std::string::npos) << result.error;
    EXPECT_NE(result.error.find("1192"), std::string::npos) << result.error;  // the slot offset
}

TEST_P(FixedSizeSlot, RefusesASlotThatEndsPastTheFixedSize) {
    // .rsrc would need 0xFF0 + 40 - 0x400 = 0xC18 bytes, 0xE00 aligned: the file end 0x1200.
    const FixedSizeResult result = MakeFixedSize(MakeTestImage(Options()), Slot(0x1000, 0xFF0));
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.overflow, 0x200u);
    EXPECT_NE(result.error.find("by 512 bytes"), std::string::npos) << result.error;
}

TEST_P(FixedSizeSlot, RefusesImagesItCannotRewriteSafely) {
    TestImageOptions options = Options();
    options.withReloc = true;
    FixedSizeResult result = MakeFixedSize(MakeTestImage(options), Slot(0x1000, 0xC00));
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.error.find(".reloc"), std::string::npos) << result.error;

    result = MakeFixedSize(MakeTestImage(Options()), Slot(0x1000, 0xC00, 145));
    EXPECT_NE(result.error.find("bitmap resource 145 not found"), std::string::npos)
        << result.error;

    options = Options();
    options.secondBitmapLanguage = true;
    result = MakeFixedSize(MakeTestImage(options), Slot(0x1000, 0xC00));
    EXPECT_NE(result.error.find("more than one language"), std::string::npos) << result.error;

    result = MakeFixedSize(MakeTestImage(Options()), Slot(0x1000, 0xC02));
    EXPECT_NE(result.error.find("aligned"), std::string::npos) << result.error;

    Bytes trailing = MakeTestImage(Options());
    trailing.resize(trailing.size() + 16, 0xEE);
    result = MakeFixedSize(trailing, Slot(0x1000, 0xC00));
    EXPECT_NE(result.error.find("16 bytes follow"), std::string::npos) << result.error;

    Bytes signedImage = MakeTestImage(Options());
    testing::Put32(signedImage, testing::DirectoryAt(GetParam(), 4), 0x600);
    result = MakeFixedSize(signedImage, Slot(0x1000, 0xC00));
    EXPECT_NE(result.error.find("signed"), std::string::npos) << result.error;

    result = MakeFixedSize(Bytes(0x100, 0), Slot(0x1000, 0xC00));
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.image.empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, FixedSizeSlot, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Pe32Plus" : "Pe32"; });

}  // namespace
}  // namespace vl::pe
