// Waiting in the Windows tests: for a condition, never for a stretch of time. Every wait serves
// this thread's messages, so its windows paint and threads or programs that send to them are never
// held up, and every wait ends at a deadline, so a fault fails the test instead of hanging it.
#pragma once

#include <windows.h>

#include <functional>

namespace vl::test {

// How long a test waits for what should happen soon. Generous, for a busy machine: a passing test
// never waits it out.
constexpr DWORD kDeadlineMs = 10000;

// How long a test watches for something that must not happen (a program that must go on running,
// a window that must not appear): the time the programs here take to react to an event, with a
// margin. A check that nothing happened cannot end sooner, so it is the only wait that always
// lasts its time; keep such checks few.
constexpr DWORD kReactionTimeMs = 250;

// Serves this thread's messages until condition holds or timeoutMs has passed; returns whether
// it holds. The condition is checked at once, after every message and at least every 10 ms, so
// it may depend on other threads and processes.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = kDeadlineMs);

// Serves this thread's messages until the object (a process, thread or event) is signalled or
// timeoutMs has passed; true when it was signalled.
bool PumpUntilSignalled(HANDLE object, DWORD timeoutMs = kDeadlineMs);

// Serves this thread's messages for ms while condition holds; true when it held all along, false
// as soon as it fails.
bool HoldsFor(const std::function<bool()>& condition, DWORD ms = kReactionTimeMs);

// Serves the messages already waiting for this thread, and those that serving them posts, until
// none is left: after it, everything this thread posted to itself has been handled.
// Every wait here drops a WM_QUIT it meets (a test that looks for one looks before it waits).
void PumpPending();

}  // namespace vl::test
