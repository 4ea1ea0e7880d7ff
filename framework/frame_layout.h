// The main frame's layout step on WM_SIZE: the status bar along the bottom, the docked toolbar
// on its edge, and what is left for the view (the splitter).
#pragma once

#include <windows.h>

namespace vl {

class DockingToolBar;
class StatusBar;

// Places the bars the frame has (either may be null; hidden or floating ones take no room) in its
// client rectangle and returns the rectangle left for the view.
RECT LayoutFrameBars(const RECT& client, DockingToolBar* toolbar, StatusBar* status);

}  // namespace vl
