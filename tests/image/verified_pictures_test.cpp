// The pictures that decoded in this session: trusted only while the very block lives, never for
// equal bytes elsewhere or a block at a reused address, never after a failure; and the check that
// passes a trusted block without decoding it again.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/image/core/decoding_preparer.h"
#include "engine/image/core/verified_pictures.h"
#include "scene/messages.h"
#include "tests/image/bmp_vectors.h"

namespace {

// A block over bytes the test keeps, with an owner of its own: what a scene file's buffer and its
// pictures look like, and a way to place two blocks at one address.
struct Backing {
    std::vector<std::uint8_t> bytes;
    std::shared_ptr<int> owner = std::make_shared<int>(0);

    vl::ByteBlock Block(std::size_t offset, std::size_t size) const {
        return vl::ByteBlock(std::shared_ptr<const std::uint8_t>(owner, bytes.data() + offset),
                             size);
    }
};

TEST(VerifiedPictures, TrustsTheBlockAndItsCopiesButNotEqualBytesElsewhere) {
    vl::VerifiedPictures verified;
    const vl::ByteBlock block = vl::ByteBlock::Copy(kBmp24BottomUp.data(), kBmp24BottomUp.size());
    EXPECT_FALSE(verified.Contains(block));
    verified.Add(block);
    verified.Add(block);
    EXPECT_TRUE(verified.Contains(block));
    const vl::ByteBlock copy = block;  // shares the bytes, as a copied entry does
    EXPECT_TRUE(verified.Contains(copy));
    EXPECT_EQ(verified.LiveCount(), 1u);

    const vl::ByteBlock twin = vl::ByteBlock::Copy(kBmp24BottomUp.data(), kBmp24BottomUp.size());
    ASSERT_TRUE(twin.SameBytes(block));
    EXPECT_FALSE(verified.Contains(twin));
    EXPECT_FALSE(verified.Contains(vl::ByteBlock()));
}

TEST(VerifiedPictures, PartsOfOneSharedBufferAreTrustedOneByOne) {
    vl::VerifiedPictures verified;
    Backing file{std::vector<std::uint8_t>(100, 7)};
    verified.Add(file.Block(10, 20));
    EXPECT_TRUE(verified.Contains(file.Block(10, 20)));
    EXPECT_FALSE(verified.Contains(file.Block(10, 21)));  // same start, more bytes
    EXPECT_FALSE(verified.Contains(file.Block(10, 19)));
    EXPECT_FALSE(verified.Contains(file.Block(30, 20)));
}

TEST(VerifiedPictures, ForgetsABlockOnceItsBytesAreGoneAndKeepsNothingAlive) {
    vl::VerifiedPictures verified;
    auto block = std::make_unique<vl::ByteBlock>(vl::ByteBlock::Copy("picture", 7));
    std::weak_ptr<const std::uint8_t> watch = block->Watch();
    verified.Add(*block);
    EXPECT_EQ(verified.LiveCount(), 1u);
    block.reset();
    EXPECT_TRUE(watch.expired());  // the set held no reference to the bytes
    EXPECT_EQ(verified.LiveCount(), 0u);
}

TEST(VerifiedPictures, ANewBlockAtAFreedBlocksAddressIsNotTrusted) {
    vl::VerifiedPictures verified;
    std::vector<std::uint8_t> bytes(64, 1);
    auto first = std::make_shared<int>(1);
    const std::uint8_t* address = bytes.data();
    verified.Add(vl::ByteBlock(std::shared_ptr<const std::uint8_t>(first, address), bytes.size()));
    first.reset();
    // Same address, same size, another owner: what the allocator hands out after a delete.
    auto second = std::make_shared<int>(2);
    const vl::ByteBlock reused(std::shared_ptr<const std::uint8_t>(second, address), bytes.size());
    EXPECT_FALSE(verified.Contains(reused));
    verified.Add(reused);
    EXPECT_TRUE(verified.Contains(reused));
    EXPECT_EQ(verified.LiveCount(), 1u);
}

TEST(VerifiedPictures, ManyDeadBlocksLeaveOnlyTheLiveOnes) {
    vl::VerifiedPictures verified;
    const vl::ByteBlock kept = vl::ByteBlock::Copy("kept", 4);
    verified.Add(kept);
    for (int i = 0; i < 500; ++i)
        verified.Add(vl::ByteBlock::Copy(&i, sizeof i));
    EXPECT_EQ(verified.LiveCount(), 1u);
    EXPECT_TRUE(verified.Contains(kept));
}

std::unique_ptr<vl::ImageEntry> Picture(const std::string& fileName, vl::ByteBlock data) {
    auto image = std::make_unique<vl::ImageEntry>();
    image->fileName = fileName;
    image->data = std::move(data);
    return image;
}

TEST(DecodingPreparerWithVerified, ABlockThatDecodedIsNotDecodedAgain) {
    vl::VerifiedPictures verified;
    Backing file{kBmp24BottomUp};
    const auto image = Picture("a.bmp", file.Block(0, file.bytes.size()));
    vl::DecodingPreparer preparer(&verified);
    ASSERT_TRUE(preparer.PrepareImage(*image).ok);
    EXPECT_TRUE(verified.Contains(image->data));
    // Damaging the bytes behind the block's back (they never change in a scene) shows that the
    // second check trusts the block instead of decoding it; a preparer without the set decodes.
    file.bytes[0] = 'X';
    EXPECT_TRUE(preparer.PrepareImage(*image).ok);
    EXPECT_FALSE(vl::DecodingPreparer().PrepareImage(*image).ok);
}

TEST(DecodingPreparerWithVerified, EqualBytesInAnotherBlockAreDecodedAndThenRemembered) {
    vl::VerifiedPictures verified;
    vl::DecodingPreparer preparer(&verified);
    const auto first =
        Picture("a.bmp", vl::ByteBlock::Copy(kBmp24BottomUp.data(), kBmp24BottomUp.size()));
    const auto second =
        Picture("b.bmp", vl::ByteBlock::Copy(kBmp24BottomUp.data(), kBmp24BottomUp.size()));
    ASSERT_TRUE(preparer.PrepareImage(*first).ok);
    EXPECT_FALSE(verified.Contains(second->data));
    ASSERT_TRUE(preparer.PrepareImage(*second).ok);
    EXPECT_TRUE(verified.Contains(second->data));
    EXPECT_EQ(verified.LiveCount(), 2u);
}

TEST(DecodingPreparerWithVerified, APictureThatFailsIsNeverRemembered) {
    vl::VerifiedPictures verified;
    vl::DecodingPreparer preparer(&verified);
    const std::vector<std::uint8_t> cut(kBmp24BottomUp.begin(), kBmp24BottomUp.end() - 4);
    const auto image = Picture("cut.bmp", vl::ByteBlock::Copy(cut.data(), cut.size()));
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(preparer.PrepareImage(*image).message,
                  std::string("cut.bmp") + vl::msg::kCannotBeLoadedSuffix);
    }
    EXPECT_EQ(verified.LiveCount(), 0u);
    const auto none = Picture("none.bmp", vl::ByteBlock());
    EXPECT_EQ(preparer.PrepareImage(*none).message, vl::msg::kChooseImage);
    EXPECT_EQ(verified.LiveCount(), 0u);
}

}  // namespace
