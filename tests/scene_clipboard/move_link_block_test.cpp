// "MoveScene1.0" and "LinkScene1.0", and the references the link block carries.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/scene/hand_bytes.h"
#include "scene/clipboard_blocks.h"
#include "scene/entries.h"

namespace vl {
namespace {

using test::HandBytes;

MoveBlockContents ReadMove(const HandBytes& block, std::size_t listCount) {
    return ReadMoveBlock(block.bytes.data(), block.bytes.size(), listCount);
}

LinkBlockContents ReadLink(const HandBytes& block) {
    return ReadLinkBlock(block.bytes.data(), block.bytes.size());
}

TEST(MoveBlock, WritesTheIndicesHighestFirst) {
    EXPECT_EQ(WriteMoveBlock({1, 2, 5}), HandBytes().Dword(test::kV22).Dwords({3, 5, 2, 1}).bytes);
    EXPECT_EQ(WriteMoveBlock({}), HandBytes().Dword(test::kV22).Dword(0).bytes);
}

TEST(MoveBlock, ReadsIndicesThatFitTheList) {
    MoveBlockContents move = ReadMove(HandBytes().Dword(test::kV22).Dwords({3, 5, 2, 0}), 6);
    ASSERT_TRUE(move.ok());
    EXPECT_EQ(move.indices, (std::vector<std::int32_t>{5, 2, 0}));

    HandBytes padded = HandBytes().Dword(test::kV10).Dwords({1, 0});
    padded.bytes.resize(4096, 0xAA);
    move = ReadMove(padded, 1);
    ASSERT_TRUE(move.ok());
    EXPECT_EQ(move.version, 1.0f);
    EXPECT_EQ(move.indices, (std::vector<std::int32_t>{0}));

    move = ReadMove(HandBytes().Dword(test::kV22).Dword(0), 0);
    ASSERT_TRUE(move.ok());
    EXPECT_TRUE(move.indices.empty());
}

TEST(MoveBlock, RefusesOtherVersionsAndIndicesThatDoNotFit) {
    EXPECT_EQ(ReadMove(HandBytes().Dword(test::kV20).Dwords({1, 0}), 3).status,
              ClipboardReadStatus::kRefused);
    const std::vector<std::pair<const char*, HandBytes>> malformed = {
        {"empty", HandBytes()},
        {"no count", HandBytes().Dword(test::kV22)},
        {"negative count", HandBytes().Dword(test::kV22).Dword(0x80000000)},
        {"count beyond the bytes", HandBytes().Dword(test::kV22).Dwords({0x40000000, 1, 0})},
        {"truncated index", HandBytes().Dword(test::kV22).Dwords({2, 1}).Byte({0, 0})},
        {"index beyond the list", HandBytes().Dword(test::kV22).Dwords({1, 3})},
        {"negative index", HandBytes().Dword(test::kV22).Dwords({1, -1})},
        {"rising order", HandBytes().Dword(test::kV22).Dwords({2, 0, 2})},
        {"repeated index", HandBytes().Dword(test::kV22).Dwords({2, 1, 1})},
    };
    for (const auto& [name, block] : malformed) {
        MoveBlockContents move = ReadMove(block, 3);
        EXPECT_EQ(move.status, ClipboardReadStatus::kMalformed) << name;
        EXPECT_TRUE(move.indices.empty()) << name;
    }
}

TEST(LinkBlock, WritesAndReadsTheReference) {
    const HandBytes expected = HandBytes().Byte({0xCD, 0xCC, 0x0C, 0x40, 0xEF, 0xBE, 0xAD, 0xDE});
    EXPECT_EQ(WriteLinkBlock(0xDEADBEEF), expected.bytes);
    LinkBlockContents link = ReadLink(expected);
    ASSERT_TRUE(link.ok());
    EXPECT_EQ(link.reference, 0xDEADBEEFu);

    EXPECT_EQ(ReadLink(HandBytes().Dword(test::kV20).Dword(7)).status,
              ClipboardReadStatus::kRefused);
    EXPECT_EQ(ReadLink(HandBytes().Dword(test::kV22).Byte({1, 2, 3})).status,
              ClipboardReadStatus::kMalformed);
    EXPECT_EQ(ReadLink(HandBytes().Byte({0xCD})).status, ClipboardReadStatus::kMalformed);
}

TEST(EntryReferences, ResolveOnlyTheCurrentCommandWhileItIsInTheList) {
    EntryList list;
    list.Append(std::make_unique<ImageEntry>());
    list.Append(std::make_unique<ImageEntry>());
    EntryReferences references(100);
    const std::uint32_t first = references.Register(list.At(0));
    EXPECT_EQ(references.Resolve(first, list), &list.At(0));
    EXPECT_EQ(references.Resolve(first + 1, list), nullptr);
    EXPECT_EQ(references.Resolve(0, list), nullptr);

    // A new drag makes the old number meaningless.
    const std::uint32_t second = references.Register(list.At(1));
    EXPECT_NE(second, first);
    EXPECT_EQ(references.Resolve(first, list), nullptr);
    EXPECT_EQ(references.Resolve(second, list), &list.At(1));

    // A command taken out of the list no longer resolves, nor does anything after Clear.
    std::unique_ptr<SceneEntry> detached = list.Detach(1);
    EXPECT_EQ(references.Resolve(second, list), nullptr);
    const std::uint32_t third = references.Register(list.At(0));
    references.Clear();
    EXPECT_EQ(references.Resolve(third, list), nullptr);

    // Another list with the same entry count resolves nothing it does not hold.
    EntryList other;
    other.Append(std::make_unique<ImageEntry>());
    const std::uint32_t fourth = references.Register(list.At(0));
    EXPECT_EQ(references.Resolve(fourth, other), nullptr);
}

TEST(EntryReferences, NumbersSkipZero) {
    EntryList list;
    list.Append(std::make_unique<CommentEntry>());
    EntryReferences references(0xFFFFFFFF);
    const std::uint32_t reference = references.Register(list.At(0));
    EXPECT_NE(reference, 0u);
    EXPECT_EQ(references.Resolve(reference, list), &list.At(0));
}

}  // namespace
}  // namespace vl
