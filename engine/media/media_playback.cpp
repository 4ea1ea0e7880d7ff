#include "engine/media/media_playback.h"

#include <mmsystem.h>

#include <string>

#include "framework/data_files.h"
#include "engine/media/video_window.h"
#include "engine/media/wait_video_window.h"
#include "framework/prompt.h"

namespace vl {
namespace {

// The temporary ".avi" copy of a video's bytes; empty when it could not be made.
std::string WriteVideoFile(const ByteBlock& data) {
    const std::string written = WriteTempDataFile(data.data(), data.size());
    if (written.empty())
        return {};
    // The driver picks its device by the extension.
    const std::string video = written + ".avi";
    const bool copied = CopyFileA(written.c_str(), video.c_str(), FALSE) != 0;
    DeleteFileA(written.c_str());
    if (!copied) {
        DeleteFileA(video.c_str());
        CurrentPrompt().Message(msg::kCannotMakeDataFile, MessageIcon::Plain);
        return {};
    }
    return video;
}

}  // namespace

UINT SoundFlags(bool wait, bool loop) {
    const UINT base = SND_MEMORY | SND_NODEFAULT;
    if (wait)
        return base | SND_SYNC;
    return base | SND_ASYNC | (loop ? SND_LOOP : 0);
}

void StopAllSounds() {
    PlaySoundA(nullptr, nullptr, 0);
}

bool MediaPlayback::StopSet() const {
    return WaitForSingleObject(stopEvent_, 0) == WAIT_OBJECT_0;
}

void MediaPlayback::Play(const PlayEntry& entry) {
    const MultimediaEntry* media = entry.LinkedMedia();
    if (!media)
        return;
    const PlayModeParam& mode = entry.params.mode;
    const POINT position = {mode.videoX, mode.videoY};
    if (!mode.Waits()) {
        PlayMedia(*media, false, mode.endless != 0, position);
        return;
    }
    // A media that cannot play ends the loop: an Infinite Play would otherwise spin until Stop.
    for (std::uint32_t played = 0; mode.infinite != 0 || played < mode.count; ++played) {
        if (StopSet() || !PlayMedia(*media, true, false, position))
            return;
    }
}

void MediaPlayback::Stop(const StopEntry& entry) {
    if (const MultimediaEntry* media = entry.LinkedMedia())
        StopMedia(*media);
}

bool MediaPlayback::PlayMedia(const MultimediaEntry& media, bool wait, bool loop, POINT position) {
    if (media.data.empty())
        return false;
    if (media.mediaType == MultimediaEntry::kTypeAvi)
        return PlayVideo(media, wait, position);
    return PlaySoundData(media, wait, loop);
}

bool MediaPlayback::PlaySoundData(const MultimediaEntry& media, bool wait, bool loop) {
    StopAllSounds();
    // The bytes stay with the entry, which outlives the sound: the end of play stops it.
    return PlaySoundA(reinterpret_cast<LPCSTR>(media.data.data()), nullptr,
                      SoundFlags(wait, loop)) != FALSE;
}

void MediaPlayback::CloseVideoWindow() {
    VideoWindow::Command(video_, VideoWindow::kStop);
    VideoWindow::Command(video_, VideoWindow::kClose);
}

bool MediaPlayback::PlayVideo(const MultimediaEntry& media, bool wait, POINT position) {
    CloseVideoWindow();
    SetFocus(drawingWindow_);
    videoFile_.Remove();

    const std::string file = WriteVideoFile(media.data);
    if (file.empty())
        return false;
    if (wait) {
        WaitVideoWindow window;
        const bool played = window.Create(WaitVideoWindow::kPlayOnce, position.x, position.y,
                                          drawingWindow_, file, stopEvent_);
        window.Finish();
        return played;
    }
    videoFile_.Adopt(file.c_str());
    // However the Play is set, a video that the scene does not wait for repeats until stopped.
    VideoWindow::Command(video_, VideoWindow::kOpen, reinterpret_cast<LPARAM>(file.c_str()));
    VideoWindow::Command(video_, VideoWindow::kPosition, reinterpret_cast<LPARAM>(&position));
    VideoWindow::Command(video_, VideoWindow::kPlay, 0);
    return true;
}

void MediaPlayback::StopMedia(const MultimediaEntry& media) {
    if (media.mediaType != MultimediaEntry::kTypeAvi) {
        StopAllSounds();
        return;
    }
    CloseVideoWindow();
    videoFile_.Remove();
}

void MediaPlayback::EndOfPlay() {
    StopAllSounds();
    if (video_ && IsWindow(video_)) {
        CloseVideoWindow();
        SendMessageA(video_, WM_CLOSE, 0, 0);
    }
    videoFile_.Remove();
}

}  // namespace vl
