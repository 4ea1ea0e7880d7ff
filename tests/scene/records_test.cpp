// Entry records byte for byte: each expected vector is laid out by hand from the record tables.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "tests/scene/hand_bytes.h"
#include "scene/entries.h"
#include "scene/scene_file.h"

namespace vl {
namespace {

using test::HandBytes;
using Bytes = std::vector<std::uint8_t>;

Bytes Item(const SceneEntry& entry) {
    ByteWriter out;
    WriteEntryItem(entry, out);
    EXPECT_TRUE(out.ok());
    return out.Bytes();
}

std::unique_ptr<SceneEntry> ReadItem(const HandBytes& bytes, std::uint32_t versionBits) {
    ByteReader in = ByteReader::Copying(bytes.bytes.data(), bytes.bytes.size());
    float version;
    std::memcpy(&version, &versionBits, 4);
    in.SetVersion(version);
    std::unique_ptr<SceneEntry> entry = ReadEntryItem(in);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(in.Remaining(), 0u);
    return entry;
}

// Motion fields 101..127 in the order of the 2.2 table.
void FillMotion(MotionParam& m) {
    int v = 101;
    for (std::int32_t* field : {&m.randomStartX,
                                &m.randomStartY,
                                &m.randomEndX,
                                &m.randomEndY,
                                &m.centreStartX,
                                &m.centreStartY,
                                &m.centreEndX,
                                &m.centreEndY,
                                &m.startX,
                                &m.startY,
                                &m.endX,
                                &m.endY,
                                &m.stepX,
                                &m.stepY,
                                &m.stepAxis,
                                &m.xComparison,
                                &m.untilX,
                                &m.untilY,
                                &m.join,
                                &m.yComparison,
                                &m.stepMode,
                                &m.speed,
                                &m.letterSpeed,
                                &m.letterByLetter,
                                &m.keepWhileMoving,
                                &m.restoreAfterHide,
                                &m.effect}) {
        *field = v++;
    }
}

HandBytes MotionDwords101To127() {
    HandBytes b;
    for (int v = 101; v <= 127; ++v) {
        b.Dword(static_cast<std::uint32_t>(v));
    }
    return b;
}

TEST(Records, WaitWithBase) {
    WaitEntry wait;
    wait.description.text = "pause";
    wait.indentation = 2;
    wait.disabled = 1;
    wait.duration.milliseconds = 1500;
    // kind 4; "pause" (5 bytes, shift 8); indentation; disabled; milliseconds; random.
    const Bytes expected = {4, 0, 0, 0, 5, 0x68, 0x59, 0x6D, 0x6B, 0x5D, 2, 0, 0,
                            0, 1, 0, 0, 0, 0xDC, 0x05, 0,    0,    0,    0, 0, 0};
    EXPECT_EQ(Item(wait), expected);
}

TEST(Records, ClsRepeatUntilStopComment) {
    ClsEntry cls;
    cls.colour.colour = 0x0000FF;
    cls.colour.mixing = 1;
    cls.colour.background = 0;
    EXPECT_EQ(Item(cls), HandBytes().Dword(5).Base().Dwords({0xFF, 1, 0, 0}).bytes);

    RepeatEntry repeat;
    repeat.description.text = "outer";
    EXPECT_EQ(Item(repeat), HandBytes().Dword(6).Base("outer").bytes);

    UntilEntry until;
    until.repeat.count = 3;
    until.repeat.infinite = 1;
    EXPECT_EQ(Item(until), HandBytes().Dword(7).Base().Dwords({3, 1}).bytes);

    StopEntry stop;
    EXPECT_EQ(Item(stop), HandBytes().Dword(11).Base().bytes);

    CommentEntry comment;
    comment.text = "Hi";
    EXPECT_EQ(Item(comment), HandBytes().Dword(12).Base().ScrambledShortText("Hi").bytes);
}

TEST(Records, ShowMoveHideHoldMotionThenColourAndNoLink) {
    ShowEntry show;
    FillMotion(show.params.motion);
    show.params.colour.colour = 0x00123456;
    show.params.colour.mixing = 2;
    show.params.colour.random = 1;
    show.params.colour.background = 1;
    ImageEntry image;
    ASSERT_TRUE(show.SetObject(&image));
    const Bytes expected = HandBytes()
                               .Dword(1)
                               .Base()
                               .Append(MotionDwords101To127())
                               .Dwords({0x00123456, 2, 1, 1})
                               .bytes;
    EXPECT_EQ(Item(show), expected);

    MoveEntry move;
    EXPECT_EQ(Item(move).size(), 4u + 9u + 27u * 4u + 16u);
    EXPECT_EQ(Item(move)[0], 2);
    HideEntry hide;
    EXPECT_EQ(Item(hide)[0], 3);
}

TEST(Records, LineHoldsColourThenMotionThenPen) {
    LineEntry line;
    FillMotion(line.motion);
    line.colour.colour = 0x00FF0000;
    line.penStyle = 3;
    line.penWidth = 5;
    const Bytes expected = HandBytes()
                               .Dword(8)
                               .Base()
                               .Dwords({0x00FF0000, 0, 0, 1})
                               .Append(MotionDwords101To127())
                               .Dwords({3, 5})
                               .bytes;
    EXPECT_EQ(Item(line), expected);
}

TEST(Records, PlayHoldsSixModeDwords) {
    PlayEntry play;
    play.params.mode.count = 4;
    play.params.mode.infinite = 0;
    play.params.mode.wait = 1;
    play.params.mode.endless = 0;
    play.params.mode.videoX = 10;
    play.params.mode.videoY = -20;
    EXPECT_EQ(Item(play), HandBytes().Dword(10).Base().Dwords({4, 0, 1, 0, 10, -20}).bytes);
}

TEST(Records, TextImageStoresColoursTextAndScrambledFontButNoDataSize) {
    ImageEntry image;
    image.isText = 1;
    image.opaque = 1;
    image.textColour = 0x000000FF;
    image.backgroundColour = 0x00FFFFFF;
    image.text = "Hello";
    image.fileName = "ignored.bmp";
    const Bytes expected = HandBytes()
                               .Dword(0)
                               .Base()
                               .Dwords({1, 1, 1, 0xFF, 0xFFFFFF})
                               .ScrambledShortText("Hello")
                               .Scrambled(test::DefaultFontBytes())
                               .bytes;
    EXPECT_EQ(Item(image), expected);
}

TEST(Records, PictureImageStoresSizeNameAndScrambledData) {
    ImageEntry image;
    image.source = 3;
    image.fileName = "a.bmp";
    image.data = ByteBlock::Copy("BM12", 4);
    const Bytes expected = HandBytes()
                               .Dword(0)
                               .Base()
                               .Dwords({0, 0, 3, 4})
                               .ScrambledShortText("a.bmp")
                               .Scrambled({'B', 'M', '1', '2'})
                               .bytes;
    EXPECT_EQ(Item(image), expected);

    ImageEntry empty;
    empty.fileName = "lost.bmp";
    EXPECT_EQ(Item(empty), HandBytes().Dword(0).Base().Dwords({0, 0, 1, 0}).bytes);
}

TEST(Records, MultimediaStoresNameTypeAndData) {
    MultimediaEntry media;
    media.fileName = "a.avi";
    media.mediaType = 1;
    media.data = ByteBlock::Copy("RIFF", 4);
    const Bytes expected = HandBytes()
                               .Dword(9)
                               .Base()
                               .Dword(4)
                               .ScrambledShortText("a.avi")
                               .Dword(1)
                               .Scrambled({'R', 'I', 'F', 'F'})
                               .bytes;
    EXPECT_EQ(Item(media), expected);

    MultimediaEntry none;
    none.mediaType = 1;
    EXPECT_EQ(Item(none), HandBytes().Dword(9).Base().Dword(0).bytes);
}

TEST(Records, EveryKindReadsBackWhatItWrote) {
    for (int kind = 0; kind < kKindCount; ++kind) {
        std::unique_ptr<SceneEntry> entry = CreateEntry(kind);
        entry->description.text = "d" + std::to_string(kind);
        entry->indentation = kind;
        ByteWriter out;
        WriteEntryItem(*entry, out);
        HandBytes bytes;
        bytes.bytes = out.Bytes();
        std::unique_ptr<SceneEntry> back = ReadItem(bytes, test::kV22);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->Kind(), kind);
        EXPECT_EQ(back->description.text, entry->description.text);
        EXPECT_EQ(back->indentation, kind);
        EXPECT_EQ(Item(*back), out.Bytes());
    }
}

TEST(RecordsOlderVersions, Motion10HasTwentyDwordsAndClearsNewerFlags) {
    HandBytes bytes;
    bytes.Dword(2).Base();
    for (int v = 1; v <= 20; ++v) {
        bytes.Dword(static_cast<std::uint32_t>(v));
    }
    bytes.Dwords({7, 0, 0, 1});  // colour
    auto entry = ReadItem(bytes, test::kV10);
    ASSERT_NE(entry, nullptr);
    const MotionParam& m = static_cast<MoveEntry&>(*entry).params.motion;
    EXPECT_EQ(m.randomStartX, 1);
    EXPECT_EQ(m.randomEndY, 4);
    EXPECT_EQ(m.startX, 5);
    EXPECT_EQ(m.startY, 6);
    EXPECT_EQ(m.endX, 7);
    EXPECT_EQ(m.endY, 8);
    EXPECT_EQ(m.stepX, 9);
    EXPECT_EQ(m.stepY, 10);
    EXPECT_EQ(m.stepAxis, 11);
    EXPECT_EQ(m.xComparison, 12);
    EXPECT_EQ(m.untilX, 13);
    EXPECT_EQ(m.untilY, 14);
    EXPECT_EQ(m.join, 15);
    EXPECT_EQ(m.yComparison, 16);
    EXPECT_EQ(m.stepMode, 17);
    EXPECT_EQ(m.speed, 18);
    EXPECT_EQ(m.letterSpeed, 19);
    EXPECT_EQ(m.letterByLetter, 20);
    EXPECT_EQ(m.centreStartX + m.centreStartY + m.centreEndX + m.centreEndY, 0);
    EXPECT_EQ(m.keepWhileMoving, 0);
    EXPECT_EQ(m.restoreAfterHide, 0);
    EXPECT_EQ(m.effect, 0);
    EXPECT_EQ(static_cast<MoveEntry&>(*entry).params.colour.colour, 7u);
}

TEST(RecordsOlderVersions, Motion11HasAllButTheEffect) {
    HandBytes bytes;
    bytes.Dword(8).Base().Dwords({0, 0, 0, 1});  // Line: colour first
    for (int v = 101; v <= 126; ++v) {
        bytes.Dword(static_cast<std::uint32_t>(v));
    }
    bytes.Dwords({2, 3});
    auto entry = ReadItem(bytes, test::kV11);
    ASSERT_NE(entry, nullptr);
    const LineEntry& line = static_cast<LineEntry&>(*entry);
    EXPECT_EQ(line.motion.centreStartX, 105);
    EXPECT_EQ(line.motion.startX, 109);
    EXPECT_EQ(line.motion.keepWhileMoving, 125);
    EXPECT_EQ(line.motion.restoreAfterHide, 126);
    EXPECT_EQ(line.motion.effect, 0);
    EXPECT_EQ(line.penStyle, 2);
    EXPECT_EQ(line.penWidth, 3);

    // 2.1 already has the effect.
    HandBytes v21;
    v21.Dword(8).Base().Dwords({0, 0, 0, 1}).Append(MotionDwords101To127()).Dwords({2, 3});
    auto entry21 = ReadItem(v21, test::kV21);
    ASSERT_NE(entry21, nullptr);
    EXPECT_EQ(static_cast<LineEntry&>(*entry21).motion.effect, 127);
}

TEST(RecordsOlderVersions, ImageSourceForms) {
    // 1.0: is text and opaque only; source stays 1.
    HandBytes v10;
    v10.Dword(0).Base().Dwords({0, 1, 0});
    auto image10 = ReadItem(v10, test::kV10);
    ASSERT_NE(image10, nullptr);
    EXPECT_EQ(static_cast<ImageEntry&>(*image10).source, 1);
    EXPECT_EQ(static_cast<ImageEntry&>(*image10).opaque, 1);

    // 1.1 and 2.1: a flag, nonzero giving 2.
    for (std::uint32_t version : {test::kV11, test::kV21}) {
        HandBytes flagged;
        flagged.Dword(0).Base().Dwords({0, 0, 5, 0});
        auto image = ReadItem(flagged, version);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(static_cast<ImageEntry&>(*image).source, 2);
        HandBytes clear;
        clear.Dword(0).Base().Dwords({0, 0, 0, 0});
        EXPECT_EQ(static_cast<ImageEntry&>(*ReadItem(clear, version)).source, 1);
    }

    // 2.2: the raw source.
    HandBytes raw;
    raw.Dword(0).Base().Dwords({0, 0, 3, 0});
    EXPECT_EQ(static_cast<ImageEntry&>(*ReadItem(raw, test::kV22)).source, 3);
}

TEST(RecordsOlderVersions, PlayModeAndMediaTypeByVersion) {
    for (std::uint32_t version : {test::kV10, test::kV11}) {
        HandBytes play;
        play.Dword(10).Base().Dwords({2, 0, 1, 0});
        auto entry = ReadItem(play, version);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(static_cast<PlayEntry&>(*entry).params.mode.count, 2u);
        EXPECT_EQ(static_cast<PlayEntry&>(*entry).params.mode.wait, 1);

        HandBytes media;
        media.Dword(9).Base().Dword(2).ScrambledShortText("s.wav").Scrambled({'R', 'I'});
        auto m = ReadItem(media, version);
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(static_cast<MultimediaEntry&>(*m).mediaType, 0);
        EXPECT_EQ(static_cast<MultimediaEntry&>(*m).fileName, "s.wav");
    }
    HandBytes play21;
    play21.Dword(10).Base().Dwords({2, 0, 1, 0, 30, 40});
    auto entry = ReadItem(play21, test::kV21);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(static_cast<PlayEntry&>(*entry).params.mode.videoY, 40);

    HandBytes media21;
    media21.Dword(9).Base().Dword(2).ScrambledShortText("v.avi").Dword(1).Scrambled({'R', 'I'});
    auto m = ReadItem(media21, test::kV21);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(static_cast<MultimediaEntry&>(*m).mediaType, 1);
    const ByteBlock& data = static_cast<MultimediaEntry&>(*m).data;
    EXPECT_EQ(Bytes(data.begin(), data.end()), (Bytes{'R', 'I'}));
}

TEST(Records, TextImageReadsItsFont) {
    HandBytes bytes;
    std::vector<std::uint8_t> font = test::DefaultFontBytes();
    font[16] = 0xBC;  // weight 700
    font[17] = 0x02;
    bytes.Dword(0)
        .Base()
        .Dwords({1, 0, 1, 0x112233, 0x445566})
        .ScrambledShortText("Hi")
        .Scrambled(font);
    auto entry = ReadItem(bytes, test::kV22);
    ASSERT_NE(entry, nullptr);
    const ImageEntry& image = static_cast<ImageEntry&>(*entry);
    EXPECT_EQ(image.text, "Hi");
    EXPECT_EQ(image.textColour, 0x112233u);
    EXPECT_EQ(image.backgroundColour, 0x445566u);
    EXPECT_EQ(image.font.weight, 700);
    EXPECT_EQ(image.font.height, -11);
    EXPECT_EQ(image.font.FaceName(), "MS Sans Serif");
}

}  // namespace
}  // namespace vl
