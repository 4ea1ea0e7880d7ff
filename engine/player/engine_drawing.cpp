#include "engine/draw/display_commands.h"
#include "engine/player/entry_drawing.h"

namespace vl {
namespace {

class EngineDrawing final : public IEntryDrawing {
  public:
    void Show(ShowEntry& entry, DrawTarget& target, PlayerContext& context) override {
        ShowImage(entry, target, context);
    }
    void Move(MoveEntry& entry, DrawTarget& target, PlayerContext& context) override {
        MoveImage(entry, target, context);
    }
    void Hide(HideEntry& entry, DrawTarget& target) override { HideImage(entry, target); }
    void Line(LineEntry& entry, DrawTarget& target) override { DrawLine(entry, target); }
};

// At namespace scope rather than in the function: no guard for a thread-safe first use.
EngineDrawing engineDrawing;

}  // namespace

IEntryDrawing& EngineEntryDrawing() {
    return engineDrawing;
}

}  // namespace vl
