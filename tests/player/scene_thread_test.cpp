// The scene thread under Wine: loops, step mode, pauses, Stop, the finished notification and the
// repaint of a Cls, with a drawing that counts what it is handed.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "engine/player/scene_thread.h"
#include "tests/player/player_support.h"

namespace vl::testing {
namespace {

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kGreen = 0x00FF00;

// The colour the view shows in its middle.
std::uint32_t PixelOf(CClientTestWnd& view) {
    WindowDc dc(view.Handle());
    return GetPixel(dc.Get(), 160, 120) & 0xFFFFFF;
}

ClsEntry& AddCls(EntryList& list, std::uint32_t colour, std::int32_t mixing = kNoMixing) {
    ClsEntry& cls = Add<ClsEntry>(list);
    cls.colour.colour = colour;
    cls.colour.mixing = mixing;
    return cls;
}

// A green line 3 pixels wide across the view at y.
void AddGreenLine(EntryList& list, std::int32_t y) {
    LineEntry& line = Add<LineEntry>(list);
    line.motion.startX = 10;
    line.motion.startY = y;
    line.motion.endX = 300;
    line.motion.endY = y;
    line.colour.colour = kGreen;
    line.penWidth = 3;
}

UntilEntry& AddUntil(EntryList& list, std::uint32_t count, bool infinite = false) {
    UntilEntry& until = Add<UntilEntry>(list);
    until.repeat.count = count;
    until.repeat.infinite = infinite ? 1 : 0;
    return until;
}

// Waits (serving messages) until the player has asked for a pause and sits in it.
bool WaitForPause(CSceneThread& thread) {
    return PumpUntil([&] { return thread.Signals().IsSet(PlayerEvent::Pause); }, 10000);
}

DWORD MillisecondsOf(const std::function<void()>& action) {
    const DWORD start = GetTickCount();
    action();
    return GetTickCount() - start;
}

TEST(SceneThread, RepeatShowUntilCountThreeRunsTheBlockThreeTimes) {
    PreviewWindows windows;
    EntryList list;
    Add<RepeatEntry>(list);
    Add<ShowEntry>(list);
    AddUntil(list, 3);
    PairLoops(list);
    CountingDrawing drawing;

    const RunResult result = PlayToEnd(windows, list, drawing);
    EXPECT_TRUE(result.finished);
    EXPECT_TRUE(result.ended);
    EXPECT_EQ(drawing.shows, 3);
    EXPECT_EQ(EntryAs<UntilEntry>(&list.At(2))->repeat.passCounter, 0u);
}

TEST(SceneThread, EachDrawingKindReachesTheDrawingAndDisabledOnesDoNot) {
    PreviewWindows windows;
    EntryList list;
    Add<ShowEntry>(list);
    Add<MoveEntry>(list);
    Add<HideEntry>(list);
    Add<LineEntry>(list);
    Add<LineEntry>(list).SetDisabled(1);
    CountingDrawing drawing;

    EXPECT_TRUE(PlayToEnd(windows, list, drawing).finished);
    EXPECT_EQ(drawing.shows, 1);
    EXPECT_EQ(drawing.moves, 1);
    EXPECT_EQ(drawing.hides, 1);
    EXPECT_EQ(drawing.lines, 1);
}

TEST(SceneThread, WithoutADrawingOfItsOwnTheEngineDraws) {
    PreviewWindows windows;
    EntryList list;
    AddCls(list, kRed);
    AddGreenLine(list, 100);
    std::uint32_t times = 0;
    CSceneThread thread(windows.view, &times, ScenePlay{list, {}, nullptr});
    ASSERT_TRUE(thread.Start(0));
    ASSERT_TRUE(PumpUntil([&] { return windows.finished == 1; }));

    WindowDc dc(windows.view.Handle());
    EXPECT_EQ(GetPixel(dc.Get(), 150, 100) & 0xFFFFFF, kGreen);
    EXPECT_EQ(GetPixel(dc.Get(), 150, 50) & 0xFFFFFF, kRed);
}

TEST(SceneThread, AClsAfterADrawingRepaintsEvenWithTheSameColour) {
    PreviewWindows windows;
    EntryList list;
    AddCls(list, kRed);
    AddGreenLine(list, 120);
    AddCls(list, kRed);
    AddCls(list, kRed);
    std::uint32_t times = 0;
    CSceneThread thread(windows.view, &times, ScenePlay{list, {}, nullptr});
    ASSERT_TRUE(thread.Start(0));
    ASSERT_TRUE(PumpUntil([&] { return windows.finished == 1; }));

    EXPECT_EQ(PixelOf(windows.view), kRed);
}

TEST(SceneThread, EmptySceneTurnsTheWindowBlackAndNotifiesTheParent) {
    PreviewWindows windows;
    windows.view.Redraw(kGreen, 0);
    ASSERT_EQ(PixelOf(windows.view), kGreen);
    EntryList list;
    CountingDrawing drawing;

    const RunResult result = PlayToEnd(windows, list, drawing);
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(windows.finished, 1);
    EXPECT_EQ(windows.view.BackgroundColour(), 0u);
    EXPECT_EQ(windows.view.RasterOperation(), static_cast<std::uint32_t>(SRCCOPY));
    EXPECT_EQ(PixelOf(windows.view), 0u);
}

TEST(SceneThread, ClsRepaintsTheWholeWindowAndKeepsItsMixingCode) {
    PreviewWindows windows;
    EntryList list;
    AddCls(list, kRed, kMixAnd);
    CountingDrawing drawing;

    EXPECT_TRUE(PlayToEnd(windows, list, drawing).finished);
    EXPECT_EQ(windows.view.BackgroundColour(), kRed);
    EXPECT_EQ(windows.view.RasterOperation(), static_cast<std::uint32_t>(kMixAnd));
    EXPECT_EQ(PixelOf(windows.view), kRed);
    // A later repaint by the system keeps the colour.
    InvalidateRect(windows.view.Handle(), nullptr, TRUE);
    UpdateWindow(windows.view.Handle());
    EXPECT_EQ(PixelOf(windows.view), kRed);
}

TEST(SceneThread, StepModePausesAfterEachVisibleStepAndContinues) {
    PreviewWindows windows;
    EntryList list;
    Add<ShowEntry>(list);
    Add<CommentEntry>(list);
    Add<ShowEntry>(list);
    Add<ShowEntry>(list);
    CountingDrawing drawing;
    std::uint32_t times = 0;
    CSceneThread thread(windows.view, &times, ScenePlay{list, {}, &drawing});
    ASSERT_TRUE(thread.Start(1));

    ASSERT_TRUE(WaitForPause(thread));
    EXPECT_TRUE(HoldsFor([&] { return drawing.shows == 1; })) << "held in the pause";

    // Step: one more visible step, then the next pause.
    thread.Continue();
    ASSERT_TRUE(PumpUntil([&] { return drawing.shows == 2; }));
    ASSERT_TRUE(WaitForPause(thread));
    EXPECT_TRUE(HoldsFor([&] { return drawing.shows == 2; }));

    // Go: step mode off, and the scene runs to its end.
    thread.SetStepMode(0);
    thread.Continue();
    EXPECT_TRUE(PumpUntil([&] { return windows.finished == 1; }));
    EXPECT_EQ(drawing.shows, 3);
    EXPECT_TRUE(thread.HasEnded());
}

TEST(SceneThread, GoGivenWhileAnEntryRunsLetsTheNextPausePass) {
    PreviewWindows windows;
    EntryList list;
    Add<ShowEntry>(list);
    Add<ShowEntry>(list);
    Add<ShowEntry>(list);
    CountingDrawing drawing;
    std::uint32_t times = 0;
    CSceneThread thread(windows.view, &times, ScenePlay{list, {}, &drawing});
    // The user presses Step while the first Show is still drawing.
    drawing.onShow = [&](int number) {
        if (number == 1)
            thread.Continue();
    };
    ASSERT_TRUE(thread.Start(1));

    ASSERT_TRUE(PumpUntil([&] { return drawing.shows == 2; }));
    ASSERT_TRUE(WaitForPause(thread));
    EXPECT_TRUE(HoldsFor([&] { return drawing.shows == 2; }));
    thread.Stop();
}

TEST(SceneThread, StopDuringAWaitEndsTheThreadWithinASlice) {
    PreviewWindows windows;
    EntryList list;
    Add<WaitEntry>(list).duration.milliseconds = 30000;
    Add<ShowEntry>(list);
    CountingDrawing drawing;
    std::uint32_t times = 0;
    CSceneThread thread(windows.view, &times, ScenePlay{list, {100, 100}, &drawing});
    ASSERT_TRUE(thread.Start(0));
    ASSERT_TRUE(HoldsFor([&] { return !thread.HasEnded(); })) << "held in the Wait";

    const DWORD took = MillisecondsOf([&] { thread.Stop(); });
    EXPECT_LT(took, 1000u);  // far below the 30 s of the Wait
    EXPECT_TRUE(thread.HasEnded());
    EXPECT_EQ(drawing.shows, 0);
    // Stopped threads notify as well.
    EXPECT_TRUE(PumpUntil([&] { return windows.finished == 1; }));
}

TEST(SceneThread, RandomWaitWithoutAFarEnoughValueStillEnds) {
    PreviewWindows windows;
    EntryList list;
    WaitEntry& wait = Add<WaitEntry>(list);
    wait.duration.random = 1;
    // No value of 0 .. 99 lies 150 ms away from another: the draw must give up, not hang.
    wait.duration.randomRange = 100;
    wait.duration.milliseconds = 50;
    Add<ShowEntry>(list);
    CountingDrawing drawing;

    EXPECT_TRUE(PlayToEnd(windows, list, drawing, {10, 100}, 5000).finished);
    EXPECT_EQ(drawing.shows, 1);
    EXPECT_GE(wait.duration.milliseconds, 0);
    EXPECT_LT(wait.duration.milliseconds, 100);
}

TEST(SceneThread, StopOnAPausedThreadEndsItAtOnce) {
    PreviewWindows windows;
    EntryList list;
    Add<ShowEntry>(list);
    Add<ShowEntry>(list);
    CountingDrawing drawing;
    std::uint32_t times = 0;
    CSceneThread thread(windows.view, &times, ScenePlay{list, {}, &drawing});
    ASSERT_TRUE(thread.Start(1));
    ASSERT_TRUE(WaitForPause(thread));

    const DWORD took = MillisecondsOf([&] { thread.Stop(); });
    EXPECT_LT(took, 1000u);
    EXPECT_TRUE(thread.HasEnded());
    EXPECT_EQ(drawing.shows, 1);
}

TEST(SceneThread, ClsWhileStopWaitsCannotDeadlock) {
    PreviewWindows windows;
    EntryList list;
    Add<RepeatEntry>(list);
    Add<ClsEntry>(list).colour.random = 1;
    AddUntil(list, 0, true);
    PairLoops(list);
    CountingDrawing drawing;
    std::uint32_t times = 0;
    CSceneThread thread(windows.view, &times, ScenePlay{list, {}, &drawing});
    ASSERT_TRUE(thread.Start(0));
    // The player is repainting through this thread over and over; Stop must serve those
    // repaints while it waits, or both threads wait for each other for ever.
    for (int i = 0; i < 20; ++i) {
        const std::uint32_t before = windows.view.BackgroundColour();
        if (PumpUntil([&] { return windows.view.BackgroundColour() != before; }, 500))
            break;
    }
    const DWORD took = MillisecondsOf([&] { thread.Stop(); });
    EXPECT_LT(took, 2000u);
    EXPECT_TRUE(thread.HasEnded());
}

double Milliseconds(const FILETIME& kernel, const FILETIME& user) {
    auto ticks = [](const FILETIME& time) {
        return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

// Kernel and user time so far, in milliseconds (Wine counts them in 10 ms ticks).
double ProcessMilliseconds() {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
        return -1.0;
    return Milliseconds(kernel, user);
}
double ThreadMilliseconds(HANDLE thread) {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(thread, &created, &exited, &kernel, &user))
        return -1.0;
    return Milliseconds(kernel, user);
}

TEST(SceneThread, EndlessLoopOfEntriesThatTakeNoTimeLeavesTheProcessorFree) {
    PreviewWindows windows;
    EntryList list;
    Add<RepeatEntry>(list);
    Add<CommentEntry>(list);
    AddCls(list, kRed);
    AddUntil(list, 0, true);
    PairLoops(list);
    CountingDrawing drawing;
    std::uint32_t times = 0;
    CSceneThread thread(windows.view, &times, ScenePlay{list, {}, &drawing});
    ASSERT_TRUE(thread.Start(0));
    ASSERT_TRUE(PumpUntil([&] { return windows.view.BackgroundColour() == kRed; }));

    const double playerBefore = ThreadMilliseconds(thread.NativeHandle());
    const double processBefore = ProcessMilliseconds();
    const DWORD start = GetTickCount();
    EXPECT_FALSE(test::PumpUntilSignalled(thread.NativeHandle(), 2000)) << "the loop is endless";
    const double player = ThreadMilliseconds(thread.NativeHandle()) - playerBefore;
    const double process = ProcessMilliseconds() - processBefore;
    const double elapsed = GetTickCount() - start;
    std::printf(
        "processor time in %.0f ms: player %.0f ms (%.1f %% of a core), process %.0f ms "
        "(%.1f %%)\n",
        elapsed, player, 100.0 * player / elapsed, process, 100.0 * process / elapsed);
    // The whole process, the window's thread too: a Cls that would repaint the same colour over
    // nothing else is skipped.
    EXPECT_LT(player / elapsed, 0.05);
    EXPECT_LT(process / elapsed, 0.05);

    const DWORD took = MillisecondsOf([&] { thread.Stop(); });
    EXPECT_LT(took, 1000u);
    EXPECT_TRUE(thread.HasEnded());
    EXPECT_TRUE(PumpUntil([&] { return windows.finished == 1; }));
}

TEST(SceneThread, CoarseWaitEndsAtOnceOnStopAndNeverBeforeItsDeadline) {
    Win32Clock clock;
    Win32PlayerSignals signals(clock);
    ASSERT_TRUE(signals.Valid());
    const Micros deadline = clock.Now() + 20000;
    EXPECT_EQ(signals.WaitAnyCoarse(kStopOnly, deadline), PlayerEvent::None);
    EXPECT_GE(clock.Now(), deadline);
    signals.Set(PlayerEvent::Pause);
    const Micros start = clock.Now();
    EXPECT_EQ(signals.WaitAnyCoarse(kStopOnly | EventBit(PlayerEvent::Pause), start + 10000000),
              PlayerEvent::Pause);
    signals.Set(PlayerEvent::Stop);
    EXPECT_EQ(signals.WaitAnyCoarse(kStopOnly | EventBit(PlayerEvent::Pause), start + 10000000),
              PlayerEvent::Stop);
    EXPECT_LT(clock.Now() - start, 1000000);  // far from the 10 s it would wait
}

TEST(SceneThread, EndedThreadCanBeStoppedAndDestroyedSafely) {
    PreviewWindows windows;
    EntryList list;
    Add<ShowEntry>(list);
    CountingDrawing drawing;
    std::uint32_t times = 0;
    auto thread =
        std::make_unique<CSceneThread>(windows.view, &times, ScenePlay{list, {}, &drawing});
    EXPECT_FALSE(thread->HasEnded());
    ASSERT_TRUE(thread->Start(0));
    EXPECT_FALSE(thread->Start(0));  // a thread starts once
    ASSERT_TRUE(PumpUntil([&] { return windows.finished == 1; }));
    // The object outlives its thread: a Stop in the interval before the owner forgets it is
    // harmless, and so is a second one.
    EXPECT_TRUE(thread->HasEnded());
    thread->Stop();
    thread->Stop();
    thread.reset();
    EXPECT_EQ(drawing.shows, 1);
}

TEST(SceneThread, ThreadNeverStartedStopsAtOnce) {
    PreviewWindows windows;
    EntryList list;
    std::uint32_t times = 0;
    CSceneThread thread(windows.view, &times, ScenePlay{list, {}, nullptr});
    thread.Stop();
    EXPECT_FALSE(thread.HasEnded());
    EXPECT_EQ(windows.finished, 0);
}

TEST(SceneThread, CalibratedWaitEndsAtOnceWhenStopIsSet) {
    PreviewWindows windows;
    EntryList list;
    std::uint32_t times = 0;
    CSceneThread thread(windows.view, &times, ScenePlay{list, {}, nullptr});
    thread.Signals().Set(PlayerEvent::Stop);
    // Speed 0 would wait one second.
    EXPECT_EQ(thread.CalibratedWait(0.0, 100000.0), WaitOutcome::Stopped);
    EXPECT_EQ(thread.CalibratedWait(100000.0, 100000.0), WaitOutcome::Stopped);
}

}  // namespace
}  // namespace vl::testing
