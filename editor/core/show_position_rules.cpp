#include "editor/core/show_position_rules.h"

namespace vl {

void ApplyShowEffect(MotionParam& motion, std::int32_t effect) {
    motion.effect = effect;
    if (ShowPositionEditable(effect)) {
        motion.keepWhileMoving = 1;
        motion.restoreAfterHide = 1;
        return;
    }
    motion.letterByLetter = 0;
    motion.keepWhileMoving = 0;
    motion.restoreAfterHide = 0;
}

}  // namespace vl
