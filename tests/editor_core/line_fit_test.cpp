// Fitting a line into the list's 30000-pixel extent.
#include "editor/core/line_fit.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace vl {
namespace {

// A proportional font: "W" 12, space 3, ">" 6, "i" 2, anything else 7 pixels.
int CharWidth(char c) {
    switch (c) {
        case 'W':
            return 12;
        case ' ':
            return 3;
        case '>':
            return 6;
        case 'i':
            return 2;
        default:
            return 7;
    }
}

int Width(std::string_view text) {
    int width = 0;
    for (char c : text)
        width += CharWidth(c);
    return width;
}

constexpr int kMarkerWidth = 18;                                     // "  >>"
constexpr int kStartLimit = kLineEndLimit - kMarkerWidth - 20 * 12;  // 29722

// The rule as written: cut one character at a time until the rest and the marker fit.
FittedLine FitOneAtATime(std::string text, int startX, const TextWidth& width) {
    startX = std::min(startX, kLineEndLimit - width(kCutMarker) - 20 * width("W"));
    if (startX + width(text) <= kLineEndLimit)
        return {text, startX};
    do {
        text.pop_back();
    } while (!text.empty() && startX + width(text + kCutMarker) > kLineEndLimit);
    return {text + kCutMarker, startX};
}

TEST(LineFit, ATextThatEndsInsideTheExtentIsDrawnAsItIs) {
    const FittedLine fitted = FitLine("Show [sun.bmp]", 19, Width);
    EXPECT_EQ(fitted.text, "Show [sun.bmp]");
    EXPECT_EQ(fitted.startX, 19);
    // Ending exactly at the limit still fits; one pixel more does not.
    const std::string exact(29980 / 7 - 2, 'a');  // 4280 characters, 29960 pixels
    EXPECT_EQ(FitLine(exact, 20, Width).text, exact);
    const FittedLine over = FitLine(exact + "i", 19, Width);
    EXPECT_EQ(over.startX, 19);
    ASSERT_GE(over.text.size(), 4u);
    EXPECT_EQ(over.text.substr(over.text.size() - 4), "  >>");
}

TEST(LineFit, TheStartIsLimitedBeforeTheMarkerAndTwentyWs) {
    EXPECT_EQ(FitLine("", 40000, Width).startX, kStartLimit);
    EXPECT_EQ(FitLine("", kStartLimit, Width).startX, kStartLimit);
    EXPECT_EQ(FitLine("x", kStartLimit - 1, Width).startX, kStartLimit - 1);
    // From the limited start twenty "W" and the marker end exactly at the limit: twenty-one
    // "W" alone still fit, twenty-two are cut back to twenty.
    const FittedLine alone = FitLine(std::string(21, 'W'), 90000, Width);
    EXPECT_EQ(alone.text, std::string(21, 'W'));
    const FittedLine cut = FitLine(std::string(22, 'W'), 90000, Width);
    EXPECT_EQ(cut.text, std::string(20, 'W') + "  >>");
    EXPECT_EQ(cut.startX + Width(cut.text), kLineEndLimit);
}

TEST(LineFit, ALongDescriptionEndsInTheMarkerJustInsideTheLimit) {
    const std::string description = "Comment " + std::string(100000, 'x');
    int calls = 0;
    const TextWidth counted = [&calls](std::string_view text) {
        ++calls;
        return Width(text);
    };
    const FittedLine fitted = FitLine(description, 3 + 2 * 8, counted);
    ASSERT_GE(fitted.text.size(), 4u);
    EXPECT_EQ(fitted.text.substr(fitted.text.size() - 4), "  >>");
    const std::string kept = fitted.text.substr(0, fitted.text.size() - 4);
    EXPECT_EQ(description.compare(0, kept.size(), kept), 0);
    EXPECT_LE(fitted.startX + Width(fitted.text), kLineEndLimit);
    EXPECT_GT(fitted.startX + Width(description.substr(0, kept.size() + 1) + "  >>"),
              kLineEndLimit);
    // Prefixes are measured a logarithmic number of times, not once per removed character.
    EXPECT_LE(calls, 25);
}

TEST(LineFit, SameResultAsCuttingOneCharacterAtATime) {
    std::mt19937 random(20240611);
    const std::string alphabet = "Wi >ab";
    // A second font whose widths are not a plain sum: each pair of equal neighbours is drawn a
    // pixel closer, which keeps longer prefixes at least as wide.
    const TextWidth kerned = [](std::string_view text) {
        int width = Width(text);
        for (std::size_t i = 1; i < text.size(); ++i)
            width -= text[i] == text[i - 1] ? 1 : 0;
        return width;
    };
    // Starts near the end of the extent, so that texts of a few hundred characters are cut.
    for (int round = 0; round < 300; ++round) {
        std::string text(std::uniform_int_distribution<int>(0, 800)(random), ' ');
        for (char& c : text)
            c = alphabet[std::uniform_int_distribution<std::size_t>(0,
                                                                    alphabet.size() - 1)(random)];
        const int startX = std::uniform_int_distribution<int>(25000, 31000)(random);
        for (const TextWidth& width : {TextWidth(Width), kerned}) {
            const FittedLine expected = FitOneAtATime(text, startX, width);
            const FittedLine fitted = FitLine(text, startX, width);
            ASSERT_EQ(fitted.startX, expected.startX) << "round " << round;
            ASSERT_EQ(fitted.text, expected.text) << "round " << round;
        }
    }
}

}  // namespace
}  // namespace vl
