#include "engine/core/waits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/letters.h"
#include "engine/core/player.h"
#include "tests/engine_core/fake_player.h"

namespace vl {
namespace {

using testing::FakePlayer;
using testing::Ms;

std::vector<Micros> Deadlines(const FakePlayer& p) {
    std::vector<Micros> deadlines;
    for (const auto& w : p.timeline.waits)
        deadlines.push_back(w.deadline);
    return deadlines;
}

TEST(RunWaitTest, SlicesOfAHundredThenTheRest) {
    FakePlayer p;
    EXPECT_EQ(RunWait(p.context, 250), WaitOutcome::Completed);
    EXPECT_EQ(Deadlines(p), (std::vector<Micros>{Ms(100), Ms(200), Ms(250)}));
    EXPECT_EQ(p.timeline.Now(), Ms(250));
    for (const auto& w : p.timeline.waits)
        EXPECT_EQ(w.events, kStopOnly);  // a Wait does not react to Pause
}

TEST(RunWaitTest, StepModeBeepsAfterTheFirstSliceThenEveryBeepOnWait) {
    FakePlayer p;
    p.context.waitOptions = {100, 200};
    p.timeline.SetStepMode(true);
    RunWait(p.context, 250);
    EXPECT_EQ(p.sound.beeps, (std::vector<Micros>{Ms(100)}));
    p.sound.beeps.clear();
    const Micros start = p.timeline.Now();
    RunWait(p.context, 500);
    EXPECT_EQ(p.sound.beeps,
              (std::vector<Micros>{start + Ms(100), start + Ms(300), start + Ms(500)}));
}

TEST(RunWaitTest, SilentOutsideStepModeOrWithAShortBeep) {
    FakePlayer p;
    p.context.waitOptions = {100, 200};
    RunWait(p.context, 500);
    EXPECT_TRUE(p.sound.beeps.empty());
    p.timeline.SetStepMode(true);
    p.context.waitOptions = {100, 50};
    RunWait(p.context, 500);
    EXPECT_TRUE(p.sound.beeps.empty());
}

TEST(RunWaitTest, StepModeIsReadAfterEverySlice) {
    FakePlayer p;
    p.context.waitOptions = {100, 200};
    p.timeline.At(Ms(150), [&] { RequestStep(p.timeline); });
    RunWait(p.context, 500);
    EXPECT_EQ(p.sound.beeps, (std::vector<Micros>{Ms(300), Ms(500)}));
}

TEST(RunWaitTest, StopEndsTheWaitAtOnce) {
    FakePlayer p;
    p.context.waitOptions = {100, 100};
    p.timeline.SetStepMode(true);
    p.timeline.SetAt(Ms(130), PlayerEvent::Stop);
    EXPECT_EQ(RunWait(p.context, 1000), WaitOutcome::Stopped);
    EXPECT_EQ(p.timeline.Now(), Ms(130));
    EXPECT_EQ(p.sound.beeps, (std::vector<Micros>{Ms(100)}));
}

TEST(RunWaitTest, StopDuringTheRemainderIsObeyed) {
    FakePlayer p;
    p.timeline.SetAt(Ms(220), PlayerEvent::Stop);
    EXPECT_EQ(RunWait(p.context, 250), WaitOutcome::Stopped);
    EXPECT_EQ(p.timeline.Now(), Ms(220));
}

TEST(RunWaitTest, PauseDoesNotShortenOrStretchAWait) {
    FakePlayer p;
    p.timeline.SetAt(Ms(50), PlayerEvent::Pause);
    EXPECT_EQ(RunWait(p.context, 250), WaitOutcome::Completed);
    EXPECT_EQ(p.timeline.Now(), Ms(250));
}

TEST(RunWaitTest, SlowBeepsDoNotAddUp) {
    FakePlayer p;
    p.context.waitOptions = {100, 100};
    p.timeline.SetStepMode(true);
    p.sound.cost = Ms(3);
    RunWait(p.context, 450);
    EXPECT_EQ(p.sound.beeps, (std::vector<Micros>{Ms(100), Ms(200), Ms(300), Ms(400)}));
    EXPECT_EQ(p.timeline.Now(), Ms(450));
}

TEST(RunWaitTest, ZeroSliceAndNegativeDuration) {
    FakePlayer p;
    p.context.waitOptions = {0, 0};
    EXPECT_EQ(RunWait(p.context, 5), WaitOutcome::Completed);
    EXPECT_EQ(p.timeline.Now(), Ms(5));
    EXPECT_EQ(p.timeline.waits.size(), 5u);
    EXPECT_EQ(RunWait(p.context, -40), WaitOutcome::Completed);
    EXPECT_EQ(p.timeline.Now(), Ms(5));
}

TEST(WaitUnlessStoppedTest, WaitsTheDurationOrUntilStop) {
    FakePlayer p;
    EXPECT_EQ(WaitUnlessStopped(p.context, Ms(40)), WaitOutcome::Completed);
    EXPECT_EQ(p.timeline.Now(), Ms(40));
    p.timeline.SetAt(Ms(50), PlayerEvent::Stop);
    EXPECT_EQ(WaitUnlessStopped(p.context, Ms(40)), WaitOutcome::Stopped);
    EXPECT_EQ(p.timeline.Now(), Ms(50));
}

// Records every step drawn: position and time; drawing may take time.
class RecordingStepper : public IMoveStepper {
  public:
    explicit RecordingStepper(testing::FakeTimeline& timeline, Micros cost = 0)
        : timeline_(timeline), cost_(cost) {}
    void DrawStep(const MotionParam& placement) override {
        xs.push_back(placement.currentX);
        times.push_back(timeline_.Now());
        timeline_.Spend(cost_);
    }
    std::vector<int> xs;
    std::vector<Micros> times;

  private:
    testing::FakeTimeline& timeline_;
    Micros cost_;
};

MotionParam ZeroToTenByThree(int speed) {
    MotionParam m;
    m.endX = 10;
    m.stepX = 3;
    m.speed = speed;
    m.seed = 0;
    ResolveMotion(m, {10, 10}, {640, 480});
    return m;
}

TEST(RunMoveTest, FullSpeedDrawsEveryPositionWithoutWaiting) {
    FakePlayer p;
    RecordingStepper stepper(p.timeline);
    MotionParam m = ZeroToTenByThree(100000);
    EXPECT_EQ(RunMove(p.context, m, stepper), WaitOutcome::Completed);
    EXPECT_EQ(stepper.xs, (std::vector<int>{0, 3, 6, 9, 12}));
    EXPECT_TRUE(p.timeline.waits.empty());
    EXPECT_EQ(p.timeline.Now(), 0);
    EXPECT_EQ(m.currentX, 12);
}

TEST(RunMoveTest, StepsLastTheirDurationAndTheEndIsDrawnAtOnce) {
    FakePlayer p;
    RecordingStepper stepper(p.timeline);
    MotionParam m = ZeroToTenByThree(90000);
    RunMove(p.context, m, stepper);
    EXPECT_EQ(stepper.times, (std::vector<Micros>{0, Ms(100), Ms(200), Ms(300), Ms(300)}));
}

TEST(RunMoveTest, DrawingTimeIsPartOfTheStep) {
    FakePlayer p;
    RecordingStepper stepper(p.timeline, Ms(30));
    MotionParam m = ZeroToTenByThree(90000);
    RunMove(p.context, m, stepper);
    EXPECT_EQ(stepper.times, (std::vector<Micros>{0, Ms(100), Ms(200), Ms(300), Ms(330)}));
}

TEST(RunMoveTest, SlowDrawingDoesNotCatchUp) {
    FakePlayer p;
    RecordingStepper stepper(p.timeline, Ms(150));
    MotionParam m = ZeroToTenByThree(90000);
    RunMove(p.context, m, stepper);
    EXPECT_EQ(stepper.times, (std::vector<Micros>{0, Ms(150), Ms(300), Ms(450), Ms(600)}));
}

TEST(RunMoveTest, SpeedZeroStepsOnceASecond) {
    FakePlayer p;
    RecordingStepper stepper(p.timeline);
    MotionParam m = ZeroToTenByThree(0);
    RunMove(p.context, m, stepper);
    EXPECT_EQ(stepper.times.back(), Ms(3000));
}

TEST(RunMoveTest, StopEndsTheMoveWithinTheStep) {
    FakePlayer p;
    RecordingStepper stepper(p.timeline);
    MotionParam m = ZeroToTenByThree(90000);
    p.timeline.SetAt(Ms(150), PlayerEvent::Stop);
    EXPECT_EQ(RunMove(p.context, m, stepper), WaitOutcome::Stopped);
    EXPECT_EQ(stepper.xs, (std::vector<int>{0, 3}));
    EXPECT_EQ(p.timeline.Now(), Ms(150));
}

TEST(RunMoveTest, StopWhilePausedBetweenStepsEndsAtOnce) {
    FakePlayer p;
    RecordingStepper stepper(p.timeline);
    MotionParam m = ZeroToTenByThree(100000);
    RequestPause(p.timeline);
    p.timeline.SetAt(Ms(800), PlayerEvent::Stop);
    EXPECT_EQ(RunMove(p.context, m, stepper), WaitOutcome::Stopped);
    EXPECT_EQ(stepper.xs, (std::vector<int>{0}));
    EXPECT_EQ(p.timeline.Now(), Ms(800));
}

TEST(RunMoveTest, PauseIsHonouredAfterTheCurrentStep) {
    FakePlayer p;
    RecordingStepper stepper(p.timeline);
    MotionParam m = ZeroToTenByThree(90000);
    p.timeline.SetAt(Ms(50), PlayerEvent::Pause);
    p.timeline.At(Ms(1000), [&] { RequestGo(p.timeline); });
    EXPECT_EQ(RunMove(p.context, m, stepper), WaitOutcome::Completed);
    // The first step's wait runs out, then the pause; after Go the steps are timed from then.
    EXPECT_EQ(stepper.times, (std::vector<Micros>{0, Ms(1000), Ms(1100), Ms(1200), Ms(1200)}));
    EXPECT_EQ(stepper.xs, (std::vector<int>{0, 3, 6, 9, 12}));
}

TEST(RunMoveTest, EqualStartAndEndDrawsTwiceAndEnds) {
    FakePlayer p;
    RecordingStepper stepper(p.timeline);
    MotionParam m;
    m.startX = m.endX = 40;
    m.stepX = 5;
    m.speed = 50000;
    ResolveMotion(m, {10, 10}, {640, 480});
    EXPECT_EQ(RunMove(p.context, m, stepper), WaitOutcome::Completed);
    EXPECT_EQ(stepper.xs, (std::vector<int>{40, 45}));
    EXPECT_EQ(p.timeline.Now(), 0);
}

// A letter-by-letter Show of a text, drawing its growing prefixes.
class TextLetters : public ILetterStepper {
  public:
    TextLetters(testing::FakeTimeline& timeline, std::string text)
        : timeline_(timeline), text_(std::move(text)) {}
    bool NextLetter(int& letterIndex) override {
        const LetterStep step = NextLetterStep(text_, letterIndex);
        if (!step.draw)
            return false;
        drawn.push_back(text_.substr(0, step.prefixLength));
        times.push_back(timeline_.Now());
        return step.lettersRemain;
    }
    std::vector<std::string> drawn;
    std::vector<Micros> times;

  private:
    testing::FakeTimeline& timeline_;
    std::string text_;
};

TEST(RunLettersTest, DelayBetweenLettersButNotAfterTheLast) {
    FakePlayer p;
    TextLetters letters(p.timeline, "ab");
    EXPECT_EQ(RunLetters(p.context, 1750, letters), WaitOutcome::Completed);
    EXPECT_EQ(letters.drawn, (std::vector<std::string>{"a", "ab"}));
    EXPECT_EQ(letters.times, (std::vector<Micros>{0, Ms(250)}));
    EXPECT_EQ(p.timeline.Now(), Ms(250));
}

TEST(RunLettersTest, TrailingLineBreakRedrawsTheWholeText) {
    FakePlayer p;
    TextLetters letters(p.timeline, "ab\r\n");
    RunLetters(p.context, 1750, letters);
    EXPECT_EQ(letters.drawn, (std::vector<std::string>{"a", "ab", "ab\r\n"}));
    EXPECT_EQ(letters.times, (std::vector<Micros>{0, Ms(250), Ms(500)}));
}

TEST(RunLettersTest, FullSpeedDoesNotWait) {
    FakePlayer p;
    TextLetters letters(p.timeline, "abc");
    RunLetters(p.context, 2000, letters);
    EXPECT_EQ(letters.drawn.size(), 3u);
    EXPECT_TRUE(p.timeline.waits.empty());
}

TEST(RunLettersTest, StopEndsTheLetters) {
    FakePlayer p;
    TextLetters letters(p.timeline, "abcdef");
    p.timeline.SetAt(Ms(100), PlayerEvent::Stop);
    EXPECT_EQ(RunLetters(p.context, 0, letters), WaitOutcome::Stopped);
    EXPECT_EQ(letters.drawn, (std::vector<std::string>{"a"}));
    EXPECT_EQ(p.timeline.Now(), Ms(100));

    FakePlayer stopped;
    stopped.timeline.Set(PlayerEvent::Stop);
    TextLetters none(stopped.timeline, "abc");
    EXPECT_EQ(RunLetters(stopped.context, 0, none), WaitOutcome::Stopped);
    EXPECT_TRUE(none.drawn.empty());
}

TEST(RunCalibrationTest, CountsPollsUntilStop) {
    testing::FakeTimeline timeline;
    timeline.StopAtPoll(12345);
    std::uint32_t count = 99;
    RunCalibration(timeline, count);
    EXPECT_EQ(count, 12344u);

    testing::FakeTimeline stopped;
    stopped.Set(PlayerEvent::Stop);
    RunCalibration(stopped, count);
    EXPECT_EQ(count, 0u);
}

}  // namespace
}  // namespace vl
