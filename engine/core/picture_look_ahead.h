// Pictures are prepared while a scene plays, a few ahead of their use, instead of all before it
// starts: a slideshow of hundreds of camera photos then starts at once and holds only the photos
// on their way to the screen. The schedule is decided here; the Win32 side prepares the pictures
// (on a thread of its own) and installs them on the player thread.
#pragma once

#include <cstddef>
#include <vector>

#include "engine/core/player.h"
#include "scene/entries.h"
#include "scene/entry_list.h"

namespace vl {

// Whether an image object is a picture that the player prepares when it needs it (texts are
// rendered by the scene check, and are small).
bool PreparedOnTheWay(const ImageEntry& image);

// The distinct pictures that the Show, Move and Hide entries from `index` on will use, in the
// order the player reaches them (loops followed as their Untils will decide, from the pass
// counters as they stand), at most `count` of them. The walk ends at the end of the list, or
// after `walkLimit` entries, so an endless loop without pictures ends it too.
std::vector<ImageEntry*> PicturesAhead(const EntryList& entries, int index, std::size_t count,
                                       std::size_t walkLimit);

// True when every active command that uses image is a Show with Stretch: the picture is then
// only ever drawn at the screen's size.
bool OnlyStretched(const ImageEntry& image);

// Where pictures are made ready and freed. Prepare and Release are asked in play order.
class IPicturePreparation {
  public:
    virtual ~IPicturePreparation() = default;
    // Starts preparing the picture (after those asked for before it); does not wait.
    virtual void Prepare(ImageEntry& image) = 0;
    // Frees the picture, prepared or not; the player does not need it for now.
    virtual void Release(ImageEntry& image) = 0;
    // Returns once the picture is ready to draw (or has failed: it then draws nothing).
    virtual void AwaitReady(ImageEntry& image) = 0;
};

class PictureLookAhead {
  public:
    // ahead: how many distinct pictures are held, the one in use included (at least 1).
    PictureLookAhead(const EntryList& entries, IPicturePreparation& preparation, std::size_t ahead);
    // Frees what none of the next pictures is, asks for those it does not hold yet, and waits
    // for the picture of the entry at index when that entry draws one. Call before every entry.
    void BeforeEntry(int index);
    // Frees every held picture (the end of play).
    void ReleaseAll();
    const std::vector<ImageEntry*>& Held() const { return held_; }

  private:
    const EntryList& entries_;
    IPicturePreparation& preparation_;
    std::size_t ahead_;
    bool anyPicture_ = false;        // some active command draws a picture
    std::vector<ImageEntry*> held_;  // prepared or asked for, in play order
};

// The player's entries with the look-ahead asked before each entry runs.
class LookAheadRunner final : public IEntryRunner {
  public:
    LookAheadRunner(IEntryRunner& entries, PictureLookAhead& lookAhead)
        : entries_(entries), lookAhead_(lookAhead) {}
    int EntryCount() const override { return entries_.EntryCount(); }
    bool IsDisabled(int index) const override { return entries_.IsDisabled(index); }
    bool Execute(int& loopIndex) override {
        lookAhead_.BeforeEntry(loopIndex);
        return entries_.Execute(loopIndex);
    }
    bool TakesTime(int index) const override { return entries_.TakesTime(index); }
    bool EndsEndlessLoop(int index) const override { return entries_.EndsEndlessLoop(index); }

  private:
    IEntryRunner& entries_;
    PictureLookAhead& lookAhead_;
};

}  // namespace vl
