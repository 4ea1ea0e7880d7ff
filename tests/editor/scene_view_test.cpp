// The scene list in this process, over its own entry list: the list and the entries in lockstep,
// the questions and messages it shows, the check's selected line, the text export's file, and
// the line heights of its fonts.
#include "editor/scene_view.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "framework/clipboard.h"
#include "framework/ole.h"
#include "framework/scripted_prompt.h"
#include "framework/window.h"
#include "scene/clipboard_blocks.h"
#include "engine/image/jpeg_codec.h"
#include "engine/image/sec_dib.h"
#include "scene/entries.h"
#include "scene/kinds.h"
#include "scene/nesting.h"
#include "support/input.h"
#include "support/scratch_folder.h"
#include "support/screen.h"
#include "support/waits.h"

namespace vl {
namespace {

class Parent final : public Window {};

class RecordingEditor final : public EntryEditor {
  public:
    bool Edit(HWND, SceneEntry& entry) override {
        edited.push_back(entry.Kind());
        return confirm;
    }
    std::vector<std::int32_t> edited;
    bool confirm = true;
};

class SceneViewTest : public ::testing::Test {
  protected:
    SceneViewTest()
        : override_(prompt_),
          view_(CSceneView::Services{
              entries_, [this] { ++modified_; }, [this](CommandId id) { sent_.push_back(id); },
              [this] { return path_; }, [this] { ++activated_; }, [] { return true; }, &editor_,
              nullptr, nullptr, [this](const std::string& path) { opened_.push_back(path); },
              nullptr, [this] { ++beeps_; }}) {}

    void SetUp() override {
        ASSERT_TRUE(Window::Register({"VistaloomSceneViewTest"}));
        ASSERT_TRUE(parent_.Create("VistaloomSceneViewTest", 0, "List", WS_OVERLAPPEDWINDOW, 0, 0,
                                   500, 400, nullptr));
        ASSERT_TRUE(view_.Create(parent_.Handle(), 100));
        MoveWindow(view_.Handle(), 0, 0, 480, 360, TRUE);
    }

    // "photo.jpg" holding data, and a Show of it; the list filled again.
    ImageEntry* AppendShownPhoto(ByteBlock data) {
        auto image = std::make_unique<ImageEntry>();
        image->fileName = "photo.jpg";
        image->data = std::move(data);
        ImageEntry* photo = image.get();
        entries_.Append(std::move(image));
        auto show = std::make_unique<ShowEntry>();
        show->SetObject(photo);
        entries_.Append(std::move(show));
        view_.Fill();
        return photo;
    }
    void Add(std::int32_t kind, bool disabled = false) {
        auto entry = CreateEntry(kind);
        entry->SetDisabled(disabled ? 1 : 0);
        view_.InsertCommand(std::move(entry), CSceneView::Place::kAppend);
    }
    int ListCount() const {
        return static_cast<int>(SendMessageA(view_.Handle(), LB_GETCOUNT, 0, 0));
    }
    // The list's item i shows entry i.
    void ExpectLockstep() const {
        ASSERT_EQ(ListCount(), static_cast<int>(entries_.Count()));
        for (std::size_t i = 0; i < entries_.Count(); ++i) {
            const auto data = SendMessageA(view_.Handle(), LB_GETITEMDATA, i, 0);
            EXPECT_EQ(reinterpret_cast<const SceneEntry*>(data), &entries_.At(i)) << i;
        }
    }
    void Select(std::initializer_list<int> lines) {
        SendMessageA(view_.Handle(), LB_SETSEL, FALSE, -1);
        for (int line : lines)
            SendMessageA(view_.Handle(), LB_SETSEL, TRUE, line);
    }
    // The clipboard as another program leaves it: emptied by another owner, or holding bytes
    // under "CopyScene1.0".
    void EmptyTheClipboard() {
        ClipboardGuard clipboard(parent_.Handle());
        ASSERT_TRUE(clipboard.IsOpen());
        EmptyClipboard();
    }
    void PutForeignBlock(const std::vector<std::uint8_t>& bytes) {
        ClipboardGuard clipboard(parent_.Handle());
        ASSERT_TRUE(clipboard.IsOpen());
        EmptyClipboard();
        ASSERT_NE(PutClipboardBytes(RegisteredFormat(kCopySceneFormat), bytes), nullptr);
    }
    std::vector<std::int32_t> Kinds() const {
        std::vector<std::int32_t> kinds;
        for (std::size_t i = 0; i < entries_.Count(); ++i)
            kinds.push_back(entries_.At(i).Kind());
        return kinds;
    }

    ScriptedPrompt prompt_;
    ScopedPromptOverride override_;
    EntryList entries_;
    RecordingEditor editor_;
    std::string path_;
    int modified_ = 0;
    int activated_ = 0;
    int beeps_ = 0;
    std::vector<CommandId> sent_;
    std::vector<std::string> opened_;
    Parent parent_;
    CSceneView view_;
};

TEST_F(SceneViewTest, AddAppendsAndInsertGoesBeforeTheCaretSelectingTheNewLine) {
    Add(kWait);
    EXPECT_EQ(view_.Selection(), std::vector<int>{0});
    Add(kCls);
    Add(kComment);
    SendMessageA(view_.Handle(), LB_SETCARETINDEX, 1, FALSE);
    view_.InsertCommand(CreateEntry(kLine), CSceneView::Place::kBeforeCaret);
    EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kWait, kLine, kCls, kComment}));
    EXPECT_EQ(view_.Selection(), std::vector<int>{1});
    EXPECT_EQ(view_.Caret(), 1);
    EXPECT_EQ(modified_, 4);
    ExpectLockstep();
}

TEST_F(SceneViewTest, InsertedLinesAreNestedAtOnce) {
    for (std::int32_t kind : {kRepeat, kRepeat, kWait, kUntil, kUntil})
        Add(kind);
    std::vector<std::int32_t> indentation;
    for (std::size_t i = 0; i < entries_.Count(); ++i)
        indentation.push_back(entries_.At(i).indentation);
    EXPECT_EQ(indentation, (std::vector<std::int32_t>{0, 2, 4, 2, 0}));
}

TEST_F(SceneViewTest, DeleteAsksWithThePluralOnlyForSeveralLines) {
    for (std::int32_t kind : {kWait, kCls, kLine, kComment, kStop})
        Add(kind);
    Select({1});
    prompt_.AnswerNo();
    view_.DeleteSelection(true);
    EXPECT_EQ(entries_.Count(), 5u) << "No keeps every line";

    Select({0, 2, 4});
    prompt_.AnswerYes();
    const int modifiedBefore = modified_;
    view_.DeleteSelection(true);
    EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kCls, kComment}));
    EXPECT_EQ(view_.SelectedCount(), 0);
    EXPECT_GT(modified_, modifiedBefore);
    ExpectLockstep();

    Select({1});
    prompt_.AnswerYes();
    view_.DeleteSelection(true);
    EXPECT_EQ(prompt_.Texts(), (std::vector<std::string>{"Are you sure you want delete command?",
                                                         "Are you sure you want delete commands?",
                                                         "Are you sure you want delete command?"}));
    EXPECT_EQ(Kinds(), std::vector<std::int32_t>{kCls});
    EXPECT_TRUE(prompt_.Failures().empty());
}

TEST_F(SceneViewTest, CutDeletesWithoutAskingAndAnEmptySelectionDoesNothing) {
    Add(kWait);
    Add(kCls);
    Select({});
    view_.DeleteSelection(true);
    Select({0});
    view_.DeleteSelection(false);
    EXPECT_TRUE(prompt_.Shown().empty());
    EXPECT_EQ(Kinds(), std::vector<std::int32_t>{kCls});
}

TEST_F(SceneViewTest, DeactivateChangesOnlyTheSelectionAndAlwaysMarksTheDocument) {
    Add(kWait);
    Add(kCls, true);
    Add(kLine);
    Select({1, 2});
    modified_ = 0;
    view_.SetDisabled(true);
    EXPECT_EQ(entries_.At(0).IsDisabled(), 0);
    EXPECT_NE(entries_.At(1).IsDisabled(), 0);
    EXPECT_NE(entries_.At(2).IsDisabled(), 0);
    view_.SetDisabled(true);  // nothing left to change
    EXPECT_EQ(modified_, 2);
    view_.ActivateAll();
    for (std::size_t i = 0; i < entries_.Count(); ++i)
        EXPECT_EQ(entries_.At(i).IsDisabled(), 0) << i;
}

TEST_F(SceneViewTest, TheCheckSelectsTheLineToLookAt) {
    // A lone Until at the top: that Until.
    Add(kUntil);
    Add(kWait);
    Add(kCls);
    Select({2});
    EXPECT_FALSE(view_.CheckScene());
    EXPECT_EQ(view_.Selection(), std::vector<int>{0});
    EXPECT_EQ(view_.Caret(), 0);

    // A lone Repeat: the last line.
    entries_.Clear();
    view_.Fill();
    Add(kRepeat);
    Add(kWait);
    Add(kCls);
    Select({0});
    EXPECT_FALSE(view_.CheckScene());
    EXPECT_EQ(view_.Selection(), std::vector<int>{2});
    EXPECT_EQ(activated_, 2);
    ASSERT_EQ(prompt_.Shown().size(), 2u);
    EXPECT_EQ(prompt_.Shown()[0].text, "Missing repeat command.");
    EXPECT_EQ(prompt_.Shown()[1].text, "Missing until command.");
    EXPECT_EQ(prompt_.Shown()[1].icon, MessageIcon::Stop);
}

TEST_F(SceneViewTest, ABalancedSceneOfValidCommandsPasses) {
    Add(kRepeat);
    Add(kCls);
    Add(kWait);
    Add(kUntil);
    EXPECT_TRUE(view_.CheckScene());
    EXPECT_TRUE(prompt_.Shown().empty());
}

TEST_F(SceneViewTest, TheCheckDecodesEveryPictureWholeAndKeepsNone) {
    SECDib pixels;
    pixels.Create(24, 16, 24);
    std::vector<std::uint8_t> jpeg;
    ASSERT_TRUE(EncodeJpeg(pixels, 90, jpeg));
    ImageEntry* photo = AppendShownPhoto(ByteBlock::Copy(jpeg.data(), jpeg.size()));
    EXPECT_TRUE(view_.CheckScene());
    // Nothing prepared stays behind: the preview prepares pictures on its way.
    EXPECT_EQ(photo->runtime, nullptr);

    // The scan names Huffman tables that do not exist: only decoding the pixels finds it.
    for (std::size_t i = 2; i + 6 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA) {
            jpeg[i + 6] = 0x55;
            break;
        }
    }
    photo->data = ByteBlock::Copy(jpeg.data(), jpeg.size());
    EXPECT_FALSE(view_.CheckScene());
    ASSERT_EQ(prompt_.Shown().size(), 1u);
    EXPECT_EQ(prompt_.Shown()[0].text, "photo.jpg\ncannot be loaded.");
    EXPECT_EQ(view_.Selection(), std::vector<int>{0});
}

TEST_F(SceneViewTest, APictureBlockThatDecodedIsTrustedByLaterChecksAFailureNever) {
    SECDib pixels;
    pixels.Create(24, 16, 24);
    std::vector<std::uint8_t> jpeg;
    ASSERT_TRUE(EncodeJpeg(pixels, 90, jpeg));
    // Bytes the test can damage behind the block's back: a scene's bytes never change, so only a
    // check that decodes again would notice.
    auto owner = std::make_shared<int>(0);
    ImageEntry* photo = AppendShownPhoto(
        ByteBlock(std::shared_ptr<const std::uint8_t>(owner, jpeg.data()), jpeg.size()));
    ASSERT_TRUE(view_.CheckScene());
    const std::vector<std::uint8_t> good = jpeg;
    std::fill(jpeg.begin() + 2, jpeg.end(), 0);
    EXPECT_TRUE(view_.CheckScene());

    // The same damaged bytes in a block of their own are decoded, refused, and refused again.
    photo->data = ByteBlock::Copy(jpeg.data(), jpeg.size());
    EXPECT_FALSE(view_.CheckScene());
    EXPECT_FALSE(view_.CheckScene());
    EXPECT_EQ(prompt_.Texts(), std::vector<std::string>(2, "photo.jpg\ncannot be loaded."));
    photo->data = ByteBlock::Copy(good.data(), good.size());
    EXPECT_TRUE(view_.CheckScene());
}

TEST_F(SceneViewTest, ExportWritesTheIndentedDescriptionsBesideTheScene) {
    test::ScratchFolder folder;
    path_ = folder.Path("demo.ssd");
    Add(kRepeat);
    Add(kComment);
    Add(kUntil);
    EntryAs<CommentEntry>(&entries_.At(1))->text = "hello";
    view_.ExportText();
    std::ifstream in(path_ + ".txt", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, DescribeEntry(entries_.At(0)) + "\r\n  " + DescribeEntry(entries_.At(1)) +
                        "\r\n" + DescribeEntry(entries_.At(2)) + "\r\n");
    EXPECT_NE(text.find("hello"), std::string::npos);
    EXPECT_TRUE(prompt_.Shown().empty());
    EXPECT_EQ(opened_, std::vector<std::string>{path_ + ".txt"}) << "the export is shown";
}

TEST_F(SceneViewTest, ExportOfAnUnsavedSceneAsksForTheSaveFirst) {
    Add(kWait);
    view_.ExportText();
    EXPECT_EQ(sent_, std::vector<CommandId>{kCmdSave});
    EXPECT_EQ(prompt_.Texts(), std::vector<std::string>{"You have to save the scene."});

    entries_.Clear();
    view_.Fill();
    sent_.clear();
    view_.ExportText();  // an empty list: nothing at all
    EXPECT_TRUE(sent_.empty());
}

TEST_F(SceneViewTest, EditRepaintsAndMarksOnlyWhenConfirmed) {
    Add(kWait);
    Add(kCls);
    SendMessageA(view_.Handle(), LB_SETCARETINDEX, 1, FALSE);
    modified_ = 0;
    editor_.confirm = false;
    view_.EditCaret();
    EXPECT_EQ(modified_, 0);
    editor_.confirm = true;
    view_.EditCaret();
    EXPECT_EQ(modified_, 1);
    EXPECT_EQ(editor_.edited, (std::vector<std::int32_t>{kCls, kCls}));
}

TEST_F(SceneViewTest, RebuildKeepsSelectionCaretAndScrollAndUsesTheNewTabSize) {
    for (int i = 0; i < 60; ++i)
        Add(i % 10 == 0 ? kRepeat : (i % 10 == 9 ? kUntil : kWait));
    SendMessageA(view_.Handle(), LB_SETTOPINDEX, 20, 0);
    Select({25, 27});
    SendMessageA(view_.Handle(), LB_SETCARETINDEX, 27, FALSE);
    EditorOptions options;
    options.tabSize = 5;
    view_.ApplyOptions(options);
    EXPECT_EQ(view_.Selection(), (std::vector<int>{25, 27}));
    EXPECT_EQ(view_.Caret(), 27);
    EXPECT_EQ(SendMessageA(view_.Handle(), LB_GETTOPINDEX, 0, 0), 20);
    EXPECT_EQ(entries_.At(21).indentation, 5);
    ExpectLockstep();
}

TEST_F(SceneViewTest, LinesAreAsHighAsTheirFontAndAtLeastAsTheIcon) {
    Add(kWait);
    Add(kComment);
    EXPECT_EQ(SendMessageA(view_.Handle(), LB_GETITEMHEIGHT, 0, 0), 16);
    EditorOptions options;
    options.commentFont.height = -40;
    view_.ApplyOptions(options);
    EXPECT_EQ(SendMessageA(view_.Handle(), LB_GETITEMHEIGHT, 0, 0), 16);
    EXPECT_GE(SendMessageA(view_.Handle(), LB_GETITEMHEIGHT, 1, 0), 40);
}

// The left button keeps a selection draggable: a press inside it changes nothing, a click without
// movement selects only the clicked line, any movement keeps all of them for the drag.
TEST_F(SceneViewTest, APressKeepsTheSelectionAndAClickWithoutMovementSelectsOneLine) {
    for (int i = 0; i < 5; ++i)
        Add(kWait);
    RECT line;
    SendMessageA(view_.Handle(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&line));
    const LPARAM at = MAKELPARAM(line.left + 40, (line.top + line.bottom) / 2);
    const LPARAM beside = MAKELPARAM(line.left + 41, (line.top + line.bottom) / 2);

    Select({1, 2, 3});
    SendMessageA(view_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    EXPECT_EQ(view_.Selection(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(view_.Caret(), 2);
    SendMessageA(view_.Handle(), WM_MOUSEMOVE, MK_LBUTTON, beside);
    SendMessageA(view_.Handle(), WM_LBUTTONUP, 0, beside);
    EXPECT_EQ(view_.Selection(), (std::vector<int>{1, 2, 3})) << "a drag keeps the selection";

    SendMessageA(view_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(view_.Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(view_.Selection(), std::vector<int>{2});

    // A press on a line outside the selection selects it alone, as the list box does.
    SendMessageA(view_.Handle(), LB_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&line));
    const LPARAM onFour = MAKELPARAM(line.left + 40, (line.top + line.bottom) / 2);
    SendMessageA(view_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, onFour);
    SendMessageA(view_.Handle(), WM_LBUTTONUP, 0, onFour);
    EXPECT_EQ(view_.Selection(), std::vector<int>{4});
}

// The right button selects what the context menu acts on: a line outside the selection alone,
// while a press inside the selection keeps all of it.
TEST_F(SceneViewTest, TheRightButtonSelectsTheLineUnlessItIsSelectedAlready) {
    for (int i = 0; i < 5; ++i)
        Add(kWait);
    const auto on = [&](int index) {
        RECT line;
        SendMessageA(view_.Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&line));
        return MAKELPARAM(line.left + 40, (line.top + line.bottom) / 2);
    };
    Select({1, 2});
    SendMessageA(view_.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, on(2));
    EXPECT_EQ(view_.Selection(), (std::vector<int>{1, 2}));
    SendMessageA(view_.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, on(4));
    EXPECT_EQ(view_.Selection(), std::vector<int>{4});
    EXPECT_EQ(view_.Caret(), 4);
    Select({});
    SendMessageA(view_.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, on(0));
    EXPECT_EQ(view_.Selection(), std::vector<int>{0});
}

// The list's own keys: Enter edits the caret line, Delete asks before deleting, the arrows and
// Ctrl with Home, End, Page Up and Page Down scroll sideways.
TEST_F(SceneViewTest, TheKeysEditDeleteAndScrollSideways) {
    Add(kWait);
    Add(kCls);
    SendMessageA(view_.Handle(), LB_SETCARETINDEX, 1, FALSE);
    SendMessageA(view_.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(editor_.edited, std::vector<std::int32_t>{kCls});

    Select({0});
    prompt_.AnswerNo();
    SendMessageA(view_.Handle(), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(prompt_.Texts(), std::vector<std::string>{"Are you sure you want delete command?"});
    EXPECT_EQ(entries_.Count(), 2u);

    SendMessageA(view_.Handle(), LB_SETCARETINDEX, 1, FALSE);
    const auto position = [&] { return GetScrollPos(view_.Handle(), SB_HORZ); };
    SendMessageA(view_.Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    const int oneStep = position();
    EXPECT_GT(oneStep, 0);
    SendMessageA(view_.Handle(), WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(position(), 0);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    SendMessageA(view_.Handle(), WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_GT(position(), oneStep) << "Ctrl+Page Down scrolls a page";
    SendMessageA(view_.Handle(), WM_KEYDOWN, VK_END, 0);
    const int end = position();
    SendMessageA(view_.Handle(), WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(position(), 0);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_GT(end, 20000) << "Ctrl+End reaches the far end of the 30000-pixel extent";
    EXPECT_EQ(view_.Caret(), 1) << "sideways scrolling leaves the caret";
}

TEST_F(SceneViewTest, DeletingTheWholeSelectionOfALongSceneKeepsListAndEntriesTogether) {
    for (int i = 0; i < 500; ++i)
        Add(i % 2 ? kWait : kComment);
    view_.SelectAll();
    view_.DeleteSelection(false);
    EXPECT_TRUE(entries_.Empty());
    EXPECT_EQ(ListCount(), 0);
}

}  // namespace
}  // namespace vl

namespace vl {
namespace {

TEST_F(SceneViewTest, ACopiedImageAndItsShowArePastedLinkedToEachOther) {
    for (std::int32_t kind : {kWait, kCls, kImage, kComment, kShow})
        Add(kind);
    ASSERT_TRUE(entries_.At(4).SetObject(&entries_.At(2)));
    Select({2, 4});
    const int modifiedBefore = modified_;
    view_.CopySelection();
    EXPECT_TRUE(view_.CanPaste());
    EXPECT_NE(view_.ClipboardBlock(), nullptr);
    EXPECT_EQ(entries_.Count(), 5u);
    EXPECT_EQ(modified_, modifiedBefore) << "a copy changes nothing";

    Select({0});
    view_.Paste();
    EXPECT_EQ(Kinds(),
              (std::vector<std::int32_t>{kWait, kImage, kShow, kCls, kImage, kComment, kShow}));
    EXPECT_EQ(entries_.At(2).GetLinkedObject(), &entries_.At(1)) << "the pasted Image";
    EXPECT_EQ(entries_.At(6).GetLinkedObject(), &entries_.At(4)) << "the original keeps its own";
    EXPECT_EQ(entries_.At(1).Users().size(), 1u);
    EXPECT_EQ(view_.Selection(), (std::vector<int>{1, 2}));
    EXPECT_EQ(view_.Caret(), 2);
    EXPECT_EQ(modified_, modifiedBefore + 1);
    EXPECT_EQ(beeps_, 0);
    ExpectLockstep();
}

TEST_F(SceneViewTest, AShowCopiedAloneLinksOnlyToAFittingLineOfTheList) {
    Add(kImage);
    Add(kShow);
    ASSERT_TRUE(entries_.At(1).SetObject(&entries_.At(0)));
    Select({1});
    view_.CopySelection();
    Select({});
    view_.Paste();
    ASSERT_EQ(entries_.Count(), 3u);
    EXPECT_EQ(entries_.At(2).GetLinkedObject(), &entries_.At(0)) << "line 1 is still the Image";

    // The list's line 1 is a Comment now.
    view_.SelectAll();
    view_.DeleteSelection(false);
    Add(kComment);
    view_.Paste();
    EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kComment, kShow}));
    EXPECT_EQ(entries_.At(1).GetLinkedObject(), nullptr);
    ExpectLockstep();
}

TEST_F(SceneViewTest, PasteGoesAfterTheOnlySelectedLineOtherwiseToTheEnd) {
    for (std::int32_t kind : {kWait, kCls, kLine})
        Add(kind);
    Select({2});
    view_.CopySelection();
    Select({0});
    view_.Paste();
    EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kWait, kLine, kCls, kLine}));
    EXPECT_EQ(view_.Selection(), std::vector<int>{1});

    Select({});
    view_.Paste();
    EXPECT_EQ(entries_.Count(), 5u);
    EXPECT_EQ(view_.Selection(), std::vector<int>{4});
    EXPECT_EQ(view_.Caret(), 4);

    Select({0, 1});
    view_.Paste();
    EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kWait, kLine, kCls, kLine, kLine, kLine}));
    EXPECT_EQ(view_.Selection(), std::vector<int>{5}) << "only the pasted line stays selected";
    ExpectLockstep();
}

TEST_F(SceneViewTest, RefusedDamagedAndMissingBlocksOnlyBeep) {
    Add(kWait);
    Add(kComment);
    Select({0, 1});
    view_.CopySelection();
    const auto written = ReadClipboardBytes(parent_.Handle(), RegisteredFormat(kCopySceneFormat));
    ASSERT_TRUE(written.has_value());
    std::vector<std::uint8_t> block = *written;
    const float older = 2.0f;
    std::memcpy(block.data(), &older, sizeof older);
    const int modifiedBefore = modified_;
    Select({1});

    PutForeignBlock(block);
    view_.Paste();
    EXPECT_EQ(beeps_, 1) << "version 2.0";
    // Clipboard memory comes in whole pages, so a short block reads on into zeros: a count beyond
    // what the block can hold, and an unknown kind, are what make it unreadable.
    std::vector<std::uint8_t> hostile(written->begin(), written->begin() + 4);
    for (std::int32_t value : {1000000, 0})
        hostile.insert(hostile.end(), reinterpret_cast<const std::uint8_t*>(&value),
                       reinterpret_cast<const std::uint8_t*>(&value) + 4);
    PutForeignBlock(hostile);
    view_.Paste();
    EXPECT_EQ(beeps_, 2) << "more commands than bytes";
    hostile = std::vector<std::uint8_t>(written->begin(), written->begin() + 8);
    const std::int32_t unknownKind = 13;
    hostile.insert(hostile.end(), reinterpret_cast<const std::uint8_t*>(&unknownKind),
                   reinterpret_cast<const std::uint8_t*>(&unknownKind) + 4);
    PutForeignBlock(hostile);
    view_.Paste();
    EXPECT_EQ(beeps_, 3) << "kind 13";
    EmptyTheClipboard();
    EXPECT_FALSE(view_.CanPaste());
    view_.Paste();
    EXPECT_EQ(beeps_, 4) << "nothing on the clipboard";
    EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kWait, kComment}));
    EXPECT_EQ(view_.Selection(), std::vector<int>{1});
    EXPECT_EQ(modified_, modifiedBefore);

    // The same block with its version intact, as another builder puts it there, is pasted.
    PutForeignBlock(*written);
    view_.Paste();
    EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kWait, kComment, kWait, kComment}));
    EXPECT_EQ(beeps_, 4);
    ExpectLockstep();
}

TEST_F(SceneViewTest, CutRemovesWithoutAskingAndPasteBringsTheLinesBack) {
    for (std::int32_t kind : {kWait, kCls, kLine})
        Add(kind);
    Select({0, 2});
    view_.CutSelection();
    EXPECT_TRUE(prompt_.Shown().empty());
    EXPECT_EQ(Kinds(), std::vector<std::int32_t>{kCls});
    EXPECT_TRUE(view_.CanPaste());
    view_.Paste();
    EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kCls, kWait, kLine}));
    ExpectLockstep();
}

TEST_F(SceneViewTest, TheRememberedBlockIsForgottenWhenAnotherOwnerEmptiesTheClipboard) {
    Add(kWait);
    Select({0});
    view_.CopySelection();
    const HANDLE block = view_.ClipboardBlock();
    ASSERT_NE(block, nullptr);
    {
        ClipboardGuard clipboard(parent_.Handle());
        ASSERT_TRUE(clipboard.IsOpen());
        EXPECT_EQ(GetClipboardData(RegisteredFormat(kCopySceneFormat)), block);
    }
    EmptyTheClipboard();
    EXPECT_EQ(view_.ClipboardBlock(), nullptr);
}

TEST_F(SceneViewTest, ClosingEmptiesKeepsOrAsksAsTheOptionSays) {
    Add(kWait);
    Select({0});
    EditorOptions options;
    const auto closeWith = [&](std::int32_t option) {
        view_.CopySelection();
        options.deleteClipboardOnExit = option;
        view_.ApplyOptions(options);
        view_.CleanUpClipboardAtExit();
        return view_.CanPaste();
    };
    EXPECT_FALSE(closeWith(kDeleteClipboard));
    EXPECT_TRUE(closeWith(kKeepClipboard));
    EXPECT_TRUE(prompt_.Shown().empty());
    prompt_.AnswerYes();
    EXPECT_TRUE(closeWith(kAskClipboard));
    prompt_.AnswerNo();
    EXPECT_FALSE(closeWith(kAskClipboard));
    ASSERT_EQ(prompt_.Shown().size(), 2u);
    EXPECT_EQ(prompt_.Shown()[0].text, "Are you sure you want to keep data on the clipboard?");
    EXPECT_EQ(prompt_.Shown()[0].kind, PromptKind::Question);
    EXPECT_TRUE(prompt_.Shown()[0].defaultNo);

    // Without the list's data there is nothing to ask about.
    EmptyTheClipboard();
    options.deleteClipboardOnExit = kAskClipboard;
    view_.ApplyOptions(options);
    view_.CleanUpClipboardAtExit();
    EXPECT_EQ(prompt_.Shown().size(), 2u);
}

}  // namespace
}  // namespace vl

namespace vl {
namespace {

constexpr DWORD kAllEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

std::string TempPath(const char* name) {
    char folder[MAX_PATH + 1] = "";
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

// A drag played step by step on the list's drop target, as the drag loop calls it.
class SceneViewDragTest : public SceneViewTest {
  protected:
    POINT LinePoint(int line) const {
        RECT rect{};
        SendMessageA(view_.Handle(), LB_GETITEMRECT, line, reinterpret_cast<LPARAM>(&rect));
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    POINT BelowTheLastLine() const { return {100, 340}; }
    // Enters at from, moves to to, and drops there with keys; the effects the list answered.
    std::vector<DWORD> Drag(IDataObject* data, POINT from, POINT to, DWORD keys = 0,
                            DWORD allowed = kAllEffects) {
        IDropHandler& target = view_.DropHandler();
        std::vector<DWORD> effects;
        effects.push_back(target.OnDragEnter(data, keys, from, allowed));
        effects.push_back(target.OnDragOver(keys, to, allowed));
        effects.push_back(target.OnDrop(data, keys, to, allowed));
        return effects;
    }
    // What another builder's list or the palette offers: a copy block written from its own list,
    // with the process it claims to come from (none: no such format).
    ComPtr<IDataObject> ForeignData(const std::vector<std::uint8_t>& copyBlock,
                                    std::optional<DWORD> process, bool offerMove) {
        const UINT copy = RegisteredFormat(kCopySceneFormat);
        const UINT move = RegisteredFormat(kMoveSceneFormat);
        const UINT source = RegisteredFormat(kDragSourceFormat);
        std::vector<CLIPFORMAT> formats{static_cast<CLIPFORMAT>(copy)};
        if (offerMove)
            formats.push_back(static_cast<CLIPFORMAT>(move));
        if (process)
            formats.push_back(static_cast<CLIPFORMAT>(source));
        return MakeDataObject(
            formats, [=](CLIPFORMAT format) -> std::optional<std::vector<std::uint8_t>> {
                if (format == copy)
                    return copyBlock;
                if (format == move)
                    return WriteMoveBlock({0, 1});  // that list's lines, meaningless here
                std::vector<std::uint8_t> bytes(4);
                std::memcpy(bytes.data(), &*process, 4);
                return bytes;
            });
    }
    void AddEight() {
        for (std::int32_t kind : {kWait, kCls, kLine, kComment, kRepeat, kUntil, kStop, kPlay})
            Add(kind);
    }
};

TEST_F(SceneViewDragTest, LinesDraggedDownLandAfterTheTargetAndUpBeforeIt) {
    AddEight();
    Select({1, 2});
    ComPtr<IDataObject> data = view_.BeginDragData({1, 2}, 1);
    EXPECT_EQ(Drag(data.Get(), LinePoint(1), LinePoint(5)),
              (std::vector<DWORD>{DROPEFFECT_NONE, DROPEFFECT_MOVE, DROPEFFECT_MOVE}))
        << "entering on a dragged line offers no drop";
    view_.EndDragData();
    EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kWait, kComment, kRepeat, kUntil, kCls, kLine,
                                                  kStop, kPlay}));
    EXPECT_EQ(view_.Selection(), (std::vector<int>{4, 5}));
    EXPECT_EQ(view_.Caret(), 5);
    ExpectLockstep();

    // Line 6 (the Line) up onto line 2.
    Select({5});
    data = view_.BeginDragData({5}, 5);
    EXPECT_EQ(Drag(data.Get(), LinePoint(5), LinePoint(1)).back(),
              static_cast<DWORD>(DROPEFFECT_MOVE));
    view_.EndDragData();
    EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kWait, kLine, kComment, kRepeat, kUntil, kCls,
                                                  kStop, kPlay}));
    EXPECT_EQ(view_.Selection(), std::vector<int>{1});
    EXPECT_EQ(entries_.At(4).indentation, 0) << "nesting follows the new order";
    ExpectLockstep();
}

TEST_F(SceneViewDragTest, OntoADraggedLineNothingIsDroppedAndEmptySpaceCopies) {
    AddEight();
    Select({2, 3});
    const int modifiedBefore = modified_;
    ComPtr<IDataObject> data = view_.BeginDragData({2, 3}, 2);
    EXPECT_EQ(Drag(data.Get(), LinePoint(0), LinePoint(3)).back(),
              static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(entries_.Count(), 8u);
    EXPECT_EQ(modified_, modifiedBefore);
    EXPECT_EQ(Drag(data.Get(), LinePoint(0), BelowTheLastLine()).back(),
              static_cast<DWORD>(DROPEFFECT_COPY));
    view_.EndDragData();
    EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kWait, kCls, kLine, kComment, kRepeat, kUntil,
                                                  kStop, kPlay, kLine, kComment}));
    EXPECT_EQ(view_.Selection(), (std::vector<int>{8, 9}));
    ExpectLockstep();
}

TEST_F(SceneViewDragTest, AnImageDroppedOnAMoveLinksItAndShiftMovesTheLineInstead) {
    for (std::int32_t kind : {kImage, kWait, kCls, kMove})
        Add(kind);
    Select({0});
    ComPtr<IDataObject> data = view_.BeginDragData({0}, 0);
    EXPECT_EQ(Drag(data.Get(), LinePoint(1), LinePoint(3)).back(),
              static_cast<DWORD>(DROPEFFECT_LINK));
    EXPECT_EQ(entries_.At(3).GetLinkedObject(), &entries_.At(0));
    EXPECT_EQ(view_.Selection(), std::vector<int>{3});
    EXPECT_EQ(view_.Caret(), 3);
    EXPECT_EQ(Drag(data.Get(), LinePoint(1), LinePoint(3), MK_SHIFT).back(),
              static_cast<DWORD>(DROPEFFECT_MOVE));
    view_.EndDragData();
    EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kWait, kCls, kMove, kImage}));
    EXPECT_EQ(entries_.At(2).GetLinkedObject(), &entries_.At(3)) << "the link moves along";
    ExpectLockstep();
}

TEST_F(SceneViewDragTest, AnotherBuildersMoveIsCarriedOutAsACopy) {
    AddEight();
    EntryList elsewhere;
    elsewhere.Append(CreateEntry(kHide));
    elsewhere.Append(CreateEntry(kCls));
    const std::vector<std::uint8_t> block =
        WriteCopyBlock(elsewhere, {&elsewhere.At(0), &elsewhere.At(1)});
    ComPtr<IDataObject> data = ForeignData(block, GetCurrentProcessId() + 4, true);
    const std::vector<DWORD> effects = Drag(data.Get(), LinePoint(0), LinePoint(2));
    EXPECT_EQ(effects.back(), static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kWait, kCls, kHide, kCls, kLine, kComment,
                                                  kRepeat, kUntil, kStop, kPlay}))
        << "the other list's lines 1 and 2 are not moved here";
    EXPECT_EQ(view_.Selection(), (std::vector<int>{2, 3}));
    ExpectLockstep();
}

TEST_F(SceneViewDragTest, APaletteKindGoesBeforeTheLineOrToTheEnd) {
    for (std::int32_t kind : {kWait, kCls, kLine})
        Add(kind);
    EntryList none;
    auto prototype = CreateEntry(kComment);
    const std::vector<std::uint8_t> block = WriteCopyBlock(none, {prototype.get()});
    ComPtr<IDataObject> data = ForeignData(block, std::nullopt, false);
    const std::vector<DWORD> effects =
        Drag(data.Get(), LinePoint(0), LinePoint(2), 0, DROPEFFECT_COPY);
    EXPECT_EQ(effects, (std::vector<DWORD>{DROPEFFECT_COPY, DROPEFFECT_COPY, DROPEFFECT_COPY}));
    EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kWait, kCls, kComment, kLine}));
    Drag(data.Get(), LinePoint(0), BelowTheLastLine(), 0, DROPEFFECT_COPY);
    EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kWait, kCls, kComment, kLine, kComment}));
    EXPECT_EQ(view_.Selection(), std::vector<int>{4});
    EXPECT_EQ(beeps_, 0);
}

TEST_F(SceneViewDragTest, RefusedDropsBeepAndLeaveTheListAsItWas) {
    for (std::int32_t kind : {kWait, kCls})
        Add(kind);
    Select({0});
    EntryList none;
    auto prototype = CreateEntry(kComment);
    std::vector<std::uint8_t> block = WriteCopyBlock(none, {prototype.get()});
    const float older = 2.0f;
    std::memcpy(block.data(), &older, sizeof older);
    ComPtr<IDataObject> data = ForeignData(block, std::nullopt, false);
    EXPECT_EQ(Drag(data.Get(), LinePoint(0), LinePoint(1), 0, DROPEFFECT_COPY).back(),
              static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(beeps_, 1);
    EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kWait, kCls}));

    // Data in none of the three formats is not taken at all.
    ComPtr<IDataObject> other = MakeDataObject({CF_TEXT}, nullptr);
    EXPECT_EQ(view_.DropHandler().OnDragEnter(other.Get(), 0, LinePoint(1), kAllEffects),
              static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(view_.DropHandler().OnDrop(other.Get(), 0, LinePoint(1), kAllEffects),
              static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(view_.Selection(), std::vector<int>{0});
}

TEST_F(SceneViewDragTest, TheTargetIsMarkedWhileOverItAndLeavingRestoresTheSelection) {
    AddEight();
    Select({0});
    SendMessageA(view_.Handle(), LB_SETCARETINDEX, 0, FALSE);
    EntryList none;
    auto prototype = CreateEntry(kComment);
    ComPtr<IDataObject> data =
        ForeignData(WriteCopyBlock(none, {prototype.get()}), std::nullopt, false);
    IDropHandler& target = view_.DropHandler();
    target.OnDragEnter(data.Get(), 0, LinePoint(3), DROPEFFECT_COPY);
    EXPECT_EQ(view_.Selection(), (std::vector<int>{0, 3}));
    target.OnDragOver(0, LinePoint(5), DROPEFFECT_COPY);
    EXPECT_EQ(view_.Selection(), (std::vector<int>{0, 5}));
    target.OnDragOver(0, LinePoint(0), DROPEFFECT_COPY);
    EXPECT_EQ(view_.Selection(), std::vector<int>{0});
    target.OnDragOver(0, LinePoint(6), DROPEFFECT_COPY);
    EXPECT_EQ(view_.Selection(), (std::vector<int>{0, 6})) << "a saved line stays selected";
    target.OnDragLeave();
    EXPECT_EQ(view_.Selection(), std::vector<int>{0});
    EXPECT_EQ(view_.Caret(), 0);
    EXPECT_EQ(entries_.Count(), 8u);
}

}  // namespace
}  // namespace vl

namespace vl {
namespace {

// The whole drag loop, driven by the system's input queue from a second thread while this one
// runs the list (the loop blocks it from the first move on).
class SceneViewMouseDragTest : public SceneViewDragTest {
  protected:
    OleSession ole_;

    bool Selected(int line) const { return SendMessageA(view_.Handle(), LB_GETSEL, line, 0) > 0; }
    POINT OnScreen(POINT client) const {
        ClientToScreen(view_.Handle(), &client);
        return client;
    }
};

TEST_F(SceneViewMouseDragTest, PressMoveByOnePixelMoveAndReleaseReordersTheLines) {
    ASSERT_TRUE(ole_.Ok());
    AddEight();
    ShowWindow(parent_.Handle(), SW_SHOW);
    SetForegroundWindow(parent_.Handle());
    ASSERT_TRUE(test::PumpUntil([&] { return IsWindowVisible(view_.Handle()) != FALSE; }));
    Select({1, 2});
    const POINT from = OnScreen(LinePoint(1));
    const POINT onto = OnScreen(LinePoint(5));
    HWND list = view_.Handle();
    const std::string image = TempPath("ImageCursor.tmp");
    std::atomic<bool> marked{false}, done{false}, imageDuringDrag{false}, redDuringDrag{false};
    // The time is red; drawn small, its strokes are blended towards the background.
    const auto reddish = [](COLORREF c) {
        return GetRValue(c) >= 0xC0 && GetGValue(c) <= 0x40 && GetBValue(c) <= 0x40;
    };
    const RECT aroundTarget{onto.x - 300, onto.y - 20, onto.x + 300, onto.y + 20};
    const int redBefore = test::CountOnScreen(aroundTarget, reddish);
    std::thread user([&] {
        test::MovePointerTo(from.x, from.y);
        test::PressLeft();
        test::PumpUntil([&] { return SendMessageA(list, LB_GETCARETINDEX, 0, 0) == 1; });
        test::MovePointerTo(from.x + 1, from.y);
        test::MovePointerTo(onto.x, onto.y - 2);
        test::MovePointerTo(onto.x, onto.y);
        marked = test::PumpUntil([&] { return SendMessageA(list, LB_GETSEL, 5, 0) > 0; });
        imageDuringDrag = GetFileAttributesA(image.c_str()) != INVALID_FILE_ATTRIBUTES;
        // The strip follows the pointer with the time in red.
        redDuringDrag = test::PumpUntil(
            [&] { return test::CountOnScreen(aroundTarget, reddish) > redBefore + 20; });
        test::ReleaseLeft();
        done = true;
    });
    const bool finished =
        test::PumpUntil([&] { return done && Kinds().front() == kWait && Kinds()[4] == kCls; });
    user.join();
    EXPECT_TRUE(marked) << "the target line was marked during the drag";
    EXPECT_TRUE(imageDuringDrag) << "the drag image travels through the file";
    EXPECT_TRUE(redDuringDrag) << "the drag image with its red time was on the screen";
    EXPECT_TRUE(test::PumpUntil([&] {
        return test::CountOnScreen(aroundTarget, reddish) <= redBefore;
    })) << "the drag image is gone after the drop";
    EXPECT_EQ(GetFileAttributesA(image.c_str()), INVALID_FILE_ATTRIBUTES) << "and is gone after";
    ASSERT_TRUE(finished);
    EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kWait, kComment, kRepeat, kUntil, kCls, kLine,
                                                  kStop, kPlay}));
    EXPECT_EQ(view_.Selection(), (std::vector<int>{4, 5}));
    ExpectLockstep();
}

}  // namespace
}  // namespace vl

namespace vl {
namespace {

TEST_F(SceneViewDragTest, ADamagedOrForeignDragImageFileLeavesTheDropWorking) {
    for (std::int32_t kind : {kWait, kCls})
        Add(kind);
    EntryList none;
    auto prototype = CreateEntry(kLine);
    ComPtr<IDataObject> data =
        ForeignData(WriteCopyBlock(none, {prototype.get()}), std::nullopt, false);
    const std::string image = TempPath("ImageCursor.tmp");
    for (const char* contents : {"VLDI not an image", ""}) {
        {
            std::ofstream file(image, std::ios::binary | std::ios::trunc);
            file << contents;
        }
        EXPECT_EQ(Drag(data.Get(), LinePoint(0), LinePoint(1), 0, DROPEFFECT_COPY).back(),
                  static_cast<DWORD>(DROPEFFECT_COPY));
    }
    DeleteFileA(image.c_str());
    EXPECT_EQ(Kinds(), (std::vector<std::int32_t>{kWait, kLine, kLine, kCls}));
}

TEST_F(SceneViewDragTest, AutoScrollGoesOneLineWhileTheListCanScroll) {
    for (int i = 0; i < 40; ++i)
        Add(kWait);
    EditorOptions options;
    options.scrollTime = 0;
    view_.ApplyOptions(options);
    EntryList none;
    auto prototype = CreateEntry(kComment);
    ComPtr<IDataObject> data =
        ForeignData(WriteCopyBlock(none, {prototype.get()}), std::nullopt, false);
    IDropHandler& target = view_.DropHandler();
    const POINT bottom{100, 350};
    EXPECT_FALSE(target.OnDragScroll(true, SB_LINEDOWN, bottom)) << "no drag over the list";
    SendMessageA(view_.Handle(), LB_SETTOPINDEX, 0, 0);
    target.OnDragEnter(data.Get(), 0, {100, 150}, DROPEFFECT_COPY);
    const auto top = [&] { return SendMessageA(view_.Handle(), LB_GETTOPINDEX, 0, 0); };
    EXPECT_FALSE(target.OnDragScroll(true, SB_LINEUP, {100, 2})) << "already at the top";
    EXPECT_TRUE(target.OnDragScroll(true, SB_LINEDOWN, bottom));
    EXPECT_EQ(top(), 1);
    int steps = 1;
    while (target.OnDragScroll(true, SB_LINEDOWN, bottom) && steps < 100)
        ++steps;
    EXPECT_LT(steps, 40) << "scrolling stops at the last line";
    EXPECT_GT(top(), 1);
    target.OnDragLeave();
    EXPECT_EQ(entries_.Count(), 40u);
}

}  // namespace
}  // namespace vl
