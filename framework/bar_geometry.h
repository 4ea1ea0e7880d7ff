// How the main frame's client area is shared between its bars, its splitter's two panes and the
// status bar's panes: plain geometry without windows.h, so that the rules are tested natively.
#pragma once

#include <optional>
#include <vector>

namespace vl {

// A rectangle as the system gives one: right and bottom are just outside.
struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

inline bool operator==(const Box& a, const Box& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The stored numbers of the edges are part of the saved toolbar state: do not renumber.
enum class DockEdge { Top = 0, Bottom = 1, Left = 2, Right = 3 };

inline bool IsVertical(DockEdge edge) {
    return edge == DockEdge::Left || edge == DockEdge::Right;
}

struct FrameBoxes {
    Box toolbar;  // empty when no toolbar is docked
    Box status;   // empty when there is no status bar
    Box rest;     // for the view
};

// The status bar takes the bottom of client at its full width; the docked toolbar takes a strip
// of toolbarThickness along its edge of what is left (at the bottom edge it sits above the status
// bar, at the left and right edges it spans from the top to the status bar); the rest is the
// view's. A thickness or height of 0 means that bar is not there. Nothing is ever negative: a bar
// that does not fit gets what there is.
FrameBoxes ShareFrameClient(const Box& client, DockEdge edge, int toolbarThickness,
                            int statusHeight);

// The edge a toolbar dragged to (x, y) docks on: the nearest edge of area when the point is
// within reach of it (inside the area or outside it), otherwise none and the toolbar floats.
// Equally near edges are taken in the order top, bottom, left, right.
std::optional<DockEdge> DockEdgeAt(const Box& area, int x, int y, int reach);

struct SplitColumns {
    int leftWidth = 0;
    int rightLeft = 0;  // the right pane starts after the bar
    int rightWidth = 0;
};

// One row of two panes with a bar of barWidth between them. The left pane gets wantedLeft,
// limited so that each pane keeps minPane; when the row is too narrow for both minimums the
// right pane keeps its own first.
SplitColumns SplitRow(int width, int wantedLeft, int barWidth, int minPane);

// The right edges of a status bar's panes (the form SB_SETPARTS takes): the message pane gets what
// the indicators leave; the last indicator also covers the size grip and reaches the end (-1).
// With no indicators the message pane is the one pane (-1).
std::vector<int> StatusPaneEdges(int width, const std::vector<int>& indicatorWidths, int gripWidth);

}  // namespace vl
