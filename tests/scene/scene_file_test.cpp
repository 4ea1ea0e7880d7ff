// Whole scene files: layout, link section, versions, and what happens to broken or hostile files.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/scene/hand_bytes.h"
#include "scene/entries.h"
#include "scene/messages.h"
#include "scene/scene_file.h"

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

SceneReadResult Read(const HandBytes& bytes, EntryList& list) {
    return ReadSceneFile(bytes.bytes.data(), bytes.bytes.size(), list);
}

// A list with one entry, to see whether a failed read leaves it alone or clears it.
void PutMarker(EntryList& list) {
    list.Clear();
    Add<CommentEntry>(list).text = "marker";
}

HandBytes SmallScene() {
    // Image "a.bmp" with the bytes "BM"; Show and Hide linked to it; a Wait.
    return HandBytes()
        .Header(test::kV22)
        .Dword(4)
        .Dword(0)
        .Base()
        .Dwords({0, 0, 1, 2})
        .ScrambledShortText("a.bmp")
        .Scrambled({'B', 'M'})
        .Dword(1)
        .Base()
        .Append([] {
            HandBytes m;
            m.Dwords({0, 0, 0, 0, 0, 0, 0, 0,      0,    0, 0, 0, 1, 1,
                      1, 0, 0, 0, 0, 0, 0, 100000, 2000, 0, 1, 1, 0});
            return m;
        }())
        .Dwords({0, 0, 0, 1})
        .Dword(3)
        .Base()
        .Append([] {
            HandBytes m;
            m.Dwords({0, 0, 0, 0, 0, 0, 0, 0,      0,    0, 0, 0, 1, 1,
                      1, 0, 0, 0, 0, 0, 0, 100000, 2000, 0, 1, 1, 0});
            return m;
        }())
        .Dwords({0, 0, 0, 1})
        .Dword(4)
        .Base()
        .Dwords({250, 0})
        .Dwords({2, 1, 2});  // link section: the Image has two users
}

TEST(SceneFile, WritesTheSmallSceneByteForByte) {
    EntryList list;
    ImageEntry& image = Add<ImageEntry>(list);
    image.fileName = "a.bmp";
    image.data = ByteBlock::Copy("BM", 2);
    ShowEntry& show = Add<ShowEntry>(list);
    HideEntry& hide = Add<HideEntry>(list);
    Add<WaitEntry>(list).duration.milliseconds = 250;
    ASSERT_TRUE(show.SetObject(&image));
    ASSERT_TRUE(image.AddUser(hide));
    EXPECT_EQ(SaveSceneFile(list), SmallScene().bytes);
}

TEST(SceneFile, ReadsTheSmallSceneWithItsLinks) {
    EntryList list;
    PutMarker(list);
    SceneReadResult result = Read(SmallScene(), list);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.version, 2.2f);
    ASSERT_EQ(list.Count(), 4u);
    const auto* image = EntryAs<ImageEntry>(&list.At(0));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->fileName, "a.bmp");
    EXPECT_EQ(std::string(image->data.begin(), image->data.end()), "BM");
    ASSERT_EQ(image->Users().size(), 2u);
    EXPECT_EQ(image->Users()[0], &list.At(1));
    EXPECT_EQ(image->Users()[1], &list.At(2));
    EXPECT_EQ(list.At(1).GetLinkedObject(), image);
    EXPECT_EQ(list.At(2).GetObjectIndex(), 0);
    EXPECT_EQ(list.At(3).GetObjectIndex(), -1);
    EXPECT_EQ(EntryAs<WaitEntry>(&list.At(3))->duration.milliseconds, 250);
}

TEST(SceneFile, LinkSectionKeepsUsersOrderAndCoversEveryObject) {
    EntryList list;
    ImageEntry& image = Add<ImageEntry>(list);
    MultimediaEntry& media = Add<MultimediaEntry>(list);
    ImageEntry& lonely = Add<ImageEntry>(list);
    (void)lonely;
    ShowEntry& show = Add<ShowEntry>(list);
    MoveEntry& move = Add<MoveEntry>(list);
    PlayEntry& play = Add<PlayEntry>(list);
    StopEntry& stop = Add<StopEntry>(list);
    // Users in an order other than list order.
    ASSERT_TRUE(move.SetObject(&image));
    ASSERT_TRUE(show.SetObject(&image));
    ASSERT_TRUE(stop.SetObject(&media));
    ASSERT_TRUE(play.SetObject(&media));

    Bytes bytes = SaveSceneFile(list);
    // Link section: Image 0 -> {4, 3}; Multimedia 1 -> {6, 5}; Image 2 -> {}.
    const Bytes tail = HandBytes().Dwords({2, 4, 3, 2, 6, 5, 0}).bytes;
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_EQ(Bytes(bytes.end() - static_cast<std::ptrdiff_t>(tail.size()), bytes.end()), tail);

    EntryList back;
    ASSERT_TRUE(ReadSceneFile(bytes.data(), bytes.size(), back).ok());
    ASSERT_EQ(back.Count(), 7u);
    ASSERT_EQ(back.At(0).Users().size(), 2u);
    EXPECT_EQ(back.At(0).Users()[0], &back.At(4));
    EXPECT_EQ(back.At(0).Users()[1], &back.At(3));
    EXPECT_EQ(back.At(5).GetObjectIndex(), 1);
    EXPECT_EQ(back.At(6).GetObjectIndex(), 1);
    EXPECT_TRUE(back.At(2).Users().empty());
    EXPECT_EQ(SaveSceneFile(back), bytes);
}

TEST(SceneFile, EmptyFileIsAnEmptyScene) {
    EntryList list;
    PutMarker(list);
    SceneReadResult result = ReadSceneFile(nullptr, 0, list);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.version, 2.2f);
    EXPECT_TRUE(list.Empty());
}

TEST(SceneFile, EmptySceneWritesHeaderAndZeroCount) {
    EntryList list;
    EXPECT_EQ(SaveSceneFile(list), HandBytes().Header(test::kV22).Dword(0).bytes);
}

TEST(SceneFile, TwoThousandEntriesRoundTrip) {
    EntryList list;
    for (int i = 0; i < 500; ++i) {
        ImageEntry& image = Add<ImageEntry>(list);
        image.isText = 1;
        image.text = "text " + std::to_string(i);
        ShowEntry& show = Add<ShowEntry>(list);
        show.params.motion.startX = i;
        ASSERT_TRUE(show.SetObject(&image));
        Add<WaitEntry>(list).duration.milliseconds = i;
        HideEntry& hide = Add<HideEntry>(list);
        ASSERT_TRUE(hide.SetObject(&image));
    }
    ASSERT_EQ(list.Count(), 2000u);
    Bytes bytes = SaveSceneFile(list);
    EntryList back;
    ASSERT_TRUE(ReadSceneFile(bytes.data(), bytes.size(), back).ok());
    ASSERT_EQ(back.Count(), 2000u);
    for (std::size_t i = 0; i < 2000; i += 4) {
        EXPECT_EQ(back.At(i).Users().size(), 2u);
        EXPECT_EQ(back.At(i + 1).GetObjectIndex(), static_cast<std::int32_t>(i));
        EXPECT_EQ(back.At(i + 3).GetObjectIndex(), static_cast<std::int32_t>(i));
    }
    EXPECT_EQ(EntryAs<ImageEntry>(&back.At(1996))->text, "text 499");
    EXPECT_EQ(SaveSceneFile(back), bytes);
}

TEST(SceneFile, OlderVersionIsReadAndSavedAsCurrent) {
    const HandBytes v10 = HandBytes()
                              .Header(test::kV10)
                              .Dword(2)
                              .Dword(9)
                              .Base()
                              .Dword(2)
                              .ScrambledShortText("s.wav")
                              .Scrambled({1, 2})
                              .Dword(10)
                              .Base()
                              .Dwords({3, 0, 1, 0})
                              .Dwords({1, 1});
    EntryList list;
    SceneReadResult result = Read(v10, list);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.version, 1.0f);
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.At(1).GetObjectIndex(), 0);

    const Bytes expected = HandBytes()
                               .Header(test::kV22)
                               .Dword(2)
                               .Dword(9)
                               .Base()
                               .Dword(2)
                               .ScrambledShortText("s.wav")
                               .Dword(0)
                               .Scrambled({1, 2})
                               .Dword(10)
                               .Base()
                               .Dwords({3, 0, 1, 0, 0, 0})
                               .Dwords({1, 1})
                               .bytes;
    EXPECT_EQ(SaveSceneFile(list), expected);
}

TEST(SceneFile, ReadsAtAnOffsetAndIgnoresTrailingBytes) {
    HandBytes payload;
    payload.Dword(1).Append(SmallScene()).Byte({9, 9, 9});
    auto buffer = ByteBuffer::Copy(payload.bytes.data(), payload.bytes.size());
    EntryList list;
    ASSERT_TRUE(ReadSceneFile(buffer, list, 4).ok());
    EXPECT_EQ(list.Count(), 4u);
}

TEST(SceneFileRefused, WrongVersionOrSignatureLeavesTheSceneAlone) {
    const std::vector<HandBytes> refused = {
        HandBytes().Header(test::kV20).Dword(0),  // version 2.0
        HandBytes().Header(0x400CCCCC).Dword(0),  // 2.2 off by one bit
        HandBytes().ShortText("Vistaloom Scenf").Dword(test::kV22).Dword(0),
        HandBytes().ShortText("Vistaloom Scen").Dword(test::kV22).Dword(0),
        HandBytes().Byte({0x0F, 'V', 'i'}),  // too short for a header
        HandBytes().Byte({0xFF}),
    };
    for (const HandBytes& file : refused) {
        EntryList list;
        PutMarker(list);
        SceneReadResult result = Read(file, list);
        EXPECT_EQ(result.status, SceneReadStatus::kRefused);
        EXPECT_TRUE(result.message.empty());
        ASSERT_EQ(list.Count(), 1u);
        EXPECT_EQ(EntryAs<CommentEntry>(&list.At(0))->text, "marker");
    }
}

void ExpectMalformed(const HandBytes& file) {
    EntryList list;
    PutMarker(list);
    SceneReadResult result = Read(file, list);
    EXPECT_EQ(result.status, SceneReadStatus::kMalformed);
    EXPECT_EQ(result.message, "Unexpected file format.");
    EXPECT_TRUE(list.Empty());
}

TEST(SceneFileMalformed, TruncatedInsideADataBlock) {
    HandBytes file = SmallScene();
    // Header 20, count 4, kind 4, base 9, three flags 12, size 4, "a.bmp" 6: cut after the
    // first of the two data bytes.
    HandBytes cut;
    cut.bytes.assign(file.bytes.begin(), file.bytes.begin() + 20 + 4 + 4 + 9 + 12 + 4 + 6 + 1);
    ExpectMalformed(cut);
    // Every shorter prefix past the header is malformed too, never a crash.
    for (std::size_t size = 20; size < file.bytes.size(); ++size) {
        HandBytes prefix;
        prefix.bytes.assign(file.bytes.begin(), file.bytes.begin() + static_cast<long>(size));
        ExpectMalformed(prefix);
    }
}

TEST(SceneFileMalformed, KindThirteen) {
    ExpectMalformed(HandBytes().Header(test::kV22).Dword(1).Dword(13).Base());
}

TEST(SceneFileMalformed, LinkIndexOutOfRange) {
    ExpectMalformed(
        HandBytes().Header(test::kV22).Dword(1).Dword(9).Base().Dword(0).Dwords({1, 1}));
}

TEST(SceneFileMalformed, LinkBetweenKindsThatDoNotFit) {
    // A Wait listed as user of an Image, and a Play listed as user of an Image.
    ExpectMalformed(HandBytes()
                        .Header(test::kV22)
                        .Dword(2)
                        .Dword(0)
                        .Base()
                        .Dwords({0, 0, 1, 0})
                        .Dword(4)
                        .Base()
                        .Dwords({0, 0})
                        .Dwords({1, 1}));
    ExpectMalformed(HandBytes()
                        .Header(test::kV22)
                        .Dword(2)
                        .Dword(0)
                        .Base()
                        .Dwords({0, 0, 1, 0})
                        .Dword(10)
                        .Base()
                        .Dwords({1, 0, 0, 0, 0, 0})
                        .Dwords({1, 1}));
}

TEST(SceneFileMalformed, LengthPrefixClaimingFourGigabytes) {
    ExpectMalformed(HandBytes()
                        .Header(test::kV22)
                        .Dword(1)
                        .Dword(12)
                        .Byte({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'x'}));
    // A data size of 4 GB - 1.
    ExpectMalformed(HandBytes()
                        .Header(test::kV22)
                        .Dword(1)
                        .Dword(0)
                        .Base()
                        .Dwords({0, 0, 1, -1})
                        .ScrambledShortText("x")
                        .Byte({1}));
}

TEST(SceneFileMalformed, HugeCountsEndWithTheBytes) {
    ExpectMalformed(HandBytes().Header(test::kV22).Dword(0xFFFFFFFF).Dword(6).Base());
    ExpectMalformed(HandBytes()
                        .Header(test::kV22)
                        .Dword(1)
                        .Dword(0)
                        .Base()
                        .Dwords({0, 0, 1, 0})
                        .Dword(0xFFFFFFFF));
}

TEST(SceneFileMalformed, MissingLinkSection) {
    ExpectMalformed(HandBytes().Header(test::kV22).Dword(1).Dword(9).Base().Dword(0));
}

}  // namespace
}  // namespace vl
