// The seam between the player thread and the drawing of Show, Move, Hide and Line. The thread
// owns the client device context and, for one play of a scene, the DrawTarget of engine/draw
// (the screen size, the background colour of the last Cls, the saved backgrounds); it hands each
// of these entries with the target and its PlayerContext (for the waits between steps and
// letters, the pause check and Stop) to an IEntryDrawing.
#pragma once

#include "engine/core/player_signals.h"
#include "engine/draw/draw_target.h"
#include "scene/entries.h"

namespace vl {

// Runs on the player thread. None of these may throw; failures are shown where the design says.
class IEntryDrawing {
  public:
    virtual ~IEntryDrawing() = default;
    virtual void Show(ShowEntry& entry, DrawTarget& target, PlayerContext& context) = 0;
    virtual void Move(MoveEntry& entry, DrawTarget& target, PlayerContext& context) = 0;
    virtual void Hide(HideEntry& entry, DrawTarget& target) = 0;
    virtual void Line(LineEntry& entry, DrawTarget& target) = 0;
};

// The engine's drawing (engine/draw: ShowImage, MoveImage, HideImage, DrawLine), used by every
// thread that is not given another one.
IEntryDrawing& EngineEntryDrawing();

}  // namespace vl
