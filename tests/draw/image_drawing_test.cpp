#include "engine/draw/image_drawing.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "tests/draw/draw_test_support.h"
#include "engine/draw/move_canvas.h"
#include "engine/draw/work_surface.h"
#include "engine/image/image_runtime.h"
#include "engine/text/text_bitmap.h"

namespace vl::testing {
namespace {

constexpr int kPictureWidth = 16;
constexpr int kPictureHeight = 12;
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kEraseColour = RGB(0x01, 0x02, 0x03);

COLORREF Or(COLORREF a, COLORREF b) {
    return a | b;
}
COLORREF And(COLORREF a, COLORREF b) {
    return a & b;
}

class DrawTest : public ScreenTest {
  protected:
    DrawTest() {
        SetPicture(image_, kPictureWidth, kPictureHeight, PicturePixel);
        Place(image_, 30, 40);
        UseColour(kBlack, kNoMixing);
        FillScreen(BackdropPixel);
        target_.SetBackground(kEraseColour);
    }

    static void Place(ImageEntry& image, int x, int y, int effect = kEffectNone) {
        image.currentPlacement.currentX = x;
        image.currentPlacement.currentY = y;
        image.currentPlacement.effect = effect;
    }
    void UseColour(COLORREF colour, std::int32_t mixing) {
        image_.drawColour.colour = colour;
        image_.drawColour.mixing = mixing;
        image_.drawColour.background = 0;
    }
    // The picture as the object's current colour mixes it.
    COLORREF MixedPicture(int x, int y) const {
        const COLORREF p = PicturePixel(x, y);
        switch (image_.drawColour.mixing) {
            case kMixOr:
                return Or(p, image_.drawColour.colour);
            case kMixAnd:
                return And(p, image_.drawColour.colour);
            default:
                return p;
        }
    }
    MotionParam At(int x, int y, bool keep) const {
        MotionParam next = image_.currentPlacement;
        next.currentX = x;
        next.currentY = y;
        next.keepWhileMoving = keep ? 1 : 0;
        return next;
    }

    // The screen expected when the picture stands at `at` on the backdrop, with `erased` (minus
    // the picture) painted in the erase colour.
    static COLORREF Expected(int x, int y, Point at, const Rect& erased,
                             const PixelPattern& picture) {
        const Rect drawn = Rect::At(at, {kPictureWidth, kPictureHeight});
        if (x >= drawn.left && x < drawn.right && y >= drawn.top && y < drawn.bottom)
            return picture(x - at.x, y - at.y);
        if (x >= erased.left && x < erased.right && y >= erased.top && y < erased.bottom)
            return kEraseColour;
        return BackdropPixel(x, y);
    }
    void ExpectScreen(Point at, const Rect& erased, const PixelPattern& picture = PicturePixel) {
        const Pixels screen = Screen();
        int wrong = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                if (screen.At(x, y) != Expected(x, y, at, erased, picture) && ++wrong <= 5)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex
                                  << screen.At(x, y) << ", expected "
                                  << Expected(x, y, at, erased, picture);
            }
        }
        EXPECT_EQ(wrong, 0);
    }

    ImageEntry image_;
};

TEST_F(DrawTest, DrawsThePictureAtItsPositionAndNothingElse) {
    Draw(image_, target_);
    ExpectScreen({30, 40}, Rect{});
    EXPECT_EQ(image_.shown, 1);
}

// The mixing combines the picture with the flat fill colour, never with the screen under it.
TEST_F(DrawTest, OrOnBlackAndAndOnWhiteLeaveThePictureUnchanged) {
    UseColour(kBlack, kMixOr);
    Draw(image_, target_);
    ExpectScreen({30, 40}, Rect{});

    FillScreen(BackdropPixel);
    UseColour(kWhite, kMixAnd);
    Draw(image_, target_);
    ExpectScreen({30, 40}, Rect{});
}

TEST_F(DrawTest, MixingCombinesWithTheFillColour) {
    const COLORREF fill = RGB(0x80, 0x01, 0x0F);
    UseColour(fill, kMixOr);
    Draw(image_, target_);
    ExpectScreen({30, 40}, Rect{}, [&](int x, int y) { return Or(PicturePixel(x, y), fill); });

    FillScreen(BackdropPixel);
    UseColour(fill, kMixAnd);
    Draw(image_, target_);
    ExpectScreen({30, 40}, Rect{}, [&](int x, int y) { return And(PicturePixel(x, y), fill); });
}

TEST_F(DrawTest, BackgroundFlagTakesTheWindowsColourAsFill) {
    UseColour(kWhite, kMixOr);
    image_.drawColour.background = 1;
    target_.SetBackground(kBlack);
    Draw(image_, target_);
    ExpectScreen({30, 40}, Rect{});
}

TEST_F(DrawTest, TransparentTextShowsTheScreenThroughItsPaper) {
    ImageEntry text;
    text.isText = 1;
    text.text = "Wg";
    text.opaque = 0;
    text.textColour = RGB(0xC0, 0x10, 0x10);
    text.font.height = -40;
    text.font.SetFaceName("Arial");
    ASSERT_TRUE(RenderText(text));
    Place(text, 40, 30);
    Draw(text, target_);

    const PreparedPicture& picture = ImageRuntimeOf(text).picture;
    BitmapSource source(Dc(), picture.Bitmap());
    const Pixels glyphs = ReadPixels(source.Dc(), Rect{0, 0, picture.Width(), picture.Height()});
    const Pixels screen = Screen();
    int inked = 0;
    for (int y = 0; y < glyphs.height; ++y) {
        for (int x = 0; x < glyphs.width; ++x) {
            const bool paper = glyphs.At(x, y) == TransparentTextKey();
            inked += paper ? 0 : 1;
            ASSERT_EQ(screen.At(40 + x, 30 + y),
                      paper ? BackdropPixel(40 + x, 30 + y) : text.textColour)
                << "at (" << x << ", " << y << ")";
        }
    }
    EXPECT_GT(inked, 50);
    EXPECT_EQ(text.shown, 1);
}

TEST_F(DrawTest, TextInTheWindowColourItselfIsInvisibleWhenTransparent) {
    ImageEntry text;
    text.isText = 1;
    text.text = "Gone";
    text.opaque = 0;
    text.textColour = TransparentTextKey();
    ASSERT_TRUE(RenderText(text));
    Place(text, 10, 10);
    const Pixels before = Screen();
    Draw(text, target_);
    EXPECT_EQ(Screen().colours, before.colours);
}

// An icon's transparent parts take the fill colour: the left half of this one is transparent.
TEST_F(DrawTest, IconIsPaintedOnTheFillColour) {
    const int size = GetSystemMetrics(SM_CXICON);
    const COLORREF red = RGB(0xE0, 0x10, 0x20);
    BitmapHandle colour =
        MakeBitmap(size, size, [&](int x, int) { return x < size / 2 ? kBlack : red; });
    // Monochrome rows are padded to 16 bits; set bits are transparent.
    const int rowBytes = (size + 15) / 16 * 2;
    std::vector<BYTE> maskBits(static_cast<std::size_t>(rowBytes) * size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size / 2; ++x)
            maskBits[static_cast<std::size_t>(y) * rowBytes + x / 8] |=
                static_cast<BYTE>(0x80 >> (x % 8));
    }
    BitmapHandle mask(CreateBitmap(size, size, 1, 1, maskBits.data()));
    ICONINFO info{TRUE, 0, 0, mask.Get(), colour.Get()};
    IconHandle icon(CreateIconIndirect(&info));
    ASSERT_TRUE(icon);
    WindowDc screenDc(nullptr);
    ImageRuntimeOf(image_).picture.Set(
        BitmapHandle(CreateCompatibleBitmap(screenDc.Get(), size, size)), std::move(icon), size,
        size);
    const COLORREF fill = RGB(0x10, 0xD0, 0x30);
    UseColour(fill, kNoMixing);
    Draw(image_, target_);
    const Pixels screen = Screen();
    EXPECT_EQ(screen.At(30, 40), fill);
    EXPECT_EQ(screen.At(30 + size / 2 - 1, 40 + size - 1), fill);
    EXPECT_EQ(screen.At(30 + size / 2, 40), red);
    EXPECT_EQ(screen.At(30 + size - 1, 40 + size - 1), red);
    EXPECT_EQ(screen.At(30 + size, 40), BackdropPixel(30 + size, 40));
}

TEST_F(DrawTest, TileRepeatsThePictureOverTheWholeScreen) {
    SetPicture(image_, 7, 5, PicturePixel);
    Place(image_, 100, 100, kEffectTile);
    Draw(image_, target_);
    const Pixels screen = Screen();
    int wrong = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            wrong += screen.At(x, y) != PicturePixel(x % 7, y % 5) ? 1 : 0;
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(image_.shown, 1);
}

TEST_F(DrawTest, TileMixesEveryTileWithTheFillColour) {
    const COLORREF fill = RGB(0xF0, 0x3F, 0xFF);
    SetPicture(image_, 10, 8, PicturePixel);
    Place(image_, 0, 0, kEffectTile);
    UseColour(fill, kMixAnd);
    Draw(image_, target_);
    const Pixels screen = Screen();
    int wrong = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            wrong += screen.At(x, y) != And(PicturePixel(x % 10, y % 8), fill) ? 1 : 0;
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(DrawTest, TileOfAPictureWiderThanTheScreenIsOneColumn) {
    SetPicture(image_, kWidth + 50, 30, PicturePixel);
    Place(image_, 0, 0, kEffectTile);
    Draw(image_, target_);
    const Pixels screen = Screen();
    for (int y : {0, 29, 30, 61, kHeight - 1}) {
        for (int x : {0, 100, kWidth - 1})
            EXPECT_EQ(screen.At(x, y), PicturePixel(x, y % 30)) << x << ", " << y;
    }
}

TEST_F(DrawTest, StretchCoversTheScreenWithThePicture) {
    const COLORREF corners[4] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(200, 200, 0)};
    SetPicture(image_, 2, 2, [&](int x, int y) { return corners[y * 2 + x]; });
    Place(image_, 50, 50, kEffectStretch);
    UseColour(kBlack, kMixOr);  // not applied by Stretch
    Draw(image_, target_);
    const Pixels screen = Screen();
    int wrong = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x)
            wrong += screen.At(x, y) != corners[(y * 2 / kHeight) * 2 + x * 2 / kWidth] ? 1 : 0;
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(DrawTest, EraseClearsTheObjectsRectangle) {
    Draw(image_, target_);
    Erase(image_, target_);
    ExpectScreen({-100, -100}, Rect::At({30, 40}, {kPictureWidth, kPictureHeight}));
    EXPECT_EQ(image_.shown, 0);
}

TEST_F(DrawTest, EraseOfATiledObjectClearsTheScreen) {
    Place(image_, 30, 40, kEffectTile);
    Draw(image_, target_);
    Erase(image_, target_);
    const Pixels screen = Screen();
    for (COLORREF c : screen.colours)
        ASSERT_EQ(c, kEraseColour);
}

class StepDrawTest : public DrawTest {
  protected:
    StepDrawTest() { Place(image_, 50, 60); }

    // A Move of `image` begins here: the snapshot is the screen as it is now. While the canvas
    // lives it holds the object's bitmap, so the object is drawn only through StepDraw.
    void StartMove(ImageEntry& image) {
        canvas_.reset();
        canvas_.emplace(target_, ImageRuntimeOf(image).picture.Bitmap());
    }
    void Step(ImageEntry& image, int x, int y, bool keep) {
        MotionParam next = image.currentPlacement;
        next.currentX = x;
        next.currentY = y;
        next.keepWhileMoving = keep ? 1 : 0;
        StepDraw(image, target_, next, *canvas_);
    }

    std::optional<MoveCanvas> canvas_;
};

// Every direction of a step smaller than the object, with the trail in the erase colour: the
// two corners of the union that neither rectangle covers keep what the screen shows.
TEST_F(StepDrawTest, OverlappedStepsLeaveTheEraseColourBehind) {
    const Point steps[] = {{3, 2}, {-3, 2}, {3, -2}, {-3, -2}, {5, 0}, {0, -4}, {-15, 11}};
    for (Point step : steps) {
        canvas_.reset();
        FillScreen(BackdropPixel);
        Place(image_, 50, 60);
        Draw(image_, target_);
        StartMove(image_);
        Step(image_, 50 + step.x, 60 + step.y, false);
        SCOPED_TRACE(::testing::Message() << "step " << step.x << ", " << step.y);
        ExpectScreen({50 + step.x, 60 + step.y},
                     Rect::At({50, 60}, {kPictureWidth, kPictureHeight}));
    }
}

TEST_F(StepDrawTest, PlacementsMoveOn) {
    StartMove(image_);
    Step(image_, 52, 61, false);
    EXPECT_EQ(image_.previousPlacement.currentX, 50);
    EXPECT_EQ(image_.previousPlacement.currentY, 60);
    EXPECT_EQ(image_.currentPlacement.currentX, 52);
    EXPECT_EQ(image_.currentPlacement.currentY, 61);
    EXPECT_EQ(image_.shown, 1);
}

// The screen a run of steps must leave, worked out pixel by pixel from the definition of a step:
// the union filled from the snapshot ("Keep while moving") or with the erase colour where the
// object was, the object at its new place, the two corners outside both taken from the screen;
// steps of the object's size or more erase and draw.
class StepModel {
  public:
    explicit StepModel(const Pixels& screen) : screen_(screen), snapshot_(screen) {}

    void Step(Point from, Point to, bool keep, const PixelPattern& picture) {
        const Rect o = Rect::At(from, {kPictureWidth, kPictureHeight});
        const Rect n = Rect::At(to, {kPictureWidth, kPictureHeight});
        const bool overlapped =
            std::abs(to.x - from.x) < kPictureWidth && std::abs(to.y - from.y) < kPictureHeight;
        Pixels next = screen_;
        const Rect u = overlapped ? BoundingRect(o, n) : o;
        for (int y = u.top; y < u.bottom; ++y) {
            for (int x = u.left; x < u.right; ++x) {
                if (!Inside(x, y))
                    continue;
                if (overlapped && keep)
                    Set(next, x, y, snapshot_.At(x, y));
                else if (Within(o, x, y))
                    Set(next, x, y, kEraseColour);
            }
        }
        for (int y = n.top; y < n.bottom; ++y) {
            for (int x = n.left; x < n.right; ++x) {
                if (Inside(x, y))
                    Set(next, x, y, picture(x - to.x, y - to.y));
            }
        }
        screen_ = next;
    }
    const Pixels& Screen() const { return screen_; }

  private:
    static bool Within(const Rect& r, int x, int y) {
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    }
    bool Inside(int x, int y) const {
        return x >= 0 && y >= 0 && x < screen_.width && y < screen_.height;
    }
    static void Set(Pixels& p, int x, int y, COLORREF c) {
        p.colours[static_cast<std::size_t>(y) * p.width + x] = c;
    }

    Pixels screen_;
    Pixels snapshot_;
};

// A Move's steps change in size as it follows its line; every one of them must compose exactly.
TEST_F(StepDrawTest, RunsOfStepsWithoutKeepMatchTheModel) {
    Draw(image_, target_);
    StepModel model(Screen());
    StartMove(image_);
    Point at{50, 60};
    const Point steps[] = {{0, 0}, {3, 0}, {3, 1},  {3, 0}, {3, 1}, {2, 2}, {0, 3},
                           {1, 1}, {5, 4}, {20, 0}, {4, 0}, {4, 0}, {0, 0}, {15, 11}};
    int number = 0;
    for (Point step : steps) {
        // The Move's colour may change from step to step.
        if (++number == 5)
            UseColour(RGB(0x80, 0, 0), kMixOr);
        const auto look = [&](int x, int y) { return MixedPicture(x, y); };
        const Point to{at.x + step.x, at.y + step.y};
        Step(image_, to.x, to.y, false);
        model.Step(at, to, false, look);
        at = to;
        ASSERT_EQ(CountDifferences(Screen(), model.Screen(), Rect{0, 0, kWidth, kHeight}), 0)
            << "after step " << number;
    }
}

// With "Keep while moving" the direction may change at will.
TEST_F(StepDrawTest, RunsOfStepsWithKeepMatchTheModel) {
    PaintPattern(Dc(), Rect{70, 70, 120, 110}, PicturePixel);  // something to glide over
    StepModel model(Screen());
    StartMove(image_);
    Point at{50, 60};
    const Point steps[] = {{0, 0},  {3, 2}, {-3, 2}, {4, -1}, {0, 5},     {-2, -2},
                           {16, 0}, {7, 7}, {1, 0},  {0, 0},  {-15, -11}, {9, 3}};
    int number = 0;
    for (Point step : steps) {
        ++number;
        const Point to{at.x + step.x, at.y + step.y};
        Step(image_, to.x, to.y, true);
        model.Step(at, to, true, PicturePixel);
        at = to;
        ASSERT_EQ(CountDifferences(Screen(), model.Screen(), Rect{0, 0, kWidth, kHeight}), 0)
            << "after step " << number;
    }
}

// A transparent text always takes what it uncovers from the snapshot.
TEST_F(StepDrawTest, TransparentTextUsesTheSnapshotWithoutKeep) {
    ImageEntry text;
    text.isText = 1;
    text.text = "I";
    text.opaque = 0;
    text.textColour = RGB(0xFF, 0, 0);
    text.font.height = -30;
    ASSERT_TRUE(RenderText(text));
    Place(text, 100, 100);
    StartMove(text);
    Step(text, 100, 100, false);
    Step(text, 102, 100, false);
    const Pixels screen = Screen();
    for (int y = 100; y < 130; ++y) {
        for (int x = 100; x < 102; ++x)
            ASSERT_EQ(screen.At(x, y), BackdropPixel(x, y)) << x << ", " << y;
    }
    int red = 0;
    for (COLORREF c : screen.colours)
        red += c == RGB(0xFF, 0, 0) ? 1 : 0;
    EXPECT_GT(red, 0);
    canvas_.reset();
    // The text is whole at its new place: the same as drawing it there on the backdrop.
    FillScreen(BackdropPixel);
    Draw(text, target_);
    EXPECT_EQ(Screen().colours, screen.colours);
}

}  // namespace
}  // namespace vl::testing
