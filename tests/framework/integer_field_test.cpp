#include "framework/integer_field.h"

#include <gtest/gtest.h>

#include <climits>

namespace vl {
namespace {

TEST(IntegerField, ReadsNumbersWithinTheBoundsIncludingTheBounds) {
    EXPECT_EQ(ParseIntegerInRange("0", 0, 100), 0);
    EXPECT_EQ(ParseIntegerInRange("100", 0, 100), 100);
    EXPECT_EQ(ParseIntegerInRange("  42 ", 0, 100), 42);
    EXPECT_EQ(ParseIntegerInRange("+7", 0, 100), 7);
    EXPECT_EQ(ParseIntegerInRange("-3", -5, 5), -3);
    EXPECT_EQ(ParseIntegerInRange("007", 0, 100), 7);
}

TEST(IntegerField, RefusesOutOfRangeAndMalformedText) {
    EXPECT_EQ(ParseIntegerInRange("101", 0, 100), std::nullopt);
    EXPECT_EQ(ParseIntegerInRange("-1", 0, 100), std::nullopt);
    EXPECT_EQ(ParseIntegerInRange("", 0, 100), std::nullopt);
    EXPECT_EQ(ParseIntegerInRange("  ", 0, 100), std::nullopt);
    EXPECT_EQ(ParseIntegerInRange("-", 0, 100), std::nullopt);
    EXPECT_EQ(ParseIntegerInRange("12a", 0, 100), std::nullopt);
    EXPECT_EQ(ParseIntegerInRange("1 2", 0, 100), std::nullopt);
    EXPECT_EQ(ParseIntegerInRange("3.5", 0, 100), std::nullopt);
    // Long enough to overflow a naive sum back into range.
    EXPECT_EQ(ParseIntegerInRange("18446744073709551621", 0, 100), std::nullopt);
    EXPECT_EQ(ParseIntegerInRange("2147483647", 0, INT_MAX), INT_MAX);
}

TEST(IntegerField, RangeMessageNamesBothBounds) {
    EXPECT_EQ(IntegerRangeMessage(0, 100), "Please enter an integer between 0 and 100.");
    EXPECT_EQ(IntegerRangeMessage(0, 500), "Please enter an integer between 0 and 500.");
}

}  // namespace
}  // namespace vl
