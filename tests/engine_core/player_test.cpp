#include "engine/core/player.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "engine/core/loop_passes.h"
#include "tests/engine_core/fake_player.h"

namespace vl {
namespace {

using testing::FakeTimeline;
using testing::Ms;

// A scripted entry list: each entry may be disabled, may report a visible step, takes some time
// and may act while it runs (press a button, move the loop index). takesTime and endsEndlessLoop
// are what the entry's kind would say.
struct FakeEntry {
    bool visible = true;
    bool disabled = false;
    Micros duration = 0;
    std::function<void(int&)> action;
    bool takesTime = false;
    bool endsEndlessLoop = false;
};

class FakeEntries : public IEntryRunner {
  public:
    FakeEntries(FakeTimeline& timeline, std::vector<FakeEntry> entries)
        : timeline_(timeline), entries_(std::move(entries)) {}

    int EntryCount() const override { return static_cast<int>(entries_.size()); }
    bool IsDisabled(int index) const override { return entries_.at(index).disabled; }
    bool Execute(int& loopIndex) override {
        FakeEntry& entry = entries_.at(loopIndex);
        executed.push_back(loopIndex);
        startTimes.push_back(timeline_.Now());
        if (entry.action)
            entry.action(loopIndex);
        timeline_.Spend(entry.duration);
        return entry.visible;
    }
    bool TakesTime(int index) const override { return entries_.at(index).takesTime; }
    bool EndsEndlessLoop(int index) const override { return entries_.at(index).endsEndlessLoop; }

    std::vector<int> executed;
    std::vector<Micros> startTimes;

  private:
    FakeTimeline& timeline_;
    std::vector<FakeEntry> entries_;
};

FakeEntry Visible(Micros duration = 0) {
    return {true, false, duration, nullptr};
}
FakeEntry Silent() {
    return {false, false, 0, nullptr};
}
FakeEntry Disabled() {
    return {true, true, 0, nullptr};
}
// A Wait, a Move or a Play.
FakeEntry Timed(Micros duration, bool disabled = false) {
    return {true, disabled, duration, nullptr, true};
}
// An Until that jumps back to `first`, for ever or `passes` - 1 times.
FakeEntry UntilBackTo(int first, int passes = 0) {
    FakeEntry until = Silent();
    until.endsEndlessLoop = passes == 0;
    auto done = std::make_shared<int>(0);
    until.action = [first, passes, done](int& index) {
        if (passes != 0 && ++*done >= passes) {
            *done = 0;
            return;
        }
        index = first - 1;
    };
    return until;
}

// The times at which entry `index` started.
std::vector<Micros> StartsOf(const FakeEntries& entries, int index) {
    std::vector<Micros> starts;
    for (std::size_t i = 0; i < entries.executed.size(); ++i) {
        if (entries.executed[i] == index)
            starts.push_back(entries.startTimes[i]);
    }
    return starts;
}

TEST(PlaySceneTest, EmptySceneFinishesAtOnce) {
    FakeTimeline timeline;
    FakeEntries entries(timeline, {});
    EXPECT_EQ(PlayScene(entries, timeline, timeline), PlayOutcome::Finished);
    EXPECT_TRUE(timeline.waits.empty());
    EXPECT_EQ(timeline.Now(), 0);
}

TEST(PlaySceneTest, RunsEveryEnabledEntryInOrder) {
    FakeTimeline timeline;
    FakeEntries entries(timeline, {Visible(), Disabled(), Silent(), Visible()});
    EXPECT_EQ(PlayScene(entries, timeline, timeline), PlayOutcome::Finished);
    EXPECT_EQ(entries.executed, (std::vector<int>{0, 2, 3}));
    EXPECT_TRUE(timeline.pauseRequests.empty());
}

TEST(PlaySceneTest, StepModePausesAfterVisibleStepsButNotAfterTheLastEntry) {
    FakeTimeline timeline;
    timeline.SetStepMode(true);
    timeline.At(Ms(1000), [&] { RequestStep(timeline); });
    timeline.At(Ms(2000), [&] { RequestStep(timeline); });
    FakeEntries entries(timeline, {Visible(), Visible(), Visible()});
    EXPECT_EQ(PlayScene(entries, timeline, timeline), PlayOutcome::Finished);
    EXPECT_EQ(entries.startTimes, (std::vector<Micros>{0, Ms(1000), Ms(2000)}));
    EXPECT_EQ(timeline.pauseRequests, (std::vector<Micros>{0, Ms(1000)}));
    // The scene ended by itself right after the last entry.
    EXPECT_EQ(timeline.Now(), Ms(2000));
    EXPECT_FALSE(timeline.IsSet(PlayerEvent::Pause));
}

TEST(PlaySceneTest, DisabledAndSilentEntriesNeverPauseInStepMode) {
    FakeTimeline timeline;
    timeline.SetStepMode(true);
    timeline.At(Ms(500), [&] { RequestStep(timeline); });
    FakeEntries entries(timeline, {Silent(), Disabled(), Visible(), Silent(), Disabled()});
    EXPECT_EQ(PlayScene(entries, timeline, timeline), PlayOutcome::Finished);
    EXPECT_EQ(entries.executed, (std::vector<int>{0, 2, 3}));
    // One pause, after the only visible step; the disabled entries were never run.
    EXPECT_EQ(timeline.pauseRequests, (std::vector<Micros>{0}));
    EXPECT_EQ(entries.startTimes.back(), Ms(500));
}

TEST(PlaySceneTest, UserPauseIsHonouredAfterTheRunningEntry) {
    FakeTimeline timeline;
    timeline.SetAt(Ms(10), PlayerEvent::Pause);
    timeline.At(Ms(700), [&] { RequestGo(timeline); });
    FakeEntries entries(timeline, {Visible(Ms(50)), Visible(Ms(50))});
    EXPECT_EQ(PlayScene(entries, timeline, timeline), PlayOutcome::Finished);
    EXPECT_EQ(entries.startTimes, (std::vector<Micros>{0, Ms(700)}));
}

TEST(PlaySceneTest, StepGivenWhileAnEntryRunsLetsTheNextPausePassOnce) {
    FakeTimeline timeline;
    timeline.SetStepMode(true);
    timeline.At(Ms(50), [&] { RequestStep(timeline); });    // while entry 0 runs
    timeline.At(Ms(1000), [&] { RequestStep(timeline); });  // while paused after entry 1
    FakeEntries entries(timeline, {Visible(Ms(100)), Visible(), Visible()});
    EXPECT_EQ(PlayScene(entries, timeline, timeline), PlayOutcome::Finished);
    EXPECT_EQ(entries.startTimes, (std::vector<Micros>{0, Ms(100), Ms(1000)}));
    EXPECT_EQ(timeline.pauseRequests.size(), 2u);
}

TEST(PlaySceneTest, GoGivenWhileAnEntryRunsLeavesStepMode) {
    FakeTimeline timeline;
    timeline.SetStepMode(true);
    timeline.At(Ms(50), [&] { RequestGo(timeline); });
    FakeEntries entries(timeline, {Visible(Ms(100)), Visible(Ms(100)), Visible(Ms(100))});
    EXPECT_EQ(PlayScene(entries, timeline, timeline), PlayOutcome::Finished);
    EXPECT_EQ(entries.startTimes, (std::vector<Micros>{0, Ms(100), Ms(200)}));
    EXPECT_TRUE(timeline.pauseRequests.empty());
    EXPECT_FALSE(timeline.StepMode());
}

TEST(PlaySceneTest, StopWhilePausedEndsAtOnce) {
    FakeTimeline timeline;
    timeline.SetStepMode(true);
    timeline.SetAt(Ms(5000), PlayerEvent::Stop);
    FakeEntries entries(timeline, {Visible(), Visible()});
    EXPECT_EQ(PlayScene(entries, timeline, timeline), PlayOutcome::Stopped);
    EXPECT_EQ(entries.executed, (std::vector<int>{0}));
    EXPECT_EQ(timeline.Now(), Ms(5000));
}

TEST(PlaySceneTest, StopDuringAnEntryRunsNoFurtherEntry) {
    FakeTimeline timeline;
    timeline.SetAt(Ms(30), PlayerEvent::Stop);
    FakeEntries entries(timeline, {Silent(), Visible(Ms(50)), Visible(), Visible()});
    EXPECT_EQ(PlayScene(entries, timeline, timeline), PlayOutcome::Stopped);
    EXPECT_EQ(entries.executed, (std::vector<int>{0, 1}));
}

TEST(PlaySceneTest, EntryMovingTheIndexChangesWhatRunsNext) {
    FakeTimeline timeline;
    int jumps = 0;
    FakeEntry jumpBack = Silent();
    jumpBack.action = [&](int& index) {
        if (jumps++ < 2)
            index = 0;  // the player's increment brings it to entry 1
    };
    FakeEntry leave = Silent();
    leave.action = [](int& index) { index = 100; };
    FakeEntries entries(timeline, {Silent(), Visible(), jumpBack, leave, Visible()});
    EXPECT_EQ(PlayScene(entries, timeline, timeline), PlayOutcome::Finished);
    EXPECT_EQ(entries.executed, (std::vector<int>{0, 1, 2, 1, 2, 1, 2, 3}));
}

TEST(PlaySceneTest, IndexMovedAboveTheTopEndsTheScene) {
    FakeTimeline timeline;
    FakeEntry broken = Silent();
    broken.action = [](int& index) { index = -7; };
    FakeEntries entries(timeline, {Visible(), broken, Visible()});
    EXPECT_EQ(PlayScene(entries, timeline, timeline), PlayOutcome::Finished);
    EXPECT_EQ(entries.executed, (std::vector<int>{0, 1}));
}

// Repeat, Comment, Cls, Until (Infinite): nothing in the loop takes time.
TEST(IdleLoopTest, EndlessLoopRestsAFrameAfterEachPassThatTookNoTime) {
    FakeTimeline timeline;
    timeline.SetAt(Ms(90), PlayerEvent::Stop);
    FakeEntries entries(timeline, {Silent(), Silent(), Visible(Ms(1)), UntilBackTo(1)});
    EXPECT_EQ(PlayScene(entries, timeline, timeline), PlayOutcome::Stopped);
    const Micros pass = Ms(1) + kRestAfterIdlePass;
    EXPECT_EQ(StartsOf(entries, 1),
              (std::vector<Micros>{0, pass, 2 * pass, 3 * pass, 4 * pass, 5 * pass}));
    ASSERT_EQ(timeline.waits.size(), 6u);
    for (const auto& wait : timeline.waits) {
        EXPECT_EQ(wait.deadline, wait.at + kRestAfterIdlePass);
        // Stop and Pause end the rest; it is not a Sleep, and needs no precision.
        EXPECT_EQ(wait.events, EventBit(PlayerEvent::Stop) | EventBit(PlayerEvent::Pause));
        EXPECT_TRUE(wait.coarse);
    }
    // Stop came in the middle of a rest and ended it there.
    EXPECT_EQ(timeline.Now(), Ms(90));
}

TEST(IdleLoopTest, PassesThatTakeTimeKeepTheirTiming) {
    FakeTimeline timeline;
    timeline.SetAt(Ms(35), PlayerEvent::Stop);
    FakeEntries entries(timeline, {Silent(), Silent(), Timed(Ms(10)), Silent(), UntilBackTo(1)});
    EXPECT_EQ(PlayScene(entries, timeline, timeline), PlayOutcome::Stopped);
    EXPECT_EQ(StartsOf(entries, 1), (std::vector<Micros>{0, Ms(10), Ms(20), Ms(30)}));
    EXPECT_TRUE(timeline.waits.empty());
}

TEST(IdleLoopTest, LoopsThatEndByThemselvesNeverRest) {
    FakeTimeline timeline;
    FakeEntries entries(timeline, {Silent(), Visible(), UntilBackTo(1, 50), Visible()});
    EXPECT_EQ(PlayScene(entries, timeline, timeline), PlayOutcome::Finished);
    EXPECT_EQ(StartsOf(entries, 1).size(), 50u);
    EXPECT_TRUE(timeline.waits.empty());
    EXPECT_EQ(timeline.Now(), 0);
}

TEST(IdleLoopTest, EndlessLoopRestsOncePerPassOfItsOwn) {
    // Outer endless loop 1..4 around an inner loop 2..3 of three passes, no entry taking time:
    // one rest per outer pass, none after the inner passes.
    FakeTimeline timeline;
    timeline.SetAt(2 * kRestAfterIdlePass + Ms(1), PlayerEvent::Stop);
    FakeEntries entries(timeline,
                        {Silent(), Silent(), Visible(), UntilBackTo(2, 3), UntilBackTo(1)});
    EXPECT_EQ(PlayScene(entries, timeline, timeline), PlayOutcome::Stopped);
    EXPECT_EQ(StartsOf(entries, 2),
              (std::vector<Micros>{0, 0, 0, kRestAfterIdlePass, kRestAfterIdlePass,
                                   kRestAfterIdlePass, 2 * kRestAfterIdlePass,
                                   2 * kRestAfterIdlePass, 2 * kRestAfterIdlePass}));
    EXPECT_EQ(timeline.waits.size(), 3u);
}

TEST(IdleLoopTest, InnerLoopsThatTakeNoTimeKeepTheTimingOfAnOuterPassThatDoes) {
    // Repeat, Wait, Repeat, Cls, Until 3, Until (Infinite).
    FakeTimeline timeline;
    timeline.SetAt(Ms(35), PlayerEvent::Stop);
    FakeEntries entries(timeline, {Silent(), Timed(Ms(10)), Silent(), Visible(), UntilBackTo(3, 3),
                                   UntilBackTo(1)});
    EXPECT_EQ(PlayScene(entries, timeline, timeline), PlayOutcome::Stopped);
    EXPECT_EQ(StartsOf(entries, 1), (std::vector<Micros>{0, Ms(10), Ms(20), Ms(30)}));
    EXPECT_EQ(StartsOf(entries, 3).size(), 9u);  // the fourth pass was stopped in its Wait
    EXPECT_TRUE(timeline.waits.empty());
}

TEST(IdleLoopTest, PauseAskedForDuringARestIsHonouredThere) {
    FakeTimeline timeline;
    timeline.SetAt(Ms(5), PlayerEvent::Pause);
    timeline.At(Ms(700), [&] { RequestGo(timeline); });
    timeline.SetAt(Ms(710), PlayerEvent::Stop);
    FakeEntries entries(timeline, {Silent(), Silent(), UntilBackTo(1)});
    EXPECT_EQ(PlayScene(entries, timeline, timeline), PlayOutcome::Stopped);
    EXPECT_EQ(StartsOf(entries, 1), (std::vector<Micros>{0, Ms(700)}));
    EXPECT_FALSE(timeline.IsSet(PlayerEvent::Pause));
}

TEST(IdleLoopTest, StopWhilePausedInARestEndsAtOnce) {
    FakeTimeline timeline;
    timeline.SetAt(Ms(5), PlayerEvent::Pause);
    timeline.SetAt(Ms(300), PlayerEvent::Stop);
    FakeEntries entries(timeline, {Silent(), UntilBackTo(0)});
    EXPECT_EQ(PlayScene(entries, timeline, timeline), PlayOutcome::Stopped);
    EXPECT_EQ(entries.executed, (std::vector<int>{0, 1}));
    EXPECT_EQ(timeline.Now(), Ms(300));
}

TEST(LoopPassesTest, PassBeginsWhenItsFirstEntryWasLastReached) {
    LoopPasses passes(4);
    EXPECT_FALSE(passes.PassTookTime(1));  // nothing ran yet
    passes.Reached(0);
    passes.TookTime();
    passes.Reached(1);
    passes.Reached(2);
    EXPECT_TRUE(passes.PassTookTime(0));
    EXPECT_FALSE(passes.PassTookTime(1));
    passes.Reached(1);
    passes.TookTime();
    EXPECT_TRUE(passes.PassTookTime(1));
    passes.Reached(2);
    EXPECT_FALSE(passes.PassTookTime(2));
    // A loop whose first entry was never reached counts from the start of play, and the list may
    // be longer than at the start.
    EXPECT_TRUE(passes.PassTookTime(3));
    passes.Reached(9);
    EXPECT_FALSE(passes.PassTookTime(9));
    EXPECT_TRUE(passes.PassTookTime(-1));
}

TEST(PauseCheckTest, WithoutARequestReturnsAtOnce) {
    FakeTimeline timeline;
    timeline.Set(PlayerEvent::Continue);
    EXPECT_EQ(PauseCheck(timeline), PauseResult::NotRequested);
    EXPECT_TRUE(timeline.waits.empty());
    EXPECT_TRUE(timeline.IsSet(PlayerEvent::Continue));  // kept for the next pause
}

TEST(PauseCheckTest, EarlierGoLetsThePausePassAndIsUsedUp) {
    FakeTimeline timeline;
    RequestGo(timeline);
    RequestPause(timeline);
    EXPECT_EQ(PauseCheck(timeline), PauseResult::Continued);
    EXPECT_EQ(timeline.Now(), 0);
    EXPECT_FALSE(timeline.IsSet(PlayerEvent::Continue));
    EXPECT_FALSE(timeline.IsSet(PlayerEvent::Pause));
}

TEST(PauseCheckTest, WaitsForGoOrStep) {
    FakeTimeline timeline;
    RequestPause(timeline);
    timeline.At(Ms(250), [&] { RequestStep(timeline); });
    EXPECT_EQ(PauseCheck(timeline), PauseResult::Continued);
    EXPECT_EQ(timeline.Now(), Ms(250));
    EXPECT_TRUE(timeline.StepMode());
    EXPECT_FALSE(timeline.IsSet(PlayerEvent::Continue));
    EXPECT_FALSE(timeline.IsSet(PlayerEvent::Pause));
}

TEST(PauseCheckTest, StopEndsThePause) {
    FakeTimeline timeline;
    RequestPause(timeline);
    timeline.SetAt(Ms(90), PlayerEvent::Stop);
    EXPECT_EQ(PauseCheck(timeline), PauseResult::Stopped);
    EXPECT_EQ(timeline.Now(), Ms(90));
    EXPECT_FALSE(timeline.IsSet(PlayerEvent::Pause));
    EXPECT_TRUE(timeline.IsSet(PlayerEvent::Stop));
}

}  // namespace
}  // namespace vl
