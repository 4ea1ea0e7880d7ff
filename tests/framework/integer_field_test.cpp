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

namespace vl {
namespace {

TEST(UnsignedField, ReadsCountsUpToTheTopOf32Bits) {
    EXPECT_EQ(ParseUnsignedInRange("4294967295", 0, 0xFFFFFFFFu), 0xFFFFFFFFu);
    EXPECT_EQ(ParseUnsignedInRange(" 999999 ", 1, 999999), 999999u);
    EXPECT_EQ(ParseUnsignedInRange("1", 1, 999999), 1u);
    EXPECT_FALSE(ParseUnsignedInRange("0", 1, 999999));
    EXPECT_FALSE(ParseUnsignedInRange("1000000", 1, 999999));
    EXPECT_FALSE(ParseUnsignedInRange("-1", 0, 999999));
    EXPECT_FALSE(ParseUnsignedInRange("4294967296", 0, 0xFFFFFFFFu));
    EXPECT_EQ(UnsignedRangeMessage(1, 999999), "Please enter an integer between 1 and 999999.");
}

}  // namespace
}  // namespace vl
