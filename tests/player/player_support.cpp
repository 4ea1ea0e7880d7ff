#include "tests/player/player_support.h"

#include "scene/portable_preparer.h"

namespace vl::testing {
namespace {

constexpr char kParentClass[] = "VlPlayerTestParent";

}  // namespace

PreviewWindows::PreviewWindows() {
    WindowClass windowClass = {};
    windowClass.name = kParentClass;
    EXPECT_TRUE(Window::Register(windowClass));
    EXPECT_TRUE(Create(kParentClass, 0, "Preview", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240, nullptr));
    RECT area = {0, 0, 320, 240};
    EXPECT_TRUE(view.Create(Handle(), area, 0xE900));
}

PreviewWindows::~PreviewWindows() = default;

LRESULT PreviewWindows::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case kFinishedNotification:
            ++finished;
            return 0;
        default:
            return DefaultProc(msg, wParam, lParam);
    }
}

void CountingDrawing::Show(ShowEntry&, DrawTarget&, PlayerContext&) {
    const int number = ++shows;
    if (onShow)
        onShow(number);
}

void PairLoops(EntryList& list) {
    list.Renumber();
    PortablePreparer preparer;
    ValidationContext context{list, preparer};
    for (std::size_t i = 0; i < list.Count(); ++i) {
        if (auto* until = EntryAs<UntilEntry>(&list.At(i))) {
            ASSERT_TRUE(until->Validate(context).ok);
        }
    }
}

MultimediaEntry& AddMedia(EntryList& list, const std::vector<std::uint8_t>& bytes, bool video) {
    MultimediaEntry& media = Add<MultimediaEntry>(list);
    media.data = ByteBlock::Copy(bytes.data(), bytes.size());
    media.mediaType = video ? MultimediaEntry::kTypeAvi : MultimediaEntry::kTypeOther;
    media.fileName = video ? "clip.avi" : "tone.wav";
    return media;
}

PlayEntry& AddPlay(EntryList& list, MultimediaEntry& media, bool wait, std::uint32_t count,
                   bool endless) {
    PlayEntry& play = Add<PlayEntry>(list);
    media.AddUser(play);
    play.params.mode.wait = wait ? 1 : 0;
    play.params.mode.count = count;
    play.params.mode.endless = endless ? 1 : 0;
    play.params.mode.videoX = 10;
    play.params.mode.videoY = 20;
    return play;
}

RunResult PlayToEnd(PreviewWindows& windows, EntryList& list, IEntryDrawing& drawing,
                    WaitOptions options, DWORD timeoutMs) {
    std::uint32_t times = 0;
    CSceneThread thread(windows.view, &times, ScenePlay{list, options, &drawing});
    RunResult result;
    if (!thread.Start(0))
        return result;
    const int before = windows.finished;
    result.finished = PumpUntil([&] { return windows.finished > before; }, timeoutMs);
    result.ended = thread.HasEnded();
    return result;
}

}  // namespace vl::testing
