// Measures the player thread's timing: how long the steps of a Move really last at three speeds,
// and how much processor time the player uses in a slow Move, in a pause and in a loop of entries
// that take no time. Prints its figures.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "engine/core/motion.h"
#include "engine/core/waits.h"
#include "engine/player/client_test_wnd.h"
#include "engine/player/scene_thread.h"

namespace vl {
namespace {

constexpr char kHostClass[] = "VlPlayerBenchHost";

class Host : public Window {
  public:
    Host() {
        WindowClass windowClass = {};
        windowClass.name = kHostClass;
        Window::Register(windowClass);
        Create(kHostClass, 0, "bench", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240, nullptr);
        RECT area = {0, 0, 320, 240};
        view.Create(Handle(), area, 1);
    }
    CClientTestWnd view;
    bool finished = false;

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == kFinishedNotification) {
            finished = true;
            return 0;
        }
        return DefaultProc(msg, wParam, lParam);
    }
};

void PumpUntil(const std::function<bool()>& done) {
    while (!done()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
}

double Seconds(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;
}

// Kernel and user time of a thread, in seconds.
double ProcessorSeconds(HANDLE thread) {
    FILETIME created, exited, kernel, user;
    if (!GetThreadTimes(thread, &created, &exited, &kernel, &user))
        return -1.0;
    return Seconds(kernel) + Seconds(user);
}

class Timestamps : public IMoveStepper {
  public:
    explicit Timestamps(const IClock& clock) : clock_(clock) {}
    void DrawStep(const MotionParam&) override { times.push_back(clock_.Now()); }
    std::vector<Micros> times;

  private:
    const IClock& clock_;
};

// Runs every Move as a straight line of `steps` steps at its own speed.
class SteppingDrawing : public IEntryDrawing {
  public:
    explicit SteppingDrawing(int steps) : steps_(steps) {}
    void Show(ShowEntry&, DrawTarget&, PlayerContext&) override {}
    void Hide(HideEntry&, DrawTarget&) override {}
    void Line(LineEntry&, DrawTarget&) override {}
    void Move(MoveEntry& entry, DrawTarget&, PlayerContext& context) override {
        MotionParam placement = entry.params.motion;
        placement.startX = 0;
        placement.endX = steps_;
        placement.startY = placement.endY = 0;
        placement.stepX = 1;
        placement.stepAxis = 1;
        placement.stepMode = 0;
        ResolveMotion(placement, Size{1, 1}, Size{100000, 100000});
        Timestamps stamps(context.clock);
        RunMove(context, placement, stamps);
        times = stamps.times;
    }
    std::vector<Micros> times;

  private:
    int steps_;
};

struct MoveRun {
    std::vector<Micros> times;
    double processorSeconds = 0;
    double wallSeconds = 0;
};

MoveRun PlayMove(int speed, int steps) {
    Host host;
    EntryList list;
    auto move = std::make_unique<MoveEntry>();
    move->params.motion.speed = speed;
    list.Append(std::move(move));
    SteppingDrawing drawing(steps);
    std::uint32_t times = 0;
    CSceneThread thread(host.view, &times, ScenePlay{list, {}, &drawing});
    Win32Clock clock;
    const Micros start = clock.Now();
    thread.Start(0);
    PumpUntil([&] { return host.finished; });
    MoveRun run;
    run.wallSeconds = static_cast<double>(clock.Now() - start) / 1e6;
    run.processorSeconds = ProcessorSeconds(thread.NativeHandle());
    run.times = drawing.times;
    return run;
}

void StepAccuracy(int speed, int steps) {
    const MoveRun run = PlayMove(speed, steps);
    const double nominal = static_cast<double>(MoveStepDuration(speed));
    std::vector<double> errors;
    // The last position is drawn once more at once, without a wait.
    for (std::size_t i = 1; i + 1 < run.times.size(); ++i)
        errors.push_back(std::abs(static_cast<double>(run.times[i] - run.times[i - 1]) - nominal) /
                         1000.0);
    std::sort(errors.begin(), errors.end());
    if (errors.empty())
        return;
    std::printf(
        "Move speed %6d (step %7.3f ms): %4zu steps, median error %.3f ms, "
        "95th percentile %.3f ms, worst %.3f ms\n",
        speed, nominal / 1000.0, errors.size(), errors[errors.size() / 2],
        errors[errors.size() * 95 / 100], errors.back());
}

// Wine reads a thread's times from the system in 10 ms ticks.
void SlowMoveLoad(int speed, int steps) {
    const MoveRun run = PlayMove(speed, steps);
    // Wine reads a thread's times from the system in 10 ms ticks.
    std::printf("Slow Move at speed %d: %.2f s, player processor time %.3f s = %.2f %% of a core\n",
                speed, run.wallSeconds, run.processorSeconds,
                100.0 * run.processorSeconds / run.wallSeconds);
}

void PauseLoad(DWORD pauseMs) {
    Host host;
    EntryList list;
    list.Append(std::make_unique<ShowEntry>());
    list.Append(std::make_unique<ShowEntry>());
    SteppingDrawing drawing(0);
    std::uint32_t times = 0;
    CSceneThread thread(host.view, &times, ScenePlay{list, {}, &drawing});
    thread.Start(1);
    PumpUntil([&] { return thread.Signals().IsSet(PlayerEvent::Pause); });
    Sleep(50);
    const double before = ProcessorSeconds(thread.NativeHandle());
    Sleep(pauseMs);
    const double after = ProcessorSeconds(thread.NativeHandle());
    thread.SetStepMode(0);
    thread.Continue();
    PumpUntil([&] { return host.finished; });
    std::printf("Pause of %.1f s: player processor time %.3f s = %.2f %% of a core\n",
                pauseMs / 1000.0, after - before, 100.0 * (after - before) / (pauseMs / 1000.0));
}

// Kernel and user time of the whole process, in seconds: a Cls repaints through the window's own
// thread, so the player thread alone would not show the scene's whole cost.
double ProcessSeconds() {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
        return -1.0;
    return Seconds(kernel) + Seconds(user);
}

// Repeat, Comment, Cls, Until (Infinite): a loop in which nothing takes time.
void IdleLoopLoad(DWORD playMs) {
    Host host;
    EntryList list;
    list.Append(std::make_unique<RepeatEntry>());
    list.Append(std::make_unique<CommentEntry>());
    auto cls = std::make_unique<ClsEntry>();
    cls->colour.colour = 0x0000FF;
    list.Append(std::move(cls));
    auto until = std::make_unique<UntilEntry>();
    until->repeat.infinite = 1;
    until->jumpTarget = 1;
    list.Append(std::move(until));
    list.Renumber();
    SteppingDrawing drawing(0);
    std::uint32_t times = 0;
    CSceneThread thread(host.view, &times, ScenePlay{list, {}, &drawing});
    thread.Start(0);
    PumpUntil([&] { return host.view.BackgroundColour() == 0x0000FF; });
    Win32Clock clock;
    const Micros start = clock.Now();
    const double before = ProcessSeconds();
    const double playerBefore = ProcessorSeconds(thread.NativeHandle());
    const DWORD end = GetTickCount() + playMs;
    PumpUntil([&] { return static_cast<LONG>(GetTickCount() - end) >= 0; });
    const double used = ProcessSeconds() - before;
    const double player = ProcessorSeconds(thread.NativeHandle()) - playerBefore;
    const double wall = static_cast<double>(clock.Now() - start) / 1e6;
    const Micros stopStart = clock.Now();
    thread.Stop();
    const double stopMs = static_cast<double>(clock.Now() - stopStart) / 1000.0;
    std::printf(
        "Loop of Comment and Cls for %.1f s: process processor time %.3f s = %.2f %% of a core, "
        "of which the player %.3f s = %.2f %%; Stop took %.1f ms\n",
        wall, used, 100.0 * used / wall, player, 100.0 * player / wall, stopMs);
}

}  // namespace
}  // namespace vl

int main() {
    vl::PlayMove(99000, 20);        // warms up the windows, the clock and Wine's server
    vl::StepAccuracy(99000, 500);   // 10 ms
    vl::StepAccuracy(99900, 2000);  // 1 ms
    vl::StepAccuracy(90000, 100);   // 100 ms
    vl::SlowMoveLoad(90000, 50);    // 5 s of 100 ms steps
    vl::SlowMoveLoad(0, 5);         // 5 s of 1 s steps
    vl::PauseLoad(5000);
    vl::IdleLoopLoad(2000);
    return 0;
}
