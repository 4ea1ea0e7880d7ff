// Shows one property dialog with sample values until it is closed, so that it can be looked at
// and captured: property_dialogs_gallery.exe wait|until|repeat|comment|multimedia|play|settings|
// stop|description.
#include <windows.h>

#include <cstring>
#include <string>

#include "editor/media_dialogs.h"
#include "editor/property_kinds.h"
#include "property_test_support.h"

using namespace vl;

int main(int argc, char** argv) {
    const std::string which = argc > 1 ? argv[1] : "wait";
    test::PropertyHarness h;
    SetDefaultPrompt(&h.prompt);
    MultimediaEntry& sound = h.Add<MultimediaEntry>("Bell at dawn");
    sound.fileName = "chime.wav";
    sound.data = ByteBlock::Copy("RIFF", 4);
    MultimediaEntry& video = h.Add<MultimediaEntry>();
    video.fileName = "the long clip of the northern lights.avi";
    video.mediaType = MultimediaEntry::kTypeAvi;
    if (which == "wait") {
        WaitEntry wait;
        wait.duration.milliseconds = 2500;
        wait.description.text = "Pause";
        EditWait(h.context, nullptr, wait);
    } else if (which == "until") {
        UntilEntry until;
        until.repeat.count = 12;
        EditUntil(h.context, nullptr, until);
    } else if (which == "repeat") {
        RepeatEntry repeat;
        repeat.description.text = "Outer loop";
        EditRepeat(h.context, nullptr, repeat);
    } else if (which == "comment") {
        CommentEntry comment;
        comment.text = "The sky darkens";
        EditComment(h.context, nullptr, comment);
    } else if (which == "multimedia") {
        MultimediaEntry media;
        media.Assign(sound);
        EditMultimedia(h.context, nullptr, media);
    } else if (which == "play" || which == "stop") {
        PlayEntry play;
        StopEntry stop;
        play.SetObject(&video);
        stop.SetObject(&sound);
        if (which == "play")
            EditPlay(h.context, nullptr, play);
        else
            EditStop(h.context, nullptr, stop);
    } else if (which == "settings") {
        PlayModeParam mode;
        mode.wait = 1;
        mode.count = 3;
        PlaySettingsDialog dialog(h.context, mode, true);
        dialog.Run(nullptr);
    }
    return 0;
}
