// A static splitter of one row and two columns: two pane windows side by side with a bar between
// them that the user drags to share the width out. The left pane keeps its width when the
// splitter is resized; the right pane takes the rest.
#pragma once

#include <windows.h>

#include "framework/window.h"

namespace vl {

class StaticSplitter : public Window {
  public:
    static constexpr int kBarWidth = 6;

    // A child of parent with the given id; it lays its panes out whenever its size changes.
    bool Create(HWND parent, UINT id, const RECT& rect);

    // After Create: column 0 is the left pane, 1 the right one. The window becomes a child of the
    // splitter; the splitter passes on to its own parent what the panes send their parent
    // (WM_COMMAND, WM_NOTIFY and the owner-drawing messages).
    void SetPane(int column, HWND pane);
    HWND Pane(int column) const;

    // The width of the left pane. What the splitter shows is kept within the minimum pane width
    // on both sides as far as the width allows; LeftWidth is what it shows.
    void SetLeftWidth(int width);
    int LeftWidth() const;
    void SetMinPaneWidth(int width);

    // Gives the keyboard focus to the column's pane.
    void ActivatePane(int column);
    // The column whose pane holds the focus (itself or one of its children), -1 for neither.
    int ActivePane() const;
    // The pane that is not the active one (the right pane when neither is active); for Tab, F6
    // and Shift+F6, which with two panes all mean "the other one".
    void ActivateOtherPane();

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void Layout();
    RECT BarRect() const;
    bool OnBar(int x, int y) const;
    void OnPaint();
    void OnLeftButtonDown(int x, int y);
    void OnMouseMove(int x);
    void EndDrag();

    HWND panes_[2] = {nullptr, nullptr};  // not owned: children of the splitter, destroyed with it
    int wantedLeft_ = 151;
    int minPane_ = 20;
    bool dragging_ = false;
    int grabOffset_ = 0;  // from the bar's left edge to where the drag took hold of it
};

}  // namespace vl
