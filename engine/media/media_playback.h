// Media playback of one player thread: the Play and Stop entries. Sounds play from memory with
// PlaySound; videos are written to a temporary ".avi" file and played in the thread's
// VideoWindow (going on with the scene) or in a WaitVideoWindow (the scene waits). Every
// temporary file is deleted by the next play, by Stop and at the end of play.
#pragma once

#include <windows.h>

#include "framework/handles.h"
#include "scene/entries.h"

namespace vl {

// The PlaySound flags of a sound from memory: SND_MEMORY | SND_NODEFAULT, and SND_SYNC when
// waiting, SND_ASYNC | SND_LOOP when looping, SND_ASYNC otherwise.
UINT SoundFlags(bool wait, bool loop);

// Stops every sound of the process, which also releases a synchronous sound on any thread.
void StopAllSounds();

class MediaPlayback {
  public:
    // drawingWindow and video (the thread's VideoWindow, owned by the user-interface thread; null
    // when there is none) must outlive the playback; stopEvent ends a synchronous video.
    MediaPlayback(HWND drawingWindow, HWND video, HANDLE stopEvent)
        : drawingWindow_(drawingWindow), video_(video), stopEvent_(stopEvent) {}
    // The end of play.
    ~MediaPlayback() { EndOfPlay(); }
    MediaPlayback(const MediaPlayback&) = delete;
    MediaPlayback& operator=(const MediaPlayback&) = delete;

    // Execute of a Play: with "Wait" the media plays to its end count times (or until Stop with
    // Infinite), checking Stop before each play; otherwise it is started once, looping with the
    // endless flag, and the scene goes on.
    void Play(const PlayEntry& entry);
    // Execute of a Stop: a sound stops every sound; a video stops the VideoWindow's video and
    // deletes its file. A video playing with Wait is not affected.
    void Stop(const StopEntry& entry);

    // Returns false when the media could not be played at all (no data, the file could not be
    // written, the driver refused it).
    bool PlayMedia(const MultimediaEntry& media, bool wait, bool loop, POINT position);
    void StopMedia(const MultimediaEntry& media);

    // After the scene: every sound stops, the VideoWindow is closed and its file deleted.
    void EndOfPlay();

  private:
    bool PlaySoundData(const MultimediaEntry& media, bool wait, bool loop);
    bool PlayVideo(const MultimediaEntry& media, bool wait, POINT position);
    void CloseVideoWindow();
    bool StopSet() const;

    HWND drawingWindow_;       // not owned
    HWND video_;               // not owned: the user-interface thread destroys it
    HANDLE stopEvent_;         // not owned
    TemporaryFile videoFile_;  // the file the VideoWindow plays
};

}  // namespace vl
