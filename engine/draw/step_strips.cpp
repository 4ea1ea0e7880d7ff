#include "engine/draw/step_strips.h"

namespace vl {

UncoveredStrips StripsOutsideNew(const StepLayout& step) {
    UncoveredStrips strips;
    if (!step.overlapped)
        return strips;
    const Rect& u = step.bounds;
    const Rect& n = step.newRect;
    if (n.left > u.left)
        strips.beside = {u.left, u.top, n.left, u.bottom};
    else if (n.right < u.right)
        strips.beside = {n.right, u.top, u.right, u.bottom};
    if (n.top > u.top)
        strips.aboveOrBelow = {n.left, u.top, n.right, n.top};
    else if (n.bottom < u.bottom)
        strips.aboveOrBelow = {n.left, n.bottom, n.right, u.bottom};
    return strips;
}

}  // namespace vl
