// A scripted stand-in for the player's platform: a clock that only moves when the player waits or
// an entry spends time, and events that scheduled actions set at given times. A wait that could
// only be ended by the user fails the test instead of hanging it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <vector>

#include "engine/core/player_signals.h"

namespace vl::testing {

constexpr Micros Ms(long long ms) {
    return ms * 1000;
}

class FakeTimeline : public IClock, public IPlayerSignals {
  public:
    struct WaitRecord {
        Micros at;
        PlayerEventSet events;
        Micros deadline;
        bool coarse;
    };

    // --- script ---
    void At(Micros when, std::function<void()> action) {
        actions_.emplace(when, std::move(action));
    }
    void SetAt(Micros when, PlayerEvent event) {
        At(when, [this, event] { Set(event); });
    }
    // Time spent inside an entry (drawing, playing); runs what falls due meanwhile.
    void Spend(Micros duration) {
        now_ += duration;
        RunDue();
    }
    // Stop becomes set at the n-th poll of IsSet(Stop).
    void StopAtPoll(unsigned long long n) { stopAtPoll_ = n; }

    // --- IClock ---
    Micros Now() const override { return now_; }
    std::uint32_t TimeSeed() const override { return timeSeed; }

    // --- IPlayerSignals ---
    bool IsSet(PlayerEvent event) override {
        RunDue();
        if (event == PlayerEvent::Stop && stopAtPoll_ != 0 && ++stopPolls_ >= stopAtPoll_)
            Set(PlayerEvent::Stop);
        return set_[Slot(event)];
    }
    void Set(PlayerEvent event) override {
        if (event == PlayerEvent::Pause)
            pauseRequests.push_back(now_);
        set_[Slot(event)] = true;
    }
    void Reset(PlayerEvent event) override { set_[Slot(event)] = false; }
    PlayerEvent WaitAny(PlayerEventSet events, Micros deadline) override {
        return Wait(events, deadline, false);
    }
    // Ends at its deadline exactly here; only the record tells it from WaitAny.
    PlayerEvent WaitAnyCoarse(PlayerEventSet events, Micros deadline) override {
        return Wait(events, deadline, true);
    }
    bool StepMode() const override { return stepMode_; }
    void SetStepMode(bool on) override { stepMode_ = on; }

    std::uint32_t timeSeed = 1000;
    std::vector<WaitRecord> waits;
    std::vector<Micros> pauseRequests;

  private:
    PlayerEvent Wait(PlayerEventSet events, Micros deadline, bool coarse) {
        waits.push_back({now_, events, deadline, coarse});
        for (;;) {
            RunDue();
            for (PlayerEvent e : {PlayerEvent::Stop, PlayerEvent::Continue, PlayerEvent::Pause}) {
                if ((events & EventBit(e)) != 0 && set_[Slot(e)])
                    return e;
            }
            if (!actions_.empty() && actions_.begin()->first <= deadline) {
                now_ = std::max(now_, actions_.begin()->first);
                continue;
            }
            if (deadline == kNoDeadline) {
                ADD_FAILURE() << "the player waits for the user at " << now_
                              << " us, but nothing more is scripted";
                return PlayerEvent::Stop;
            }
            now_ = std::max(now_, deadline);
            return PlayerEvent::None;
        }
    }
    static std::size_t Slot(PlayerEvent e) { return static_cast<std::size_t>(e); }
    void RunDue() {
        while (!actions_.empty() && actions_.begin()->first <= now_) {
            auto action = std::move(actions_.begin()->second);
            actions_.erase(actions_.begin());
            action();
        }
    }

    Micros now_ = 0;
    std::multimap<Micros, std::function<void()>> actions_;  // equal times keep their order
    std::array<bool, 4> set_{};
    bool stepMode_ = false;
    unsigned long long stopAtPoll_ = 0;
    unsigned long long stopPolls_ = 0;
};

class FakeSound : public ISound {
  public:
    explicit FakeSound(FakeTimeline& timeline) : timeline_(timeline) {}
    void Beep() override {
        beeps.push_back(timeline_.Now());
        timeline_.Spend(cost);
    }
    std::vector<Micros> beeps;
    Micros cost = 0;

  private:
    FakeTimeline& timeline_;
};

// The timeline, a sound and the context the player hands to its entries.
struct FakePlayer {
    FakeTimeline timeline;
    FakeSound sound{timeline};
    PlayerContext context{timeline, timeline, sound, WaitOptions{}};
};

}  // namespace vl::testing
