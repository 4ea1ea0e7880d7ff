// What the player thread needs from its platform, as small interfaces the Win32 side implements
// (and tests replace with a fake clock and fake events):
//
//  - IClock: a monotonic high-resolution clock.
//  - IPlayerSignals: the manual-reset events through which the user-interface thread drives the
//    player, and the step-mode flag. The Win32 thread owns four events: Stop, Pause, Continue and
//    Ended. Ended is set by the thread wrapper after the scene has been played and is not seen
//    here. Go and Step both set Continue (RequestGo, RequestStep in player.h).
//  - ISound: the beep of a Wait in step mode.
#pragma once

#include <cstdint>

#include "engine/core/timing.h"

namespace vl {

// A deadline that never comes: wait until an event is set.
constexpr Micros kNoDeadline = INT64_MAX;

class IClock {
  public:
    virtual ~IClock() = default;
    // Microseconds since an arbitrary start; never goes backwards.
    virtual Micros Now() const = 0;
    // The calendar time in seconds, which seeds the draw of a random Wait so that runs differ.
    virtual std::uint32_t TimeSeed() const = 0;
};

enum class PlayerEvent : std::uint8_t {
    None,      // a wait reached its deadline
    Stop,      // stop as soon as possible
    Pause,     // a pause is requested
    Continue,  // Go or Step was given
};

// A set of events for WaitAny.
using PlayerEventSet = unsigned;
constexpr PlayerEventSet EventBit(PlayerEvent e) {
    return 1u << static_cast<unsigned>(e);
}
constexpr PlayerEventSet kStopOnly = EventBit(PlayerEvent::Stop);
constexpr PlayerEventSet kContinueOrStop =
    EventBit(PlayerEvent::Continue) | EventBit(PlayerEvent::Stop);

// The events are manual-reset: once set they stay set until Reset. They are shared between the
// user-interface thread (which sets them) and the player thread (which waits on them), so every
// operation here must be safe across those two threads.
class IPlayerSignals {
  public:
    virtual ~IPlayerSignals() = default;

    // Whether the event is set now, without waiting.
    virtual bool IsSet(PlayerEvent event) = 0;
    virtual void Set(PlayerEvent event) = 0;
    virtual void Reset(PlayerEvent event) = 0;

    // Blocks until one of `events` is set or the clock reaches `deadline` (an IClock time, or
    // kNoDeadline), without keeping a processor busy. Returns the event found set, Stop first, then
    // Continue, then Pause; None when the deadline came first. An event already set returns at
    // once, and a deadline already past returns None at once when none is set. The Win32 side
    // needs sub-millisecond accuracy here (a Move step can be as short as 10 microseconds): a
    // high-resolution waitable timer among the handles, or a short final spin.
    virtual PlayerEvent WaitAny(PlayerEventSet events, Micros deadline) = 0;

    // As WaitAny, for a wait whose end need not be exact (the rest after a pass of a loop in which
    // nothing took time): it may end up to a scheduler tick late, never early, and spends no
    // processor time on precision, which the last stretch of a precise wait does.
    virtual PlayerEvent WaitAnyCoarse(PlayerEventSet events, Micros deadline) = 0;

    // Step mode: pause after every entry that performed a visible step. Written by the
    // user-interface thread before it sets Continue.
    virtual bool StepMode() const = 0;
    virtual void SetStepMode(bool on) = 0;
};

class ISound {
  public:
    virtual ~ISound() = default;
    // The system's default beep (MessageBeep(0xFFFFFFFF)); must not block.
    virtual void Beep() = 0;
};

// Everything the running entries reach through the player thread.
struct PlayerContext {
    IClock& clock;
    IPlayerSignals& signals;
    ISound& sound;
    WaitOptions waitOptions;
};

}  // namespace vl
