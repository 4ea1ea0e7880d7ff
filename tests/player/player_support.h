// What the player's Wine tests share: a preview-like pair of windows (a parent that receives the
// finished notification and a CClientTestWnd on it), a drawing that counts the entries handed to
// it, scene building, and a private temporary folder.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/player/client_test_wnd.h"
#include "engine/player/entry_drawing.h"
#include "engine/player/scene_thread.h"
#include "scene/entries.h"
#include "scene/entry_list.h"
#include "support/scratch_folder.h"
#include "support/waits.h"
#include "framework/window.h"

namespace vl::testing {

// The waits of the shared test support, by their short names here.
using test::HoldsFor;
using test::PumpUntil;

// A top-level window with a CClientTestWnd filling it, counting the finished notifications.
class PreviewWindows : public Window {
  public:
    PreviewWindows();
    ~PreviewWindows() override;

    CClientTestWnd view;
    int finished = 0;

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
};

// Counts the drawing entries, and runs a test's action inside a Show (on the player thread).
class CountingDrawing : public IEntryDrawing {
  public:
    void Show(ShowEntry& entry, DrawTarget& target, PlayerContext& context) override;
    void Move(MoveEntry&, DrawTarget&, PlayerContext&) override { ++moves; }
    void Hide(HideEntry&, DrawTarget&) override { ++hides; }
    void Line(LineEntry&, DrawTarget&) override { ++lines; }

    std::atomic<int> shows{0}, moves{0}, hides{0}, lines{0};
    // Called with the number of the Show (1 for the first).
    std::function<void(int)> onShow;
};

// Appends an entry of type T and returns it.
template <class T>
T& Add(EntryList& list) {
    auto entry = std::make_unique<T>();
    T& added = *entry;
    list.Append(std::move(entry));
    list.Renumber();
    return added;
}

// Pairs every Until with its Repeat, as the scene check does before a preview.
void PairLoops(EntryList& list);

MultimediaEntry& AddMedia(EntryList& list, const std::vector<std::uint8_t>& bytes, bool video);
PlayEntry& AddPlay(EntryList& list, MultimediaEntry& media, bool wait, std::uint32_t count = 1,
                   bool endless = false);

// Points the process's temporary folder (TMP and TEMP) at a new empty folder for its lifetime.
class PrivateTempFolder {
  public:
    const std::string& Path() const { return folder_.Path(); }
    std::string Path(const std::string& file) const { return folder_.Path(file); }
    // Writes the file in the folder; returns its path.
    std::string Write(const std::string& file, const std::vector<std::uint8_t>& bytes) const {
        return folder_.Write(file, bytes);
    }
    // Names of the files in it, sorted.
    std::vector<std::string> Files() const { return folder_.Files(); }

  private:
    test::ScratchFolder folder_;
    test::TemporaryFolderOverride override_{folder_.Path()};
};

// Starts a thread on the windows' view and pumps messages until its finished notification.
struct RunResult {
    bool finished = false;
    bool ended = false;
};
RunResult PlayToEnd(PreviewWindows& windows, EntryList& list, IEntryDrawing& drawing,
                    WaitOptions options = {}, DWORD timeoutMs = 20000);

}  // namespace vl::testing
