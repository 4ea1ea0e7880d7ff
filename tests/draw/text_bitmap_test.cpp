#include "engine/text/text_bitmap.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/draw/draw_test_support.h"
#include "engine/draw/image_drawing.h"
#include "engine/image/image_runtime.h"
#include "engine/text/engine_preparer.h"
#include "scene/entry_list.h"

namespace vl::testing {
namespace {

constexpr COLORREF kInk = RGB(0x10, 0x20, 0xC0);
constexpr COLORREF kPaper = RGB(0xF0, 0xE0, 0x30);

// A memory DC with the default text font of image objects selected.
class FontDc {
  public:
    FontDc() : screen_(nullptr), dc_(CreateCompatibleDC(screen_.Get())) {
        LOGFONTA font{};
        font.lfHeight = -11;
        lstrcpyA(font.lfFaceName, "MS Sans Serif");
        font_.Reset(CreateFontIndirectA(&font));
        selection_.emplace(dc_.Get(), font_.Get());
    }
    HDC Get() const { return dc_.Get(); }
    SIZE Extent(const char* text) const {
        SIZE size{};
        GetTextExtentPoint32A(dc_.Get(), text, lstrlenA(text), &size);
        return size;
    }

  private:
    WindowDc screen_;
    MemoryDc dc_;
    FontHandle font_;
    std::optional<SelectGuard> selection_;
};

Pixels PictureOf(ImageEntry& image) {
    const PreparedPicture& picture = ImageRuntimeOf(image).picture;
    WindowDc screen(nullptr);
    MemoryDc dc(CreateCompatibleDC(screen.Get()));
    SelectGuard selection(dc.Get(), picture.Bitmap());
    return ReadPixels(dc.Get(), Rect{0, 0, picture.Width(), picture.Height()});
}

Size PictureSize(ImageEntry& image) {
    const PreparedPicture& picture = ImageRuntimeOf(image).picture;
    return {picture.Width(), picture.Height()};
}

int CountColour(const Pixels& pixels, COLORREF colour) {
    int count = 0;
    for (COLORREF c : pixels.colours)
        count += c == colour ? 1 : 0;
    return count;
}

void MakeText(ImageEntry& image, const std::string& text, bool opaque) {
    image.isText = 1;
    image.text = text;
    image.opaque = opaque ? 1 : 0;
    image.textColour = kInk;
    image.backgroundColour = kPaper;
}

TEST(MeasureTextTest, LinesTakeTheWidestAndTheHeightOfWEach) {
    FontDc dc;
    const TextExtent one = MeasureText(dc.Get(), "AB");
    EXPECT_TRUE(one.ok);
    EXPECT_EQ(one.width, dc.Extent("AB").cx);
    EXPECT_EQ(one.height, dc.Extent("W").cy);
    const TextExtent two = MeasureText(dc.Get(), "i\r\nWWW");
    EXPECT_EQ(two.width, dc.Extent("WWW").cx);
    EXPECT_EQ(two.height, 2 * dc.Extent("W").cy);
}

TEST(MeasureTextTest, BareLineFeedsAreMeasuredWithTheirLastCharacter) {
    FontDc dc;
    const TextExtent bare = MeasureText(dc.Get(), "WW\nA");
    const TextExtent paired = MeasureText(dc.Get(), "WW\r\nA");
    EXPECT_EQ(bare.width, dc.Extent("WW").cx);
    EXPECT_EQ(bare.width, paired.width);
    EXPECT_EQ(bare.height, paired.height);
    // One letter per line is still a text with a width.
    EXPECT_TRUE(MeasureText(dc.Get(), "A\nB\n").ok);
}

// The measured height is the height DrawText needs, whatever breaks the text uses; a break at
// the very end counts as one more (empty) line, which DrawText does not draw.
TEST(MeasureTextTest, HeightMatchesTheLinesDrawTextDraws) {
    FontDc dc;
    const int lineHeight = dc.Extent("W").cy;
    for (std::string text : {"AB", "AB\r\nC", "AB\nC", "AB\rC", "AB\n\rC", "AB\r\r\nC",
                             "A\n\nB\r\n", "x\r\ny\r\nz", "AB\n"}) {
        RECT needed{0, 0, 0, 0};
        DrawTextA(dc.Get(), text.c_str(), -1, &needed, DT_CALCRECT | DT_NOPREFIX);
        const bool endsInBreak = text.back() == '\n';
        const TextExtent extent = MeasureText(dc.Get(), text);
        EXPECT_EQ(extent.height, needed.bottom + (endsInBreak ? lineHeight : 0))
            << "text " << ::testing::PrintToString(text);
        EXPECT_GE(extent.width, needed.right) << "text " << ::testing::PrintToString(text);
    }
}

TEST(MeasureTextTest, TextWithoutLettersFails) {
    FontDc dc;
    EXPECT_FALSE(MeasureText(dc.Get(), "").ok);
    EXPECT_FALSE(MeasureText(dc.Get(), "\r\n").ok);
    EXPECT_FALSE(MeasureText(dc.Get(), "\r\n\n\r\n").ok);
}

TEST(RenderTextTest, OpaqueTextIsInkOnTheObjectsBackground) {
    ImageEntry image;
    MakeText(image, "Hello", true);
    ASSERT_TRUE(RenderText(image));
    FontDc dc;
    EXPECT_EQ(PictureSize(image), (Size{dc.Extent("Hello").cx, dc.Extent("W").cy}));
    const Pixels pixels = PictureOf(image);
    EXPECT_EQ(pixels.At(0, 0), kPaper);
    EXPECT_GT(CountColour(pixels, kInk), 0);
    EXPECT_GT(CountColour(pixels, kPaper), pixels.width * pixels.height / 2);
    EXPECT_EQ(ImageRuntimeOf(image).picture.Icon(), nullptr);
}

// Transparent texts are on the key colour and have no blended edges: every pixel is ink or key.
TEST(RenderTextTest, TransparentTextIsInkOnTheWindowColourOnly) {
    ImageEntry image;
    MakeText(image, "Transparent", false);
    image.font.height = -24;
    image.font.SetFaceName("Arial");
    ASSERT_TRUE(RenderText(image));
    const Pixels pixels = PictureOf(image);
    const int key = CountColour(pixels, TransparentTextKey());
    const int ink = CountColour(pixels, kInk);
    EXPECT_GT(ink, 0);
    EXPECT_GT(key, 0);
    EXPECT_EQ(key + ink, pixels.width * pixels.height);
}

TEST(RenderTextTest, BareLineFeedTextLosesNoCharacter) {
    ImageEntry bare;
    MakeText(bare, "AW\nBW", true);
    ImageEntry paired;
    MakeText(paired, "AW\r\nBW", true);
    ASSERT_TRUE(RenderText(bare));
    ASSERT_TRUE(RenderText(paired));
    EXPECT_EQ(PictureSize(bare), PictureSize(paired));
    const Pixels a = PictureOf(bare);
    const Pixels b = PictureOf(paired);
    EXPECT_EQ(a.colours, b.colours);
}

TEST(RenderTextTest, AmpersandIsDrawnNotTakenAsPrefix) {
    ImageEntry image;
    MakeText(image, "&&&&", true);
    ASSERT_TRUE(RenderText(image));
    const Pixels pixels = PictureOf(image);
    // Prefix processing would draw two ampersands and leave the right half blank.
    int inkOnRight = 0;
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = pixels.width * 3 / 4; x < pixels.width; ++x)
            inkOnRight += pixels.At(x, y) != kPaper ? 1 : 0;
    }
    EXPECT_GT(inkOnRight, 0);
}

TEST(RenderTextTest, PrefixReplacesTheBitmapAndEmptyMeansTheWholeText) {
    ImageEntry image;
    MakeText(image, "ABC", true);
    FontDc dc;
    ASSERT_TRUE(RenderText(image, "A"));
    EXPECT_EQ(PictureSize(image).width, dc.Extent("A").cx);
    ASSERT_TRUE(RenderText(image, ""));
    EXPECT_EQ(PictureSize(image).width, dc.Extent("ABC").cx);
}

TEST(RenderTextTest, FailureKeepsThePreviousBitmap) {
    ImageEntry image;
    MakeText(image, "Kept", true);
    ASSERT_TRUE(RenderText(image));
    const HBITMAP before = ImageRuntimeOf(image).picture.Bitmap();
    image.text = "\r\n";
    EXPECT_FALSE(RenderText(image));
    EXPECT_EQ(ImageRuntimeOf(image).picture.Bitmap(), before);
}

TEST(EngineObjectPreparerTest, TextsGetTheirBitmapOrTheFailureText) {
    EngineObjectPreparer preparer;
    ImageEntry good;
    MakeText(good, "Ready", false);
    EXPECT_TRUE(preparer.PrepareImage(good).ok);
    EXPECT_FALSE(ImageRuntimeOf(good).picture.Empty());

    ImageEntry empty;
    MakeText(empty, "\r\n\r\n", false);
    const Validation refused = preparer.PrepareImage(empty);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message, "\r\n\r\n\ntext bitmap cannot be made.");
}

// Letter by letter: each step renders a longer prefix; line breaks are passed over.
TEST(NextLetterTest, TwoLettersDrawTheFirstThenBoth) {
    TestWindow window(200, 100);
    DrawTarget target(window.Dc(), window.Extent());
    ImageEntry image;
    MakeText(image, "AB", true);
    FontDc dc;
    int index = 0;
    EXPECT_TRUE(NextLetter(image, target, index));
    EXPECT_EQ(PictureSize(image).width, dc.Extent("A").cx);
    EXPECT_EQ(image.shown, 1);
    ++index;
    EXPECT_FALSE(NextLetter(image, target, index));
    EXPECT_EQ(PictureSize(image).width, dc.Extent("AB").cx);
    ++index;
    EXPECT_FALSE(NextLetter(image, target, index));
}

TEST(NextLetterTest, TrailingLineBreakDrawsTheWholeTextOnceMore) {
    TestWindow window(200, 100);
    DrawTarget target(window.Dc(), window.Extent());
    ImageEntry image;
    MakeText(image, "AB\r\n", true);
    FontDc dc;
    int index = 0;
    EXPECT_TRUE(NextLetter(image, target, index));
    ++index;
    EXPECT_TRUE(NextLetter(image, target, index));
    EXPECT_EQ(PictureSize(image).height, dc.Extent("W").cy);
    ++index;
    EXPECT_FALSE(NextLetter(image, target, index));
    EXPECT_EQ(index, 4);
    EXPECT_EQ(PictureSize(image), (Size{dc.Extent("AB").cx, 2 * dc.Extent("W").cy}));
}

TEST(NextLetterTest, DrawsAtTheCurrentPosition) {
    TestWindow window(200, 100);
    DrawTarget target(window.Dc(), window.Extent());
    PaintPattern(window.Dc(), Rect{0, 0, 200, 100}, [](int, int) { return RGB(0, 0, 0); });
    ImageEntry image;
    MakeText(image, "W", true);
    image.currentPlacement.currentX = 50;
    image.currentPlacement.currentY = 20;
    int index = 0;
    NextLetter(image, target, index);
    const Size size = PictureSize(image);
    const Pixels screen = ReadPixels(window.Dc(), Rect{0, 0, 200, 100});
    EXPECT_EQ(screen.At(50, 20), kPaper);
    EXPECT_EQ(screen.At(50 + size.width - 1, 20 + size.height - 1), kPaper);
    EXPECT_EQ(screen.At(49, 20), RGB(0, 0, 0));
    EXPECT_EQ(screen.At(50 + size.width, 20), RGB(0, 0, 0));
}

}  // namespace
}  // namespace vl::testing
