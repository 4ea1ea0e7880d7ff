#include "player_support.h"

#include <algorithm>

#include "scene/portable_preparer.h"

namespace vl::testing {
namespace {

constexpr char kParentClass[] = "VlPlayerTestParent";

std::string Environment(const char* name) {
    char value[MAX_PATH] = "";
    const DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? value : "";
}

}  // namespace

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return true;
}

void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    PumpUntil([&] { return GetTickCount() - start >= ms; }, ms + 1000);
}

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

PrivateTempFolder::PrivateTempFolder()
    : oldTmp_(Environment("TMP")), oldTemp_(Environment("TEMP")) {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    char unique[MAX_PATH];
    GetTempFileNameA(base, "plt", 0, unique);
    DeleteFileA(unique);
    path_ = unique;
    CreateDirectoryA(path_.c_str(), nullptr);
    SetEnvironmentVariableA("TMP", path_.c_str());
    SetEnvironmentVariableA("TEMP", path_.c_str());
}

PrivateTempFolder::~PrivateTempFolder() {
    SetEnvironmentVariableA("TMP", oldTmp_.empty() ? nullptr : oldTmp_.c_str());
    SetEnvironmentVariableA("TEMP", oldTemp_.empty() ? nullptr : oldTemp_.c_str());
    for (const std::string& name : Files())
        DeleteFileA((path_ + "\\" + name).c_str());
    RemoveDirectoryA(path_.c_str());
}

std::vector<std::string> PrivateTempFolder::Files() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
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
