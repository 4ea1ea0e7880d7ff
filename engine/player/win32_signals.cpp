#include "engine/player/win32_signals.h"

#include <ctime>

namespace vl {
namespace {

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

HANDLE CreatePreciseTimer() {
    // Systems before Windows 10 1803 refuse the flag; their ordinary timer is still better than
    // a time-out in whole milliseconds.
    HANDLE timer = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                          TIMER_ALL_ACCESS);
    if (!timer)
        timer = CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
    return timer;
}

// Stop first, then Continue, then Pause: the order of precedence when several are set.
constexpr PlayerEvent kOrder[] = {PlayerEvent::Stop, PlayerEvent::Continue, PlayerEvent::Pause};

}  // namespace

// Wine's ntdll exports its version; Windows' does not.
bool RunningOnWine(HMODULE ntdll) {
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

Win32Clock::Win32Clock() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    frequency_ = frequency.QuadPart;
}

Micros Win32Clock::Now() const {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    // Split so that the product cannot overflow after a long uptime.
    const LONGLONG whole = counter.QuadPart / frequency_;
    const LONGLONG part = counter.QuadPart % frequency_;
    return whole * 1000000 + part * 1000000 / frequency_;
}

std::uint32_t Win32Clock::TimeSeed() const {
    return static_cast<std::uint32_t>(std::time(nullptr));
}

Win32PlayerSignals::Win32PlayerSignals(const IClock& clock)
    : clock_(clock),
      stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      pause_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      continue_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      timer_(CreatePreciseTimer()),
      tuning_(kWindowsTuning) {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    if (!RunningOnWine(ntdll))
        return;
    delay_ = reinterpret_cast<DelayExecution>(
        reinterpret_cast<void*>(GetProcAddress(ntdll, "NtDelayExecution")));
    if (delay_)
        tuning_ = kWineTuning;
}

HANDLE Win32PlayerSignals::Handle(PlayerEvent event) const {
    switch (event) {
        case PlayerEvent::Stop:
            return stop_.Get();
        case PlayerEvent::Pause:
            return pause_.Get();
        case PlayerEvent::Continue:
            return continue_.Get();
        case PlayerEvent::None:
            break;
    }
    return nullptr;
}

bool Win32PlayerSignals::IsSet(PlayerEvent event) {
    HANDLE handle = Handle(event);
    return handle && WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
}

void Win32PlayerSignals::Set(PlayerEvent event) {
    if (HANDLE handle = Handle(event))
        SetEvent(handle);
}

void Win32PlayerSignals::Reset(PlayerEvent event) {
    if (HANDLE handle = Handle(event))
        ResetEvent(handle);
}

PlayerEvent Win32PlayerSignals::WaitHandles(PlayerEventSet events, HANDLE timer,
                                            DWORD milliseconds) {
    HANDLE handles[4];
    PlayerEvent meaning[4];
    DWORD count = 0;
    for (PlayerEvent event : kOrder) {
        if (events & EventBit(event)) {
            handles[count] = Handle(event);
            meaning[count++] = event;
        }
    }
    if (timer)
        handles[count] = timer;
    const DWORD total = count + (timer ? 1 : 0);
    if (total == 0) {
        Sleep(milliseconds);
        return PlayerEvent::None;
    }
    // The lowest signalled index wins, which keeps the order of precedence.
    const DWORD result = WaitForMultipleObjects(total, handles, FALSE, milliseconds);
    if (result >= WAIT_OBJECT_0 && result < WAIT_OBJECT_0 + count)
        return meaning[result - WAIT_OBJECT_0];
    return PlayerEvent::None;
}

namespace {

DWORD Milliseconds(Micros span) {
    const Micros ms = span / 1000;
    return ms >= INFINITE ? INFINITE - 1 : static_cast<DWORD>(ms);
}

}  // namespace

PlayerEvent Win32PlayerSignals::WaitEvents(PlayerEventSet events, Micros span) {
    if (!timer_)
        return WaitHandles(events, nullptr, Milliseconds(span));
    LARGE_INTEGER due;
    due.QuadPart = -span * 10;  // relative, in 100 ns units
    if (!SetWaitableTimer(timer_.Get(), &due, 0, nullptr, nullptr, FALSE))
        return WaitHandles(events, nullptr, Milliseconds(span));
    return WaitHandles(events, timer_.Get(), INFINITE);
}

void Win32PlayerSignals::SleepPrecisely(Micros span) {
    LARGE_INTEGER interval;
    interval.QuadPart = -span * 10;
    delay_(FALSE, &interval);
}

PlayerEvent Win32PlayerSignals::WaitAny(PlayerEventSet events, Micros deadline) {
    if (deadline == kNoDeadline)
        return WaitHandles(events, nullptr, INFINITE);
    for (;;) {
        const Micros remaining = deadline - clock_.Now();
        if (remaining <= 0)
            return WaitHandles(events, nullptr, 0);
        if (remaining > tuning_.eventMargin) {
            const PlayerEvent woken = WaitEvents(events, remaining - tuning_.eventMargin);
            if (woken != PlayerEvent::None)
                return woken;
        } else if (tuning_.preciseSleep && remaining > tuning_.spinMargin) {
            SleepPrecisely(remaining - tuning_.spinMargin);
        } else {
            // The events are looked at once more when the deadline has come.
            SwitchToThread();
        }
    }
}

PlayerEvent Win32PlayerSignals::WaitAnyCoarse(PlayerEventSet events, Micros deadline) {
    if (deadline == kNoDeadline)
        return WaitHandles(events, nullptr, INFINITE);
    const Micros remaining = deadline - clock_.Now();
    // Rounded up to whole milliseconds, so that it never ends early.
    return WaitHandles(events, nullptr, remaining > 0 ? Milliseconds(remaining + 999) : 0);
}

void MessageBeepSound::Beep() {
    MessageBeep(0xFFFFFFFF);
}

}  // namespace vl
