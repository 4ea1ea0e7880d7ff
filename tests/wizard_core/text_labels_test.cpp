#include "wizard/core/text_labels.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(TextLabels, NameSizeAndStyleOfTheChosenFont) {
    LogFont font = LogFont::Default();
    EXPECT_EQ(FontNameLabel(font), "Font name: MS Sans Serif");
    // -11 * -54 / 72 = 8.25
    EXPECT_EQ(FontSizeLabel(font), "Font size: 8");
    font.height = -16;  // 12 exactly
    EXPECT_EQ(FontSizeLabel(font), "Font size: 12");
    font.height = -2;  // 1.5 rounds away from zero
    EXPECT_EQ(FontSizeLabel(font), "Font size: 2");
    font.height = 2;
    EXPECT_EQ(FontSizeLabel(font), "Font size: -2");

    font.weight = 400;
    EXPECT_EQ(FontStyleLabel(font), "Font style: Regular");
    font.italic = 1;
    EXPECT_EQ(FontStyleLabel(font), "Font style: Italic");
    font.weight = 700;
    EXPECT_EQ(FontStyleLabel(font), "Font style: Bold Italic");
    font.italic = 0;
    EXPECT_EQ(FontStyleLabel(font), "Font style: Bold");
}

}  // namespace
}  // namespace vl
