#include "engine/core/motion.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

namespace vl {
namespace {

using Positions = std::vector<std::pair<int, int>>;

MotionParam LineMotion(int startX, int startY, int endX, int endY, int step, int axis = 1) {
    MotionParam m;
    m.startX = startX;
    m.startY = startY;
    m.endX = endX;
    m.endY = endY;
    m.stepX = step;
    m.stepAxis = axis;
    m.seed = 0;
    return m;
}

// Every position a Move draws: the start, each advanced position, and the one that reported the
// end. Gives up after `limit` steps (a Move that would run until stopped).
Positions Walk(MotionParam m, int limit = 1000) {
    ResolveMotion(m, {10, 10}, {640, 480});
    Positions drawn{{m.currentX, m.currentY}};
    for (int i = 0; i < limit; ++i) {
        const bool end = AdvanceMotion(m);
        drawn.emplace_back(m.currentX, m.currentY);
        if (end)
            return drawn;
    }
    drawn.emplace_back(INT_MIN, INT_MIN);  // marks "did not end"
    return drawn;
}

std::vector<int> Xs(const Positions& p) {
    std::vector<int> xs;
    for (const auto& [x, y] : p)
        xs.push_back(x);
    return xs;
}

TEST(ConditionHoldsTest, EveryOperator) {
    EXPECT_TRUE(ConditionHolds(kGreater, 5, 4));
    EXPECT_FALSE(ConditionHolds(kGreater, 4, 4));
    EXPECT_TRUE(ConditionHolds(kLess, 3, 4));
    EXPECT_FALSE(ConditionHolds(kLess, 4, 4));
    EXPECT_TRUE(ConditionHolds(kEqual, 4, 4));
    EXPECT_FALSE(ConditionHolds(kEqual, 5, 4));
    EXPECT_TRUE(ConditionHolds(kNotEqual, 5, 4));
    EXPECT_FALSE(ConditionHolds(kNotEqual, 4, 4));
    EXPECT_FALSE(ConditionHolds(4, 5, 4));
    EXPECT_FALSE(ConditionHolds(-1, 5, 4));
}

TEST(LineMoveTest, FromZeroToTenByThreeDrawsPastTheEnd) {
    EXPECT_EQ(Xs(Walk(LineMotion(0, 0, 10, 0, 3))), (std::vector<int>{0, 3, 6, 9, 12}));
}

TEST(LineMoveTest, StepTakesTheSignOfTheDirection) {
    EXPECT_EQ(Xs(Walk(LineMotion(10, 0, 0, 0, 3))), (std::vector<int>{10, 7, 4, 1, -2}));
    EXPECT_EQ(Xs(Walk(LineMotion(0, 0, 10, 0, -3))), (std::vector<int>{0, 3, 6, 9, 12}));
    EXPECT_EQ(Xs(Walk(LineMotion(0, 0, 9, 0, 3))), (std::vector<int>{0, 3, 6, 9}));
}

TEST(LineMoveTest, EqualStartAndEndOnTheAxisEndsAfterOneStep) {
    EXPECT_EQ(Walk(LineMotion(5, 20, 5, 80, 2)), (Positions{{5, 20}, {7, 20}}));
}

TEST(LineMoveTest, OtherCoordinateFollowsTheLine) {
    EXPECT_EQ(Walk(LineMotion(0, 0, 10, 20, 5)), (Positions{{0, 0}, {5, 10}, {10, 20}}));
    EXPECT_EQ(Walk(LineMotion(10, 0, 0, 30, 4)), (Positions{{10, 0}, {6, 12}, {2, 24}, {-2, 36}}));
    // Integer division truncates towards zero: 1 + 1 * (1 - 3) / 3 = 1.
    EXPECT_EQ(Walk(LineMotion(0, 0, 3, 1, 1)), (Positions{{0, 0}, {1, 1}, {2, 1}, {3, 1}}));
}

TEST(LineMoveTest, AlongYStepsTheSingleValueVertically) {
    EXPECT_EQ(Walk(LineMotion(0, 0, 20, 10, 5, 0)), (Positions{{0, 0}, {10, 5}, {20, 10}}));
    EXPECT_EQ(Walk(LineMotion(0, 0, 0, 10, 5, 0)), (Positions{{0, 0}, {0, 5}, {0, 10}}));
    // Equal start and end y ends after one step.
    EXPECT_EQ(Walk(LineMotion(0, 7, 50, 7, 5, 0)), (Positions{{0, 7}, {0, 12}}));
}

TEST(LineMoveTest, AlongYTakesTheSignFromTheYPositions) {
    // Left and down: the step along y stays positive and the Move runs its whole way.
    const Positions down = Walk(LineMotion(50, 0, 0, 100, 10, 0));
    ASSERT_EQ(down.size(), 11u);
    EXPECT_EQ(down[1], (std::pair<int, int>{45, 10}));
    EXPECT_EQ(down.back(), (std::pair<int, int>{0, 100}));
    // Right and up: the step turns negative.
    MotionParam up = LineMotion(0, 100, 50, 0, 10, 0);
    ResolveMotion(up, {10, 10}, {640, 480});
    EXPECT_EQ(up.stepX, -10);
    EXPECT_EQ(Walk(LineMotion(0, 100, 50, 0, 10, 0)).back(), (std::pair<int, int>{50, 0}));
}

TEST(LineMoveTest, ZeroStepEndsAtOnceInEitherDirection) {
    EXPECT_EQ(Walk(LineMotion(0, 0, 10, 0, 0)), (Positions{{0, 0}, {0, 0}}));
    EXPECT_EQ(Walk(LineMotion(10, 0, 0, 0, 0)), (Positions{{10, 0}, {10, 0}}));
    EXPECT_EQ(Walk(LineMotion(0, 10, 0, 0, 0, 0)), (Positions{{0, 10}, {0, 10}}));
}

TEST(LineMoveTest, FarPositionsSaturateInsteadOfOverflowing) {
    // The product in the line equation passes 64 bits here.
    const Positions far = Walk(LineMotion(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1 << 30));
    ASSERT_EQ(far.size(), 5u);
    for (std::size_t i = 1; i < far.size(); ++i) {
        EXPECT_GT(far[i].first, far[i - 1].first);
        EXPECT_GT(far[i].second, far[i - 1].second);
    }
    EXPECT_EQ(far.back(), (std::pair<int, int>{INT_MAX, INT_MAX}));
}

MotionParam StepMotion(int startX, int startY, int stepX, int stepY) {
    MotionParam m = LineMotion(startX, startY, 0, 0, stepX);
    m.stepY = stepY;
    m.stepMode = 1;
    return m;
}

TEST(StepModeTest, StepsKeepTheirSignsWhateverTheEndPosition) {
    // The end position (0, 0) lies up-left, but the conditions ask for a walk down-right.
    MotionParam m = StepMotion(100, 100, 3, 3);
    m.xComparison = kGreater;
    m.untilX = 110;
    m.yComparison = kGreater;
    m.untilY = 1000;
    EXPECT_EQ(Xs(Walk(m)), (std::vector<int>{100, 103, 106, 109, 112}));
}

TEST(StepModeTest, AndNeedsBothConditionsOrEither) {
    MotionParam m = StepMotion(0, 0, 2, 5);
    m.xComparison = kGreater;
    m.untilX = 5;
    m.yComparison = kGreater;
    m.untilY = 20;
    m.join = 1;
    EXPECT_EQ(Walk(m).back(), (std::pair<int, int>{10, 25}));
    m.join = 0;
    EXPECT_EQ(Walk(m).back(), (std::pair<int, int>{6, 15}));
}

TEST(StepModeTest, EqualAndNotEqual) {
    MotionParam m = StepMotion(0, 0, 4, 0);
    m.xComparison = kEqual;
    m.untilX = 12;
    m.yComparison = 9;  // never holds
    EXPECT_EQ(Xs(Walk(m)), (std::vector<int>{0, 4, 8, 12}));
    m.xComparison = kNotEqual;
    m.untilX = 0;
    EXPECT_EQ(Xs(Walk(m)), (std::vector<int>{0, 4}));
}

TEST(StepModeTest, UnreachableConditionRunsUntilStopped) {
    MotionParam m = StepMotion(0, 0, 1, 1);
    m.xComparison = 7;  // never holds
    m.yComparison = kGreater;
    m.untilY = 3;
    m.join = 1;
    EXPECT_EQ(Walk(m, 50).back(), (std::pair<int, int>{INT_MIN, INT_MIN}));
    m.join = 0;
    EXPECT_EQ(Walk(m).back(), (std::pair<int, int>{4, 4}));
}

TEST(StepModeTest, ZeroVectorEndsAtOnce) {
    MotionParam m = StepMotion(5, 5, 0, 0);
    m.xComparison = kGreater;
    m.untilX = 100;
    EXPECT_EQ(Walk(m), (Positions{{5, 5}, {5, 5}}));
}

TEST(ResolveMotionTest, CentresA101By51ObjectOn1024By768) {
    MotionParam m = LineMotion(1, 2, 3, 4, 1);
    m.centreStartX = m.centreStartY = 1;
    ResolveMotion(m, {101, 51}, {1024, 768});
    EXPECT_EQ(m.startX, 462);
    EXPECT_EQ(m.startY, 359);
    EXPECT_EQ(m.currentX, 462);
    EXPECT_EQ(m.currentY, 359);
    EXPECT_EQ(m.endX, 3);
    EXPECT_EQ(m.endY, 4);
    EXPECT_EQ(m.seed, 200u);
}

// Hand-computed draws of the generator seeded with 200: 691, 27480, 22360, 30971.
TEST(ResolveMotionTest, RandomCoordinatesDrawInTheirOrder) {
    MotionParam all = LineMotion(0, 0, 0, 0, 1);
    all.randomStartX = all.randomStartY = all.randomEndX = all.randomEndY = 1;
    ResolveMotion(all, {100, 50}, {640, 480});
    EXPECT_EQ(all.startX, 591);  // 691 mod 740 - 100
    EXPECT_EQ(all.startY, 400);  // 27480 mod 530 - 50
    EXPECT_EQ(all.endX, 60);     // 22360 mod 740 - 100
    EXPECT_EQ(all.endY, 181);    // 30971 mod 530 - 50

    // A coordinate without its flag takes no draw; Centre takes none either.
    MotionParam some = LineMotion(0, 0, 0, 0, 1);
    some.randomStartY = 1;
    some.centreStartX = 1;
    ResolveMotion(some, {100, 50}, {640, 480});
    EXPECT_EQ(some.startY, 111);  // 691 mod 530 - 50
    EXPECT_EQ(some.startX, 270);
}

TEST(ResolveMotionTest, RandomXOnA640PixelScreenStaysInRange) {
    MotionParam m = LineMotion(0, 0, 0, 0, 1);
    m.randomStartX = 1;
    int lowest = INT_MAX;
    int highest = INT_MIN;
    for (int run = 0; run < 3000; ++run) {
        ResolveMotion(m, {100, 100}, {640, 480});  // the value wanders from run to run
        ASSERT_GE(m.startX, -100);
        ASSERT_LE(m.startX, 639);
        lowest = std::min(lowest, m.startX);
        highest = std::max(highest, m.startX);
    }
    EXPECT_LT(lowest, -90);
    EXPECT_GT(highest, 629);
    EXPECT_EQ(m.seed, 3000u * 200u);
}

TEST(ResolveMotionTest, RandomFromANegativeValueStaysInRange) {
    MotionParam m = LineMotion(-5000, 0, 0, 0, 1);
    m.randomStartX = 1;
    m.seed = 300;
    ResolveMotion(m, {100, 100}, {640, 480});
    EXPECT_EQ(m.startX, 271);  // (1671 - 5000) mod 740, taken as 371, - 100
}

TEST(ResolveMotionTest, StepModeIgnoresRandomAndCentre) {
    MotionParam m = StepMotion(7, 8, 1, 1);
    m.randomStartX = m.centreStartY = 1;
    m.seed = 42;
    ResolveMotion(m, {10, 10}, {640, 480});
    EXPECT_EQ(m.startX, 7);
    EXPECT_EQ(m.startY, 8);
    EXPECT_EQ(m.seed, 42u);
}

TEST(ResolveMotionTest, NoFlagsLeaveTheSeedAndStartTheWalk) {
    MotionParam m = LineMotion(30, 40, 0, 0, 2);
    m.stepY = 2;
    m.seed = 42;
    m.currentX = m.currentY = 999;
    ResolveMotion(m, {10, 10}, {640, 480});
    EXPECT_EQ(m.seed, 42u);
    EXPECT_EQ(m.currentX, 30);
    EXPECT_EQ(m.currentY, 40);
    EXPECT_EQ(m.stepX, -2);
    EXPECT_EQ(m.stepY, -2);
}

TEST(ResolveMotionTest, ALinePointIsDrawnOnTheScreen) {
    MotionParam m = LineMotion(0, 0, 0, 0, 1);
    m.randomStartX = m.randomEndY = 1;
    for (int run = 0; run < 500; ++run) {
        ResolveMotion(m, {0, 0}, {640, 480});
        ASSERT_GE(m.startX, 0);
        ASSERT_LT(m.startX, 640);
        ASSERT_GE(m.endY, 0);
        ASSERT_LT(m.endY, 480);
    }
}

TEST(ResolveMotionTest, SeedWrapsAround) {
    MotionParam m = LineMotion(0, 0, 0, 0, 1);
    m.centreEndX = 1;
    m.seed = 0xFFFFFFF0u;
    ResolveMotion(m, {10, 10}, {640, 480});
    EXPECT_EQ(m.seed, 200u - 16u);
    EXPECT_EQ(m.endX, 315);
}

}  // namespace
}  // namespace vl
