#include "engine/player/drawing_window.h"

#include "framework/handles.h"

namespace vl {

void DrawingWindow::RepaintWith(HWND window, std::uint32_t colour) {
    colour_.store(colour);
    if (window)
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

LRESULT DrawingWindow::EraseWithBackground(HDC dc) {
    RECT clip;
    GetClipBox(dc, &clip);
    BrushHandle brush(CreateSolidBrush(colour_.load()));
    if (brush)
        FillRect(dc, &clip, brush.Get());
    return TRUE;
}

}  // namespace vl
