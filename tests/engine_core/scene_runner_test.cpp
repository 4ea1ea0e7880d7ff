#include "engine/core/scene_runner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine_core/fake_player.h"

namespace vl {
namespace {

using testing::FakePlayer;
using testing::FakeTimeline;
using testing::Ms;

class FakePlatform : public IEntryPlatform {
  public:
    explicit FakePlatform(FakeTimeline& timeline) : timeline_(timeline) {}
    void Show(ShowEntry&) override { Record("Show"); }
    void Move(MoveEntry&) override { Record("Move"); }
    void Hide(HideEntry&) override { Record("Hide"); }
    void Cls(ClsEntry&) override { Record("Cls"); }
    void Line(LineEntry&) override { Record("Line"); }
    void Play(PlayEntry&) override { Record("Play"); }
    void StopMedia(StopEntry&) override { Record("Stop"); }

    std::vector<std::string> calls;
    std::vector<Micros> times;
    Micros cost = 0;

  private:
    void Record(const char* name) {
        calls.emplace_back(name);
        times.push_back(timeline_.Now());
        timeline_.Spend(cost);
    }
    FakeTimeline& timeline_;
};

template <class T>
T& Add(EntryList& list) {
    list.Append(std::make_unique<T>());
    return static_cast<T&>(list.At(list.Count() - 1));
}

// An Until as the scene check leaves it: paired with the Repeat just above `repeatIndex + 1`.
UntilEntry& AddUntil(EntryList& list, int repeatIndex, std::uint32_t count, bool infinite = false) {
    UntilEntry& until = Add<UntilEntry>(list);
    until.jumpTarget = repeatIndex + 1;
    until.repeat.count = count;
    until.repeat.infinite = infinite ? 1 : 0;
    return until;
}

struct Player {
    FakePlayer fake;
    FakePlatform platform{fake.timeline};
    EntryList list;
    SceneRunner runner{list, fake.context, platform};

    PlayOutcome Play() { return PlayScene(runner, fake.timeline, fake.timeline); }
    int Shows() const {
        int n = 0;
        for (const auto& c : platform.calls)
            n += c == "Show";
        return n;
    }
};

class RepeatCountTest : public ::testing::TestWithParam<std::pair<std::uint32_t, int>> {};

TEST_P(RepeatCountTest, BlockRunsCountTimesAtLeastOnce) {
    Player p;
    Add<RepeatEntry>(p.list);
    Add<ShowEntry>(p.list);
    UntilEntry& until = AddUntil(p.list, 0, GetParam().first);
    EXPECT_EQ(p.Play(), PlayOutcome::Finished);
    EXPECT_EQ(p.Shows(), GetParam().second);
    EXPECT_EQ(until.repeat.passCounter, 0u);
}

INSTANTIATE_TEST_SUITE_P(Counts, RepeatCountTest,
                         ::testing::Values(std::make_pair(0u, 1), std::make_pair(1u, 1),
                                           std::make_pair(3u, 3)));

TEST(SceneRunnerTest, NestedLoopsMultiply) {
    Player p;
    Add<RepeatEntry>(p.list);
    Add<RepeatEntry>(p.list);
    Add<ShowEntry>(p.list);
    AddUntil(p.list, 1, 2);
    AddUntil(p.list, 0, 2);
    EXPECT_EQ(p.Play(), PlayOutcome::Finished);
    EXPECT_EQ(p.Shows(), 4);
}

TEST(SceneRunnerTest, InfiniteLoopRunsUntilStop) {
    Player p;
    p.platform.cost = Ms(10);
    Add<RepeatEntry>(p.list);
    Add<MoveEntry>(p.list);
    AddUntil(p.list, 0, 1, true);
    Add<HideEntry>(p.list);
    p.fake.timeline.SetAt(Ms(95), PlayerEvent::Stop);
    EXPECT_EQ(p.Play(), PlayOutcome::Stopped);
    EXPECT_EQ(p.platform.calls, std::vector<std::string>(10, "Move"));
    // The Move takes time, so the passes follow each other at once.
    EXPECT_EQ(p.platform.times[9], Ms(90));
}

TEST(SceneRunnerTest, InfiniteLoopOfEntriesThatTakeNoTimeGivesTheProcessorUp) {
    Player p;
    Add<RepeatEntry>(p.list);
    Add<CommentEntry>(p.list);
    Add<ClsEntry>(p.list);
    Add<WaitEntry>(p.list).SetDisabled(1);
    AddUntil(p.list, 0, 1, true);
    p.fake.timeline.SetAt(Ms(40), PlayerEvent::Stop);
    EXPECT_EQ(p.Play(), PlayOutcome::Stopped);
    EXPECT_EQ(p.platform.times, (std::vector<Micros>{0, 16667, 33334}));
    EXPECT_EQ(p.fake.timeline.Now(), Ms(40));
}

TEST(SceneRunnerTest, EntriesThatWaitMoveOrPlayTakeTime) {
    Player p;
    Add<ImageEntry>(p.list).isText = 1;           // 0
    Add<ImageEntry>(p.list);                      // 1: a picture
    ShowEntry& letters = Add<ShowEntry>(p.list);  // 2
    letters.SetObject(&p.list.At(0));
    letters.params.motion.letterByLetter = 1;
    ShowEntry& picture = Add<ShowEntry>(p.list);  // 3: no letters to wait for
    picture.SetObject(&p.list.At(1));
    picture.params.motion.letterByLetter = 1;
    Add<ShowEntry>(p.list).SetObject(&p.list.At(0));  // 4: the whole text at once
    Add<MoveEntry>(p.list);                           // 5
    Add<WaitEntry>(p.list);                           // 6
    Add<PlayEntry>(p.list);                           // 7
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(p.runner.TakesTime(i), i == 2 || i >= 5) << i;
    Add<HideEntry>(p.list);
    Add<ClsEntry>(p.list);
    Add<LineEntry>(p.list);
    Add<StopEntry>(p.list);
    Add<CommentEntry>(p.list);
    Add<RepeatEntry>(p.list);
    Add<MultimediaEntry>(p.list);
    AddUntil(p.list, 0, 5, true);
    for (int i = 8; i < p.runner.EntryCount(); ++i)
        EXPECT_FALSE(p.runner.TakesTime(i)) << i;
}

TEST(SceneRunnerTest, OnlyAnInfiniteUntilEndsAnEndlessLoop) {
    Player p;
    Add<RepeatEntry>(p.list);
    AddUntil(p.list, 0, 5, true);
    AddUntil(p.list, 0, 5, false);
    Add<CommentEntry>(p.list);
    EXPECT_FALSE(p.runner.EndsEndlessLoop(0));
    EXPECT_TRUE(p.runner.EndsEndlessLoop(1));
    EXPECT_FALSE(p.runner.EndsEndlessLoop(2));
    EXPECT_FALSE(p.runner.EndsEndlessLoop(3));
}

TEST(SceneRunnerTest, StoppedLoopKeepsItsPassCounter) {
    Player p;
    p.platform.cost = Ms(10);
    Add<RepeatEntry>(p.list);
    Add<ShowEntry>(p.list);
    UntilEntry& until = AddUntil(p.list, 0, 5);
    p.fake.timeline.SetAt(Ms(25), PlayerEvent::Stop);
    EXPECT_EQ(p.Play(), PlayOutcome::Stopped);
    EXPECT_EQ(p.Shows(), 3);
    EXPECT_EQ(until.repeat.passCounter, 2u);
}

TEST(SceneRunnerTest, UncheckedUntilFallsThroughWhateverItsCount) {
    for (bool infinite : {false, true}) {
        Player p;
        Add<RepeatEntry>(p.list);
        Add<ShowEntry>(p.list);
        UntilEntry& until = Add<UntilEntry>(p.list);  // jump target still -1
        until.repeat.count = 3;
        until.repeat.infinite = infinite ? 1 : 0;
        Add<HideEntry>(p.list);
        EXPECT_EQ(p.Play(), PlayOutcome::Finished) << infinite;
        EXPECT_EQ(p.platform.calls, (std::vector<std::string>{"Show", "Hide"})) << infinite;
        EXPECT_EQ(until.repeat.passCounter, 0u) << infinite;
    }
}

TEST(SceneRunnerTest, EachKindRunsItsOwnOperation) {
    Player p;
    Add<ImageEntry>(p.list);
    Add<ShowEntry>(p.list);
    Add<MoveEntry>(p.list);
    Add<HideEntry>(p.list);
    Add<ClsEntry>(p.list);
    Add<LineEntry>(p.list);
    Add<MultimediaEntry>(p.list);
    Add<PlayEntry>(p.list);
    Add<StopEntry>(p.list);
    Add<CommentEntry>(p.list);
    Add<RepeatEntry>(p.list);
    Add<WaitEntry>(p.list);
    std::vector<int> visible;
    for (int i = 0; i < p.runner.EntryCount(); ++i) {
        int index = i;
        if (p.runner.Execute(index))
            visible.push_back(i);
        EXPECT_EQ(index, i);
    }
    EXPECT_EQ(p.platform.calls,
              (std::vector<std::string>{"Show", "Move", "Hide", "Cls", "Line", "Play", "Stop"}));
    EXPECT_EQ(visible, (std::vector<int>{1, 2, 3, 4, 5, 7, 8, 11}));
}

TEST(SceneRunnerTest, DisabledEntriesAreSkipped) {
    Player p;
    Add<ShowEntry>(p.list).SetDisabled(1);
    Add<HideEntry>(p.list);
    Add<WaitEntry>(p.list).SetDisabled(1);
    EXPECT_TRUE(p.runner.IsDisabled(0));
    EXPECT_FALSE(p.runner.IsDisabled(1));
    EXPECT_EQ(p.Play(), PlayOutcome::Finished);
    EXPECT_EQ(p.platform.calls, (std::vector<std::string>{"Hide"}));
}

TEST(SceneRunnerTest, WaitWaitsItsDurationInSlices) {
    Player p;
    Add<WaitEntry>(p.list).duration.milliseconds = 250;
    Add<ShowEntry>(p.list);
    EXPECT_EQ(p.Play(), PlayOutcome::Finished);
    EXPECT_EQ(p.platform.times, (std::vector<Micros>{Ms(250)}));
    EXPECT_EQ(p.fake.timeline.waits.size(), 3u);
}

TEST(SceneRunnerTest, WaitCountsAsAStepInStepMode) {
    Player p;
    p.fake.timeline.SetStepMode(true);
    Add<WaitEntry>(p.list).duration.milliseconds = 100;
    Add<ShowEntry>(p.list);
    p.fake.timeline.At(Ms(900), [&] { RequestStep(p.fake.timeline); });
    EXPECT_EQ(p.Play(), PlayOutcome::Finished);
    EXPECT_EQ(p.fake.timeline.pauseRequests, (std::vector<Micros>{Ms(100)}));
    EXPECT_EQ(p.platform.times, (std::vector<Micros>{Ms(900)}));
}

TEST(SceneRunnerTest, RandomWaitDrawsANewDurationEachTime) {
    Player p;
    WaitEntry& wait = Add<WaitEntry>(p.list);
    wait.duration.random = 1;
    wait.duration.milliseconds = 1000;
    int previous = 1000;
    Micros before = 0;
    for (int run = 0; run < 20; ++run) {
        p.fake.timeline.timeSeed = 1700000000u + run;
        int index = 0;
        EXPECT_TRUE(p.runner.Execute(index));
        const int drawn = wait.duration.milliseconds;
        EXPECT_GE(drawn, 0);
        EXPECT_LE(drawn, 3000);
        EXPECT_GE(std::abs(drawn - previous), 150);
        EXPECT_EQ(p.fake.timeline.Now() - before, Ms(drawn));
        previous = drawn;
        before = p.fake.timeline.Now();
    }
}

}  // namespace
}  // namespace vl
