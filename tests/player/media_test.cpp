// Media playback under Wine: the PlaySound flags, the VideoWindow's commands, synchronous and
// looping videos in a scene, and the temporary files they leave (none, once the scene is over).
// Wine's prefix has no sound device, so sounds are played for their side effects only.
#include <windows.h>

#include <gtest/gtest.h>

#include <mmsystem.h>

#include "engine/media/media_kind.h"
#include "engine/media/media_playback.h"
#include "editor/preview_avi_dialog.h"
#include "engine/media/set_media.h"
#include "engine/media/video_window.h"
#include "engine/media/wait_video_window.h"
#include "tests/player/player_support.h"
#include "framework/scripted_prompt.h"
#include "tests/player/tiny_media.h"

namespace vl::testing {
namespace {

constexpr int kWidth = 32;
constexpr int kHeight = 24;

std::vector<std::uint8_t> ShortVideo() {
    return TinyAvi(kWidth, kHeight, 4, 50000);  // 0.2 s
}

int CountEnding(const std::vector<std::string>& files, const std::string& ending) {
    int count = 0;
    for (const std::string& name : files) {
        if (name.size() >= ending.size() &&
            lstrcmpiA(name.c_str() + name.size() - ending.size(), ending.c_str()) == 0) {
            ++count;
        }
    }
    return count;
}

// The frame the open video shows.
DWORD VideoPosition(UINT device) {
    MCI_STATUS_PARMS status = {};
    status.dwItem = MCI_STATUS_POSITION;
    if (mciSendCommandA(device, MCI_STATUS, MCI_STATUS_ITEM, reinterpret_cast<DWORD_PTR>(&status)))
        return 0;
    return static_cast<DWORD>(status.dwReturn);
}

// Waits until the playing video has gone past a later frame and then shows an earlier one.
bool ComesRound(UINT device) {
    DWORD furthest = 0;
    return PumpUntil([&] {
        const DWORD position = VideoPosition(device);
        if (position < furthest)
            return true;
        furthest = position;
        return false;
    });
}

TEST(SoundFlags, AreTheDocumentedCombinations) {
    // SND_MEMORY 0x4, SND_NODEFAULT 0x2, SND_SYNC 0, SND_ASYNC 0x1, SND_LOOP 0x8.
    EXPECT_EQ(SoundFlags(true, false), 0x0006u);
    EXPECT_EQ(SoundFlags(false, true), 0x000Fu);
    EXPECT_EQ(SoundFlags(false, false), 0x0007u);
}

TEST(VideoWindow, CommandsOpenPlaceShowStopAndCloseTheVideo) {
    PrivateTempFolder folder;
    const std::string file = folder.Write("clip.avi", ShortVideo());
    PreviewWindows windows;
    VideoWindow video;
    ASSERT_TRUE(video.Create(windows.view.Handle()));
    HWND hwnd = video.Handle();
    EXPECT_EQ(GetDlgCtrlID(hwnd), VideoWindow::kControlId);
    EXPECT_FALSE(IsWindowVisible(hwnd));

    VideoWindow::Command(hwnd, VideoWindow::kOpen, reinterpret_cast<LPARAM>(file.c_str()));
    EXPECT_NE(video.DeviceId(), 0u);
    EXPECT_EQ(video.FileName(), file);
    const POINT where = {40, 30};
    VideoWindow::Command(hwnd, VideoWindow::kPosition, reinterpret_cast<LPARAM>(&where));
    VideoWindow::Command(hwnd, VideoWindow::kPlay, 0);
    EXPECT_TRUE(IsWindowVisible(hwnd));
    RECT rect;
    GetWindowRect(hwnd, &rect);
    MapWindowPoints(nullptr, windows.view.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 40);
    EXPECT_EQ(rect.top, 30);
    EXPECT_EQ(rect.right - rect.left, kWidth);
    EXPECT_EQ(rect.bottom - rect.top, kHeight);
    // Longer than the video: it comes round to its start again.
    EXPECT_TRUE(ComesRound(video.DeviceId()));

    VideoWindow::Command(hwnd, VideoWindow::kStop);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_NE(video.DeviceId(), 0u);
    VideoWindow::Command(hwnd, VideoWindow::kClose);
    EXPECT_EQ(video.DeviceId(), 0u);
    // Closed, the file is free again.
    EXPECT_TRUE(DeleteFileA(file.c_str()));
}

TEST(VideoWindow, DestructionClosesAnOpenVideo) {
    PrivateTempFolder folder;
    const std::string file = folder.Write("clip.avi", ShortVideo());
    PreviewWindows windows;
    VideoWindow video;
    ASSERT_TRUE(video.Create(windows.view.Handle()));
    VideoWindow::Command(video.Handle(), VideoWindow::kOpen,
                         reinterpret_cast<LPARAM>(file.c_str()));
    VideoWindow::Command(video.Handle(), VideoWindow::kPlay, 0);
    ASSERT_NE(video.DeviceId(), 0u);

    SendMessageA(video.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(video.Destroyed());
    EXPECT_EQ(video.DeviceId(), 0u);
    EXPECT_TRUE(DeleteFileA(file.c_str()));
}

TEST(MediaInScene, NoTemporaryFileIsLeftAfterAVideoAndASound) {
    PrivateTempFolder folder;
    PreviewWindows windows;
    EntryList list;
    MultimediaEntry& video = AddMedia(list, ShortVideo(), true);
    MultimediaEntry& sound = AddMedia(list, TinyWave(800), false);
    AddPlay(list, video, false);
    AddPlay(list, sound, false, 1, true);  // loops while the scene goes on
    Add<ShowEntry>(list);
    AddPlay(list, sound, true, 2);
    CountingDrawing drawing;
    std::vector<std::string> whilePlaying;
    drawing.onShow = [&](int) { whilePlaying = folder.Files(); };

    const RunResult result = PlayToEnd(windows, list, drawing);
    EXPECT_TRUE(result.finished);
    // While the looping video played, its ".avi" copy existed, and nothing else.
    EXPECT_EQ(whilePlaying.size(), 1u);
    EXPECT_EQ(CountEnding(whilePlaying, ".avi"), 1);
    EXPECT_TRUE(folder.Files().empty());
}

TEST(MediaInScene, NextVideoReplacesThePreviousOneAndItsFile) {
    PrivateTempFolder folder;
    PreviewWindows windows;
    EntryList list;
    MultimediaEntry& first = AddMedia(list, ShortVideo(), true);
    MultimediaEntry& second = AddMedia(list, TinyAvi(16, 16, 3, 40000), true);
    AddPlay(list, first, false);
    Add<ShowEntry>(list);
    AddPlay(list, second, false);
    Add<ShowEntry>(list);
    CountingDrawing drawing;
    std::vector<std::vector<std::string>> seen;
    drawing.onShow = [&](int) { seen.push_back(folder.Files()); };

    EXPECT_TRUE(PlayToEnd(windows, list, drawing).finished);
    ASSERT_EQ(seen.size(), 2u);
    ASSERT_EQ(seen[0].size(), 1u);
    ASSERT_EQ(seen[1].size(), 1u);
    EXPECT_NE(seen[0][0], seen[1][0]);
    EXPECT_TRUE(folder.Files().empty());
}

TEST(MediaInScene, StopEntryEndsTheVideoAndDeletesItsFile) {
    PrivateTempFolder folder;
    PreviewWindows windows;
    EntryList list;
    MultimediaEntry& video = AddMedia(list, ShortVideo(), true);
    AddPlay(list, video, false);
    StopEntry& stop = Add<StopEntry>(list);
    video.AddUser(stop);
    Add<ShowEntry>(list);
    CountingDrawing drawing;
    std::vector<std::string> afterStop{"not seen"};
    bool videoVisible = true;
    drawing.onShow = [&](int) {
        afterStop = folder.Files();
        HWND child = GetDlgItem(windows.view.Handle(), VideoWindow::kControlId);
        videoVisible = child && IsWindowVisible(child);
    };

    EXPECT_TRUE(PlayToEnd(windows, list, drawing).finished);
    EXPECT_TRUE(afterStop.empty());
    EXPECT_FALSE(videoVisible);
}

TEST(MediaInScene, VideoWithWaitPlaysToItsEndAndRemovesItsFile) {
    PrivateTempFolder folder;
    PreviewWindows windows;
    EntryList list;
    MultimediaEntry& video = AddMedia(list, TinyAvi(kWidth, kHeight, 8, 50000), true);  // 0.4 s
    AddPlay(list, video, true, 1);
    Add<ShowEntry>(list);
    CountingDrawing drawing;
    std::vector<std::string> afterPlay{"not seen"};
    drawing.onShow = [&](int) { afterPlay = folder.Files(); };

    const DWORD start = GetTickCount();
    EXPECT_TRUE(PlayToEnd(windows, list, drawing).finished);
    EXPECT_GE(GetTickCount() - start, 300u);  // the scene waited for the video
    EXPECT_TRUE(afterPlay.empty());
    EXPECT_TRUE(folder.Files().empty());
}

TEST(MediaInScene, StopDuringAVideoWithWaitEndsItAtOnce) {
    PrivateTempFolder folder;
    PreviewWindows windows;
    EntryList list;
    MultimediaEntry& video = AddMedia(list, TinyAvi(kWidth, kHeight, 200, 50000), true);  // 10 s
    AddPlay(list, video, true, 1);
    CountingDrawing drawing;
    std::uint32_t times = 0;
    CSceneThread thread(windows.view, &times, ScenePlay{list, {}, &drawing});
    ASSERT_TRUE(thread.Start(0));
    ASSERT_TRUE(PumpUntil([&] { return CountEnding(folder.Files(), ".avi") == 1; }));
    // The player plays it inside a window of its own, until the end or Stop.
    ASSERT_TRUE(PumpUntil([&] {
        HWND child = GetDlgItem(windows.view.Handle(), WaitVideoWindow::kControlId);
        return child && IsWindowVisible(child);
    })) << "the video plays";

    const DWORD start = GetTickCount();
    thread.Stop();
    EXPECT_LT(GetTickCount() - start, 2000u);
    EXPECT_TRUE(folder.Files().empty());
}

TEST(MediaInScene, StopDuringALoopingVideoLeavesNoFile) {
    PrivateTempFolder folder;
    PreviewWindows windows;
    EntryList list;
    MultimediaEntry& video = AddMedia(list, ShortVideo(), true);
    AddPlay(list, video, false);
    Add<WaitEntry>(list).duration.milliseconds = 30000;
    CountingDrawing drawing;
    std::uint32_t times = 0;
    CSceneThread thread(windows.view, &times, ScenePlay{list, {}, &drawing});
    ASSERT_TRUE(thread.Start(0));
    ASSERT_TRUE(PumpUntil([&] {
        HWND child = GetDlgItem(windows.view.Handle(), VideoWindow::kControlId);
        return child && IsWindowVisible(child);
    }));
    EXPECT_EQ(CountEnding(folder.Files(), ".avi"), 1);

    thread.Stop();
    EXPECT_EQ(GetDlgItem(windows.view.Handle(), VideoWindow::kControlId), nullptr);
    EXPECT_TRUE(folder.Files().empty());
}

TEST(SetMedia, ReadsTheFileAndTakesTheKindFromTheExtensionInAnyCase) {
    PrivateTempFolder folder;
    ScriptedPrompt prompt;
    ScopedPromptOverride scope(prompt);
    const std::vector<std::uint8_t> bytes = ShortVideo();
    const std::string upper = folder.Write("CLIP.AVI", bytes);
    const std::string wave = folder.Write("tone.wav", TinyWave(10));

    MultimediaEntry media;
    EXPECT_EQ(SetMedia(media, upper), 1);
    EXPECT_EQ(media.mediaType, MultimediaEntry::kTypeAvi);
    EXPECT_EQ(std::vector<std::uint8_t>(media.data.begin(), media.data.end()), bytes);
    EXPECT_NE(media.fileName.find("CLIP"), std::string::npos);

    EXPECT_EQ(SetMedia(media, wave), 1);
    EXPECT_EQ(media.mediaType, MultimediaEntry::kTypeOther);
    EXPECT_EQ(media.data.size(), TinyWave(10).size());
    EXPECT_TRUE(prompt.Shown().empty());
}

TEST(SetMedia, UnreadableFileLeavesTheObjectWithoutData) {
    PrivateTempFolder folder;
    ScriptedPrompt prompt;
    ScopedPromptOverride scope(prompt);
    const std::string wave = folder.Write("tone.wav", TinyWave(10));
    MultimediaEntry media;
    ASSERT_EQ(SetMedia(media, wave), 1);

    const std::string missing = folder.Path("gone.wav");
    EXPECT_EQ(SetMedia(media, missing), 0);
    EXPECT_TRUE(media.data.empty());
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{missing + "\nCannot be read data."});
}

// Records what the dialog looks like once it is up, then closes it as the user would.
class ObservedPreviewAvi : public PreviewAviDialog {
  public:
    SIZE dialogSize = {0, 0};
    RECT videoRect = {0, 0, 0, 0};
    bool videoVisible = false;

  protected:
    BOOL OnInitDialog() override {
        const BOOL result = PreviewAviDialog::OnInitDialog();
        RECT frame;
        GetWindowRect(Handle(), &frame);
        dialogSize = {frame.right - frame.left, frame.bottom - frame.top};
        if (Video()) {
            GetWindowRect(Video()->Handle(), &videoRect);
            MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&videoRect), 2);
            // The dialog itself is not shown yet; the video window's own style says it would be.
            videoVisible = (GetWindowLongPtrA(Video()->Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
        }
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
        return result;
    }
};

TEST(PreviewAviDialog, LoopsTheVideoInAFrameSizedToItAndClosesIt) {
    PrivateTempFolder folder;
    const std::string file = folder.Write("clip.avi", ShortVideo());
    ObservedPreviewAvi dialog;
    dialog.fileName = file;

    EXPECT_EQ(dialog.Run(nullptr), IDCANCEL);
    EXPECT_EQ(dialog.dialogSize.cx, kWidth + 7);
    EXPECT_EQ(dialog.dialogSize.cy, kHeight + 25);
    EXPECT_EQ(dialog.videoRect.left, 0);
    EXPECT_EQ(dialog.videoRect.top, 0);
    EXPECT_EQ(dialog.videoRect.right, kWidth);
    EXPECT_EQ(dialog.videoRect.bottom, kHeight);
    EXPECT_TRUE(dialog.videoVisible);
    // The video was closed with the dialog: its file is free.
    EXPECT_TRUE(DeleteFileA(file.c_str()));
}

}  // namespace
}  // namespace vl::testing
