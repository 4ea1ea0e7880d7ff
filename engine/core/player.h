// The player's walk of a scene: which entry runs next and when it pauses (an Until moves the
// index by the scene's own loop rule, UntilEntry::Loop). The Win32 thread (CSceneThread) calls
// PlayScene from its thread entry with an IEntryRunner over the scene's entry list, then does its
// own clean-up (sounds, video window, finished notification, the Ended event).
#pragma once

#include <cstdint>

#include "engine/core/player_signals.h"

namespace vl {

// The scene's entry list as the player sees it.
class IEntryRunner {
  public:
    virtual ~IEntryRunner() = default;
    // The list's current count; asked before every entry.
    virtual int EntryCount() const = 0;
    // Nonzero disabled flag: the entry is skipped, also in step mode.
    virtual bool IsDisabled(int index) const = 0;
    // Runs the entry at `loopIndex` (Execute of its kind). The entry may move the loop index (an
    // Until jumps back); the player continues after the value it leaves. True when the entry
    // performed a visible step, which is what step mode and the pause check follow. Must not throw.
    virtual bool Execute(int& loopIndex) = 0;
    // Whether the entry takes time of its own when it runs: it waits, moves or plays.
    virtual bool TakesTime(int index) const = 0;
    // Whether the entry closes a loop that repeats until Stop (an Until set to Infinite).
    virtual bool EndsEndlessLoop(int index) const = 0;
};

enum class PlayOutcome { Finished, Stopped };

// The thread body: walks the list from the top; before each entry leaves when Stop is set; runs
// every enabled entry, and after one that performed a visible step requests a pause in step mode
// (unless it was the last entry of the list) and runs PauseCheck. When an endless loop jumps back
// after a pass in which no entry took time, gives the processor up for kRestAfterIdlePass (Stop
// ends the rest at once; a Pause asked for meanwhile is honoured there), so that such a loop does
// not keep a processor busy; passes that took time go on at once, keeping their timing. Ends after
// the last entry, or when an entry moved the loop index before the top of the list.
PlayOutcome PlayScene(IEntryRunner& entries, IPlayerSignals& signals, const IClock& clock);

enum class PauseResult {
    NotRequested,  // no pause was requested: returned at once
    Continued,     // Go or Step ended the pause (possibly one given earlier)
    Stopped,       // Stop ended it
};

// When a pause is requested, waits for Continue or Stop, then clears Continue and Pause. A Go or
// Step given while an entry ran is still set, so it lets the next pause pass at once.
PauseResult PauseCheck(IPlayerSignals& signals);

// The user interface's commands to a running player.
void RequestGo(IPlayerSignals& signals);     // leave step mode and go on
void RequestStep(IPlayerSignals& signals);   // go on to the next visible step, then pause
void RequestPause(IPlayerSignals& signals);  // pause after the running entry or Move step

}  // namespace vl
