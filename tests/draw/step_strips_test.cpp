#include "engine/draw/step_strips.h"

#include <gtest/gtest.h>

namespace vl {

void PrintTo(const Rect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {

constexpr Size kObject{10, 8};

UncoveredStrips Strips(Point step) {
    return StripsOutsideNew(LayoutStep({100, 100}, {100 + step.x, 100 + step.y}, kObject));
}

// Worked by hand: O and N of a 10 x 8 object in the local frame of the union.
TEST(StepStripsTest, DiagonalStepsLeaveAnLShape) {
    // Down-right by (3, 2): N at (3, 2), U (0, 0)-(13, 10).
    UncoveredStrips s = Strips({3, 2});
    EXPECT_EQ(s.beside, (Rect{0, 0, 3, 10}));
    EXPECT_EQ(s.aboveOrBelow, (Rect{3, 0, 13, 2}));
    // Down-left by (-3, 2): O at (3, 0), N at (0, 2).
    s = Strips({-3, 2});
    EXPECT_EQ(s.beside, (Rect{10, 0, 13, 10}));
    EXPECT_EQ(s.aboveOrBelow, (Rect{0, 0, 10, 2}));
    // Up-left by (-3, -2): O at (3, 2), N at (0, 0).
    s = Strips({-3, -2});
    EXPECT_EQ(s.beside, (Rect{10, 0, 13, 10}));
    EXPECT_EQ(s.aboveOrBelow, (Rect{0, 8, 10, 10}));
    // Up-right by (3, -2): O at (0, 2), N at (3, 0).
    s = Strips({3, -2});
    EXPECT_EQ(s.beside, (Rect{0, 0, 3, 10}));
    EXPECT_EQ(s.aboveOrBelow, (Rect{3, 8, 13, 10}));
}

TEST(StepStripsTest, StraightStepsLeaveOneStrip) {
    UncoveredStrips s = Strips({5, 0});
    EXPECT_EQ(s.beside, (Rect{0, 0, 5, 8}));
    EXPECT_TRUE(s.aboveOrBelow.IsEmpty());
    s = Strips({0, -4});
    EXPECT_TRUE(s.beside.IsEmpty());
    EXPECT_EQ(s.aboveOrBelow, (Rect{0, 8, 10, 12}));
}

TEST(StepStripsTest, NoStripsWithoutDistanceOrOverlap) {
    UncoveredStrips s = Strips({0, 0});
    EXPECT_TRUE(s.beside.IsEmpty());
    EXPECT_TRUE(s.aboveOrBelow.IsEmpty());
    s = Strips({10, 0});  // a full width apart: the separate path
    EXPECT_TRUE(s.beside.IsEmpty());
    EXPECT_TRUE(s.aboveOrBelow.IsEmpty());
}

// Strips and N cover the union exactly once, for every step smaller than the object.
TEST(StepStripsTest, StripsAndNewRectangleTileTheUnion) {
    for (int dx = -9; dx <= 9; ++dx) {
        for (int dy = -7; dy <= 7; ++dy) {
            const StepLayout step = LayoutStep({0, 0}, {dx, dy}, kObject);
            const UncoveredStrips s = StripsOutsideNew(step);
            for (int y = step.bounds.top; y < step.bounds.bottom; ++y) {
                for (int x = step.bounds.left; x < step.bounds.right; ++x) {
                    int covered = 0;
                    for (const Rect& r : {step.newRect, s.beside, s.aboveOrBelow})
                        covered += x >= r.left && x < r.right && y >= r.top && y < r.bottom;
                    ASSERT_EQ(covered, 1)
                        << "step " << dx << "," << dy << " pixel " << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
}  // namespace vl
