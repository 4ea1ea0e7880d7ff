#include "engine/draw/display_commands.h"

#include <gtest/gtest.h>

#include "tests/draw/draw_test_support.h"
#include "engine/draw/image_drawing.h"
#include "engine/image/image_runtime.h"
#include "engine/text/text_bitmap.h"
#include "engine_core/fake_player.h"
#include "scene/random.h"

namespace vl::testing {
namespace {

constexpr int kW = 16;
constexpr int kH = 12;
constexpr COLORREF kEraseColour = RGB(0x01, 0x02, 0x03);

class DisplayTest : public ScreenTest {
  protected:
    DisplayTest() {
        SetPicture(image_, kW, kH, PicturePixel);
        show_.SetObject(&image_);
        move_.SetObject(&image_);
        hide_.SetObject(&image_);
        FillScreen(BackdropPixel);
        target_.SetBackground(kEraseColour);
        for (MotionParam* m : {&show_.params.motion, &move_.params.motion}) {
            m->restoreAfterHide = 0;
            m->keepWhileMoving = 0;
        }
    }

    void ShowAt(int x, int y, bool restore) {
        show_.params.motion.startX = x;
        show_.params.motion.startY = y;
        show_.params.motion.restoreAfterHide = restore ? 1 : 0;
        ShowImage(show_, target_, player_.context);
    }
    void MoveAlongX(int fromX, int toX, int y, int step) {
        MotionParam& m = move_.params.motion;
        m.startX = fromX;
        m.endX = toX;
        m.startY = m.endY = y;
        m.stepX = step;
        MoveImage(move_, target_, player_.context);
    }

    // Pixels of the screen that differ from the backdrop outside `except`, and those inside
    // `picture` that differ from the picture drawn at its top-left.
    int BackdropDifferences(const Pixels& screen, const Rect& except) const {
        int wrong = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const bool inside =
                    x >= except.left && x < except.right && y >= except.top && y < except.bottom;
                wrong += !inside && screen.At(x, y) != BackdropPixel(x, y) ? 1 : 0;
            }
        }
        return wrong;
    }
    static int PictureDifferences(const Pixels& screen, Point at) {
        int wrong = 0;
        for (int y = 0; y < kH; ++y) {
            for (int x = 0; x < kW; ++x)
                wrong += screen.At(at.x + x, at.y + y) != PicturePixel(x, y) ? 1 : 0;
        }
        return wrong;
    }

    FakePlayer player_;
    ImageEntry image_;
    ShowEntry show_;
    MoveEntry move_;
    HideEntry hide_;
};

TEST_F(DisplayTest, ShowDrawsAtItsStartPosition) {
    ShowAt(25, 35, false);
    const Pixels screen = Screen();
    EXPECT_EQ(PictureDifferences(screen, {25, 35}), 0);
    EXPECT_EQ(BackdropDifferences(screen, Rect::At({25, 35}, {kW, kH})), 0);
    EXPECT_EQ(image_.shown, 1);
    EXPECT_EQ(image_.currentPlacement.currentX, 25);
    EXPECT_EQ(image_.currentPlacement.currentY, 35);
}

TEST_F(DisplayTest, ShowCentredUsesTheScreenAndTheObjectSize) {
    show_.params.motion.centreStartX = 1;
    show_.params.motion.centreStartY = 1;
    ShowImage(show_, target_, player_.context);
    // 320 / 2 - 16 / 2 and 240 / 2 - 12 / 2.
    EXPECT_EQ(show_.params.motion.startX, 152);
    EXPECT_EQ(show_.params.motion.startY, 114);
    EXPECT_EQ(PictureDifferences(Screen(), {152, 114}), 0);
}

TEST_F(DisplayTest, ShowTakesItsColourForTheObject) {
    show_.params.colour.colour = RGB(0x80, 0, 0);
    show_.params.colour.mixing = kMixOr;
    show_.params.colour.background = 0;
    ShowAt(0, 0, false);
    EXPECT_EQ(image_.drawColour.colour, RGB(0x80, 0, 0));
    EXPECT_EQ(Screen().At(0, 0), PicturePixel(0, 0) | RGB(0x80, 0, 0));
}

TEST_F(DisplayTest, HideAfterShowWithRestoreBringsBackExactlyTheSavedPixels) {
    const Pixels before = Screen();
    ShowAt(40, 30, true);
    ASSERT_NE(Screen().colours, before.colours);
    HideImage(hide_, target_);
    EXPECT_EQ(Screen().colours, before.colours);
    EXPECT_EQ(image_.shown, 0);
    EXPECT_FALSE(target_.HasSavedBackground(image_));

    // A second Hide does nothing.
    PaintPattern(Dc(), Rect{40, 30, 60, 50}, [](int, int) { return RGB(9, 9, 9); });
    const Pixels painted = Screen();
    HideImage(hide_, target_);
    EXPECT_EQ(Screen().colours, painted.colours);
}

TEST_F(DisplayTest, WithoutAnActiveHideOfTheObjectNoBackgroundIsKept) {
    hide_.SetDisabled(1);
    ShowAt(40, 30, true);
    EXPECT_FALSE(target_.HasSavedBackground(image_));
    MoveAlongX(0, 30, 10, 10);
    EXPECT_FALSE(target_.HasSavedBackground(image_));
    hide_.SetDisabled(0);
    ShowAt(40, 30, true);
    EXPECT_TRUE(target_.HasSavedBackground(image_));
}

TEST_F(DisplayTest, HideWithoutRestoreErasesInTheBackgroundColour) {
    ShowAt(40, 30, false);
    HideImage(hide_, target_);
    const Pixels screen = Screen();
    for (int y = 30; y < 30 + kH; ++y) {
        for (int x = 40; x < 40 + kW; ++x)
            ASSERT_EQ(screen.At(x, y), kEraseColour);
    }
    EXPECT_EQ(BackdropDifferences(screen, Rect::At({40, 30}, {kW, kH})), 0);
}

TEST_F(DisplayTest, HideOfAnObjectNotShownDoesNothing) {
    const Pixels before = Screen();
    HideImage(hide_, target_);
    EXPECT_EQ(Screen().colours, before.colours);
}

TEST_F(DisplayTest, SecondShowElsewhereLeavesTheFirstImage) {
    ShowAt(10, 10, false);
    ShowAt(100, 100, false);
    const Pixels screen = Screen();
    EXPECT_EQ(PictureDifferences(screen, {10, 10}), 0);
    EXPECT_EQ(PictureDifferences(screen, {100, 100}), 0);
}

TEST_F(DisplayTest, LetterByLetterWaitsBetweenLettersButNotAfterTheLast) {
    ImageEntry text;
    text.isText = 1;
    text.opaque = 1;
    text.text = "ABC";
    text.backgroundColour = RGB(0x30, 0x60, 0x90);
    ASSERT_TRUE(RenderText(text));
    ShowEntry show;
    show.SetObject(&text);
    show.params.motion.letterByLetter = 1;
    show.params.motion.letterSpeed = 1500;  // 500 ms a letter
    show.params.motion.restoreAfterHide = 0;
    show.params.motion.startX = 5;
    show.params.motion.startY = 5;
    ShowImage(show, target_, player_.context);
    ASSERT_EQ(player_.timeline.waits.size(), 2u);
    EXPECT_EQ(player_.timeline.waits[1].deadline, Ms(1000));
    EXPECT_EQ(player_.timeline.Now(), Ms(1000));
    EXPECT_EQ(Screen().At(5, 5), text.backgroundColour);
}

TEST_F(DisplayTest, StopBeforeTheFirstLetterDrawsNothing) {
    ImageEntry text;
    text.isText = 1;
    text.text = "ABC";
    ASSERT_TRUE(RenderText(text));
    ShowEntry show;
    show.SetObject(&text);
    show.params.motion.letterByLetter = 1;
    show.params.motion.restoreAfterHide = 0;
    player_.timeline.Set(PlayerEvent::Stop);
    const Pixels before = Screen();
    ShowImage(show, target_, player_.context);
    EXPECT_EQ(Screen().colours, before.colours);
}

TEST_F(DisplayTest, MoveWithoutKeepLeavesTheEraseColourAlongItsWay) {
    MoveAlongX(10, 40, 100, 3);
    EXPECT_EQ(image_.currentPlacement.currentX, 40);
    const Pixels screen = Screen();
    EXPECT_EQ(PictureDifferences(screen, {40, 100}), 0);
    for (int x = 10; x < 40; ++x)
        ASSERT_EQ(screen.At(x, 100), kEraseColour) << x;
    EXPECT_EQ(BackdropDifferences(screen, Rect{10, 100, 40 + kW, 100 + kH}), 0);
}

// A Move over a picture with "Keep while moving": the picture is whole again behind the object.
TEST_F(DisplayTest, MoveWithKeepGlidesOverThePicture) {
    move_.params.motion.keepWhileMoving = 1;
    MoveAlongX(10, 40, 100, 3);
    const Pixels screen = Screen();
    EXPECT_EQ(PictureDifferences(screen, {40, 100}), 0);
    EXPECT_EQ(BackdropDifferences(screen, Rect::At({40, 100}, {kW, kH})), 0);
}

// The end is reported past the end point and drawn there: 0, 3, 6, 9, 12.
TEST_F(DisplayTest, MoveEndsAtThePositionThatReportedTheEnd) {
    MoveAlongX(0, 10, 50, 3);
    EXPECT_EQ(image_.currentPlacement.currentX, 12);
    EXPECT_EQ(image_.previousPlacement.currentX, 9);
    EXPECT_EQ(PictureDifferences(Screen(), {12, 50}), 0);
    EXPECT_TRUE(player_.timeline.waits.empty()) << "speed 100000 does not wait";
}

TEST_F(DisplayTest, StopEndsTheMoveWithinOneStep) {
    move_.params.motion.speed = 99000;  // 10 ms a step
    player_.timeline.SetAt(Ms(25), PlayerEvent::Stop);
    MoveAlongX(10, 200, 100, 5);
    // Drawn at 0, 10 and 20 ms; the wait after the third step is cut short.
    EXPECT_EQ(image_.currentPlacement.currentX, 20);
    EXPECT_EQ(player_.timeline.Now(), Ms(25));
    EXPECT_EQ(PictureDifferences(Screen(), {20, 100}), 0);
}

TEST_F(DisplayTest, HideAfterMoveWithRestoreBringsBackTheScreen) {
    const Pixels before = Screen();
    move_.params.motion.keepWhileMoving = 1;
    move_.params.motion.restoreAfterHide = 1;
    MoveAlongX(0, 10, 50, 3);  // stops at 12, past the end point
    HideImage(hide_, target_);
    EXPECT_EQ(Screen().colours, before.colours);
}

TEST_F(DisplayTest, HideAfterAStoppedMoveRestoresWhereItStopped) {
    const Pixels before = Screen();
    MotionParam& m = move_.params.motion;
    m.keepWhileMoving = 1;
    m.restoreAfterHide = 1;
    m.speed = 99000;
    player_.timeline.SetAt(Ms(15), PlayerEvent::Stop);
    MoveAlongX(10, 200, 60, 4);
    EXPECT_EQ(image_.backgroundPlacement.currentX, image_.currentPlacement.currentX);
    HideImage(hide_, target_);
    EXPECT_EQ(Screen().colours, before.colours);
}

TEST_F(DisplayTest, MoveInStepModeRunsUntilItsCondition) {
    MotionParam& m = move_.params.motion;
    m.stepMode = 1;
    m.startX = 5;
    m.startY = 5;
    m.stepX = 6;
    m.stepY = 4;
    m.xComparison = kGreater;
    m.untilX = 40;
    m.yComparison = kGreater;
    m.untilY = 1000;
    m.join = 0;
    MoveImage(move_, target_, player_.context);
    // x: 5, 11, 17, 23, 29, 35, 41 (> 40 ends); y follows by 4.
    EXPECT_EQ(image_.currentPlacement.currentX, 41);
    EXPECT_EQ(image_.currentPlacement.currentY, 29);
    EXPECT_EQ(PictureDifferences(Screen(), {41, 29}), 0);
}

class LineTest : public ScreenTest {
  protected:
    LineTest() {
        FillScreen([](int, int) { return RGB(0, 0, 0); });
        line_.colour.colour = kRed;
        line_.colour.random = 0;
    }
    // How many pixels of row y between x0 and x1 (exclusive) have the line's colour.
    int RedInRow(int y, int x0, int x1) const {
        const Pixels row = ReadPixels(Dc(), Rect{x0, y, x1, y + 1});
        int red = 0;
        for (COLORREF c : row.colours)
            red += c == kRed ? 1 : 0;
        return red;
    }
    std::vector<bool> Pattern(int y, int x0, int x1) const {
        const Pixels row = ReadPixels(Dc(), Rect{x0, y, x1, y + 1});
        std::vector<bool> pattern;
        for (COLORREF c : row.colours)
            pattern.push_back(c == kRed);
        return pattern;
    }

    static constexpr COLORREF kRed = RGB(0xF0, 0x10, 0x10);
    LineEntry line_;
};

TEST_F(LineTest, SolidLineStopsBeforeItsEndPoint) {
    line_.motion.startX = 10;
    line_.motion.startY = 20;
    line_.motion.endX = 300;
    line_.motion.endY = 20;
    DrawLine(line_, target_);
    EXPECT_EQ(RedInRow(20, 10, 300), 290);
    EXPECT_EQ(RedInRow(20, 300, 301), 0);
    EXPECT_EQ(RedInRow(20, 0, 10), 0);
}

TEST_F(LineTest, FivePenStylesDrawFiveDifferentPatterns) {
    std::vector<std::vector<bool>> patterns;
    for (std::int32_t style : {0, 1, 2, 3, 4}) {
        line_.penStyle = style;
        line_.motion.startX = 0;
        line_.motion.endX = kWidth;
        line_.motion.startY = line_.motion.endY = 10 + style * 10;
        DrawLine(line_, target_);
        patterns.push_back(Pattern(10 + style * 10, 0, 200));
    }
    EXPECT_EQ(RedInRow(10, 0, 200), 200);
    for (std::size_t a = 1; a < patterns.size(); ++a) {
        EXPECT_LT(RedInRow(10 + static_cast<int>(a) * 10, 0, 200), 200) << "style " << a;
        for (std::size_t b = 0; b < a; ++b)
            EXPECT_NE(patterns[a], patterns[b]) << "styles " << a << " and " << b;
    }
    EXPECT_EQ(PenStyleOf(4), PS_DASHDOTDOT);
    EXPECT_EQ(PenStyleOf(-7), PS_DASHDOTDOT);
}

TEST_F(LineTest, GapsOfStyledLinesShowTheDefaultWhiteBackground) {
    // Drawn on black: the gaps are not left as they were but painted white, as the window's
    // device context paints them by default.
    for (std::int32_t style : {1, 2, 3, 4}) {
        const int y = 10 + style * 10;
        line_.penStyle = style;
        line_.motion.startX = 0;
        line_.motion.endX = 200;
        line_.motion.startY = line_.motion.endY = y;
        DrawLine(line_, target_);
        const Pixels row = ReadPixels(Dc(), Rect{0, y, 200, y + 1});
        int white = 0;
        for (COLORREF c : row.colours) {
            EXPECT_TRUE(c == kRed || c == RGB(255, 255, 255)) << "style " << style;
            white += c == RGB(255, 255, 255) ? 1 : 0;
        }
        EXPECT_GT(white, 0) << "style " << style;
    }
}

TEST_F(LineTest, RandomColourAndCentredStart) {
    line_.colour.random = 1;
    line_.colour.seed = 5;
    line_.motion.centreStartX = 1;
    line_.motion.centreStartY = 1;
    line_.motion.endX = 300;
    line_.motion.endY = 120;
    DrawLine(line_, target_);
    RandomGenerator generator(105);
    const int red = generator.Next() % 256;
    const int green = generator.Next() % 256;
    const int blue = generator.Next() % 256;
    const COLORREF expected = RGB(red, green, blue);
    EXPECT_EQ(line_.colour.colour, expected);
    EXPECT_EQ(line_.colour.seed, 105u);
    const Pixels row = ReadPixels(Dc(), Rect{0, 120, kWidth, 121});
    EXPECT_EQ(row.At(159, 0), RGB(0, 0, 0));
    EXPECT_EQ(row.At(160, 0), expected);
    EXPECT_EQ(row.At(299, 0), expected);
}

}  // namespace
}  // namespace vl::testing
