#include "editor/core/move_position_rules.h"

#include <algorithm>

#include "editor/core/action_texts.h"
#include "scene/messages.h"

namespace vl {

StepModeVerdict CheckStepConditions(const MotionParam& motion) {
    const bool x = IsAxisReachable(motion.xComparison, motion.startX, motion.stepX, motion.untilX);
    const bool y = IsAxisReachable(motion.yComparison, motion.startY, motion.stepY, motion.untilY);
    StepModeVerdict verdict;
    if (x && y)
        return verdict;
    if (!x && !y) {
        verdict.action = StepModeVerdict::Action::Stay;
        verdict.text = msg::kBothConditionsNeverReached;
        return verdict;
    }
    verdict.text = std::string(x ? "Y" : "X") + msg::kOneConditionNeverReached;
    if (motion.join != 0) {
        verdict.action = StepModeVerdict::Action::Stay;
    } else {
        verdict.action = StepModeVerdict::Action::Ask;
        verdict.text += msg::kContinueAnyway;
    }
    return verdict;
}

bool TurnLineStepTowardEnd(MotionParam& motion) {
    const bool alongX = motion.stepAxis != 0;
    const std::int32_t start = alongX ? motion.startX : motion.startY;
    const std::int32_t end = alongX ? motion.endX : motion.endY;
    if ((end < start && motion.stepX > 0) || (end > start && motion.stepX < 0)) {
        // -INT32_MIN does not exist; the field's range keeps it away, but a record read from a
        // file may hold anything.
        motion.stepX = motion.stepX == INT32_MIN ? INT32_MAX : -motion.stepX;
        return true;
    }
    return false;
}

int SpinWithin(std::int64_t value, int direction, int step, int low, int high) {
    if (direction > 0)
        value += step;
    else if (direction < 0)
        value -= step;
    return static_cast<int>(std::clamp<std::int64_t>(value, low, high));
}

std::string ConditionButtonText(const std::string& stepModeText, bool stepMode) {
    if (stepMode || stepModeText.size() < 2)
        return stepModeText;
    return stepModeText.substr(0, stepModeText.size() - 2) + ">>";
}

}  // namespace vl
