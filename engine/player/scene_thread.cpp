#include "engine/player/scene_thread.h"

#include <mmsystem.h>

#include "engine/core/scene_runner.h"
#include "engine/core/picture_look_ahead.h"
#include "engine/media/media_playback.h"
#include "engine/media/video_window.h"
#include "engine/player/background_pictures.h"
#include "engine/player/thread_platform.h"

namespace vl {
namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kSourceCopy = SRCCOPY;
// How often a waiting Stop silences sounds again: one started just after the first silencing
// would otherwise hold the player to its end.
constexpr DWORD kSilenceEveryMs = 100;
// Pictures held while a scene plays, the one being drawn included: the next ones are decoded
// while the current one shows, and a few bitmaps stay well inside memory.
constexpr std::size_t kPicturesAhead = 3;

// Waits for the handle while serving messages sent to this thread's windows. Returns false when
// the wait itself fails.
bool WaitServingSentMessages(HANDLE handle) {
    for (;;) {
        const DWORD woken =
            MsgWaitForMultipleObjects(1, &handle, FALSE, kSilenceEveryMs, QS_SENDMESSAGE);
        if (woken == WAIT_OBJECT_0)
            return true;
        if (woken == WAIT_OBJECT_0 + 1) {
            // Peeking delivers the sent messages; nothing posted is removed.
            MSG msg;
            PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        } else if (woken == WAIT_TIMEOUT) {
            StopAllSounds();
        } else {
            return false;
        }
    }
}

HWND NotificationTarget(HWND window) {
    HWND parent = GetParent(window);
    return parent ? parent : window;
}

}  // namespace

CSceneThread::CSceneThread(DrawingWindow& window, std::uint32_t* times, const ScenePlay& play)
    : window_(window.Handle()),
      drawingWindow_(&window),
      notify_(NotificationTarget(window_)),
      times_(times),
      calibrating_(false),
      entries_(&play.entries),
      drawing_(play.drawing ? play.drawing : &EngineEntryDrawing()),
      picturesOnTheWay_(play.picturesOnTheWay),
      signals_(clock_),
      context_{clock_, signals_, sound_, play.waitOptions},
      ended_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      video_(std::make_unique<VideoWindow>()) {
    if (video_->Create(window_))
        videoHandle_ = video_->Handle();
}

CSceneThread::CSceneThread(HWND window, std::uint32_t* times)
    : window_(window),
      drawingWindow_(nullptr),
      notify_(NotificationTarget(window)),
      times_(times),
      calibrating_(true),
      signals_(clock_),
      context_{clock_, signals_, sound_, WaitOptions{}},
      ended_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

CSceneThread::~CSceneThread() {
    Stop();
}

bool CSceneThread::Start(int stepMode) {
    if (thread_ || !signals_.Valid() || !ended_)
        return false;
    thread_.Reset(
        CreateThread(nullptr, 0, &CSceneThread::ThreadEntry, this, CREATE_SUSPENDED, nullptr));
    if (!thread_)
        return false;
    SetThreadPriority(thread_.Get(), THREAD_PRIORITY_NORMAL);
    SetStepMode(stepMode);
    ResumeThread(thread_.Get());
    return true;
}

void CSceneThread::Stop() {
    // The VideoWindow belongs to this thread, which is about to block: close it now, and the
    // player finds it gone.
    if (video_ && video_->Handle()) {
        HWND video = video_->Handle();
        VideoWindow::Command(video, VideoWindow::kStop);
        VideoWindow::Command(video, VideoWindow::kClose);
        SendMessageA(video, WM_CLOSE, 0, 0);
    }
    signals_.Set(PlayerEvent::Stop);
    if (!thread_)
        return;
    StopAllSounds();
    ResumeThread(thread_.Get());
    WaitServingSentMessages(ended_.Get());
    WaitServingSentMessages(thread_.Get());
    thread_.Reset();
}

bool CSceneThread::HasEnded() const {
    return ended_ && WaitForSingleObject(ended_.Get(), 0) == WAIT_OBJECT_0;
}

WaitOutcome CSceneThread::CalibratedWait(double speed, double scale) {
    if (!(scale > 0.0) || !(speed < scale))
        return signals_.IsSet(PlayerEvent::Stop) ? WaitOutcome::Stopped : WaitOutcome::Completed;
    const double seconds = 1.0 - speed / scale;
    return WaitUnlessStopped(context_, static_cast<Micros>(seconds * 1e6));
}

DWORD WINAPI CSceneThread::ThreadEntry(void* self) {
    auto* thread = static_cast<CSceneThread*>(self);
    try {
        thread->Run();
    } catch (...) {
        // Nothing may cross the thread's entry; the scene simply ends.
    }
    const bool calibrating = thread->calibrating_;
    HWND notify = thread->notify_;
    // Ended before the notification, so that its receiver finds HasEnded() true. The owner may
    // delete the object from here on (after the thread's handle is signalled), so only copies
    // are used below.
    SetEvent(thread->ended_.Get());
    if (!calibrating)
        PostMessageA(notify, kFinishedNotification, 0, 0);
    return 0;
}

void CSceneThread::Run() {
    if (calibrating_) {
        std::uint32_t count = 0;
        RunCalibration(signals_, count);
        if (times_)
            *times_ = count;
        return;
    }
    PlayEntries();
}

void CSceneThread::PlayEntries() {
    WindowDc dc(window_);
    drawingWindow_->Redraw(kBlack, kSourceCopy);
    // Declared before the runner so that the end of play (sounds, video window, files) comes
    // after the last entry, also when an entry throws.
    MediaPlayback media(window_, videoHandle_, signals_.StopEvent());
    DrawTarget target(dc.Get(), DrawTarget::ScreenSizeOf(dc.Get()));
    ThreadEntryPlatform platform(target, context_, *drawing_, *drawingWindow_, media);
    SceneRunner runner(*entries_, context_, platform);
    if (!picturesOnTheWay_) {
        vl::PlayScene(runner, signals_, clock_);
        return;
    }
    const Size screen = target.Screen();
    BackgroundPictures pictures(screen.width, screen.height, signals_.StopEvent());
    PictureLookAhead lookAhead(*entries_, pictures, kPicturesAhead);
    LookAheadRunner preparing(runner, lookAhead);
    vl::PlayScene(preparing, signals_, clock_);
    lookAhead.ReleaseAll();
}

}  // namespace vl
