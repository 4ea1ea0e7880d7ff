#include "engine/text/text_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vl {
namespace {

using Pieces = std::vector<std::string>;

Pieces Lines(std::string_view text) {
    Pieces pieces;
    for (const TextLine& line : SplitTextLines(text))
        pieces.emplace_back(text.substr(line.start, line.length));
    return pieces;
}

TEST(TextLinesTest, CarriageReturnLineFeedSeparatesLines) {
    EXPECT_EQ(Lines("AB"), (Pieces{"AB"}));
    EXPECT_EQ(Lines("AB\r\nC"), (Pieces{"AB", "C"}));
    EXPECT_EQ(Lines("one\r\ntwo\r\nthree"), (Pieces{"one", "two", "three"}));
}

// A line ending in a bare line feed keeps its last character.
TEST(TextLinesTest, BareLineFeedKeepsTheLastCharacterOfTheLine) {
    EXPECT_EQ(Lines("AB\nC"), (Pieces{"AB", "C"}));
    EXPECT_EQ(Lines("A\nB\nC"), (Pieces{"A", "B", "C"}));
    EXPECT_EQ(Lines("mixed\r\nends\nhere"), (Pieces{"mixed", "ends", "here"}));
}

// The breaks DrawText makes: a lone carriage return ends a line too, a reversed pair is one
// break, two equal characters are two.
TEST(TextLinesTest, OtherBreaksAreCountedAsDrawTextDrawsThem) {
    EXPECT_EQ(Lines("AB\rC"), (Pieces{"AB", "C"}));
    EXPECT_EQ(Lines("AB\n\rC"), (Pieces{"AB", "C"}));
    EXPECT_EQ(Lines("AB\n\nC"), (Pieces{"AB", "", "C"}));
    EXPECT_EQ(Lines("AB\r\r\nC"), (Pieces{"AB", "", "C"}));
    EXPECT_EQ(Lines("\r\n\r\n"), (Pieces{"", "", ""}));
}

TEST(TextLinesTest, TextEndingInABreakHasAnEmptyLastLine) {
    EXPECT_EQ(Lines("AB\r\n"), (Pieces{"AB", ""}));
    EXPECT_EQ(Lines("AB\n"), (Pieces{"AB", ""}));
    EXPECT_EQ(Lines(""), (Pieces{""}));
    EXPECT_EQ(Lines("\n"), (Pieces{"", ""}));
}

TEST(TextLinesTest, PiecesPointIntoTheText) {
    const auto lines = SplitTextLines("ab\r\ncde\nf");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].start, 0u);
    EXPECT_EQ(lines[1].start, 4u);
    EXPECT_EQ(lines[1].length, 3u);
    EXPECT_EQ(lines[2].start, 8u);
    EXPECT_EQ(lines[2].length, 1u);
}

}  // namespace
}  // namespace vl
