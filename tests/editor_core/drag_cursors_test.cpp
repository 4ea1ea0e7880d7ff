#include "editor/core/drag_cursors.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

constexpr std::uint32_t kCopyBit = 1;
constexpr std::uint32_t kMoveBit = 2;
constexpr std::uint32_t kLinkBit = 4;
constexpr std::uint32_t kScrollBit = 0x80000000u;

TEST(DragCursors, EachEffectHasItsCursorForOneAndForSeveralCommands) {
    EXPECT_EQ(DragCursorId(DropEffect::kMove, 1), 197);
    EXPECT_EQ(DragCursorId(DropEffect::kMove, 2), 205);
    EXPECT_EQ(DragCursorId(DropEffect::kCopy, 1), 105);
    EXPECT_EQ(DragCursorId(DropEffect::kCopy, 7), 203);
    // Link has one cursor whatever is dragged.
    EXPECT_EQ(DragCursorId(DropEffect::kLink, 1), 204);
    EXPECT_EQ(DragCursorId(DropEffect::kLink, 3), 204);
}

TEST(DragCursors, NoDropKeepsTheSystemCursor) {
    EXPECT_EQ(DragCursorId(DropEffect::kNone, 1), 0);
    EXPECT_EQ(DragCursorId(DropEffect::kNone, 5), 0);
    EXPECT_EQ(DragCursorId(EffectOfBits(0), 1), 0);
    EXPECT_EQ(DragCursorId(EffectOfBits(kScrollBit), 2), 0);
}

TEST(DragCursors, TheScrollBitDoesNotChangeTheEffect) {
    EXPECT_EQ(EffectOfBits(kMoveBit | kScrollBit), DropEffect::kMove);
    EXPECT_EQ(EffectOfBits(kCopyBit | kScrollBit), DropEffect::kCopy);
    EXPECT_EQ(EffectOfBits(kLinkBit | kScrollBit), DropEffect::kLink);
    EXPECT_EQ(EffectOfBits(0x100), DropEffect::kNone);
}

TEST(DragCursors, SeveralBitsCountMoveBeforeCopyBeforeLink) {
    EXPECT_EQ(EffectOfBits(kCopyBit | kMoveBit | kLinkBit), DropEffect::kMove);
    EXPECT_EQ(EffectOfBits(kCopyBit | kLinkBit), DropEffect::kCopy);
}

}  // namespace
}  // namespace vl
