// The player's clock, events and beep on Win32. The events are the manual-reset events through
// which the user-interface thread drives the player; the waits on them are exact to a fraction of
// a millisecond without keeping a processor busy: a high-resolution waitable timer sleeps until
// shortly before the deadline, and a short spin covers the rest, which the system's timer
// resolution (about a millisecond, more under Wine) cannot.
#pragma once

#include <windows.h>

#include <atomic>

#include "engine/core/player_signals.h"
#include "handles.h"

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
    // How long before a deadline the timer wakes the player to spin the rest. Wine's timers wake
    // up to about 1.5 ms late on a busy machine; the spin costs at most this much processor time
    // per wait.
    static constexpr Micros kSpinMargin = 2000;

    // The clock must outlive the signals.
    explicit Win32PlayerSignals(const IClock& clock);

    // False when an event could not be created.
    bool Valid() const { return stop_ && pause_ && continue_; }

    bool IsSet(PlayerEvent event) override;
    void Set(PlayerEvent event) override;
    void Reset(PlayerEvent event) override;
    // Called on the player thread only: the timer is its own.
    PlayerEvent WaitAny(PlayerEventSet events, Micros deadline) override;
    bool StepMode() const override { return stepMode_.load(); }
    void SetStepMode(bool on) override { stepMode_.store(on); }

    HANDLE StopEvent() const { return stop_.Get(); }

  private:
    HANDLE Handle(PlayerEvent event) const;
    // Waits for the events and, when given, the timer. Returns the event or None.
    PlayerEvent WaitHandles(PlayerEventSet events, HANDLE timer, DWORD milliseconds);

    const IClock& clock_;
    EventHandle stop_;
    EventHandle pause_;
    EventHandle continue_;
    EventHandle timer_;  // high-resolution where the system has it; null: millisecond time-outs
    std::atomic<bool> stepMode_{false};
};

// MessageBeep(0xFFFFFFFF), which returns at once.
class MessageBeepSound final : public ISound {
  public:
    void Beep() override;
};

}  // namespace vl
