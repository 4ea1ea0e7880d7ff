// A child control made from a system class (list box, tree view), wrapped so that its own messages
// (mouse, keys) and what it tells its parent about itself (owner drawing, notifications) reach the
// one object that owns it. The wrapper does not own the window: it is destroyed with its parent.
#pragma once

#include <windows.h>

namespace vl {

class Control {
  public:
    Control() = default;
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Takes over a created control: its messages go to OnMessage first, and its parent's
    // notifications about it to OnReflected. False when control is null or already taken.
    bool Attach(HWND control);
    HWND Handle() const { return hwnd_; }

    // Called by the parent's window procedure: hands WM_COMMAND, WM_NOTIFY, WM_DRAWITEM and
    // WM_MEASUREITEM about a child to the child's Control. True when that Control handled it.
    static bool Reflect(HWND parent, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

  protected:
    // The control's own messages; what is not handled goes to CallDefault.
    virtual LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT CallDefault(UINT msg, WPARAM wParam, LPARAM lParam);
    // A notification the parent received about this control; true (with result) when handled.
    virtual bool OnReflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

  private:
    static LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static Control* ControlOf(HWND hwnd);
    void Detach();

    HWND hwnd_ = nullptr;  // not owned
    WNDPROC original_ = nullptr;
    HWND parent_ = nullptr;  // at attaching: WM_MEASUREITEM names the control by parent and id
    int id_ = 0;
};

}  // namespace vl
