// The main frame's status bar: a message pane, then the Caps Lock, Num Lock and Scroll Lock
// indicators. The message pane shows the idle text ("Ready"), or a command's prompt while its
// menu item is highlighted or the mouse is over its toolbar button.
#pragma once

#include <windows.h>

#include <array>
#include <utility>
#include <string>

namespace vl {

class StatusBar {
  public:
    enum Pane { kMessagePane = 0, kCapsPane = 1, kNumPane = 2, kScrollPane = 3 };

    // idleText: what the message pane shows when nothing else is to be shown.
    explicit StatusBar(std::string idleText = "Ready") : idleText_(std::move(idleText)) {}
    StatusBar(const StatusBar&) = delete;
    StatusBar& operator=(const StatusBar&) = delete;

    // A child of frame along its bottom edge, with a size grip. Prompts come from the string
    // table of strings (nullptr: the program). The window is the frame's: it goes with it.
    bool Create(HWND frame, UINT id, HINSTANCE strings = nullptr);
    HWND Handle() const { return bar_; }

    void SetMessage(const std::string& text);
    void ShowIdleMessage() { SetMessage(idleText_); }
    // The status part of the command's string resource (empty when it has none).
    void ShowCommandPrompt(UINT command);
    // WM_MENUSELECT as the frame receives it: the highlighted command's prompt, nothing for a
    // submenu or separator, the idle text once the menu closes.
    void OnMenuSelect(WPARAM wParam, LPARAM lParam);

    // The idle step: the indicators show their text while their key is toggled on. True when
    // one of them changed.
    bool UpdateIndicators();

    // Lays the bar out along the bottom of its frame's client area (it places itself there)
    // and shares its width out between the panes.
    void Place();
    int Height() const;
    // The frame lays itself out again after showing or hiding the bar.
    void Show(bool visible);
    bool IsVisible() const;

    std::string PaneText(Pane pane) const;

  private:
    void SharePanes();

    std::string idleText_;
    HINSTANCE strings_ = nullptr;  // not owned
    HWND bar_ = nullptr;           // not owned: a child of the frame, destroyed with it
    std::array<int, 3> lockState_ = {-1, -1, -1};  // -1: not shown yet
};

}  // namespace vl
