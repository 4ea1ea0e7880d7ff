#include <gtest/gtest.h>

#include "editor/core/colour_sample.h"
#include "editor/core/move_position_rules.h"
#include "editor/core/show_position_rules.h"

namespace vl {
namespace {

using Action = StepModeVerdict::Action;

MotionParam StepMode(std::int32_t xComparison, std::int32_t startX, std::int32_t stepX,
                     std::int32_t untilX) {
    MotionParam motion;
    motion.stepMode = 1;
    motion.xComparison = xComparison;
    motion.startX = startX;
    motion.stepX = stepX;
    motion.untilX = untilX;
    // y: "<>" with a step always reaches
    motion.yComparison = kNotEqual;
    motion.stepY = 1;
    return motion;
}

TEST(StepConditions, EqualNeedsAWholeNumberOfStepsTowardTheTarget) {
    EXPECT_EQ(CheckStepConditions(StepMode(kEqual, 0, 5, 12)).action, Action::Ask);
    EXPECT_EQ(CheckStepConditions(StepMode(kEqual, 0, 5, 10)).action, Action::Close);
    // Starting on the target with a step leaves it at once.
    EXPECT_NE(CheckStepConditions(StepMode(kEqual, 7, 3, 7)).action, Action::Close);
    EXPECT_NE(CheckStepConditions(StepMode(kEqual, 7, -1, 7)).action, Action::Close);
    // Standing still on the target holds; elsewhere it never does.
    EXPECT_EQ(CheckStepConditions(StepMode(kEqual, 7, 0, 7)).action, Action::Close);
    EXPECT_NE(CheckStepConditions(StepMode(kEqual, 7, 0, 8)).action, Action::Close);
    // The right multiple, but walking away.
    EXPECT_NE(CheckStepConditions(StepMode(kEqual, 10, 5, 0)).action, Action::Close);
    EXPECT_EQ(CheckStepConditions(StepMode(kEqual, 10, -5, 0)).action, Action::Close);
}

TEST(StepConditions, GreaterLessAndUnequal) {
    EXPECT_EQ(CheckStepConditions(StepMode(kGreater, 0, 1, 100)).action, Action::Close);
    EXPECT_NE(CheckStepConditions(StepMode(kGreater, 0, -1, 100)).action, Action::Close);
    EXPECT_EQ(CheckStepConditions(StepMode(kGreater, 200, -1, 100)).action, Action::Close);
    EXPECT_EQ(CheckStepConditions(StepMode(kLess, 0, -1, -100)).action, Action::Close);
    EXPECT_NE(CheckStepConditions(StepMode(kLess, 0, 0, -100)).action, Action::Close);
    EXPECT_NE(CheckStepConditions(StepMode(kNotEqual, 4, 0, 4)).action, Action::Close);
    EXPECT_EQ(CheckStepConditions(StepMode(kNotEqual, 4, 0, 5)).action, Action::Close);
}

TEST(StepConditions, TheMessageNamesTheUnreachableAxisAndDependsOnTheJoin) {
    MotionParam motion = StepMode(kEqual, 0, 5, 12);
    motion.join = 0;  // OR: the other condition may still end the walk, so ask
    StepModeVerdict verdict = CheckStepConditions(motion);
    EXPECT_EQ(verdict.action, Action::Ask);
    EXPECT_EQ(verdict.text,
              "X-Condition has been never reached.\nAre you sure you want to continue?");

    motion.join = 1;  // AND: the walk can never end
    verdict = CheckStepConditions(motion);
    EXPECT_EQ(verdict.action, Action::Stay);
    EXPECT_EQ(verdict.text, "X-Condition has been never reached.");

    // Now x is fine and y is not.
    motion = StepMode(kGreater, 0, 1, 10);
    motion.yComparison = kLess;
    motion.startY = 0;
    motion.stepY = 1;
    motion.untilY = -10;
    motion.join = 1;
    EXPECT_EQ(CheckStepConditions(motion).text, "Y-Condition has been never reached.");

    motion.xComparison = kEqual;
    motion.untilX = 0;  // start on the target, with a step
    verdict = CheckStepConditions(motion);
    EXPECT_EQ(verdict.action, Action::Stay);
    EXPECT_EQ(verdict.text, "X and Y-Conditions have been never reached.");
    motion.join = 0;
    EXPECT_EQ(CheckStepConditions(motion).action, Action::Stay);
}

TEST(LineStep, PointsTowardTheEndOnTheChosenAxis) {
    MotionParam motion;
    motion.startX = 100;
    motion.endX = 0;
    motion.stepX = 1;
    motion.stepAxis = 1;
    EXPECT_TRUE(TurnLineStepTowardEnd(motion));
    EXPECT_EQ(motion.stepX, -1);
    EXPECT_FALSE(TurnLineStepTowardEnd(motion));  // now it is right
    EXPECT_EQ(motion.stepX, -1);

    motion.endX = 300;
    EXPECT_TRUE(TurnLineStepTowardEnd(motion));
    EXPECT_EQ(motion.stepX, 1);

    // Along y, step x is the step and y decides; x is not looked at.
    motion = MotionParam();
    motion.stepAxis = 0;
    motion.startX = 100;
    motion.endX = 0;
    motion.startY = 0;
    motion.endY = 50;
    motion.stepX = -4;
    motion.stepY = -9;
    EXPECT_TRUE(TurnLineStepTowardEnd(motion));
    EXPECT_EQ(motion.stepX, 4);
    EXPECT_EQ(motion.stepY, -9);

    // The same position at both ends, or no step: nothing to turn.
    motion.endY = 0;
    motion.stepX = -4;
    EXPECT_FALSE(TurnLineStepTowardEnd(motion));
    motion.endY = -20;
    motion.stepX = 0;
    EXPECT_FALSE(TurnLineStepTowardEnd(motion));
    EXPECT_EQ(motion.stepX, 0);
}

TEST(Spins, MoveByTheirStepWithinTheirBounds) {
    EXPECT_EQ(SpinWithin(500, +1, kSpeedSpinStep, kSpeedLow, kSpeedHigh), 600);
    EXPECT_EQ(SpinWithin(500, -1, kSpeedSpinStep, kSpeedLow, kSpeedHigh), 400);
    EXPECT_EQ(SpinWithin(99950, +1, kSpeedSpinStep, kSpeedLow, kSpeedHigh), 100000);
    EXPECT_EQ(SpinWithin(100000, +1, kSpeedSpinStep, kSpeedLow, kSpeedHigh), 100000);
    EXPECT_EQ(SpinWithin(50, -1, kSpeedSpinStep, kSpeedLow, kSpeedHigh), 0);
    EXPECT_EQ(SpinWithin(1995, +1, kLetterSpeedSpinStep, kLetterSpeedLow, kLetterSpeedHigh), 2000);
    EXPECT_EQ(SpinWithin(5, -1, kLetterSpeedSpinStep, kLetterSpeedLow, kLetterSpeedHigh), 0);
    EXPECT_EQ(SpinWithin(1000, +1, kLetterSpeedSpinStep, kLetterSpeedLow, kLetterSpeedHigh), 1010);
    // A typed value far outside comes back to the nearest bound.
    EXPECT_EQ(SpinWithin(-700, +1, kSpeedSpinStep, kSpeedLow, kSpeedHigh), 0);
    EXPECT_EQ(SpinWithin(4000000000LL, -1, kSpeedSpinStep, kSpeedLow, kSpeedHigh), 100000);
}

TEST(ConditionButton, LineModeEndsInArrowsPointingOut) {
    EXPECT_EQ(ConditionButtonText("Con&dition <<", true), "Con&dition <<");
    EXPECT_EQ(ConditionButtonText("Con&dition <<", false), "Con&dition >>");
    EXPECT_EQ(ConditionButtonText("<", false), "<");
}

TEST(ShowEffect, TileAndStretchClearTheSwitchesAndNoneSetsThemBack) {
    MotionParam motion;
    motion.letterByLetter = 1;
    for (std::int32_t effect : {kEffectTile, kEffectStretch}) {
        motion.keepWhileMoving = 1;
        motion.restoreAfterHide = 1;
        motion.letterByLetter = 1;
        ApplyShowEffect(motion, effect);
        EXPECT_EQ(motion.effect, effect);
        EXPECT_EQ(motion.letterByLetter, 0);
        EXPECT_EQ(motion.keepWhileMoving, 0);
        EXPECT_EQ(motion.restoreAfterHide, 0);
        EXPECT_FALSE(ShowPositionEditable(effect));
    }
    ApplyShowEffect(motion, kEffectNone);
    EXPECT_EQ(motion.effect, kEffectNone);
    EXPECT_EQ(motion.keepWhileMoving, 1);
    EXPECT_EQ(motion.restoreAfterHide, 1);
    EXPECT_EQ(motion.letterByLetter, 0);  // letter by letter is the user's to set again
    EXPECT_TRUE(ShowPositionEditable(kEffectNone));
}

TEST(ColourSample, TheCommonPartMixesAsTheMixingSays) {
    const std::uint32_t test = MakeColour(0xF0, 0x0F, 0x33);
    const std::uint32_t chosen = MakeColour(0x0F, 0x0F, 0xCC);
    EXPECT_EQ(MixedSampleColour(test, chosen, kNoMixing), chosen);
    EXPECT_EQ(MixedSampleColour(test, chosen, kMixOr), MakeColour(0xFF, 0x0F, 0xFF));
    EXPECT_EQ(MixedSampleColour(test, chosen, kMixAnd), MakeColour(0x00, 0x0F, 0x00));
    // White ORed gives white; ANDed gives the chosen colour.
    EXPECT_EQ(MixedSampleColour(kWhite, chosen, kMixOr), kWhite);
    EXPECT_EQ(MixedSampleColour(kWhite, chosen, kMixAnd), chosen);
}

TEST(ColourSample, TwoOverlappingCirclesCentredWithTheHalvesForTheTooltips) {
    const ColourSampleLayout layout = LayoutColourSample(100, 40);
    // 40 high: circles of 40, overlapping by 13, spanning 66.
    EXPECT_EQ(layout.testCircle, (SampleRect{17, 0, 57, 40}));
    EXPECT_EQ(layout.chosenCircle, (SampleRect{43, 0, 83, 40}));
    EXPECT_LT(layout.chosenCircle.left, layout.testCircle.right);  // they overlap
    EXPECT_EQ(layout.leftHalf, (SampleRect{0, 0, 50, 40}));
    EXPECT_EQ(layout.rightHalf, (SampleRect{50, 0, 100, 40}));

    // A narrow sample: the width decides, and both circles stay inside it.
    const ColourSampleLayout narrow = LayoutColourSample(50, 40);
    EXPECT_EQ(narrow.testCircle.bottom - narrow.testCircle.top, 30);
    EXPECT_GE(narrow.testCircle.left, 0);
    EXPECT_LE(narrow.chosenCircle.right, 50);
    EXPECT_EQ(narrow.testCircle.top, 5);
}

}  // namespace
}  // namespace vl
