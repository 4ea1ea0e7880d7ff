// The step-mode reachability rule, used by the Move dialog when it is confirmed.
#include "scene/messages.h"
#include "scene/params.h"

namespace vl {

bool IsAxisReachable(std::int32_t comparison, std::int32_t start, std::int32_t step,
                     std::int32_t until) {
    const std::int64_t s = start;
    const std::int64_t d = step;
    const std::int64_t u = until;
    switch (comparison) {
        case kGreater:
            return s > u || d > 0;
        case kLess:
            return s < u || d < 0;
        case kEqual:
            if (d == 0) {
                return s == u;
            }
            if (s == u || (u - s) % d != 0) {
                return false;
            }
            return s < u ? d > 0 : d < 0;
        case kNotEqual:
            return d != 0 || s != u;
        default:
            return false;
    }
}

std::string UnreachableConditionMessage(const MotionParam& motion) {
    if (!motion.stepMode) {
        return {};
    }
    const bool x = IsAxisReachable(motion.xComparison, motion.startX, motion.stepX, motion.untilX);
    const bool y = IsAxisReachable(motion.yComparison, motion.startY, motion.stepY, motion.untilY);
    if (x && y) {
        return {};
    }
    if (!x && !y) {
        return msg::kBothConditionsNeverReached;
    }
    return std::string(x ? "Y" : "X") + msg::kOneConditionNeverReached;
}

}  // namespace vl
