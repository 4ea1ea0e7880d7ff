#include "editor/core/beep_field.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(BeepField, ZeroIsShownAndReadAsNo) {
    EXPECT_EQ(BeepText(0), "No");
    EXPECT_EQ(BeepText(300), "300");
    EXPECT_EQ(BeepValue("No"), 0);
    EXPECT_EQ(BeepValue("no"), 0);
    EXPECT_EQ(BeepValue("250"), 250);
    EXPECT_EQ(BeepValue("12ms"), 12);
    EXPECT_EQ(BeepValue(""), 0);
    EXPECT_EQ(BeepValue("Nope"), 0);
}

TEST(BeepField, SpinMovesToTheNextWholeStep) {
    EXPECT_EQ(BeepSpin(150, 100, +1), 200);
    EXPECT_EQ(BeepSpin(150, 100, -1), 100);
    // On a whole step the value moves by one slice.
    EXPECT_EQ(BeepSpin(200, 100, +1), 300);
    EXPECT_EQ(BeepSpin(200, 100, -1), 100);
    EXPECT_EQ(BeepSpin(0, 100, +1), 100);
    EXPECT_EQ(BeepSpin(40, 25, +1), 50);
    EXPECT_EQ(BeepSpin(40, 25, -1), 25);
}

TEST(BeepField, SpinStaysWithinNoAndFiftySteps) {
    EXPECT_EQ(BeepSpin(0, 100, -1), 0);
    EXPECT_EQ(BeepSpin(50, 100, -1), 0);
    EXPECT_EQ(BeepSpin(5000, 100, +1), 5000);
    EXPECT_EQ(BeepSpin(4950, 100, +1), 5000);
    EXPECT_EQ(BeepSpin(9999, 100, -1), 5000);
    EXPECT_EQ(BeepSpin(-30, 100, -1), 0);
    // A zero slice from a damaged file still counts in whole (1 ms) steps.
    EXPECT_EQ(BeepSpin(7, 0, +1), 8);
}

TEST(BeepField, LeavingTheFieldRoundsToTheNearestStep) {
    EXPECT_EQ(BeepRound(149, 100), 100);
    EXPECT_EQ(BeepRound(150, 100), 200);
    EXPECT_EQ(BeepRound(49, 100), 0);
    EXPECT_EQ(BeepRound(6000, 100), 5000);
    EXPECT_EQ(BeepRound(0, 100), 0);
    EXPECT_EQ(BeepRound(-400, 100), 0);
    EXPECT_EQ(BeepRound(2000000000, 100), 5000);
    EXPECT_EQ(BeepRound(37, 25), 25);
    EXPECT_EQ(BeepRound(38, 25), 50);
}

}  // namespace
}  // namespace vl
