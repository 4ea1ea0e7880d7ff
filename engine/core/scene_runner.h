// The player's view of a scene's entry list: Execute by kind. The kinds that need no platform
// are run here (object definitions, Repeat and Comment do nothing, Until jumps, Wait waits); the
// kinds that draw or play go to IEntryPlatform, which the Win32 side implements with GDI and MCI.
#pragma once

#include "engine/core/player.h"
#include "scene/entries.h"
#include "scene/entry_list.h"

namespace vl {

// The entries that draw on the drawing window or play media. Each counts as a visible step.
// None may throw; failures are reported by the platform where the design says.
class IEntryPlatform {
  public:
    virtual ~IEntryPlatform() = default;
    virtual void Show(ShowEntry& entry) = 0;
    virtual void Move(MoveEntry& entry) = 0;
    virtual void Hide(HideEntry& entry) = 0;
    virtual void Cls(ClsEntry& entry) = 0;
    virtual void Line(LineEntry& entry) = 0;
    virtual void Play(PlayEntry& entry) = 0;
    virtual void StopMedia(StopEntry& entry) = 0;
};

class SceneRunner final : public IEntryRunner {
  public:
    // Refers to all three; none is owned.
    SceneRunner(EntryList& entries, PlayerContext& context, IEntryPlatform& platform)
        : entries_(entries), context_(context), platform_(platform) {}

    int EntryCount() const override;
    bool IsDisabled(int index) const override;
    bool Execute(int& loopIndex) override;
    bool TakesTime(int index) const override;
    bool EndsEndlessLoop(int index) const override;

  private:
    bool Wait(WaitEntry& entry);

    EntryList& entries_;
    PlayerContext& context_;
    IEntryPlatform& platform_;
};

}  // namespace vl
