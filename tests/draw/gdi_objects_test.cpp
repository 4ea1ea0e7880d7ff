// GDI object counts stay flat however often the display entries run, and nothing a play saved
// outlives its draw target.
#include <gtest/gtest.h>

#include "tests/draw/draw_test_support.h"
#include "engine/draw/display_commands.h"
#include "engine/text/text_bitmap.h"
#include "engine_core/fake_player.h"

namespace vl::testing {
namespace {

class GdiObjectsTest : public ScreenTest {
  protected:
    GdiObjectsTest() {
        SetPicture(picture_, 24, 18, PicturePixel);
        text_.isText = 1;
        text_.text = "Letters\r\nand lines";
        text_.opaque = 0;
    }

    // One pass over every drawing path: plain, mixed, tiled and stretched pictures, a transparent
    // text letter by letter, Moves with and without the snapshot, Hides both ways, and Lines.
    void PlayOnce(DrawTarget& target) {
        ShowEntry show;
        MoveEntry move;
        HideEntry hide;
        LineEntry line;
        for (ImageEntry* image : {&picture_, &text_}) {
            show.SetObject(image);
            move.SetObject(image);
            hide.SetObject(image);
            for (int effect : {kEffectNone, kEffectTile, kEffectStretch}) {
                show.params.motion.effect = image == &text_ ? kEffectNone : effect;
                show.params.motion.letterByLetter = 1;
                show.params.motion.restoreAfterHide = effect == kEffectNone ? 1 : 0;
                show.params.colour.mixing = effect;
                ShowImage(show, target, player_.context);
                HideImage(hide, target);
            }
            for (int keep : {0, 1}) {
                move.params.motion.keepWhileMoving = keep;
                move.params.motion.restoreAfterHide = keep;
                move.params.motion.startX = 5;
                move.params.motion.endX = 60;
                move.params.motion.stepX = keep ? 3 : 30;
                MoveImage(move, target, player_.context);
                HideImage(hide, target);
            }
        }
        for (std::int32_t style = 0; style < 5; ++style) {
            line.penStyle = style;
            line.penWidth = style + 1;
            line.motion.endX = 100;
            line.motion.endY = 10 * style;
            DrawLine(line, target);
        }
        RenderText(text_);
    }

    FakePlayer player_;
    ImageEntry picture_;
    ImageEntry text_;
};

TEST_F(GdiObjectsTest, CountStaysFlatAcrossRepeatedPlays) {
    ASSERT_TRUE(RenderText(text_));
    PlayOnce(target_);
    const int before = GdiObjectCount();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 10; ++i)
        PlayOnce(target_);
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST_F(GdiObjectsTest, SavedBackgroundsEndWithTheirTarget) {
    ASSERT_TRUE(RenderText(text_));
    const int before = GdiObjectCount();
    {
        DrawTarget target(Dc(), {kWidth, kHeight});
        ShowEntry show;
        show.SetObject(&picture_);
        show.params.motion.restoreAfterHide = 1;
        HideEntry hide;  // the background is saved for it
        hide.SetObject(&picture_);
        ShowImage(show, target, player_.context);
        ASSERT_TRUE(target.HasSavedBackground(picture_));
        EXPECT_GT(GdiObjectCount(), before);
    }
    EXPECT_EQ(GdiObjectCount(), before);
}

}  // namespace
}  // namespace vl::testing
