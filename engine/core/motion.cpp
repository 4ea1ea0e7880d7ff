#include "engine/core/motion.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "scene/random.h"

namespace vl {

namespace {

int ClampToInt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

// Positions come from scene files as well as from the dialogs; a Move far out must not overflow.
int SaturatingAdd(int a, int b) {
    return ClampToInt(std::int64_t{a} + b);
}

int Negated(int v) {
    return ClampToInt(-std::int64_t{v});
}

// Points step from `from` towards `to`; equal positions leave it as it is.
void SignTowards(int& step, int from, int to) {
    if ((to < from && step > 0) || (from < to && step < 0))
        step = Negated(step);
}

// The coordinate on the other axis of the line through (start, startOther) and (end, endOther)
// at `at`: endOther + (endOther - startOther) * (at - end) / (end - start), in integers. The
// product can pass 64 bits only for positions near the ends of the int range.
int Interpolate(int start, int end, int startOther, int endOther, int at) {
    const std::int64_t span = std::int64_t{endOther} - startOther;
    const std::int64_t offset = std::int64_t{at} - end;
    const std::int64_t divisor = std::int64_t{end} - start;
    std::int64_t product;
    if (!__builtin_mul_overflow(span, offset, &product))
        return ClampToInt(endOther + product / divisor);
    const long double exact = static_cast<long double>(span) * offset / divisor;
    return ClampToInt(endOther + static_cast<std::int64_t>(
                                     std::clamp<long double>(exact, INT64_MIN / 2, INT64_MAX / 2)));
}

// (random + value) mod (screen + size) - size, kept in -size .. screen - 1 also for a value that
// is negative now.
void PlaceAtRandom(int& value, int screen, int size, RandomGenerator& random) {
    const std::int64_t range = std::int64_t{screen} + size;
    if (range <= 0)
        return;
    std::int64_t r = (random.Next() + std::int64_t{value}) % range;
    if (r < 0)
        r += range;
    value = ClampToInt(r - size);
}

// Line mode's end test along the step axis, after the other coordinate has followed the line.
bool LineEndReached(int current, int end, int step) {
    if (current == end)
        return true;
    return step > 0 ? current > end : current < end;
}

}  // namespace

bool ConditionHolds(std::int32_t comparison, std::int32_t value, std::int32_t limit) {
    switch (comparison) {
        case kGreater:
            return value > limit;
        case kLess:
            return value < limit;
        case kEqual:
            return value == limit;
        case kNotEqual:
            return value != limit;
        default:
            return false;
    }
}

void AlignStepSigns(MotionParam& m) {
    if (m.stepMode != 0)
        return;
    if (m.stepAxis != 0)
        SignTowards(m.stepX, m.startX, m.endX);
    else
        SignTowards(m.stepX, m.startY, m.endY);
    SignTowards(m.stepY, m.startY, m.endY);
}

void ResolveMotion(MotionParam& m, Size object, Size screen) {
    const bool anyRandom = m.randomStartX || m.randomStartY || m.randomEndX || m.randomEndY;
    const bool anyCentre = m.centreStartX || m.centreStartY || m.centreEndX || m.centreEndY;
    if (m.stepMode == 0 && (anyRandom || anyCentre)) {
        m.seed += 200;
        RandomGenerator random(m.seed);
        if (m.randomStartX)
            PlaceAtRandom(m.startX, screen.width, object.width, random);
        if (m.randomStartY)
            PlaceAtRandom(m.startY, screen.height, object.height, random);
        if (m.randomEndX)
            PlaceAtRandom(m.endX, screen.width, object.width, random);
        if (m.randomEndY)
            PlaceAtRandom(m.endY, screen.height, object.height, random);
        const Point centre = CentrePlacement(object, screen);
        if (m.centreStartX)
            m.startX = centre.x;
        if (m.centreEndX)
            m.endX = centre.x;
        if (m.centreStartY)
            m.startY = centre.y;
        if (m.centreEndY)
            m.endY = centre.y;
    }
    AlignStepSigns(m);
    m.currentX = m.startX;
    m.currentY = m.startY;
}

Point StepVector(const MotionParam& m) {
    if (m.stepMode != 0)
        return {m.stepX, m.stepY};
    if (m.stepAxis != 0)
        return {m.stepX, 0};
    return {0, m.stepX};
}

bool AdvanceMotion(MotionParam& m) {
    const Point step = StepVector(m);
    m.currentX = SaturatingAdd(m.currentX, step.x);
    m.currentY = SaturatingAdd(m.currentY, step.y);

    if (m.stepMode != 0) {
        if (step.x == 0 && step.y == 0)
            return true;
        const bool xHolds = ConditionHolds(m.xComparison, m.currentX, m.untilX);
        if (m.join != 0)
            return xHolds && ConditionHolds(m.yComparison, m.currentY, m.untilY);
        return xHolds || ConditionHolds(m.yComparison, m.currentY, m.untilY);
    }

    if (m.stepAxis != 0) {
        if (m.startX == m.endX)
            return true;
        m.currentY = Interpolate(m.startX, m.endX, m.startY, m.endY, m.currentX);
        return m.stepX == 0 || LineEndReached(m.currentX, m.endX, m.stepX);
    }
    if (m.startY == m.endY)
        return true;
    m.currentX = Interpolate(m.startY, m.endY, m.startX, m.endX, m.currentY);
    return m.stepX == 0 || LineEndReached(m.currentY, m.endY, m.stepX);
}

}  // namespace vl
