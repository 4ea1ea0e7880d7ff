#include "editor/core/wait_seconds.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(WaitSeconds, ShowsMillisecondsAsSecondsWithNineSignificantDigits) {
    EXPECT_EQ(WaitSecondsText(0), "0");
    EXPECT_EQ(WaitSecondsText(1500), "1.5");
    EXPECT_EQ(WaitSecondsText(250), "0.25");
    EXPECT_EQ(WaitSecondsText(1), "0.001");
    EXPECT_EQ(WaitSecondsText(100000), "100");
    // A duration from a file may be longer than the dialog allows; it is shown as it is.
    EXPECT_EQ(WaitSecondsText(123456789), "123456.789");
    EXPECT_EQ(WaitSecondsText(2147483647), "2147483.65");
}

TEST(WaitSeconds, ReadsDecimalNumbersWithinZeroToAHundred) {
    EXPECT_DOUBLE_EQ(*ParseWaitSeconds("0"), 0.0);
    EXPECT_DOUBLE_EQ(*ParseWaitSeconds(" 2.5 "), 2.5);
    EXPECT_DOUBLE_EQ(*ParseWaitSeconds("100"), 100.0);
    EXPECT_DOUBLE_EQ(*ParseWaitSeconds(".75"), 0.75);
    EXPECT_DOUBLE_EQ(*ParseWaitSeconds("1e1"), 10.0);
    EXPECT_DOUBLE_EQ(*ParseWaitSeconds("-0"), 0.0);
}

TEST(WaitSeconds, RefusesWhatIsNoNumberOrOutOfRange) {
    for (const char* text :
         {"", " ", "abc", "1.5s", "100.001", "-0.01", "1e3", "inf", "nan", "0x10", "1..2", "1 2"})
        EXPECT_FALSE(ParseWaitSeconds(text)) << text;
    EXPECT_EQ(WaitRangeMessage(), "Please enter a number between 0 and 100.");
}

TEST(WaitSeconds, RoundsToHundredthsThenStoresWholeMilliseconds) {
    EXPECT_EQ(WaitMilliseconds(0.0), 0);
    EXPECT_EQ(WaitMilliseconds(1.5), 1500);
    EXPECT_EQ(WaitMilliseconds(0.29), 290);
    EXPECT_EQ(WaitMilliseconds(1.234), 1230);
    EXPECT_EQ(WaitMilliseconds(1.235), 1240);
    EXPECT_EQ(WaitMilliseconds(0.004), 0);
    EXPECT_EQ(WaitMilliseconds(0.005), 10);
    EXPECT_EQ(WaitMilliseconds(99.999), 100000);
    EXPECT_EQ(WaitMilliseconds(100.0), 100000);
}

TEST(WaitSeconds, SpinStepsHalfASecondWithinTheRange) {
    EXPECT_EQ(SpinWaitMilliseconds("1", +1), 1500);
    EXPECT_EQ(SpinWaitMilliseconds("1", -1), 500);
    EXPECT_EQ(SpinWaitMilliseconds("0.2", -1), 0);
    EXPECT_EQ(SpinWaitMilliseconds("99.8", +1), 100000);
    EXPECT_EQ(SpinWaitMilliseconds("100", +1), 100000);
    EXPECT_EQ(SpinWaitMilliseconds("junk", +1), 500);
    EXPECT_EQ(SpinWaitMilliseconds("250", +1), 500);
}

}  // namespace
}  // namespace vl
