// The Show position dialog's effect switch: Tile and Stretch cover the screen, so the position,
// the letter-by-letter display and the saved background mean nothing for them.
#pragma once

#include <cstdint>

#include "scene/params.h"

namespace vl {

// Whether the position, speed, letter-by-letter and restore controls can be used under effect.
inline bool ShowPositionEditable(std::int32_t effect) {
    return effect == kEffectNone;
}

// Sets the effect and the switches it implies: Tile and Stretch clear letter by letter, keep
// while moving and restore after hide; None sets keep while moving and restore after hide.
void ApplyShowEffect(MotionParam& motion, std::int32_t effect);

}  // namespace vl
