// The display entries on a real window of the virtual display, as the player draws: the window's
// DC is no memory DC, so transparent texts take the off-screen path to it.
#include <gtest/gtest.h>

#include "tests/draw/draw_test_support.h"
#include "engine/draw/display_commands.h"
#include "engine/draw/image_drawing.h"
#include "engine/image/image_runtime.h"
#include "engine/text/text_bitmap.h"
#include "engine_core/fake_player.h"

namespace vl::testing {
namespace {

class OnWindowTest : public WindowTest {
  protected:
    OnWindowTest() {
        SetPicture(picture_, 40, 30, PicturePixel);
        text_.isText = 1;
        text_.opaque = 0;
        text_.text = "Glint\r\nshines";
        text_.textColour = RGB(0xFF, 0xE0, 0x20);
        text_.font.height = -36;
        text_.font.weight = 700;
        text_.font.SetFaceName("Arial");
        FillScreen(BackdropPixel);
        target_.SetBackground(RGB(0, 0, 0x40));
    }

    FakePlayer player_;
    ImageEntry picture_;
    ImageEntry text_;
};

TEST_F(OnWindowTest, ShowAndHideWithRestore) {
    const Pixels before = Screen();
    // Linked before play, as in a scene: the Show saves the background for this Hide.
    HideEntry hide;
    hide.SetObject(&picture_);
    ShowEntry show;
    show.SetObject(&picture_);
    show.params.motion.startX = 200;
    show.params.motion.startY = 150;
    ShowImage(show, target_, player_.context);
    const Pixels shown = Screen();
    EXPECT_EQ(shown.At(200, 150), PicturePixel(0, 0));
    EXPECT_EQ(shown.At(239, 179), PicturePixel(39, 29));
    EXPECT_EQ(shown.At(240, 180), BackdropPixel(240, 180));
    HoldForScreenshot();

    HideImage(hide, target_);
    EXPECT_EQ(Screen().colours, before.colours);
}

TEST_F(OnWindowTest, TransparentTextLetterByLetterShowsTheWindowThroughItsPaper) {
    ASSERT_TRUE(RenderText(text_));
    ShowEntry show;
    show.SetObject(&text_);
    show.params.motion.startX = 20;
    show.params.motion.startY = 20;
    show.params.motion.letterByLetter = 1;
    show.params.motion.restoreAfterHide = 0;
    ShowImage(show, target_, player_.context);

    const PreparedPicture& picture = ImageRuntimeOf(text_).picture;
    const Pixels screen = Screen();
    int ink = 0;
    int through = 0;
    for (int y = 20; y < 20 + picture.Height(); ++y) {
        for (int x = 20; x < 20 + picture.Width(); ++x) {
            const COLORREF c = screen.At(x, y);
            ink += c == text_.textColour ? 1 : 0;
            through += c == BackdropPixel(x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 200);
    EXPECT_EQ(ink + through, picture.Width() * picture.Height());
}

TEST_F(OnWindowTest, MoveWithKeepOverAPictureAndHideLeaveThePictureWhole) {
    ShowEntry show;
    show.SetObject(&picture_);
    show.params.motion.effect = kEffectTile;
    show.params.motion.restoreAfterHide = 0;
    ShowImage(show, target_, player_.context);
    const Pixels tiled = Screen();

    ASSERT_TRUE(RenderText(text_));
    HideEntry hide;
    hide.SetObject(&text_);
    MoveEntry move;
    move.SetObject(&text_);
    move.params.motion.startX = 10;
    move.params.motion.startY = 10;
    move.params.motion.endX = 150;
    move.params.motion.endY = 120;
    move.params.motion.stepX = 5;
    MoveImage(move, target_, player_.context);
    const Pixels moved = Screen();
    EXPECT_EQ(moved.At(9, 9), tiled.At(9, 9));
    EXPECT_EQ(CountDifferences(moved, tiled, Rect{0, 0, 150, 120}), 0);
    EXPECT_GT(CountDifferences(moved, tiled, Rect{150, 120, kWidth, kHeight}), 200);
    HoldForScreenshot();

    HideImage(hide, target_);
    EXPECT_EQ(Screen().colours, tiled.colours);
}

}  // namespace
}  // namespace vl::testing
