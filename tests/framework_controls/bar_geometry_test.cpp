#include "framework/bar_geometry.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

const Box kClient = {0, 0, 800, 600};

TEST(ShareFrameClient, StatusBarAtTheBottomAndToolbarOnItsEdge) {
    FrameBoxes top = ShareFrameClient(kClient, DockEdge::Top, 60, 20);
    EXPECT_EQ(top.status, (Box{0, 580, 800, 600}));
    EXPECT_EQ(top.toolbar, (Box{0, 0, 800, 60}));
    EXPECT_EQ(top.rest, (Box{0, 60, 800, 580}));

    // At the bottom the toolbar sits above the status bar, at the sides it stops at it.
    FrameBoxes bottom = ShareFrameClient(kClient, DockEdge::Bottom, 60, 20);
    EXPECT_EQ(bottom.toolbar, (Box{0, 520, 800, 580}));
    EXPECT_EQ(bottom.rest, (Box{0, 0, 800, 520}));

    FrameBoxes left = ShareFrameClient(kClient, DockEdge::Left, 64, 20);
    EXPECT_EQ(left.toolbar, (Box{0, 0, 64, 580}));
    EXPECT_EQ(left.rest, (Box{64, 0, 800, 580}));

    FrameBoxes right = ShareFrameClient(kClient, DockEdge::Right, 64, 20);
    EXPECT_EQ(right.toolbar, (Box{736, 0, 800, 580}));
    EXPECT_EQ(right.rest, (Box{0, 0, 736, 580}));
}

TEST(ShareFrameClient, MissingBarsTakeNothingAndTheClientNeedNotStartAtZero) {
    const Box client = {10, 5, 410, 305};
    FrameBoxes boxes = ShareFrameClient(client, DockEdge::Left, 0, 0);
    EXPECT_EQ(boxes.rest, client);
    EXPECT_EQ(boxes.toolbar.Width() * boxes.toolbar.Height(), 0);
    EXPECT_EQ(boxes.status.Width() * boxes.status.Height(), 0);

    boxes = ShareFrameClient(client, DockEdge::Right, 40, 0);
    EXPECT_EQ(boxes.toolbar, (Box{370, 5, 410, 305}));
    EXPECT_EQ(boxes.rest, (Box{10, 5, 370, 305}));
}

TEST(ShareFrameClient, BarsThatDoNotFitGetWhatThereIs) {
    FrameBoxes boxes = ShareFrameClient({0, 0, 300, 50}, DockEdge::Top, 60, 20);
    EXPECT_EQ(boxes.status, (Box{0, 30, 300, 50}));
    EXPECT_EQ(boxes.toolbar, (Box{0, 0, 300, 30}));
    EXPECT_EQ(boxes.rest.Height(), 0);

    boxes = ShareFrameClient({0, 0, 30, 10}, DockEdge::Left, 64, 20);
    EXPECT_EQ(boxes.status, (Box{0, 0, 30, 10}));
    EXPECT_EQ(boxes.toolbar, (Box{0, 0, 30, 0}));
    EXPECT_EQ(boxes.rest.Width(), 0);
    EXPECT_GE(boxes.rest.Height(), 0);

    // A minimised frame reports an empty client area.
    boxes = ShareFrameClient({0, 0, 0, 0}, DockEdge::Bottom, 60, 20);
    EXPECT_EQ(boxes.rest, (Box{0, 0, 0, 0}));
}

TEST(DockEdgeAt, NearestEdgeWithinReachElseFloating) {
    const int reach = 50;
    EXPECT_EQ(DockEdgeAt(kClient, 400, 10, reach), DockEdge::Top);
    EXPECT_EQ(DockEdgeAt(kClient, 400, 580, reach), DockEdge::Bottom);
    EXPECT_EQ(DockEdgeAt(kClient, 3, 300, reach), DockEdge::Left);
    EXPECT_EQ(DockEdgeAt(kClient, 799, 300, reach), DockEdge::Right);
    EXPECT_EQ(DockEdgeAt(kClient, 400, 300, reach), std::nullopt);
    // Just beyond reach inside.
    EXPECT_EQ(DockEdgeAt(kClient, 400, 51, reach), std::nullopt);
    EXPECT_EQ(DockEdgeAt(kClient, 400, 50, reach), DockEdge::Top);
}

TEST(DockEdgeAt, OutsideTheAreaOnlyWithinReach) {
    EXPECT_EQ(DockEdgeAt(kClient, 400, -20, 50), DockEdge::Top);
    EXPECT_EQ(DockEdgeAt(kClient, -20, 300, 50), DockEdge::Left);
    EXPECT_EQ(DockEdgeAt(kClient, 400, -51, 50), std::nullopt);
    EXPECT_EQ(DockEdgeAt(kClient, 900, 300, 50), std::nullopt);
}

TEST(DockEdgeAt, CornersGoToTheNearerEdgeAndTiesToTopThenBottom) {
    EXPECT_EQ(DockEdgeAt(kClient, 5, 20, 50), DockEdge::Left);
    EXPECT_EQ(DockEdgeAt(kClient, 20, 5, 50), DockEdge::Top);
    EXPECT_EQ(DockEdgeAt(kClient, 10, 10, 50), DockEdge::Top);
    EXPECT_EQ(DockEdgeAt(kClient, 789, 589, 50), DockEdge::Bottom);
}

TEST(SplitRow, LeftPaneKeepsItsWidthAndTheRightTakesTheRest) {
    SplitColumns columns = SplitRow(600, 151, 6, 20);
    EXPECT_EQ(columns.leftWidth, 151);
    EXPECT_EQ(columns.rightLeft, 157);
    EXPECT_EQ(columns.rightWidth, 443);
}

TEST(SplitRow, BothPanesKeepTheirMinimum) {
    EXPECT_EQ(SplitRow(600, 5, 6, 20).leftWidth, 20);
    EXPECT_EQ(SplitRow(600, -40, 6, 20).leftWidth, 20);
    SplitColumns wide = SplitRow(600, 5000, 6, 20);
    EXPECT_EQ(wide.leftWidth, 574);
    EXPECT_EQ(wide.rightWidth, 20);
}

TEST(SplitRow, TooNarrowForBothMinimumsTheRightPaneKeepsItsOwn) {
    SplitColumns columns = SplitRow(30, 151, 6, 20);
    EXPECT_EQ(columns.leftWidth, 4);
    EXPECT_EQ(columns.rightWidth, 20);

    columns = SplitRow(10, 151, 6, 20);
    EXPECT_EQ(columns.leftWidth, 0);
    EXPECT_EQ(columns.rightLeft, 6);
    EXPECT_EQ(columns.rightWidth, 4);
}

TEST(SplitRow, EveryWidthIsSharedOutWithoutGapOrOverlap) {
    for (int width = 0; width <= 300; ++width) {
        SCOPED_TRACE(width);
        const SplitColumns columns = SplitRow(width, 151, 6, 20);
        EXPECT_GE(columns.leftWidth, 0);
        EXPECT_GE(columns.rightWidth, 0);
        EXPECT_GE(columns.rightLeft, columns.leftWidth);
        EXPECT_LE(columns.rightLeft - columns.leftWidth, 6);
        EXPECT_EQ(columns.rightLeft + columns.rightWidth, width);
        if (width >= 6 + 2 * 20) {
            EXPECT_GE(columns.leftWidth, 20);
            EXPECT_GE(columns.rightWidth, 20);
        }
    }
}

TEST(StatusPaneEdges, IndicatorsAtTheRightAndTheMessagePaneTakesTheRest) {
    EXPECT_EQ(StatusPaneEdges(500, {40, 40, 48}, 16), (std::vector<int>{356, 396, 436, -1}));
    EXPECT_EQ(StatusPaneEdges(500, {40, 40, 48}, 0), (std::vector<int>{372, 412, 452, -1}));
    EXPECT_EQ(StatusPaneEdges(500, {}, 16), (std::vector<int>{-1}));
}

TEST(StatusPaneEdges, NarrowBarsNeverGetNegativeOrCrossedEdges) {
    const std::vector<int> edges = StatusPaneEdges(60, {40, 40, 48}, 16);
    ASSERT_EQ(edges.size(), 4u);
    EXPECT_EQ(edges[0], 0);
    EXPECT_LE(edges[0], edges[1]);
    EXPECT_LE(edges[1], edges[2]);
    EXPECT_EQ(edges[2], 0);
    EXPECT_EQ(edges[3], -1);
}

}  // namespace
}  // namespace vl
