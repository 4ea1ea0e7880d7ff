// CSceneThread: the worker thread that plays a scene on a drawing window, or measures the
// calibration count "Times". The user-interface thread creates it, starts it, drives it through
// the pause, continue and stop events and the step mode, and owns it: the thread never deletes
// itself, so a Stop or a destruction can never reach an object that is gone. When the thread has
// ended it posts the finished notification; the owner then deletes it (HasEnded() tells an
// ended thread from a newer one that a stale notification must not remove).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "engine/core/player.h"
#include "engine/core/player_signals.h"
#include "engine/core/waits.h"
#include "engine/player/drawing_window.h"
#include "engine/player/entry_drawing.h"
#include "engine/player/win32_signals.h"
#include "framework/handles.h"
#include "scene/entry_list.h"

namespace vl {

class VideoWindow;

// Posted to the parent of the drawing window (or the drawing window itself when it has none)
// after the thread has ended, whether by itself or by Stop; wParam and lParam are 0.
constexpr UINT kFinishedNotification = WM_USER + 101;

// What a playing thread plays, and how.
struct ScenePlay {
    EntryList& entries;                // the scene; unchanged while the thread runs; not owned
    WaitOptions waitOptions;           // the editor's wait slice and "Beep on Wait"
    IEntryDrawing* drawing = nullptr;  // Show, Move, Hide, Line; null: EngineEntryDrawing()
    // Pictures are decoded while the scene plays, a few ahead of their use, and freed after it
    // (the scene check then left them unprepared); otherwise they were prepared by the check.
    bool picturesOnTheWay = false;
};

class CSceneThread {
  public:
    // A thread that plays `play` on window. Creates the events and, as a hidden child of the
    // window, the VideoWindow; call on the thread that owns the window. times is the count
    // "Times", kept by the creator.
    CSceneThread(DrawingWindow& window, std::uint32_t* times, const ScenePlay& play);
    // A thread that only measures "Times" into *times, polling its stop event until Stop.
    CSceneThread(HWND window, std::uint32_t* times);
    // Stops a thread that is still running.
    ~CSceneThread();
    CSceneThread(const CSceneThread&) = delete;
    CSceneThread& operator=(const CSceneThread&) = delete;

    // Creates the thread suspended, gives it normal priority, sets the step mode and resumes it.
    // False when the events or the thread could not be made; a thread starts once.
    bool Start(int stepMode);

    // The user interface's side.
    void SetStepMode(int stepMode) { signals_.SetStepMode(stepMode != 0); }
    void RequestPause() { signals_.Set(PlayerEvent::Pause); }
    void Continue() { signals_.Set(PlayerEvent::Continue); }
    // Blocks until the thread has ended: closes the VideoWindow (which belongs to the calling
    // thread) first, then sets the stop event, stops every sound (a synchronous one would hold
    // the player), resumes the thread and waits for it. While it waits it serves messages that
    // other threads send to the caller's windows (the repaint of a Cls, the commands of a
    // video), so the player can always wind down; posted messages stay queued. Call on the thread
    // that created the object; calling it again, or on a thread never started, returns at once.
    void Stop();
    // True once the thread has ended (the scene is over or stopped).
    bool HasEnded() const;
    HANDLE NativeHandle() const { return thread_.Get(); }

    // The player thread's side, for the entries it runs.
    PauseResult PauseCheck() { return vl::PauseCheck(signals_); }
    // A step of speed on the given scale: lasts (1 - speed / scale) seconds unless Stop comes.
    WaitOutcome CalibratedWait(double speed, double scale);
    PlayerContext& Context() { return context_; }
    IPlayerSignals& Signals() { return signals_; }
    HWND DrawingWindowHandle() const { return window_; }

  private:
    static DWORD WINAPI ThreadEntry(void* self);
    void Run();
    void PlayEntries();

    HWND window_;                   // not owned
    DrawingWindow* drawingWindow_;  // not owned; null when calibrating
    HWND notify_;                   // not owned: receives the finished notification
    std::uint32_t* times_;          // not owned
    const bool calibrating_;
    EntryList* entries_ = nullptr;      // not owned
    IEntryDrawing* drawing_ = nullptr;  // not owned
    bool picturesOnTheWay_ = false;

    Win32Clock clock_;
    Win32PlayerSignals signals_;
    MessageBeepSound sound_;
    PlayerContext context_;
    EventHandle ended_;
    std::unique_ptr<VideoWindow> video_;  // a window of the creating thread
    HWND videoHandle_ = nullptr;          // its handle, for the player thread to send to
    ThreadHandle thread_;
};

}  // namespace vl
