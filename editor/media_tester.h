// "&Test" of the Multimedia and Play dialogs: a sound plays from its bytes in memory while the
// dialog stays usable; a video is written out to a temporary file, copied to the same name with
// ".avi" appended (the media player goes by the extension) and shown in "Preview AVI"; both files
// are deleted afterwards.
#pragma once

#include <windows.h>

#include <string>

#include "scene/byte_block.h"
#include "scene/entries.h"

namespace vl {

// The two ways media are shown, behind an interface so that tests see what would be played.
class MediaPresenter {
  public:
    virtual ~MediaPresenter() = default;
    // Starts the sound and returns at once; the bytes stay alive while it plays.
    virtual void PlaySoundBytes(const ByteBlock& bytes) = 0;
    // Shows the video file modally over owner.
    virtual void ShowVideo(HWND owner, const std::string& path) = 0;
};

// PlaySound from memory and the "Preview AVI" dialog.
MediaPresenter& SystemMediaPresenter();

// Nothing happens for an object without data. Failures to write the files are reported through
// the current prompt.
void TestMedia(const MultimediaEntry& media, HWND owner, MediaPresenter& presenter);

}  // namespace vl
