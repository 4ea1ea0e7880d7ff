#include "framework/bar_geometry.h"

#include <algorithm>
#include <cstdlib>

namespace vl {

FrameBoxes ShareFrameClient(const Box& client, DockEdge edge, int toolbarThickness,
                            int statusHeight) {
    FrameBoxes boxes;
    Box rest = client;
    rest.right = std::max(rest.left, rest.right);
    rest.bottom = std::max(rest.top, rest.bottom);

    if (statusHeight > 0) {
        const int height = std::min(statusHeight, rest.Height());
        boxes.status = {rest.left, rest.bottom - height, rest.right, rest.bottom};
        rest.bottom -= height;
    }
    if (toolbarThickness > 0) {
        const int across = IsVertical(edge) ? rest.Width() : rest.Height();
        const int thickness = std::min(toolbarThickness, across);
        Box& bar = boxes.toolbar;
        bar = rest;
        switch (edge) {
            case DockEdge::Top:
                bar.bottom = rest.top + thickness;
                rest.top = bar.bottom;
                break;
            case DockEdge::Bottom:
                bar.top = rest.bottom - thickness;
                rest.bottom = bar.top;
                break;
            case DockEdge::Left:
                bar.right = rest.left + thickness;
                rest.left = bar.right;
                break;
            case DockEdge::Right:
                bar.left = rest.right - thickness;
                rest.right = bar.left;
                break;
        }
    }
    boxes.rest = rest;
    return boxes;
}

std::optional<DockEdge> DockEdgeAt(const Box& area, int x, int y, int reach) {
    if (x < area.left - reach || x >= area.right + reach || y < area.top - reach ||
        y >= area.bottom + reach)
        return std::nullopt;
    const struct {
        DockEdge edge;
        int distance;
    } edges[] = {
        {DockEdge::Top, std::abs(y - area.top)},
        {DockEdge::Bottom, std::abs(area.bottom - 1 - y)},
        {DockEdge::Left, std::abs(x - area.left)},
        {DockEdge::Right, std::abs(area.right - 1 - x)},
    };
    std::optional<DockEdge> nearest;
    int best = reach + 1;
    for (const auto& candidate : edges) {
        if (candidate.distance < best) {
            best = candidate.distance;
            nearest = candidate.edge;
        }
    }
    return nearest;
}

SplitColumns SplitRow(int width, int wantedLeft, int barWidth, int minPane) {
    width = std::max(width, 0);
    SplitColumns columns;
    int left = std::max(wantedLeft, minPane);
    left = std::min(left, width - barWidth - minPane);
    columns.leftWidth = std::max(left, 0);
    columns.rightLeft = std::min(columns.leftWidth + barWidth, width);
    columns.rightWidth = width - columns.rightLeft;
    return columns;
}

std::vector<int> StatusPaneEdges(int width, const std::vector<int>& indicatorWidths,
                                 int gripWidth) {
    std::vector<int> edges(indicatorWidths.size() + 1, -1);
    if (indicatorWidths.empty())
        return edges;
    // From the right: the last indicator ends at the grip, each one before it where the next
    // begins; none starts left of the bar.
    int edge = width - gripWidth;
    for (std::size_t i = indicatorWidths.size(); i-- > 0;) {
        edge = std::max(edge - indicatorWidths[i], 0);
        edges[i] = edge;
    }
    return edges;
}

}  // namespace vl
