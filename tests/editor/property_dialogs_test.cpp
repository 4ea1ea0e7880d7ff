// The Wait, Until, Repeat, Comment, Multimedia, Play (with Play Settings) and Stop dialogs under
// Wine, played as a user would: what each shows, what OK writes back, what Cancel leaves alone.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "editor/command_dialogs.h"
#include "editor/media_dialogs.h"
#include "editor/property_dialogs.h"
#include "editor/property_dialogs_resources.h"
#include "editor/property_kinds.h"
#include "property_test_support.h"
#include "support/scratch_folder.h"

namespace vl {
namespace {

using test::DialogScript;
using test::PropertyHarness;

// A press and release of a spin control's upper (+1) or lower (-1) arrow.
DialogScript::Step Spin(int spinId, int direction) {
    return [=](HWND dialog) {
        HWND spin = GetDlgItem(dialog, spinId);
        RECT area;
        GetClientRect(spin, &area);
        const int y = direction > 0 ? area.bottom / 4 : area.bottom * 3 / 4;
        const LPARAM at = MAKELPARAM(area.right / 2, y);
        SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(spin, WM_LBUTTONUP, 0, at);
    };
}

bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// ---- Wait

TEST(WaitDialog, OpensWithTheDurationInSecondsAndCancelKeepsTheEntry) {
    PropertyHarness h;
    WaitEntry wait;
    wait.duration.milliseconds = 1500;
    wait.duration.random = 1;
    wait.description.text = "Pause";
    std::string seconds, title;
    UINT random = 0;
    DialogScript script;
    script.ReadText(IDC_PD_DURATION, seconds)
        .ReadCheck(IDC_PD_RANDOM, random)
        .Do([&](HWND d) { title = test::WindowText(d); })
        .SetText(IDC_PD_DURATION, "3")
        .Click(IDCANCEL);
    EXPECT_FALSE(
        script.Play([&] { return EditWait(h.context, nullptr, wait) ? IDOK : IDCANCEL; }) == IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(seconds, "1.5");
    EXPECT_EQ(random, BST_CHECKED);
    EXPECT_EQ(title, "Wait - Pause");
    EXPECT_EQ(wait.duration.milliseconds, 1500);
    EXPECT_EQ(wait.duration.random, 1);
}

TEST(WaitDialog, OkRoundsToHundredthsAndStoresWholeMilliseconds) {
    PropertyHarness h;
    WaitEntry wait;
    wait.duration.milliseconds = 1500;
    wait.duration.random = 1;
    wait.description.text = "Pause";
    DialogScript script;
    script.SetText(IDC_PD_DURATION, "2.345").Check(IDC_PD_RANDOM, BST_UNCHECKED).Click(IDOK);
    EXPECT_EQ(script.Play([&] { return EditWait(h.context, nullptr, wait) ? IDOK : IDCANCEL; }),
              IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(wait.duration.milliseconds, 2350);
    EXPECT_EQ(wait.duration.random, 0);
    EXPECT_EQ(wait.description.text, "Pause");
}

TEST(WaitDialog, RefusesMoreThanAHundredSecondsAndStaysOpenWithTheFocusThere) {
    PropertyHarness h;
    WaitEntry wait;
    wait.duration.milliseconds = 1000;
    bool focused = false;
    DialogScript script;
    script.SetText(IDC_PD_DURATION, "100.5")
        .Check(IDC_PD_RANDOM)
        .Click(IDOK)
        .Do([&](HWND d) { focused = GetFocus() == GetDlgItem(d, IDC_PD_DURATION); })
        .SetText(IDC_PD_DURATION, "100")
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return EditWait(h.context, nullptr, wait) ? IDOK : IDCANCEL; }),
              IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(h.prompt.Texts(),
              (std::vector<std::string>{"Please enter a number between 0 and 100."}));
    EXPECT_TRUE(focused);
    EXPECT_EQ(wait.duration.milliseconds, 100000);
    EXPECT_EQ(wait.duration.random, 1);
}

TEST(WaitDialog, SpinStepsHalfASecondWithinTheRange) {
    PropertyHarness h;
    WaitEntry wait;
    wait.duration.milliseconds = 300;
    std::string up, down, floor;
    DialogScript script;
    script.Do(Spin(IDC_PD_DURATION_SPIN, +1))
        .ReadText(IDC_PD_DURATION, up)
        .Do(Spin(IDC_PD_DURATION_SPIN, -1))
        .ReadText(IDC_PD_DURATION, down)
        .Do(Spin(IDC_PD_DURATION_SPIN, -1))
        .Do(Spin(IDC_PD_DURATION_SPIN, -1))
        .ReadText(IDC_PD_DURATION, floor)
        .Click(IDCANCEL);
    script.Play([&] { return EditWait(h.context, nullptr, wait) ? IDOK : IDCANCEL; });
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(up, "0.8");
    EXPECT_EQ(down, "0.3");
    EXPECT_EQ(floor, "0");
}

// ---- Until and Repeat

TEST(UntilDialog, OpensWithTheCountAndOkWritesCountAndInfinite) {
    PropertyHarness h;
    UntilEntry until;
    until.repeat.count = 7;
    std::string count;
    UINT infinite = 1;
    int low = 0, high = 0;
    DialogScript script;
    script.ReadText(IDC_PD_REPEAT_COUNT, count)
        .ReadCheck(IDC_PD_INFINITE, infinite)
        .Do([&](HWND d) {
            SendDlgItemMessageA(d, IDC_PD_REPEAT_SPIN, UDM_GETRANGE32,
                                reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
        })
        .SetText(IDC_PD_REPEAT_COUNT, "999999")
        .Check(IDC_PD_INFINITE)
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return EditUntil(h.context, nullptr, until) ? IDOK : IDCANCEL; }),
              IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(count, "7");
    EXPECT_EQ(infinite, BST_UNCHECKED);
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 5000);
    EXPECT_EQ(until.repeat.count, 999999u);
    EXPECT_EQ(until.repeat.infinite, 1);
}

TEST(UntilDialog, RefusesACountOutsideOneToNineHundredNinetyNineThousand) {
    PropertyHarness h;
    UntilEntry until;
    until.repeat.count = 7;
    DialogScript script;
    script.SetText(IDC_PD_REPEAT_COUNT, "0")
        .Click(IDOK)
        .SetText(IDC_PD_REPEAT_COUNT, "1000000")
        .Click(IDOK)
        .Click(IDCANCEL);
    EXPECT_EQ(script.Play([&] { return EditUntil(h.context, nullptr, until) ? IDOK : IDCANCEL; }),
              IDCANCEL);
    EXPECT_TRUE(script.Failures().empty());
    const std::string range = "Please enter an integer between 1 and 999999.";
    EXPECT_EQ(h.prompt.Texts(), (std::vector<std::string>{range, range}));
    EXPECT_EQ(until.repeat.count, 7u);
}

TEST(RepeatDialog, IsTheDescriptionDialogTitledWithTheDescription) {
    PropertyHarness h;
    RepeatEntry repeat;
    repeat.description.text = "Outer";
    std::string title, shown;
    DialogScript script;
    script.Do([&](HWND d) { title = test::WindowText(d); })
        .ReadText(IDC_PD_DESCRIPTION_TEXT, shown)
        .SetText(IDC_PD_DESCRIPTION_TEXT, "Inner")
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return EditRepeat(h.context, nullptr, repeat) ? IDOK : IDCANCEL; }),
              IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(title, "Repeat - Outer");
    EXPECT_EQ(shown, "Outer");
    EXPECT_EQ(repeat.description.text, "Inner");

    DialogScript cancelled;
    cancelled.SetText(IDC_PD_DESCRIPTION_TEXT, "Other").Click(IDCANCEL);
    cancelled.Play([&] { return EditRepeat(h.context, nullptr, repeat) ? IDOK : IDCANCEL; });
    EXPECT_EQ(repeat.description.text, "Inner");
}

// ---- Comment

TEST(CommentDialog, EditsTheCommentTextUnderTheTitleComment) {
    PropertyHarness h;
    CommentEntry comment;
    comment.text = "Night falls";
    std::string title, shown;
    DialogScript script;
    script.Do([&](HWND d) { title = test::WindowText(d); })
        .ReadText(IDC_PD_COMMENT_TEXT, shown)
        .SetText(IDC_PD_COMMENT_TEXT, "Day breaks")
        .Click(IDOK);
    EXPECT_EQ(
        script.Play([&] { return EditComment(h.context, nullptr, comment) ? IDOK : IDCANCEL; }),
        IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(title, "Comment");
    EXPECT_EQ(shown, "Night falls");
    EXPECT_EQ(comment.text, "Day breaks");

    DialogScript cancelled;
    cancelled.SetText(IDC_PD_COMMENT_TEXT, "Dusk").Click(IDCANCEL);
    cancelled.Play([&] { return EditComment(h.context, nullptr, comment) ? IDOK : IDCANCEL; });
    EXPECT_EQ(comment.text, "Day breaks");
}

// ---- Multimedia

// Records what "&Test" would play or show, and what the video file looked like then.
class RecordingPresenter final : public MediaPresenter {
  public:
    void PlaySoundBytes(const ByteBlock& bytes) override { sounds.push_back(bytes); }
    void ShowVideo(HWND, const std::string& path) override {
        videoPath = path;
        videoBytes = FileBytes(path);
        dataFileThere = path.size() > 4 && Exists(path.substr(0, path.size() - 4));
    }
    std::vector<ByteBlock> sounds;
    std::string videoPath;
    std::vector<std::uint8_t> videoBytes;
    bool dataFileThere = false;
};

TEST(MultimediaDialog, ChoosesAFileThroughNewMediaAndOkTakesItsBytes) {
    PropertyHarness h;
    test::ScratchFolder folder;
    const std::vector<std::uint8_t> wave = Bytes("RIFF\x04\0\0\0WAVEdata");
    const std::string path = folder.Write("chime.wav", wave);
    MultimediaEntry media;
    media.description.text = "Bell";
    h.prompt.AnswerFile(path);
    std::string before, after;
    bool testBefore = true, testAfter = false, iconAfter = false;
    DialogScript script;
    script.ReadText(IDC_PD_MEDIA_NAME, before)
        .Do([&](HWND d) { testBefore = Enabled(d, IDC_PD_TEST); })
        .Click(IDC_PD_MEDIA_CHOOSE)
        .ReadText(IDC_PD_MEDIA_NAME, after)
        .Do([&](HWND d) {
            testAfter = Enabled(d, IDC_PD_TEST);
            iconAfter = SendDlgItemMessageA(d, IDC_PD_MEDIA_ICON, STM_GETICON, 0, 0) != 0;
        })
        .Click(IDOK);
    EXPECT_EQ(
        script.Play([&] { return EditMultimedia(h.context, nullptr, media) ? IDOK : IDCANCEL; }),
        IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_TRUE(h.prompt.Failures().empty());
    ASSERT_EQ(h.prompt.Shown().size(), 1u);
    EXPECT_EQ(h.prompt.Shown()[0].request.title, "New Media");
    EXPECT_EQ(h.prompt.Shown()[0].request.filter,
              "All supported media files |*.wav;*.avi|AVI Files (.avi)|*.avi|Wave Files "
              "(.wav)|*.wav|All Files (*.*)|*.*||");
    EXPECT_EQ(before, "");
    EXPECT_FALSE(testBefore);
    EXPECT_NE(after.find("chime"), std::string::npos);
    EXPECT_TRUE(testAfter);
    EXPECT_TRUE(iconAfter);
    EXPECT_EQ(std::vector<std::uint8_t>(media.data.begin(), media.data.end()), wave);
    EXPECT_EQ(media.mediaType, MultimediaEntry::kTypeOther);
    EXPECT_EQ(media.fileName, after);
    EXPECT_EQ(media.description.text, "Bell");
}

TEST(MultimediaDialog, AFileThatCannotBeReadLeavesTheObjectAsItWas) {
    PropertyHarness h;
    test::ScratchFolder folder;
    MultimediaEntry media;
    media.fileName = "old.wav";
    media.data = ByteBlock::Adopt(Bytes("RIFFold"));
    const std::string missing = folder.Path("missing.avi");
    h.prompt.AnswerFile(missing);
    std::string name;
    DialogScript script;
    script.Click(IDC_PD_MEDIA_CHOOSE).ReadText(IDC_PD_MEDIA_NAME, name).Click(IDOK);
    EXPECT_EQ(
        script.Play([&] { return EditMultimedia(h.context, nullptr, media) ? IDOK : IDCANCEL; }),
        IDOK);
    EXPECT_TRUE(script.Failures().empty());
    ASSERT_EQ(h.prompt.Texts().size(), 2u);
    EXPECT_EQ(h.prompt.Texts()[1], missing + "\nCannot be read data.");
    EXPECT_EQ(name, "old.wav");
    EXPECT_EQ(media.fileName, "old.wav");
    EXPECT_EQ(std::string(media.data.begin(), media.data.end()), "RIFFold");
    EXPECT_EQ(media.mediaType, MultimediaEntry::kTypeOther);
}

TEST(MultimediaDialog, TestPlaysASoundFromItsBytesAndCancelKeepsTheObject) {
    PropertyHarness h;
    MultimediaEntry media;
    media.fileName = "chime.wav";
    media.data = ByteBlock::Adopt(Bytes("RIFFsound"));
    MultimediaDialog dialog(h.context, media);
    RecordingPresenter presenter;
    dialog.presenter = &presenter;
    DialogScript script;
    script.Click(IDC_PD_TEST).Click(IDCANCEL);
    EXPECT_EQ(script.Play([&] { return dialog.Run(nullptr); }), IDCANCEL);
    EXPECT_TRUE(script.Failures().empty());
    ASSERT_EQ(presenter.sounds.size(), 1u);
    EXPECT_TRUE(presenter.sounds[0].SameBytes(media.data));
    EXPECT_TRUE(presenter.videoPath.empty());
}

TEST(MultimediaDialog, TestShowsAVideoFromATemporaryAviCopyAndDeletesBothFiles) {
    PropertyHarness h;
    test::ScratchFolder folder;
    test::TemporaryFolderOverride temporary(folder.Path());
    MultimediaEntry media;
    media.fileName = "clip.avi";
    media.mediaType = MultimediaEntry::kTypeAvi;
    const std::vector<std::uint8_t> video = Bytes("RIFF\x08\0\0\0AVI LIST");
    media.data = ByteBlock::Adopt(video);
    MultimediaDialog dialog(h.context, media);
    RecordingPresenter presenter;
    dialog.presenter = &presenter;
    DialogScript script;
    script.Click(IDC_PD_TEST).Click(IDCANCEL);
    script.Play([&] { return dialog.Run(nullptr); });
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_TRUE(presenter.sounds.empty());
    ASSERT_GT(presenter.videoPath.size(), 4u);
    EXPECT_EQ(presenter.videoPath.substr(presenter.videoPath.size() - 4), ".avi");
    EXPECT_EQ(presenter.videoPath.rfind(folder.Path(), 0), 0u);
    EXPECT_EQ(presenter.videoBytes, video);
    EXPECT_TRUE(presenter.dataFileThere);
    EXPECT_TRUE(folder.Files().empty());
}

// ---- Play, Play Settings and Stop

struct MediaScene {
    PropertyHarness h;
    MultimediaEntry& sound = h.Add<MultimediaEntry>("sound");
    WaitEntry& wait = h.Add<WaitEntry>();
    MultimediaEntry& video = h.Add<MultimediaEntry>("video");
    MediaScene() {
        sound.fileName = "chime.wav";
        sound.data = ByteBlock::Adopt(Bytes("RIFFsound"));
        video.fileName = "clip.avi";
        video.mediaType = MultimediaEntry::kTypeAvi;
    }
};

TEST(PlayDialog, ListsTheMediaWithTheLinkedOneAndOkLinksTheChosenOne) {
    MediaScene s;
    PlayEntry play;
    play.description.text = "Music";
    play.params.mode.count = 4;
    play.SetObject(&s.video);
    std::vector<std::string> rows;
    int selected = -2;
    bool testOnVideo = true, testOnSound = false;
    std::string title;
    DialogScript script;
    script
        .Do([&](HWND d) {
            rows = test::ListRows(d, IDC_PD_MEDIA_LIST);
            selected = test::ListSelection(d, IDC_PD_MEDIA_LIST);
            testOnVideo = Enabled(d, IDC_PD_TEST);  // the video has no bytes
            title = test::WindowText(d);
        })
        .Do(test::ClickRow(IDC_PD_MEDIA_LIST, 0))
        .Do([&](HWND d) { testOnSound = Enabled(d, IDC_PD_TEST); })
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return EditPlay(s.h.context, nullptr, play) ? IDOK : IDCANCEL; }),
              IDOK);
    EXPECT_TRUE(script.Failures().empty());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_NE(rows[0].find("chime.wav"), std::string::npos);
    EXPECT_NE(rows[1].find("clip.avi"), std::string::npos);
    EXPECT_EQ(selected, 1);
    EXPECT_FALSE(testOnVideo);
    EXPECT_TRUE(testOnSound);
    EXPECT_EQ(title, "Play - Music");
    EXPECT_EQ(play.GetLinkedObject(), &s.sound);
    EXPECT_TRUE(s.video.Users().empty());
    EXPECT_EQ(play.params.mode.count, 4u);
    EXPECT_EQ(play.description.text, "Music");
}

TEST(PlayDialog, CtrlClickClearsTheLinkAndCancelKeepsEverything) {
    MediaScene s;
    PlayEntry play;
    play.SetObject(&s.sound);
    DialogScript cancelled;
    cancelled.Do(test::ClickRow(IDC_PD_MEDIA_LIST, 0, true)).Click(IDCANCEL);
    cancelled.Play([&] { return EditPlay(s.h.context, nullptr, play) ? IDOK : IDCANCEL; });
    EXPECT_EQ(play.GetLinkedObject(), &s.sound);

    DialogScript confirmed;
    confirmed.Do(test::ClickRow(IDC_PD_MEDIA_LIST, 0, true)).Click(IDOK);
    confirmed.Play([&] { return EditPlay(s.h.context, nullptr, play) ? IDOK : IDCANCEL; });
    EXPECT_TRUE(confirmed.Failures().empty());
    EXPECT_EQ(play.GetLinkedObject(), nullptr);
    EXPECT_TRUE(s.sound.Users().empty());
}

TEST(PlayDialog, ConfirmedSettingsAreKeptAndOkBecomesTheDefaultButton) {
    MediaScene s;
    PlayEntry play;
    play.SetObject(&s.sound);
    play.params.mode.count = 1;
    play.params.mode.endless = 1;
    int defaultId = 0;
    bool settingsLooksDefault = true, focusOnOk = false;
    DialogScript script;
    script.Click(IDC_PD_SETTINGS)
        .Check(IDC_PD_WAIT_PLAYS)
        .SetText(IDC_PD_REPEAT_COUNT, "3")
        .Click(IDOK)
        .Do([&](HWND d) {
            defaultId = test::DefaultButton(d);
            settingsLooksDefault = test::LooksDefault(d, IDC_PD_SETTINGS);
            focusOnOk = GetFocus() == GetDlgItem(d, IDOK);
        })
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return EditPlay(s.h.context, nullptr, play) ? IDOK : IDCANCEL; }),
              IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(defaultId, IDOK);
    EXPECT_FALSE(settingsLooksDefault);
    EXPECT_TRUE(focusOnOk);
    EXPECT_EQ(play.params.mode.count, 3u);
    EXPECT_EQ(play.params.mode.wait, 1);
    EXPECT_EQ(play.params.mode.endless, 0);
    EXPECT_EQ(play.GetLinkedObject(), &s.sound);

    // Settings confirmed, then the Play dialog cancelled: nothing changes.
    DialogScript cancelled;
    cancelled.Click(IDC_PD_SETTINGS).SetText(IDC_PD_REPEAT_COUNT, "9").Click(IDOK).Click(IDCANCEL);
    cancelled.Play([&] { return EditPlay(s.h.context, nullptr, play) ? IDOK : IDCANCEL; });
    EXPECT_TRUE(cancelled.Failures().empty());
    EXPECT_EQ(play.params.mode.count, 3u);
}

struct SettingsView {
    UINT wait = 0, noWait = 0;
    bool count = false, infinite = false;
};

DialogScript::Step ReadSettings(SettingsView& view) {
    return [&view](HWND d) {
        view.wait = IsDlgButtonChecked(d, IDC_PD_WAIT_PLAYS);
        view.noWait = IsDlgButtonChecked(d, IDC_PD_NO_WAIT);
        view.count = Enabled(d, IDC_PD_REPEAT_COUNT) && Enabled(d, IDC_PD_REPEAT_SPIN);
        view.infinite = Enabled(d, IDC_PD_INFINITE);
    };
}

TEST(PlaySettingsDialog, WaitAndNoWaitExcludeEachOtherAndOnlyWaitingTakesACount) {
    PropertyHarness h;
    PlayModeParam mode;
    mode.wait = 1;
    SettingsView opened, noWait, waitAgain, neither;
    PlaySettingsDialog dialog(h.context, mode, false);
    DialogScript script;
    script.Do(ReadSettings(opened))
        .Check(IDC_PD_NO_WAIT)
        .Do(ReadSettings(noWait))
        .Check(IDC_PD_WAIT_PLAYS)
        .Do(ReadSettings(waitAgain))
        .Check(IDC_PD_WAIT_PLAYS, BST_UNCHECKED)
        .Do(ReadSettings(neither))
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return dialog.Run(nullptr); }), IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(opened.wait, BST_CHECKED);
    EXPECT_TRUE(opened.count && opened.infinite);
    EXPECT_EQ(noWait.wait, BST_UNCHECKED);
    EXPECT_EQ(noWait.noWait, BST_CHECKED);
    EXPECT_FALSE(noWait.count || noWait.infinite);
    EXPECT_EQ(waitAgain.wait, BST_CHECKED);
    EXPECT_EQ(waitAgain.noWait, BST_UNCHECKED);
    EXPECT_TRUE(waitAgain.count && waitAgain.infinite);
    EXPECT_EQ(neither.noWait, BST_UNCHECKED);
    EXPECT_FALSE(neither.count || neither.infinite);
    EXPECT_EQ(dialog.mode.wait, 0);
    EXPECT_EQ(dialog.mode.endless, 0);
}

TEST(PlaySettingsDialog, WithNoWaitInfiniteTheCountCannotBeEdited) {
    PropertyHarness h;
    PlayModeParam mode;
    mode.endless = 1;
    mode.count = 0;  // below the field's range, as an old scene may hold it
    PlaySettingsDialog dialog(h.context, mode, false);
    SettingsView opened;
    DialogScript script;
    script.Do(ReadSettings(opened)).SetText(IDC_PD_REPEAT_COUNT, "5").Click(IDOK);
    EXPECT_EQ(script.Play([&] { return dialog.Run(nullptr); }), IDOK);
    // The user could not type into the disabled count.
    EXPECT_EQ(script.Failures().size(), 1u);
    EXPECT_EQ(opened.noWait, BST_CHECKED);
    EXPECT_FALSE(opened.count || opened.infinite);
    // Nor does the untouchable count keep the dialog from closing.
    EXPECT_TRUE(h.prompt.Texts().empty());
    EXPECT_EQ(dialog.mode.count, 1u);
    EXPECT_EQ(dialog.mode.endless, 1);
}

TEST(PlaySettingsDialog, PositionIsOnlyForAVideoAndTakesItsRange) {
    PropertyHarness h;
    PlayModeParam mode;
    mode.videoX = 10;
    mode.videoY = 20;
    bool soundPosition = true;
    {
        PlaySettingsDialog dialog(h.context, mode, false);
        DialogScript script;
        script.Do([&](HWND d) { soundPosition = Enabled(d, IDC_PD_VIDEO_X); }).Click(IDCANCEL);
        script.Play([&] { return dialog.Run(nullptr); });
    }
    PlaySettingsDialog dialog(h.context, mode, true);
    std::string x;
    DialogScript script;
    script.ReadText(IDC_PD_VIDEO_X, x)
        .SetText(IDC_PD_VIDEO_Y, "5001")
        .Click(IDOK)
        .SetText(IDC_PD_VIDEO_Y, "-40")
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return dialog.Run(nullptr); }), IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_FALSE(soundPosition);
    EXPECT_EQ(x, "10");
    EXPECT_EQ(h.prompt.Texts(),
              (std::vector<std::string>{"Please enter an integer between -5000 and 5000."}));
    EXPECT_EQ(dialog.mode.videoY, -40);
}

TEST(PlayDialog, SettingsShowThePositionForALinkedVideo) {
    MediaScene s;
    PlayEntry play;
    play.SetObject(&s.video);
    bool position = false;
    DialogScript script;
    script.Click(IDC_PD_SETTINGS)
        .Do([&](HWND d) { position = Enabled(d, IDC_PD_VIDEO_X) && Enabled(d, IDC_PD_VIDEO_Y); })
        .Click(IDCANCEL)
        .Click(IDCANCEL);
    script.Play([&] { return EditPlay(s.h.context, nullptr, play) ? IDOK : IDCANCEL; });
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_TRUE(position);
}

TEST(PlayDialog, TestPlaysTheChosenMedia) {
    MediaScene s;
    PlayEntry play;
    play.SetObject(&s.sound);
    PlayDialog dialog(s.h.context, play);
    RecordingPresenter presenter;
    dialog.presenter = &presenter;
    DialogScript script;
    script.Click(IDC_PD_TEST).Click(IDCANCEL);
    script.Play([&] { return dialog.Run(nullptr); });
    EXPECT_TRUE(script.Failures().empty());
    ASSERT_EQ(presenter.sounds.size(), 1u);
    EXPECT_TRUE(presenter.sounds[0].SameBytes(s.sound.data));
}

TEST(StopDialog, DoubleClickConfirmsWithThatMediaAndKeepsTheDescription) {
    MediaScene s;
    StopEntry stop;
    stop.description.text = "Silence";
    stop.SetObject(&s.sound);
    std::string title;
    DialogScript script;
    script.Do([&](HWND d) { title = test::WindowText(d); })
        .Do(test::DoubleClickRow(IDC_PD_MEDIA_LIST, 1));
    EXPECT_EQ(script.Play([&] { return EditStop(s.h.context, nullptr, stop) ? IDOK : IDCANCEL; }),
              IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(title, "Stop - Silence");
    EXPECT_EQ(stop.GetLinkedObject(), &s.video);
    EXPECT_EQ(stop.description.text, "Silence");
}

TEST(StopDialog, CommentChangesTheDescriptionOnlyWhenTheDialogIsConfirmed) {
    MediaScene s;
    StopEntry stop;
    stop.description.text = "Silence";
    std::string title;
    DialogScript script;
    script.Click(IDC_PD_COMMENT)
        .SetText(IDC_PD_DESCRIPTION_TEXT, "Hush")
        .Click(IDOK)
        .Do([&](HWND d) { title = test::WindowText(d); })
        .Click(IDCANCEL);
    script.Play([&] { return EditStop(s.h.context, nullptr, stop) ? IDOK : IDCANCEL; });
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(title, "Stop - Hush");
    EXPECT_EQ(stop.description.text, "Silence");

    DialogScript confirmed;
    confirmed.Click(IDC_PD_COMMENT)
        .SetText(IDC_PD_DESCRIPTION_TEXT, "Hush")
        .Click(IDOK)
        .Click(IDOK);
    confirmed.Play([&] { return EditStop(s.h.context, nullptr, stop) ? IDOK : IDCANCEL; });
    EXPECT_EQ(stop.description.text, "Hush");
}

// ---- The dispatcher

TEST(PropertyDialogs, OpensTheDialogOfTheEntrysKind) {
    PropertyHarness h;
    PropertyDialogs dialogs(h.context);
    UntilEntry until;
    std::string title;
    DialogScript script;
    script.Do([&](HWND d) { title = test::WindowText(d); })
        .SetText(IDC_PD_REPEAT_COUNT, "12")
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return dialogs.Edit(nullptr, until) ? IDOK : IDCANCEL; }), IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(title, "Until");
    EXPECT_EQ(until.repeat.count, 12u);

    CommentEntry comment;
    DialogScript cancelled;
    cancelled.Do([&](HWND d) { title = test::WindowText(d); }).Click(IDCANCEL);
    EXPECT_EQ(cancelled.Play([&] { return dialogs.Edit(nullptr, comment) ? IDOK : IDCANCEL; }),
              IDCANCEL);
    EXPECT_EQ(title, "Comment");
}

}  // namespace
}  // namespace vl
