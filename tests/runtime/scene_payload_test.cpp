#include "runtime/scene_payload.h"

#include <gtest/gtest.h>

#include <memory>

#include "../scene/hand_bytes.h"
#include "scene/entries.h"

namespace vl {
namespace {

using test::HandBytes;

SharedBytes Shared(const HandBytes& hand) {
    return ByteBuffer::Copy(hand.bytes.data(), hand.bytes.size());
}

// Lead word 1, then a scene of one Comment "hi".
HandBytes CommentPayload() {
    return HandBytes()
        .Dword(1)
        .Header(test::kV22)
        .Dword(1)
        .Dword(12)
        .Base()
        .ScrambledShortText("hi");
}

TEST(GlintPayloadTest, LeadWordThenTheScene) {
    EntryList entries;
    ScenePayload payload;
    ASSERT_TRUE(ReadScenePayload(Shared(CommentPayload()), entries, payload));
    EXPECT_EQ(payload.leadWord, 1u);
    ASSERT_EQ(entries.Count(), 1u);
    const auto* comment = EntryAs<CommentEntry>(&entries.At(0));
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(comment->text, "hi");
}

TEST(GlintPayloadTest, TheLeadWordIsReadButDecidesNothing) {
    HandBytes payloadBytes = CommentPayload();
    payloadBytes.bytes[0] = 0x78;
    payloadBytes.bytes[1] = 0x56;
    payloadBytes.bytes[2] = 0x34;
    payloadBytes.bytes[3] = 0x12;
    EntryList entries;
    ScenePayload payload;
    ASSERT_TRUE(ReadScenePayload(Shared(payloadBytes), entries, payload));
    EXPECT_EQ(payload.leadWord, 0x12345678u);
    EXPECT_EQ(entries.Count(), 1u);
}

TEST(GlintPayloadTest, AnEmptySceneIsStillAScene) {
    EntryList entries;
    ScenePayload payload;
    EXPECT_TRUE(ReadScenePayload(Shared(HandBytes().Dword(1).Header(test::kV22).Dword(0)), entries,
                                 payload));
    EXPECT_EQ(entries.Count(), 0u);
}

TEST(GlintPayloadTest, NoPayloadAtAll) {
    EntryList entries;
    ScenePayload payload;
    EXPECT_FALSE(ReadScenePayload(nullptr, entries, payload));
    EXPECT_FALSE(ReadScenePayload(Shared(HandBytes()), entries, payload));
    EXPECT_FALSE(ReadScenePayload(Shared(HandBytes().Byte({1, 0, 0})), entries, payload));
    // The lead word with nothing after it.
    EXPECT_FALSE(ReadScenePayload(Shared(HandBytes().Dword(1)), entries, payload));
}

TEST(GlintPayloadTest, ADamagedSceneIsNoPayload) {
    EntryList entries;
    ScenePayload payload;
    // A foreign signature.
    EXPECT_FALSE(ReadScenePayload(
        Shared(HandBytes().Dword(1).ShortText("Another Program").Dword(test::kV22).Dword(0)),
        entries, payload));
    // A refused version.
    EXPECT_FALSE(ReadScenePayload(Shared(HandBytes().Dword(1).Header(0x40400000).Dword(0)), entries,
                                  payload));
    // The scene breaks off inside its first record.
    HandBytes cut = CommentPayload();
    cut.bytes.resize(cut.bytes.size() - 2);
    EXPECT_FALSE(ReadScenePayload(Shared(cut), entries, payload));
    EXPECT_EQ(entries.Count(), 0u);
    // An entry kind that does not exist.
    EXPECT_FALSE(
        ReadScenePayload(Shared(HandBytes().Dword(1).Header(test::kV22).Dword(1).Dword(13).Base()),
                         entries, payload));
}

TEST(GlintPayloadTest, AFailedReadLeavesNoEntriesBehind) {
    EntryList entries;
    ScenePayload payload;
    ASSERT_TRUE(ReadScenePayload(Shared(CommentPayload()), entries, payload));
    EXPECT_FALSE(ReadScenePayload(Shared(HandBytes().Dword(1)), entries, payload));
    EXPECT_EQ(entries.Count(), 0u);
}

}  // namespace
}  // namespace vl
