// The seam between the player thread and the drawing of Show, Move, Hide and Line. The thread
// owns the client device context and the events; for each of these entries it hands both to an
// IEntryDrawing, which draws with the off-screen technique and paces a Move with the player's
// waits (RunMove, RunLetters in engine/core/waits.h).
#pragma once

#include <windows.h>

#include "engine/core/player_signals.h"
#include "scene/entries.h"

namespace vl {

// What a drawing entry runs on; valid during the call only.
struct DrawTarget {
    HDC dc;                  // the player's client DC of the drawing window; not owned
    HWND window;             // the drawing window, which covers the screen; not owned
    PlayerContext& context;  // clock, Stop and Pause (PauseCheck after each Move step), options
};

// Runs on the player thread. None of these may throw; failures are shown where the design says.
class IEntryDrawing {
  public:
    virtual ~IEntryDrawing() = default;
    virtual void Show(ShowEntry& entry, DrawTarget& target) = 0;
    virtual void Move(MoveEntry& entry, DrawTarget& target) = 0;
    virtual void Hide(HideEntry& entry, DrawTarget& target) = 0;
    virtual void Line(LineEntry& entry, DrawTarget& target) = 0;
};

// The engine's drawing of these four entries (engine/draw), used by every thread that is not
// given another one.
IEntryDrawing& EngineEntryDrawing();

}  // namespace vl
