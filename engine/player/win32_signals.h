// The player's clock, events and beep on Win32. The events are the manual-reset events through
// which the user-interface thread drives the player; the waits on them end within a fraction of a
// millisecond of their deadline without keeping a processor busy. A wait watches the events until
// shortly before the deadline (a high-resolution waitable timer among the handles), then closes
// the last stretch, which the event wait is too coarse for, without looking at the events:
//  - on Windows by spinning (the high-resolution timer wakes well within its margin);
//  - under Wine, whose event waits pass through its server and wake up to a few milliseconds late
//    on a busy machine, by a precise sleep of the thread itself (NtDelayExecution, which Wine
//    serves in the process to the microsecond) and a spin of the last tenth of a millisecond.
// A Stop given in that last stretch is obeyed when it ends, a few milliseconds at most.
#pragma once

#include <windows.h>

#include <atomic>

#include "engine/core/player_signals.h"
#include "framework/handles.h"

namespace vl {

// QueryPerformanceCounter in microseconds.
class Win32Clock final : public IClock {
  public:
    Win32Clock();
    Micros Now() const override;
    std::uint32_t TimeSeed() const override;

  private:
    LONGLONG frequency_;
};

class Win32PlayerSignals final : public IPlayerSignals {
  public:
    // How the last stretch before a deadline is covered.
    struct Tuning {
        Micros eventMargin;  // the events are watched until this long before the deadline
        Micros spinMargin;   // the processor spins for at most this long
        bool preciseSleep;   // between the two, the thread sleeps precisely
    };
    static constexpr Tuning kWindowsTuning = {2000, 2000, false};
    static constexpr Tuning kWineTuning = {6000, 100, true};

    // The clock must outlive the signals.
    explicit Win32PlayerSignals(const IClock& clock);

    // False when an event could not be created.
    bool Valid() const { return stop_ && pause_ && continue_; }

    bool IsSet(PlayerEvent event) override;
    void Set(PlayerEvent event) override;
    void Reset(PlayerEvent event) override;
    // Called on the player thread only: the timer is its own.
    PlayerEvent WaitAny(PlayerEventSet events, Micros deadline) override;
    PlayerEvent WaitAnyCoarse(PlayerEventSet events, Micros deadline) override;
    bool StepMode() const override { return stepMode_.load(); }
    void SetStepMode(bool on) override { stepMode_.store(on); }

    HANDLE StopEvent() const { return stop_.Get(); }

  private:
    HANDLE Handle(PlayerEvent event) const;
    // Waits for the events and, when given, the timer. Returns the event or None.
    PlayerEvent WaitHandles(PlayerEventSet events, HANDLE timer, DWORD milliseconds);
    // Watches the events for `span`; the event found, or None.
    PlayerEvent WaitEvents(PlayerEventSet events, Micros span);
    void SleepPrecisely(Micros span);

    using DelayExecution = LONG(WINAPI*)(BOOLEAN alertable, LARGE_INTEGER* interval);

    const IClock& clock_;
    EventHandle stop_;
    EventHandle pause_;
    EventHandle continue_;
    EventHandle timer_;  // high-resolution where the system has it; null: millisecond time-outs
    Tuning tuning_;
    DelayExecution delay_ = nullptr;  // NtDelayExecution, when sleeping precisely
    std::atomic<bool> stepMode_{false};
};

// MessageBeep(0xFFFFFFFF), which returns at once.
class MessageBeepSound final : public ISound {
  public:
    void Beep() override;
};

}  // namespace vl
