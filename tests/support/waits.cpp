#include "support/waits.h"

namespace vl::test {
namespace {

// The longest a wait sleeps before it looks at its condition again.
constexpr DWORD kPollMs = 10;

bool Dispatch() {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    // A window that ends its program asks for the end of a message loop; a test has none to end.
    if (msg.message == WM_QUIT)
        return true;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

// Milliseconds left until deadline (a GetTickCount value), 0 once it has passed.
DWORD Remaining(DWORD deadline) {
    const LONG left = static_cast<LONG>(deadline - GetTickCount());
    return left > 0 ? static_cast<DWORD>(left) : 0;
}

}  // namespace

void PumpPending() {
    while (Dispatch()) {
    }
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD deadline = GetTickCount() + timeoutMs;
    for (;;) {
        PumpPending();
        if (condition())
            return true;
        const DWORD left = Remaining(deadline);
        if (left == 0)
            return false;
        MsgWaitForMultipleObjectsEx(0, nullptr, left < kPollMs ? left : kPollMs, QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
    }
}

bool PumpUntilSignalled(HANDLE object, DWORD timeoutMs) {
    const DWORD deadline = GetTickCount() + timeoutMs;
    for (;;) {
        PumpPending();
        const DWORD woken = MsgWaitForMultipleObjectsEx(1, &object, Remaining(deadline),
                                                        QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken == WAIT_OBJECT_0)
            return true;
        if (woken != WAIT_OBJECT_0 + 1)
            return false;  // the deadline, or a handle that cannot be waited on
    }
}

bool HoldsFor(const std::function<bool()>& condition, DWORD ms) {
    return !PumpUntil([&] { return !condition(); }, ms);
}

}  // namespace vl::test
