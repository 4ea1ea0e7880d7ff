// The entries of a scene that act on the window or play media, as the player thread runs them:
// Show, Move, Hide and Line go to the drawing code, Cls repaints the drawing window, Play and Stop
// go to the thread's media playback.
#pragma once

#include "engine/core/plain_screen.h"
#include "engine/core/scene_runner.h"
#include "engine/media/media_playback.h"
#include "engine/player/drawing_window.h"
#include "engine/player/entry_drawing.h"

namespace vl {

class ThreadEntryPlatform final : public IEntryPlatform {
  public:
    // All referred to, none owned; they live for the thread's play.
    ThreadEntryPlatform(DrawTarget& target, PlayerContext& context, IEntryDrawing& drawing,
                        DrawingWindow& window, MediaPlayback& media)
        : target_(target), context_(context), drawing_(drawing), window_(window), media_(media) {}

    void Show(ShowEntry& entry) override {
        screen_.Drawn();
        drawing_.Show(entry, target_, context_);
    }
    void Move(MoveEntry& entry) override {
        screen_.Drawn();
        drawing_.Move(entry, target_, context_);
    }
    void Hide(HideEntry& entry) override {
        screen_.Drawn();
        drawing_.Hide(entry, target_);
    }
    void Line(LineEntry& entry) override {
        screen_.Drawn();
        drawing_.Line(entry, target_);
    }
    // The colour is resolved anew (a random one changes at every Cls); the mixing code goes with
    // it. The drawing takes the colour as the window's background from here on. A Cls that would
    // repaint what is already there is skipped.
    void Cls(ClsEntry& entry) override;
    // A video plays in the window.
    void Play(PlayEntry& entry) override {
        screen_.Drawn();
        media_.Play(entry);
    }
    void StopMedia(StopEntry& entry) override { media_.Stop(entry); }

  private:
    DrawTarget& target_;
    PlayerContext& context_;
    IEntryDrawing& drawing_;
    DrawingWindow& window_;
    MediaPlayback& media_;
    PlainScreen screen_;
};

}  // namespace vl
