// One-line descriptions, exact to the character.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "scene/entries.h"
#include "scene/nesting.h"

namespace vl {
namespace {

std::string Text(const SceneEntry& entry) {
    return DescribeEntry(entry);
}

TEST(Describe, RepeatWithAndWithoutDescription) {
    RepeatEntry repeat;
    EXPECT_EQ(Text(repeat), "Repeat");
    repeat.description.text = "outer";
    EXPECT_EQ(Text(repeat), "Repeat (outer)");
}

TEST(Describe, Wait) {
    WaitEntry wait;
    wait.duration.milliseconds = 1500;
    EXPECT_EQ(Text(wait), "Wait [Duration: 1.5 sec]");
    wait.duration.milliseconds = 0;
    EXPECT_EQ(Text(wait), "Wait [Duration: 0 sec]");
    wait.duration.milliseconds = 1;
    EXPECT_EQ(Text(wait), "Wait [Duration: 0.001 sec]");
    wait.duration.milliseconds = 3000;
    EXPECT_EQ(Text(wait), "Wait [Duration: 3 sec]");
    wait.duration.random = 1;
    wait.description.text = "d";
    EXPECT_EQ(Text(wait), "Wait (d) [Random]");
}

TEST(Describe, WaitSecondsMatchPrintfG11) {
    // The formatting oracle here is the C library's own %.11g.
    for (std::int32_t ms : {0, 1, 10, 20, 99, 150, 1234, 1500, 2001, 59999, 100000, 123456789,
                            2147483647, -1, -1500, -2147483647 - 1}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "Wait [Duration: %.11g sec]", ms * 0.001);
        WaitEntry wait;
        wait.duration.milliseconds = ms;
        EXPECT_EQ(Text(wait), expected) << ms;
    }
}

TEST(Describe, Until) {
    UntilEntry until;
    EXPECT_EQ(Text(until), "Until [1 time]");
    until.repeat.count = 2;
    EXPECT_EQ(Text(until), "Until [2 times]");
    until.repeat.count = 0;
    EXPECT_EQ(Text(until), "Until [0 time]");
    until.repeat.count = 0xFFFFFFFF;
    EXPECT_EQ(Text(until), "Until [-1 times]");
    until.repeat.infinite = 1;
    EXPECT_EQ(Text(until), "Until [Infinite]");
}

TEST(Describe, ShowOfATextImage) {
    ImageEntry image;
    image.isText = 1;
    image.text = "Hello world";
    ShowEntry show;
    ASSERT_TRUE(show.SetObject(&image));
    EXPECT_EQ(Text(show),
              "Show [Hello w..., Position: (0, 0), Colour: RGB(0, 0, 0), Mixing: No Mixing, "
              "Background: Yes]");

    show.params.motion.letterByLetter = 1;
    show.params.motion.randomStartX = 1;
    show.params.motion.centreStartY = 1;
    show.params.colour.random = 1;
    show.params.colour.mixing = 1;
    show.params.colour.background = 0;
    EXPECT_EQ(Text(show),
              "Show [Hello w..., Position: (Random, Center), Letter By Letter Speed: 2000, "
              "Colour: Random, Mixing: OR, Background: No]");

    // Letter by letter only shows for texts.
    image.isText = 0;
    image.fileName = "p.jpg";
    show.params.motion.randomStartX = 0;
    show.params.motion.centreStartX = 1;
    show.params.motion.centreStartY = 0;
    show.params.motion.startY = -7;
    show.params.colour.random = 0;
    show.params.colour.colour = 0x00030201;
    show.params.colour.mixing = 5;
    show.params.colour.background = 2;
    EXPECT_EQ(Text(show),
              "Show [p.jpg, Position: (Center, -7), Colour: RGB(1, 2, 3), Mixing: AND, "
              "Background: No]");
}

TEST(Describe, ImageNames) {
    ImageEntry image;
    EXPECT_EQ(Text(image), "Image [?]");
    image.fileName = "pic.bmp";
    EXPECT_EQ(Text(image), "Image [pic.bmp]");

    image.isText = 1;
    image.text = "\r\n\nShort\r\nSecond";
    HideEntry hide;
    ASSERT_TRUE(hide.SetObject(&image));
    EXPECT_EQ(Text(hide), "Hide [Short]");
    image.text = "Exactly";
    EXPECT_EQ(Text(hide), "Hide [Exactly]");
    image.text = "Exactly8\r\n";
    EXPECT_EQ(Text(hide), "Hide [Exactly...]");
    image.text = "\r\n\r\n";
    EXPECT_EQ(Text(hide), "Hide [?]");
    image.text = "";
    EXPECT_EQ(Text(hide), "Hide [?]");
    // A carriage return not followed by a line feed belongs to the line.
    image.text = "ab\r";
    EXPECT_EQ(Text(hide), "Hide [ab\r]");
}

TEST(Describe, TextImage) {
    ImageEntry image;
    image.isText = 1;
    image.text = "Hi";
    image.textColour = 0x000000FF;
    image.backgroundColour = 0x00FFFFFF;
    image.description.text = "greeting";
    EXPECT_EQ(Text(image),
              "Image (greeting) [Hi, TextColour: RGB(255, 0, 0), BkColour: RGB(255, 255, 255), "
              "BkMode: Transparent, Font: MS Sans Serif, ...]");
    image.opaque = 1;
    image.font.SetFaceName("Arial");
    EXPECT_EQ(Text(image),
              "Image (greeting) [Hi, TextColour: RGB(255, 0, 0), BkColour: RGB(255, 255, 255), "
              "BkMode: Opaque, Font: Arial, ...]");
}

TEST(Describe, HideWithoutImage) {
    HideEntry hide;
    EXPECT_EQ(Text(hide), "Hide [?]");
}

TEST(Describe, Cls) {
    ClsEntry cls;
    cls.colour.colour = 0x000000FF;
    cls.colour.mixing = 2;
    EXPECT_EQ(Text(cls), "Cls [Colour: RGB(255, 0, 0)]");
    cls.colour.random = 1;
    EXPECT_EQ(Text(cls), "Cls [Colour: Random]");
}

TEST(Describe, MoveInLineAndStepMode) {
    MoveEntry move;
    EXPECT_EQ(Text(move),
              "Move [?, Start Position: (0, 0), End Position: (0, 0), Step X: 1, Speed: 100000, "
              "Colour: RGB(0, 0, 0), Mixing: No Mixing, Background: Yes]");
    MotionParam& m = move.params.motion;
    m.stepAxis = 0;
    m.stepX = 4;
    m.randomEndX = 1;
    m.centreEndY = 1;
    m.startX = 10;
    m.startY = 20;
    EXPECT_EQ(Text(move),
              "Move [?, Start Position: (10, 20), End Position: (Random, Center), Step Y: 4, "
              "Speed: 100000, Colour: RGB(0, 0, 0), Mixing: No Mixing, Background: Yes]");
    m.stepMode = 1;
    m.stepY = -2;
    m.xComparison = 3;
    m.untilX = 300;
    m.join = 1;
    m.yComparison = 9;
    m.untilY = -5;
    m.speed = 50;
    EXPECT_EQ(Text(move),
              "Move [?, Start Position: (10, 20), Step: (4, -2), Until: x <> 300 AND y ? -5, "
              "Speed: 50, Colour: RGB(0, 0, 0), Mixing: No Mixing, Background: Yes]");
    m.join = 0;
    m.xComparison = 0;
    m.yComparison = 2;
    EXPECT_EQ(Text(move),
              "Move [?, Start Position: (10, 20), Step: (4, -2), Until: x > 300 OR y = -5, "
              "Speed: 50, Colour: RGB(0, 0, 0), Mixing: No Mixing, Background: Yes]");
    m.xComparison = 1;
    EXPECT_NE(Text(move).find("Until: x < 300"), std::string::npos);
}

TEST(Describe, LineStyles) {
    LineEntry line;
    EXPECT_EQ(Text(line),
              "Line [Width: 1, Style: Solid, Start Position: (0, 0), End Position: (0, 0), "
              "Colour: RGB(0, 0, 0), Mixing: No Mixing, Background: Yes]");
    const char* names[] = {"Solid", "Dash", "Dot", "DashDot", "DashDotDot", "DashDotDot"};
    for (int style = 0; style < 6; ++style) {
        line.penStyle = style == 5 ? -1 : style;
        EXPECT_NE(Text(line).find(std::string("Style: ") + names[style] + ","), std::string::npos);
    }
}

TEST(Describe, Multimedia) {
    MultimediaEntry media;
    EXPECT_EQ(Text(media), "Multimedia [?]");
    media.fileName = "a.avi";
    media.mediaType = 1;
    EXPECT_EQ(Text(media), "Multimedia [a.avi] - AVI animation ");
    media.mediaType = 0;
    media.fileName = "s.wav";
    EXPECT_EQ(Text(media), "Multimedia [s.wav]");
}

TEST(Describe, PlayAndStop) {
    MultimediaEntry media;
    media.fileName = "s.wav";
    PlayEntry play;
    EXPECT_EQ(Text(play), "Play [?, No wait - 1 time]");
    ASSERT_TRUE(play.SetObject(&media));
    play.params.mode.wait = 1;
    play.params.mode.count = 3;
    EXPECT_EQ(Text(play), "Play [s.wav, Wait - 3 times]");
    play.params.mode.infinite = 1;
    EXPECT_EQ(Text(play), "Play [s.wav, Wait - Infinite]");
    play.params.mode.endless = 1;
    EXPECT_EQ(Text(play), "Play [s.wav, No wait - Infinite]");
    play.params.mode.wait = 0;
    play.params.mode.endless = 0;
    EXPECT_EQ(Text(play), "Play [s.wav, No wait - 1 time]");

    media.mediaType = 1;
    play.params.mode.videoX = 5;
    play.params.mode.videoY = 6;
    EXPECT_EQ(Text(play), "Play [s.wav, No wait - 1 time, Position: (5, 6)]");

    StopEntry stop;
    EXPECT_EQ(Text(stop), "Stop [?]");
    ASSERT_TRUE(stop.SetObject(&media));
    stop.description.text = "end";
    EXPECT_EQ(Text(stop), "Stop (end) [s.wav]");
}

TEST(Describe, CommentIsItsTextAlone) {
    CommentEntry comment;
    comment.description.text = "ignored";
    EXPECT_EQ(Text(comment), "");
    comment.text = "-- part two --";
    EXPECT_EQ(Text(comment), "-- part two --");
}

}  // namespace
}  // namespace vl
