#include "engine/core/player.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/engine_core/fake_player.h"

namespace vl {
namespace {

using testing::FakeTimeline;
using testing::Ms;

// A scripted entry list: each entry may be disabled, may report a visible step, takes some time
// and may act while it runs (press a button, move the loop index).
struct FakeEntry {
    bool visible = true;
    bool disabled = false;
    Micros duration = 0;
    std::function<void(int&)> action;
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

TEST(PlaySceneTest, EmptySceneFinishesAtOnce) {
    FakeTimeline timeline;
    FakeEntries entries(timeline, {});
    EXPECT_EQ(PlayScene(entries, timeline), PlayOutcome::Finished);
    EXPECT_TRUE(timeline.waits.empty());
    EXPECT_EQ(timeline.Now(), 0);
}

TEST(PlaySceneTest, RunsEveryEnabledEntryInOrder) {
    FakeTimeline timeline;
    FakeEntries entries(timeline, {Visible(), Disabled(), Silent(), Visible()});
    EXPECT_EQ(PlayScene(entries, timeline), PlayOutcome::Finished);
    EXPECT_EQ(entries.executed, (std::vector<int>{0, 2, 3}));
    EXPECT_TRUE(timeline.pauseRequests.empty());
}

TEST(PlaySceneTest, StepModePausesAfterVisibleStepsButNotAfterTheLastEntry) {
    FakeTimeline timeline;
    timeline.SetStepMode(true);
    timeline.At(Ms(1000), [&] { RequestStep(timeline); });
    timeline.At(Ms(2000), [&] { RequestStep(timeline); });
    FakeEntries entries(timeline, {Visible(), Visible(), Visible()});
    EXPECT_EQ(PlayScene(entries, timeline), PlayOutcome::Finished);
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
    EXPECT_EQ(PlayScene(entries, timeline), PlayOutcome::Finished);
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
    EXPECT_EQ(PlayScene(entries, timeline), PlayOutcome::Finished);
    EXPECT_EQ(entries.startTimes, (std::vector<Micros>{0, Ms(700)}));
}

TEST(PlaySceneTest, StepGivenWhileAnEntryRunsLetsTheNextPausePassOnce) {
    FakeTimeline timeline;
    timeline.SetStepMode(true);
    timeline.At(Ms(50), [&] { RequestStep(timeline); });    // while entry 0 runs
    timeline.At(Ms(1000), [&] { RequestStep(timeline); });  // while paused after entry 1
    FakeEntries entries(timeline, {Visible(Ms(100)), Visible(), Visible()});
    EXPECT_EQ(PlayScene(entries, timeline), PlayOutcome::Finished);
    EXPECT_EQ(entries.startTimes, (std::vector<Micros>{0, Ms(100), Ms(1000)}));
    EXPECT_EQ(timeline.pauseRequests.size(), 2u);
}

TEST(PlaySceneTest, GoGivenWhileAnEntryRunsLeavesStepMode) {
    FakeTimeline timeline;
    timeline.SetStepMode(true);
    timeline.At(Ms(50), [&] { RequestGo(timeline); });
    FakeEntries entries(timeline, {Visible(Ms(100)), Visible(Ms(100)), Visible(Ms(100))});
    EXPECT_EQ(PlayScene(entries, timeline), PlayOutcome::Finished);
    EXPECT_EQ(entries.startTimes, (std::vector<Micros>{0, Ms(100), Ms(200)}));
    EXPECT_TRUE(timeline.pauseRequests.empty());
    EXPECT_FALSE(timeline.StepMode());
}

TEST(PlaySceneTest, StopWhilePausedEndsAtOnce) {
    FakeTimeline timeline;
    timeline.SetStepMode(true);
    timeline.SetAt(Ms(5000), PlayerEvent::Stop);
    FakeEntries entries(timeline, {Visible(), Visible()});
    EXPECT_EQ(PlayScene(entries, timeline), PlayOutcome::Stopped);
    EXPECT_EQ(entries.executed, (std::vector<int>{0}));
    EXPECT_EQ(timeline.Now(), Ms(5000));
}

TEST(PlaySceneTest, StopDuringAnEntryRunsNoFurtherEntry) {
    FakeTimeline timeline;
    timeline.SetAt(Ms(30), PlayerEvent::Stop);
    FakeEntries entries(timeline, {Silent(), Visible(Ms(50)), Visible(), Visible()});
    EXPECT_EQ(PlayScene(entries, timeline), PlayOutcome::Stopped);
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
    EXPECT_EQ(PlayScene(entries, timeline), PlayOutcome::Finished);
    EXPECT_EQ(entries.executed, (std::vector<int>{0, 1, 2, 1, 2, 1, 2, 3}));
}

TEST(PlaySceneTest, IndexMovedAboveTheTopEndsTheScene) {
    FakeTimeline timeline;
    FakeEntry broken = Silent();
    broken.action = [](int& index) { index = -7; };
    FakeEntries entries(timeline, {Visible(), broken, Visible()});
    EXPECT_EQ(PlayScene(entries, timeline), PlayOutcome::Finished);
    EXPECT_EQ(entries.executed, (std::vector<int>{0, 1}));
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
