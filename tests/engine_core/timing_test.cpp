#include "engine/core/timing.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(MoveStepDurationTest, HundredThousandthsOfASecond) {
    EXPECT_EQ(MoveStepDuration(0), 1000000);
    EXPECT_EQ(MoveStepDuration(90000), 100000);
    EXPECT_EQ(MoveStepDuration(99000), 10000);
    EXPECT_EQ(MoveStepDuration(99900), 1000);
    EXPECT_EQ(MoveStepDuration(99999), 10);
    EXPECT_EQ(MoveStepDuration(100000), 0);
}

TEST(MoveStepDurationTest, SpeedsOutsideTheRangeTakeTheNearestEnd) {
    EXPECT_EQ(MoveStepDuration(-5), 1000000);
    EXPECT_EQ(MoveStepDuration(250000), 0);
}

TEST(LetterDelayTest, TwoThousandMinusTheSpeedInMilliseconds) {
    EXPECT_EQ(LetterDelay(2000), 0);
    EXPECT_EQ(LetterDelay(1750), 250000);
    EXPECT_EQ(LetterDelay(0), 2000000);
    // Unsigned arithmetic would make this a wait of seven weeks.
    EXPECT_EQ(LetterDelay(2500), 0);
    EXPECT_EQ(LetterDelay(-1), 2000000);
}

TEST(PlanWaitTest, SlicesAndRemainder) {
    const WaitPlan p = PlanWait(250, {100, 200});
    EXPECT_EQ(p.sliceMs, 100);
    EXPECT_EQ(p.loops, 2);
    EXPECT_EQ(p.remainderMs, 50);
    EXPECT_EQ(p.beepEvery, 2);
    const WaitPlan shortWait = PlanWait(40, {100, 100});
    EXPECT_EQ(shortWait.loops, 0);
    EXPECT_EQ(shortWait.remainderMs, 40);
}

TEST(PlanWaitTest, ZeroSliceAndNegativeValuesAreSafe) {
    const WaitPlan zero = PlanWait(5, {0, 3});
    EXPECT_EQ(zero.sliceMs, 1);
    EXPECT_EQ(zero.loops, 5);
    EXPECT_EQ(zero.beepEvery, 3);
    const WaitPlan negative = PlanWait(-300, {-10, -10});
    EXPECT_EQ(negative.loops, 0);
    EXPECT_EQ(negative.remainderMs, 0);
    EXPECT_EQ(negative.beepEvery, 0);
}

TEST(CalibratedPollCountTest, FractionOfTheCountPerSecond) {
    EXPECT_EQ(CalibratedPollCount(1000000, 90000, 100000.0), 100000u);
    EXPECT_EQ(CalibratedPollCount(1000000, 0, 100000.0), 1000000u);
    EXPECT_EQ(CalibratedPollCount(1000000, 100000, 100000.0), 0u);
    EXPECT_EQ(CalibratedPollCount(2000000, 99000, 100000.0), 20000u);
}

TEST(CalibratedPollCountTest, HeldInsideThirtyTwoBits) {
    EXPECT_EQ(CalibratedPollCount(0xFFFFFFFFu, 0, 1000000.0), 0xFFFFFFFFu);
    EXPECT_EQ(CalibratedPollCount(1000, 200000, 100000.0), 0u);  // faster than the scale
    EXPECT_EQ(CalibratedPollCount(1000, 5, 0.0), 0u);
}

TEST(SystemDescriptionTest, NineNumbersJoinedByCommas) {
    EXPECT_EQ(FormatSystemDescription({4096, 65536, 2147418111, 3, 2, 586, 65536, 6, 40458}),
              "4096,65536,2147418111,3,2,586,65536,6,40458");
    // A 64-bit highest address is written in full.
    EXPECT_EQ(FormatSystemDescription({4096, 65536, 140737488289791ull, 255, 8, 8664, 65536, 6, 0}),
              "4096,65536,140737488289791,255,8,8664,65536,6,0");
    EXPECT_EQ(FormatSystemDescription({}), "0,0,0,0,0,0,0,0,0");
}

TEST(SystemDescriptionTest, CalibrationWhenMissingOrChanged) {
    EXPECT_TRUE(NeedsCalibration(0, "a", "a"));
    EXPECT_TRUE(NeedsCalibration(5000, "4096,1", "4096,2"));
    EXPECT_TRUE(NeedsCalibration(5000, "", "4096,2"));
    EXPECT_FALSE(NeedsCalibration(5000, "4096,2", "4096,2"));
}

}  // namespace
}  // namespace vl
