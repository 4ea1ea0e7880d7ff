// What one overlapped Move step has to compose besides the object itself: the part of the union
// U of the old and new rectangles that the new rectangle N leaves uncovered. Portable geometry.
#pragma once

#include "engine/core/geometry.h"

namespace vl {

// U without N as two rectangles in the step's local frame: a strip as high as U beside N (empty
// for a vertical step) and a strip as wide as N above or below it (empty for a horizontal step).
// With N they cover U exactly, without overlapping. Both are empty when the rectangles do not
// overlap, and for a step of no distance.
struct UncoveredStrips {
    Rect beside;
    Rect aboveOrBelow;
};
UncoveredStrips StripsOutsideNew(const StepLayout& step);

}  // namespace vl
