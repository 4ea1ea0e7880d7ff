#include "engine/core/timing.h"

#include <algorithm>
#include <charconv>

namespace vl {

Micros MoveStepDuration(int speed) {
    const int s = std::clamp(speed, 0, kMaxMoveSpeed);
    return Micros{kMaxMoveSpeed - s} * 1000000 / kMaxMoveSpeed;
}

Micros LetterDelay(int letterSpeed) {
    const int s = std::clamp(letterSpeed, 0, kMaxLetterSpeed);
    return Micros{kMaxLetterSpeed - s} * 1000;
}

WaitPlan PlanWait(int durationMs, const WaitOptions& options) {
    WaitPlan plan;
    plan.sliceMs = std::max(options.sliceMs, 1);
    const int duration = std::max(durationMs, 0);
    plan.loops = duration / plan.sliceMs;
    plan.remainderMs = duration % plan.sliceMs;
    plan.beepEvery = std::max(options.beepOnWaitMs, 0) / plan.sliceMs;
    return plan;
}

std::uint32_t CalibratedPollCount(std::uint32_t times, double speed, double scale) {
    // (1 - speed / scale) * times * scale * 0.00001, arranged so that whole numbers stay exact.
    const double n = (scale - speed) * static_cast<double>(times) / 100000.0;
    if (!(n > 0.0))  // a speed at or past the scale waits no poll
        return 0;
    if (n >= 4294967295.0)
        return 0xFFFFFFFFu;
    return static_cast<std::uint32_t>(n);
}

std::string FormatSystemDescription(const SystemFacts& facts) {
    std::string text;
    char digits[24];
    for (std::size_t i = 0; i < facts.size(); ++i) {
        if (i != 0)
            text += ',';
        const auto result = std::to_chars(digits, digits + sizeof digits, facts[i]);
        text.append(digits, result.ptr);
    }
    return text;
}

bool NeedsCalibration(std::uint32_t storedTimes, std::string_view storedDescription,
                      std::string_view currentDescription) {
    return storedTimes == 0 || storedDescription != currentDescription;
}

}  // namespace vl
