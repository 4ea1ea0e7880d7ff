#include "engine/core/geometry.h"

#include <gtest/gtest.h>

#include <climits>

#include "scene/params.h"

namespace vl {

// Readable failures; found by the test framework through the argument's namespace.
void PrintTo(const Rect& r, std::ostream* os) {
    *os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
void PrintTo(Point p, std::ostream* os) {
    *os << "(" << p.x << "," << p.y << ")";
}
void PrintTo(Size s, std::ostream* os) {
    *os << s.width << " x " << s.height;
}

namespace {

TEST(RectTest, IntersectionAndBoundingRect) {
    const Rect a{0, 0, 10, 8};
    const Rect b{3, 2, 13, 10};
    EXPECT_EQ(Intersection(a, b), (Rect{3, 2, 10, 8}));
    EXPECT_EQ(BoundingRect(a, b), (Rect{0, 0, 13, 10}));
    // Touching edges share no pixel.
    EXPECT_TRUE(Intersection(a, Rect{10, 0, 20, 8}).IsEmpty());
    EXPECT_EQ(Intersection(a, Rect{50, 50, 60, 60}), Rect{});
}

TEST(RectTest, AtHoldsEdgesInsideTheIntRange) {
    const Rect r = Rect::At({INT_MAX - 5, INT_MIN}, {100, 100});
    EXPECT_EQ(r.right, INT_MAX);
    EXPECT_EQ(r.bottom, INT_MIN + 100);
}

// Each step direction with a 10 x 8 object stepping by 3 and 2 pixels; the expected rectangles are
// worked out on paper from the local frame's definition.
struct StepCase {
    const char* name;
    Point from;
    Point to;
    Point origin;
    Rect oldRect, newRect, bounds, common, corner0, corner1;
};

class StepLayoutTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepLayoutTest, RectanglesOfADiagonalStep) {
    const StepCase& c = GetParam();
    const StepLayout s = LayoutStep(c.from, c.to, {10, 8});
    ASSERT_TRUE(s.overlapped);
    EXPECT_EQ(s.origin, c.origin);
    EXPECT_EQ(s.oldRect, c.oldRect);
    EXPECT_EQ(s.newRect, c.newRect);
    EXPECT_EQ(s.bounds, c.bounds);
    EXPECT_EQ(s.common, c.common);
    EXPECT_EQ(s.corners[0], c.corner0);
    EXPECT_EQ(s.corners[1], c.corner1);
    // The old rectangle lands where the object was on the screen, the new one where it goes.
    EXPECT_EQ(ToScreen(s, s.oldRect), Rect::At(c.from, {10, 8}));
    EXPECT_EQ(ToScreen(s, s.newRect), Rect::At(c.to, {10, 8}));
}

INSTANTIATE_TEST_SUITE_P(Directions, StepLayoutTest,
                         ::testing::Values(
                             // Down-right and up-left leave the bottom-left and top-right corners.
                             StepCase{"DownRight",
                                      {100, 50},
                                      {103, 52},
                                      {100, 50},
                                      {0, 0, 10, 8},
                                      {3, 2, 13, 10},
                                      {0, 0, 13, 10},
                                      {3, 2, 10, 8},
                                      {0, 8, 3, 10},
                                      {10, 0, 13, 2}},
                             StepCase{"UpLeft",
                                      {100, 50},
                                      {97, 48},
                                      {97, 48},
                                      {3, 2, 13, 10},
                                      {0, 0, 10, 8},
                                      {0, 0, 13, 10},
                                      {3, 2, 10, 8},
                                      {0, 8, 3, 10},
                                      {10, 0, 13, 2}},
                             // Down-left and up-right leave the top-left and bottom-right corners.
                             StepCase{"DownLeft",
                                      {100, 50},
                                      {97, 52},
                                      {97, 50},
                                      {3, 0, 13, 8},
                                      {0, 2, 10, 10},
                                      {0, 0, 13, 10},
                                      {3, 2, 10, 8},
                                      {0, 0, 3, 2},
                                      {10, 8, 13, 10}},
                             StepCase{"UpRight",
                                      {100, 50},
                                      {103, 48},
                                      {100, 48},
                                      {0, 2, 10, 10},
                                      {3, 0, 13, 8},
                                      {0, 0, 13, 10},
                                      {3, 2, 10, 8},
                                      {0, 0, 3, 2},
                                      {10, 8, 13, 10}}),
                         [](const ::testing::TestParamInfo<StepCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(StepLayoutTest, StraightStepHasEmptyCorners) {
    const StepLayout right = LayoutStep({0, 0}, {4, 0}, {10, 8});
    ASSERT_TRUE(right.overlapped);
    EXPECT_EQ(right.bounds, (Rect{0, 0, 14, 8}));
    EXPECT_TRUE(right.corners[0].IsEmpty());
    EXPECT_TRUE(right.corners[1].IsEmpty());
    const StepLayout up = LayoutStep({0, 0}, {0, -5}, {10, 8});
    ASSERT_TRUE(up.overlapped);
    EXPECT_EQ(up.origin, (Point{0, -5}));
    EXPECT_EQ(up.oldRect, (Rect{0, 5, 10, 13}));
    EXPECT_TRUE(up.corners[0].IsEmpty());
    EXPECT_TRUE(up.corners[1].IsEmpty());
}

TEST(StepLayoutTest, SamePositionRedrawsInPlace) {
    const StepLayout s = LayoutStep({7, 9}, {7, 9}, {10, 8});
    ASSERT_TRUE(s.overlapped);
    EXPECT_EQ(s.bounds, s.oldRect);
    EXPECT_EQ(s.newRect, s.oldRect);
    EXPECT_EQ(s.common, s.oldRect);
    EXPECT_EQ(ToScreen(s, s.bounds), (Rect{7, 9, 17, 17}));
}

TEST(StepLayoutTest, StepOfTheObjectsSizeOrMoreDoesNotOverlap) {
    EXPECT_FALSE(LayoutStep({0, 0}, {10, 0}, {10, 8}).overlapped);  // edges touch only
    EXPECT_FALSE(LayoutStep({0, 0}, {0, -8}, {10, 8}).overlapped);
    EXPECT_FALSE(LayoutStep({0, 0}, {9, 8}, {10, 8}).overlapped);
    EXPECT_TRUE(LayoutStep({0, 0}, {9, 7}, {10, 8}).overlapped);
    EXPECT_FALSE(LayoutStep({0, 0}, {0, 0}, {0, 8}).overlapped);  // nothing to draw
}

TEST(StepLayoutTest, FarPositionsDoNotOverflow) {
    const StepLayout s = LayoutStep({INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {10, 8});
    EXPECT_FALSE(s.overlapped);
    EXPECT_EQ(s.origin, (Point{INT_MIN, INT_MIN}));
}

// Every overlapped step: O, N and the two corners cover U exactly, without sharing a pixel
// except between O and N. Counted pixel by pixel.
TEST(StepLayoutTest, CornersCompleteTheUnionForEveryStep) {
    const Size size{6, 4};
    auto inside = [](const Rect& r, int x, int y) {
        return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
    };
    for (int dx = -5; dx <= 5; ++dx) {
        for (int dy = -3; dy <= 3; ++dy) {
            const StepLayout s = LayoutStep({20, 30}, {20 + dx, 30 + dy}, size);
            ASSERT_TRUE(s.overlapped);
            ASSERT_EQ(s.bounds.TopLeft(), (Point{0, 0}));
            for (int y = -1; y <= s.bounds.bottom; ++y) {
                for (int x = -1; x <= s.bounds.right; ++x) {
                    const bool o = inside(s.oldRect, x, y);
                    const bool n = inside(s.newRect, x, y);
                    const int corners = inside(s.corners[0], x, y) + inside(s.corners[1], x, y);
                    const bool inU = inside(s.bounds, x, y);
                    EXPECT_EQ((o || n) + corners, inU ? 1 : 0)
                        << "step (" << dx << "," << dy << ") pixel (" << x << "," << y << ")";
                    EXPECT_EQ(inside(s.common, x, y), o && n);
                }
            }
        }
    }
}

TEST(TileGridTest, ColumnsAndRowsIncludeTheEdge) {
    // Half the screen wide: three columns, the third just outside the screen.
    const TileGrid half = LayoutTiles({640, 480}, {320, 200});
    EXPECT_EQ(half.columns, 3);
    EXPECT_EQ(half.rows, 3);
    EXPECT_EQ(half.Origin(2, 2), (Point{640, 400}));
    // Wider than the screen: a single column.
    EXPECT_EQ(LayoutTiles({640, 480}, {700, 100}).columns, 1);
    // Not a divisor: the last column is cut by the screen edge.
    EXPECT_EQ(LayoutTiles({640, 480}, {300, 480}).columns, 3);
    EXPECT_EQ(LayoutTiles({640, 480}, {300, 480}).rows, 2);
}

TEST(TileGridTest, TileWithoutAreaGivesNoTiles) {
    EXPECT_EQ(LayoutTiles({640, 480}, {0, 10}).columns, 0);
    EXPECT_EQ(LayoutTiles({640, 480}, {10, 0}).rows, 0);
}

TEST(DrawnAreaTest, EffectsCoverTheScreen) {
    EXPECT_EQ(DrawnArea(kEffectTile, {5, 5}, {10, 10}, {800, 600}), (Rect{0, 0, 800, 600}));
    EXPECT_EQ(DrawnArea(kEffectStretch, {5, 5}, {10, 10}, {800, 600}), (Rect{0, 0, 800, 600}));
    EXPECT_EQ(DrawnArea(kEffectNone, {-5, 7}, {10, 20}, {800, 600}), (Rect{-5, 7, 5, 27}));
}

TEST(CentreTest, PlacementOfA101By51ObjectOn1024By768) {
    EXPECT_EQ(CentrePlacement({101, 51}, {1024, 768}), (Point{462, 359}));
    EXPECT_EQ(CentrePlacement({101, 51}, {1023, 767}), (Point{461, 358}));
    EXPECT_EQ(CentrePlacement({2000, 10}, {1024, 768}), (Point{-488, 379}));
}

TEST(CentreTest, CentreInBoxDividesTheDifference) {
    // One division of the difference, unlike the placement's two: 923 / 2 and 717 / 2.
    EXPECT_EQ(CentreInBox({101, 51}, {1024, 768}), (Point{461, 358}));
    EXPECT_EQ(CentreInBox({200, 100}, {100, 100}), (Point{-50, 0}));
}

TEST(ScaleToFitTest, ShrinksKeepingTheAspectRatio) {
    EXPECT_EQ(ScaleToFit({200, 100}, {100, 100}), (Size{100, 50}));  // width bound
    EXPECT_EQ(ScaleToFit({100, 300}, {100, 100}), (Size{33, 100}));  // height bound, truncated
    EXPECT_EQ(ScaleToFit({150, 150}, {96, 112}), (Size{96, 96}));
    EXPECT_EQ(ScaleToFit({300, 300}, {100, 100}), (Size{100, 100}));  // equal ratios: height
}

TEST(ScaleToFitTest, NeverEnlarges) {
    EXPECT_EQ(ScaleToFit({50, 20}, {100, 100}), (Size{50, 20}));
    EXPECT_EQ(ScaleToFit({100, 100}, {100, 100}), (Size{100, 100}));
    EXPECT_EQ(ScaleToFit({0, 500}, {100, 100}), (Size{0, 500}));            // nothing to scale
    EXPECT_EQ(ScaleToFit({40000, 30000}, {32000, 100}), (Size{133, 100}));  // no overflow
}

}  // namespace
}  // namespace vl
