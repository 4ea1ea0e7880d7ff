// What the player knows of the screen between a Cls and the next drawing: after a Cls nothing
// else is on it, so another Cls of the same colour and mixing would repaint the same pixels. An
// endless loop of nothing but such a Cls would otherwise have the window's thread repaint the
// whole screen every frame.
#pragma once

#include <cstdint>
#include <optional>
#include <utility>

namespace vl {

class PlainScreen {
  public:
    // Whether a Cls with this colour and mixing would change what is on the screen.
    bool ClsChanges(std::uint32_t colour, std::int32_t mixing) const {
        return !clearedTo_ || *clearedTo_ != std::make_pair(colour, mixing);
    }
    void Cleared(std::uint32_t colour, std::int32_t mixing) { clearedTo_.emplace(colour, mixing); }
    // Anything drawn, moved, hidden or played in the window since.
    void Drawn() { clearedTo_.reset(); }

  private:
    std::optional<std::pair<std::uint32_t, std::int32_t>> clearedTo_;
};

}  // namespace vl
