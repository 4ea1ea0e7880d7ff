#include "framework/frame_layout.h"

#include "framework/bar_geometry.h"
#include "framework/docking_toolbar.h"
#include "framework/status_bar.h"

namespace vl {

RECT LayoutFrameBars(const RECT& client, DockingToolBar* toolbar, StatusBar* status) {
    const bool withStatus = status && status->IsVisible();
    if (withStatus)
        status->Place();
    const DockEdge edge = toolbar ? toolbar->Edge() : DockEdge::Top;
    const FrameBoxes boxes = ShareFrameClient(
        {client.left, client.top, client.right, client.bottom}, edge,
        toolbar ? toolbar->DockedThickness() : 0, withStatus ? status->Height() : 0);
    if (toolbar && boxes.toolbar.Width() > 0 && boxes.toolbar.Height() > 0) {
        const Box& bar = boxes.toolbar;
        toolbar->PlaceDocked({bar.left, bar.top, bar.right, bar.bottom});
    }
    return {boxes.rest.left, boxes.rest.top, boxes.rest.right, boxes.rest.bottom};
}

}  // namespace vl
