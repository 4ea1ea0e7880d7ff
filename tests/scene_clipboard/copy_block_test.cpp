// "CopyScene1.0": the block's bytes, paste's linking rules, accepted versions and hostile blocks.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "tests/scene/hand_bytes.h"
#include "scene/clipboard_blocks.h"
#include "scene/entries.h"

namespace vl {
namespace {

using test::HandBytes;
using Bytes = std::vector<std::uint8_t>;

template <class T>
T& Add(EntryList& list) {
    auto entry = std::make_unique<T>();
    T& ref = *entry;
    list.Append(std::move(entry));
    return ref;
}

// A default MotionParam in stored order (27 DWORDs), with the speed given.
HandBytes Motion(std::int32_t speed = 100000) {
    return HandBytes().Dwords(
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, speed, 2000, 0, 1, 1, 0});
}
// A default ColourParam: colour, mixing, random, background.
HandBytes Colour() {
    return HandBytes().Dwords({0, 0, 0, 1});
}
// Kind and record of a default Show, Move or Hide.
HandBytes ImageCommand(std::int32_t kind) {
    return HandBytes().Dword(kind).Base().Append(Motion()).Append(Colour());
}
// Kind and record of a picture Image without data.
HandBytes EmptyPicture() {
    return HandBytes().Dword(0).Base().Dwords({0, 0, 1}).Dword(0);
}
HandBytes Play(std::int32_t count = 1) {
    return HandBytes().Dword(10).Base().Dwords({count, 0, 0, 0, 0, 0});
}
HandBytes Stop() {
    return HandBytes().Dword(11).Base();
}

// The block for lines 3 and 5 of a list where line 5 shows the text Image "Hi" of line 3.
HandBytes ImageAndShowBlock() {
    return HandBytes()
        .Dword(test::kV22)
        .Dword(2)
        .Dword(0)
        .Base()
        .Dwords({1, 0, 1})
        .Dwords({0x000000FF, 0x00FFFFFF})
        .ScrambledShortText("Hi")
        .Scrambled(test::DefaultFontBytes())
        .Append(ImageCommand(1))
        .Dwords({0, -1})  // the Image has no target
        .Dwords({1, 0});  // the Show's target is the block's first command
}

CopyBlockContents Read(const HandBytes& block, EntryList& list) {
    return ReadCopyBlock(block.bytes.data(), block.bytes.size(), list);
}

// ---- writing ----

TEST(CopyBlockWrite, ObjectCopiedWithItsUserIsNamedByBlockIndex) {
    EntryList list;
    Add<CommentEntry>(list).text = "c";
    Add<WaitEntry>(list);
    ImageEntry& image = Add<ImageEntry>(list);
    image.isText = 1;
    image.text = "Hi";
    image.textColour = 0x000000FF;
    image.backgroundColour = 0x00FFFFFF;
    Add<ClsEntry>(list);
    ShowEntry& show = Add<ShowEntry>(list);
    ASSERT_TRUE(show.SetObject(&image));
    list.Renumber();

    EXPECT_EQ(WriteCopyBlock(list, {&image, &show}), ImageAndShowBlock().bytes);
    // Writing leaves the list's own index fields as they were.
    EXPECT_EQ(image.index, 2);
    EXPECT_EQ(show.index, 4);
}

TEST(CopyBlockWrite, TargetsOutsideTheBlockAreNamedByListIndex) {
    EntryList list;
    ImageEntry& image = Add<ImageEntry>(list);
    MultimediaEntry& media = Add<MultimediaEntry>(list);
    ShowEntry& show = Add<ShowEntry>(list);
    show.description.text = "d";
    show.indentation = 2;
    show.disabled = 1;
    StopEntry& stop = Add<StopEntry>(list);
    MoveEntry& unlinked = Add<MoveEntry>(list);
    ASSERT_TRUE(show.SetObject(&image));
    ASSERT_TRUE(stop.SetObject(&media));
    // Index fields that no longer match the list (it changed since the last renumbering) must
    // not mislead the writer.
    image.index = 7;
    media.index = 0;

    const Bytes expected = HandBytes()
                               .Dword(test::kV22)
                               .Dword(3)
                               .Dword(1)
                               .Base("d", 2, 1)
                               .Append(Motion())
                               .Append(Colour())
                               .Append(Stop())
                               .Append(ImageCommand(2))
                               .Dwords({0, 0, 0, 1, 0, -1})
                               .bytes;
    EXPECT_EQ(WriteCopyBlock(list, {&show, &stop, &unlinked}), expected);
}

TEST(CopyBlockWrite, CommandsOutsideTheListAndTargetsNowhere) {
    EntryList list;
    Add<CommentEntry>(list);
    // A palette prototype, and a Hide whose Image stands in no list.
    WaitEntry prototype;
    prototype.duration.milliseconds = 1500;
    ImageEntry stray;
    HideEntry hide;
    ASSERT_TRUE(hide.SetObject(&stray));

    const Bytes expected = HandBytes()
                               .Dword(test::kV22)
                               .Dword(2)
                               .Dword(4)
                               .Base()
                               .Dwords({1500, 0})
                               .Append(ImageCommand(3))
                               .Dwords({0, -1, 0, -1})
                               .bytes;
    EXPECT_EQ(WriteCopyBlock(list, {&prototype, &hide}), expected);
}

TEST(CopyBlockWrite, EmptySelectionWritesVersionAndZero) {
    EntryList list;
    EXPECT_EQ(WriteCopyBlock(list, {}), HandBytes().Dword(test::kV22).Dword(0).bytes);
}

// ---- paste ----

TEST(CopyBlockPaste, PastedShowUsesThePastedImage) {
    EntryList list;
    ImageEntry& original = Add<ImageEntry>(list);
    CopyBlockContents pasted = Read(ImageAndShowBlock(), list);
    ASSERT_TRUE(pasted.ok());
    EXPECT_EQ(pasted.version, 2.2f);
    ASSERT_EQ(pasted.commands.size(), 2u);
    const auto* image = EntryAs<ImageEntry>(pasted.commands[0].get());
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->IsTextObject());
    EXPECT_EQ(image->text, "Hi");
    EXPECT_EQ(image->textColour, 0x000000FFu);
    EXPECT_EQ(image->font.FaceName(), "MS Sans Serif");
    EXPECT_EQ(pasted.commands[1]->Kind(), kShow);
    EXPECT_EQ(pasted.commands[1]->GetLinkedObject(), image);
    ASSERT_EQ(image->Users().size(), 1u);
    EXPECT_TRUE(original.Users().empty());
}

TEST(CopyBlockPaste, ShowOntoACommentLineStaysUnlinked) {
    const HandBytes block =
        HandBytes().Dword(test::kV22).Dword(1).Append(ImageCommand(1)).Dwords({0, 0});
    EntryList comments;
    Add<CommentEntry>(comments);
    CopyBlockContents pasted = Read(block, comments);
    ASSERT_TRUE(pasted.ok());
    ASSERT_EQ(pasted.commands.size(), 1u);
    EXPECT_EQ(pasted.commands[0]->GetLinkedObject(), nullptr);

    // The same block over a list whose first line is an Image links to it.
    EntryList images;
    ImageEntry& image = Add<ImageEntry>(images);
    pasted = Read(block, images);
    ASSERT_TRUE(pasted.ok());
    EXPECT_EQ(pasted.commands[0]->GetLinkedObject(), &image);
    ASSERT_EQ(image.Users().size(), 1u);
    // Dropping the pasted commands (a paste that is abandoned) leaves the list clean.
    pasted.commands.clear();
    EXPECT_TRUE(image.Users().empty());
}

TEST(CopyBlockPaste, LinkingRules) {
    EntryList list;
    ImageEntry& image = Add<ImageEntry>(list);
    MultimediaEntry& media = Add<MultimediaEntry>(list);
    Add<CommentEntry>(list);
    const HandBytes block = HandBytes()
                                .Dword(test::kV22)
                                .Dword(11)
                                .Append(ImageCommand(1))  // 0
                                .Append(Play())           // 1
                                .Append(Stop())           // 2
                                .Append(ImageCommand(3))  // 3
                                .Append(ImageCommand(2))  // 4
                                .Append(ImageCommand(3))  // 5
                                .Append(EmptyPicture())   // 6
                                .Append(ImageCommand(1))  // 7
                                .Append(ImageCommand(2))  // 8
                                .Append(Play())           // 9
                                .Append(ImageCommand(3))  // 10
                                .Dwords({0, 0,            // Show onto the list's Image
                                         0, 1,            // Play onto the list's Multimedia
                                         0, 0,            // Stop onto an Image: kinds misfit
                                         0, 3,            // beyond the list's three lines
                                         0, -1,           // no target
                                         1, 6,            // Hide onto the pasted Image
                                         0, -1,           // the Image itself
                                         1, 11,           // beyond the block
                                         2, 0,            // inside neither 0 nor 1
                                         1, 6,            // Play onto a pasted Image: misfit
                                         1, -3});         // negative: skipped
    CopyBlockContents pasted = Read(block, list);
    ASSERT_TRUE(pasted.ok());
    ASSERT_EQ(pasted.commands.size(), 11u);
    const auto linked = [&](std::size_t i) { return pasted.commands[i]->GetLinkedObject(); };
    EXPECT_EQ(linked(0), &image);
    EXPECT_EQ(linked(1), &media);
    EXPECT_EQ(linked(2), nullptr);
    EXPECT_EQ(linked(3), nullptr);
    EXPECT_EQ(linked(4), nullptr);
    EXPECT_EQ(linked(5), pasted.commands[6].get());
    EXPECT_EQ(linked(6), nullptr);
    EXPECT_EQ(linked(7), nullptr);
    EXPECT_EQ(linked(8), nullptr);
    EXPECT_EQ(linked(9), nullptr);
    EXPECT_EQ(linked(10), nullptr);
    EXPECT_EQ(image.Users().size(), 1u);
    EXPECT_EQ(media.Users().size(), 1u);
    EXPECT_EQ(pasted.commands[6]->Users().size(), 1u);
}

TEST(CopyBlockPaste, RecordsAreReadInTheBlocksVersion) {
    // Version 1.0: a Play without video position, a Show with the 20-DWORD motion, an Image with
    // only is-text and opaque.
    const HandBytes v10 =
        HandBytes()
            .Dword(test::kV10)
            .Dword(3)
            .Dword(10)
            .Base()
            .Dwords({3, 0, 1, 0})
            .Dword(1)
            .Base()
            .Dwords({0, 0, 0, 0, 5, 6, 7, 8, 1, 1, 1, 0, 0, 0, 0, 0, 0, 555, 2000, 0})
            .Append(Colour())
            .Dword(0)
            .Base()
            .Dwords({0, 1})
            .Dword(0)
            .Dwords({0, -1, 1, 2, 0, -1});
    EntryList list;
    CopyBlockContents pasted = Read(v10, list);
    ASSERT_TRUE(pasted.ok());
    EXPECT_EQ(pasted.version, 1.0f);
    ASSERT_EQ(pasted.commands.size(), 3u);
    const auto* play = EntryAs<PlayEntry>(pasted.commands[0].get());
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(play->params.mode.count, 3u);
    EXPECT_EQ(play->params.mode.wait, 1);
    const auto* show = EntryAs<ShowEntry>(pasted.commands[1].get());
    ASSERT_NE(show, nullptr);
    EXPECT_EQ(show->params.motion.startX, 5);
    EXPECT_EQ(show->params.motion.endY, 8);
    EXPECT_EQ(show->params.motion.speed, 555);
    EXPECT_EQ(show->params.motion.keepWhileMoving, 0);
    EXPECT_EQ(show->GetLinkedObject(), pasted.commands[2].get());
    const auto* image = EntryAs<ImageEntry>(pasted.commands[2].get());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->opaque, 1);
    EXPECT_EQ(image->source, kSourceFile);

    // Version 1.1: the Image's third DWORD is a flag; nonzero means the desktop.
    const HandBytes v11 =
        HandBytes().Dword(test::kV11).Dword(1).Dword(0).Base().Dwords({0, 0, 5, 0, 0, -1});
    pasted = Read(v11, list);
    ASSERT_TRUE(pasted.ok());
    EXPECT_EQ(EntryAs<ImageEntry>(pasted.commands[0].get())->source, kSourceDesktop);

    // Version 2.1 has every field but the motion effect.
    const HandBytes v21 = HandBytes().Dword(test::kV21).Dword(1).Append(Play(4)).Dwords({0, -1});
    pasted = Read(v21, list);
    ASSERT_TRUE(pasted.ok());
    EXPECT_EQ(EntryAs<PlayEntry>(pasted.commands[0].get())->params.mode.count, 4u);
}

TEST(CopyBlockPaste, OnlyTheFourVersionsAreAccepted) {
    EntryList list;
    float nan = std::nanf("");
    std::uint32_t nanBits;
    std::memcpy(&nanBits, &nan, sizeof nanBits);
    for (std::uint32_t bits : {test::kV20, 0x400CCCCCu, 0u, 0x3F800001u, nanBits, 0x40400000u}) {
        const HandBytes block = HandBytes().Dword(bits).Dword(0);
        CopyBlockContents pasted = Read(block, list);
        EXPECT_EQ(pasted.status, ClipboardReadStatus::kRefused) << std::hex << bits;
        EXPECT_TRUE(pasted.commands.empty());
    }
    for (std::uint32_t bits : {test::kV10, test::kV11, test::kV21, test::kV22}) {
        EXPECT_TRUE(Read(HandBytes().Dword(bits).Dword(0), list).ok()) << std::hex << bits;
    }
}

TEST(CopyBlockPaste, EmptyBlockAndPageSizedPadding) {
    EntryList list;
    CopyBlockContents pasted = Read(HandBytes().Dword(test::kV22).Dword(0), list);
    ASSERT_TRUE(pasted.ok());
    EXPECT_TRUE(pasted.commands.empty());

    // Clipboard memory comes in 4096-byte steps; whatever follows the last pair is ignored.
    HandBytes padded = ImageAndShowBlock();
    padded.bytes.resize(4096, 0xCD);
    pasted = Read(padded, list);
    ASSERT_TRUE(pasted.ok());
    ASSERT_EQ(pasted.commands.size(), 2u);
    EXPECT_EQ(pasted.commands[1]->GetLinkedObject(), pasted.commands[0].get());
}

TEST(CopyBlockPaste, HostileBlocksPasteNothingAndLinkNothing) {
    EntryList list;
    ImageEntry& image = Add<ImageEntry>(list);
    const HandBytes good =
        HandBytes().Dword(test::kV22).Dword(1).Append(ImageCommand(1)).Dwords({0, 0});
    HandBytes truncatedInRecord = good;
    truncatedInRecord.bytes.resize(8 + 4 + 9 + 40);
    HandBytes truncatedInPairs = good;
    truncatedInPairs.bytes.pop_back();

    const std::vector<std::pair<const char*, HandBytes>> cases = {
        {"empty", HandBytes()},
        {"three bytes", HandBytes().Byte({0xCD, 0xCC, 0x0C})},
        {"version only", HandBytes().Dword(test::kV22)},
        {"negative count", HandBytes().Dword(test::kV22).Dword(0xFFFFFFFF)},
        {"count beyond the bytes",
         HandBytes().Dword(test::kV22).Dword(0x7FFFFFFF).Append(ImageCommand(1)).Dwords({0, 0})},
        {"kind 13", HandBytes().Dword(test::kV22).Dword(1).Dword(13).Base().Dwords({0, -1})},
        {"kind -1", HandBytes().Dword(test::kV22).Dword(1).Dword(0xFFFFFFFF).Base().Dwords({0, 0})},
        {"description claiming 4 GB", HandBytes()
                                          .Dword(test::kV22)
                                          .Dword(1)
                                          .Dword(1)
                                          .Byte({0xFF, 0xFF, 0xFF})
                                          .Dword(0xFFFFFFFF)},
        {"picture larger than the block",
         HandBytes().Dword(test::kV22).Dword(1).Dword(0).Base().Dwords({0, 0, 1, 0x7FFFFFF0})},
        {"truncated in a record", truncatedInRecord},
        {"truncated in the pairs", truncatedInPairs},
        {"more commands than written",
         HandBytes().Dword(test::kV22).Dword(2).Append(ImageCommand(1)).Dwords({0, 0})},
    };
    for (const auto& [name, block] : cases) {
        CopyBlockContents pasted = Read(block, list);
        EXPECT_EQ(pasted.status, ClipboardReadStatus::kMalformed) << name;
        EXPECT_TRUE(pasted.commands.empty()) << name;
        EXPECT_TRUE(image.Users().empty()) << name;
    }
    EXPECT_TRUE(Read(good, list).ok());
}

TEST(CopyBlock, EveryKindSurvivesCopyAndPaste) {
    EntryList list;
    ImageEntry& picture = Add<ImageEntry>(list);
    picture.fileName = "p.jpg";
    picture.data = ByteBlock::Copy("\xFF\xD8\xFF", 3);
    picture.source = kSourceWallpaper;
    MultimediaEntry& media = Add<MultimediaEntry>(list);
    media.fileName = "v.avi";
    media.mediaType = MultimediaEntry::kTypeAvi;
    media.data = ByteBlock::Copy("RIFF", 4);
    MoveEntry& move = Add<MoveEntry>(list);
    move.params.motion.stepMode = 1;
    move.params.motion.effect = kEffectStretch;
    move.params.colour.mixing = kMixAnd;
    ASSERT_TRUE(move.SetObject(&picture));
    Add<WaitEntry>(list).duration.random = 1;
    Add<ClsEntry>(list).colour.colour = MakeColour(1, 2, 3);
    Add<RepeatEntry>(list).description.text = "outer";
    Add<UntilEntry>(list).repeat.infinite = 1;
    LineEntry& line = Add<LineEntry>(list);
    line.penStyle = kPenDot;
    line.penWidth = 4;
    line.motion.endX = 640;
    PlayEntry& play = Add<PlayEntry>(list);
    play.params.mode.videoX = 12;
    ASSERT_TRUE(play.SetObject(&media));
    StopEntry& stop = Add<StopEntry>(list);
    ASSERT_TRUE(stop.SetObject(&media));
    Add<CommentEntry>(list).text = "\xE9t\xE9";
    list.Renumber();

    std::vector<const SceneEntry*> all;
    for (std::size_t i = 0; i < list.Count(); ++i) {
        all.push_back(&list.At(i));
    }
    const Bytes block = WriteCopyBlock(list, all);
    EntryList other;
    CopyBlockContents pasted = ReadCopyBlock(block.data(), block.size(), other);
    ASSERT_TRUE(pasted.ok());
    ASSERT_EQ(pasted.commands.size(), list.Count());
    EntryList back;
    for (auto& command : pasted.commands) {
        back.Append(std::move(command));
    }
    back.Renumber();
    std::vector<const SceneEntry*> again;
    for (std::size_t i = 0; i < back.Count(); ++i) {
        again.push_back(&back.At(i));
        EXPECT_EQ(back.At(i).Kind(), list.At(i).Kind());
        EXPECT_EQ(back.At(i).GetObjectIndex(), list.At(i).GetObjectIndex()) << i;
    }
    EXPECT_EQ(WriteCopyBlock(back, again), block);
}

}  // namespace
}  // namespace vl
