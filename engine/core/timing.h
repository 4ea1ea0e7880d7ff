// The timing arithmetic of the player: how long a Move step and a letter last, how a Wait is cut
// into slices and when it beeps, the draw of a random Wait, and the calibration count "Times".
//
// Waits are measured on a monotonic microsecond clock (IClock). "Times", the number of polls of an
// event that fit into one second on this machine, is still measured and stored because it belongs
// to the documented settings; no wait depends on it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vl {

// Microseconds on the player's clock.
using Micros = std::int64_t;

constexpr int kMaxMoveSpeed = 100000;  // no wait between steps
constexpr int kMaxLetterSpeed = 2000;  // no delay between letters

// One step of a Move at this speed lasts (100000 - speed) / 100000 seconds: one second at speed 0,
// a tenth at 90000, nothing at 100000. Speeds outside 0 .. 100000 count as the nearest end.
Micros MoveStepDuration(int speed);

// The delay after each letter of a letter-by-letter Show: 2000 - letter speed milliseconds, with
// the letter speed held in 0 .. 2000.
Micros LetterDelay(int letterSpeed);

// Options of the editor that shape a Wait (EditorOptions: "wait slice" and "Beep on Wait").
struct WaitOptions {
    int sliceMs = 100;
    int beepOnWaitMs = 100;
};

// A Wait of `durationMs` cut into `loops` slices of `sliceMs` followed by the remainder. In step
// mode it beeps right after slice i when i is a multiple of beepEvery, so right after the first
// slice and then every "Beep on Wait" milliseconds; a "Beep on Wait" shorter than a slice makes
// beepEvery 0 and the Wait silent. A slice below 1 ms counts as 1 ms and a negative duration as
// none.
struct WaitPlan {
    int sliceMs = 1;
    int loops = 0;
    int remainderMs = 0;
    int beepEvery = 0;

    bool BeepsAfterSlice(int slice, bool stepMode) const {
        return stepMode && beepEvery != 0 && slice % beepEvery == 0;
    }
};
WaitPlan PlanWait(int durationMs, const WaitOptions& options);

// The number of event polls the calibrated wait of a Move step stands for:
// (1 - speed / scale) * times * scale * 0.00001, truncated and held in 0 .. 0xFFFFFFFF.
// Documented with the "Times" setting; nothing waits by it.
std::uint32_t CalibratedPollCount(std::uint32_t times, double speed, double scale);

// The machine description stored as "SysInfo": page size, lowest and highest application
// address, active processor mask, number of processors, processor type, allocation granularity,
// processor level and processor revision, as decimal numbers joined by commas. Addresses and masks
// are written in full also on 64-bit systems.
using SystemFacts = std::array<std::uint64_t, 9>;
std::string FormatSystemDescription(const SystemFacts& facts);

// "Times" is measured again when none is stored or the machine description has changed.
bool NeedsCalibration(std::uint32_t storedTimes, std::string_view storedDescription,
                      std::string_view currentDescription);

}  // namespace vl
