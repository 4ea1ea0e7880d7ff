// The full-screen window of a screen-saver run: topmost over the primary screen, black until the
// player draws the scene on it, with a black window of its own on every other monitor. Any of
// them may see the event that ends the run.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/player/drawing_window.h"
#include "runtime/exit_rules.h"

namespace vl {

class CoverWindow;
class CSceneThread;
class EntryList;

class RunWindow : public DrawingWindow {
  public:
    RunWindow();
    ~RunWindow() override;

    // Creates the window over the primary screen and the covers of the other monitors, with the
    // cursor the settings choose; false when the run window cannot be created.
    bool Create(const ExitSettings& settings);
    // Plays entries (already checked) on the window; times is the calibration count. The thread
    // is stopped when the window is destroyed.
    bool StartPlayer(EntryList& entries, std::uint32_t* times);
    // Covers each area (in screen coordinates) with a black topmost window whose input counts as
    // the run window's. Create does it for every monitor but the primary one.
    void CoverAreas(const std::vector<RECT>& areas);

    void Redraw(std::uint32_t colour, std::uint32_t rop) override;

    // The input of the run window and of the covers: true when the message was one of the
    // events that may end the run (it has then been handled). source is the window it came to.
    bool OnInputEvent(HWND source, UINT msg, WPARAM wParam, LPARAM lParam);

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void OnEvent(ExitEvent event);
    void OnClose();
    void OnDestroy();
    void CoverOtherMonitors();

    ExitSettings settings_;
    PointerTracker pointer_;
    bool checkingPassword_ = false;
    bool screenSaverRunningSet_ = false;
    HCURSOR cursor_ = nullptr;  // a resource cursor: shared, never destroyed
    std::unique_ptr<CSceneThread> player_;
    std::vector<std::unique_ptr<CoverWindow>> covers_;
};

}  // namespace vl
