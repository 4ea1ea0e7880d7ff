// Placements and movement of the display entries: random and centred positions, the signs of the
// steps, and one step of a Move with its end tests. Pure functions on a MotionParam.
#pragma once

#include <cstdint>

#include "engine/core/geometry.h"
#include "scene/params.h"

namespace vl {

// The test of a step-mode condition: value against limit with a Comparison. Unknown operators
// never hold.
bool ConditionHolds(std::int32_t comparison, std::int32_t value, std::int32_t limit);

// Points the steps towards the end position in line mode. The step along the step axis (step x,
// the only one line mode uses) takes its sign from that axis, so a Move along y follows start y to
// end y; step y takes its sign from the y positions. In step mode the steps keep the signs they
// were given: the end position is not used there, and the conditions were checked against those
// signs when the Move was edited.
void AlignStepSigns(MotionParam& motion);

// Prepares a Show, Move or Line for running with an object of the given size on the screen: in
// line mode the Random and Centre flags place the coordinates (Random drawn from seed + 200 in
// the order start x, start y, end x, end y, within -size .. screen - 1; Centre at
// screen / 2 - size / 2), then the steps are signed and the current position becomes the start.
// The results stay in `motion`, so random positions wander from run to run.
void ResolveMotion(MotionParam& motion, Size object, Size screen);

// The step one advance adds to the current position: (step x, step y) in step mode; in line mode
// the single value step x along the step axis.
Point StepVector(const MotionParam& motion);

// Moves the current position one step and reports whether the Move has reached its end. Positions
// are not clamped to the end point; the caller draws the position that reported the end once more.
// A step that cannot move (a zero step along the axis in line mode, a zero vector in step mode)
// ends the Move at once instead of running forever.
bool AdvanceMotion(MotionParam& motion);

}  // namespace vl
