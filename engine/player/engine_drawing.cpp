// The player's link to the engine's drawing. Each of the four operations below is the one place
// where the player thread hands an entry to engine/draw; until that library provides them they
// draw nothing, and the scene runs on with its timing and media intact.
#include "engine/player/entry_drawing.h"

namespace vl {
namespace {

class EngineDrawing final : public IEntryDrawing {
  public:
    // Forwarding point: Show of engine/draw.
    void Show(ShowEntry&, DrawTarget&) override {}
    // Forwarding point: Move of engine/draw (its steps pace with RunMove on target.context).
    void Move(MoveEntry&, DrawTarget&) override {}
    // Forwarding point: Hide of engine/draw.
    void Hide(HideEntry&, DrawTarget&) override {}
    // Forwarding point: Line of engine/draw.
    void Line(LineEntry&, DrawTarget&) override {}
};

}  // namespace

IEntryDrawing& EngineEntryDrawing() {
    static EngineDrawing drawing;
    return drawing;
}

}  // namespace vl
