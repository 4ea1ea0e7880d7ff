// A flat toolbar that docks on any edge of its frame or floats in a small tool window. The user
// drags it by its gripper: dropped near an edge of the frame it docks there, elsewhere it floats;
// a double click on the floating window's caption docks it again where it was docked last.
// Buttons show their command's tooltip and, while the mouse is over them, their prompt in the
// status bar; the frame enables and checks them from its idle step.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/bar_geometry.h"
#include "framework/floating_bar_window.h"
#include "framework/handles.h"
#include "framework/window.h"

namespace vl {

class BarStateStore;
class StatusBar;

struct ButtonState {
    bool enabled = true;
    bool checked = false;
};

class DockingToolBar : public Window {
  public:
    // Magenta marks what is not part of a button image.
    static constexpr COLORREF kMaskColour = RGB(255, 0, 255);
    // Docked at the left or right edge, the bar is this much taller for each separator.
    static constexpr int kVerticalGrowthPerSeparator = 3;

    struct Definition {
        std::string title;  // the floating window's caption
        SIZE imageSize = {16, 16};
        // Strips of images, one per button in order (separators have none). The strips are
        // copied; the caller keeps them. Without a disabled strip the system greys the normal
        // image.
        HBITMAP normalImages = nullptr;
        HBITMAP disabledImages = nullptr;
        std::vector<UINT> commands;   // one per button; 0 for a separator
        HINSTANCE strings = nullptr;  // whose string table has the tooltips (nullptr: the program)
    };

    DockingToolBar();
    ~DockingToolBar() override;

    // Docked at the top of frame, visible. The buttons send WM_COMMAND to frame.
    bool Create(HWND frame, UINT id, const Definition& definition);

    // Where the mouse-over prompts go; none when null.
    void SetStatusBar(StatusBar* status) { status_ = status; }
    // Called whenever the frame must lay out its client area again (the bar docked, floated,
    // showed or hid).
    void SetLayoutRequest(std::function<void()> request) { layoutRequest_ = std::move(request); }

    void Dock(DockEdge edge);
    // Floats with the floating window's top-left corner at topLeft (screen).
    void Float(POINT topLeft);
    bool IsFloating() const { return floating_; }
    // The edge it is docked at, or was docked at last while it floats.
    DockEdge Edge() const { return edge_; }
    void Show(bool visible);
    bool IsVisible() const { return visible_; }

    // How deep a strip along its edge the docked bar takes; 0 when it floats or is hidden.
    int DockedThickness() const;
    // Puts the docked bar in strip (frame client coordinates).
    void PlaceDocked(const RECT& strip);

    // The idle step: each button takes its command's state (only changes are passed on).
    void UpdateButtons(const std::function<ButtonState(UINT command)>& stateOf);

    // Edge, floating or not, the floating position and visibility.
    void SaveState(BarStateStore& store) const;
    // Whether store holds a state SaveState wrote: a bar placed for the first time is placed by
    // its frame.
    static bool HasSavedState(const BarStateStore& store);
    // A floating position that lies on no monitor any more docks the bar instead. Restore once
    // the frame is on the screen: a floating window shown before its owner appears beneath it
    // under Wine's X11 driver without a window manager (the system's order is right, the
    // display's is not).
    void RestoreState(const BarStateStore& store);

    HWND ToolBar() const { return toolbar_; }
    HWND FloatingWindow() const { return floatingWindow_.Handle(); }

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    bool CreateToolBar(const Definition& definition);
    // Lays the buttons out in a row or, for the left and right edges, in a column.
    void Arrange(bool vertical);
    // The toolbar control's size in the current arrangement.
    SIZE BarSize() const;
    bool IsSeparator(int index) const;
    void DrawColumnSeparators(HDC dc) const;
    // How close to an edge of the frame a drop docks the bar.
    int DockReach() const;
    void PlaceToolBar();
    void ShowWindows();
    void RequestLayout();

    LRESULT OnNotify(NMHDR& header);
    void OnPaint();
    void OnLeftButtonDown(POINT point);
    void OnLeftButtonUp(POINT point);
    // The user let go of the bar (or of its floating window) at point (screen).
    void DropAt(POINT screenPoint, POINT grabOffset);
    void OnFloatingMoved();

    HWND frame_ = nullptr;    // not owned
    HWND toolbar_ = nullptr;  // owned: destroyed before the image lists it draws
    ImageListHandle normalImages_;
    ImageListHandle disabledImages_;
    FloatingBarWindow floatingWindow_;
    StatusBar* status_ = nullptr;  // not owned
    std::function<void()> layoutRequest_;
    HINSTANCE strings_ = nullptr;  // not owned
    int separators_ = 0;
    bool vertical_ = false;  // the buttons are arranged in a column

    DockEdge edge_ = DockEdge::Top;
    bool floating_ = false;
    bool visible_ = true;
    POINT floatingPosition_ = {100, 100};

    bool dragging_ = false;
    POINT dragStart_ = {};   // screen
    POINT grabOffset_ = {};  // from the bar's top-left corner to where the drag took hold

    std::string tooltip_;  // the text handed to the tooltip, kept until it asks again
    std::wstring tooltipWide_;
};

}  // namespace vl
