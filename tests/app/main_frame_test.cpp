// The main frame in this process: which commands its menus offer on an empty and on a filled
// scene, the title, the palette's kinds reaching the list, the loaded options, and the text
// export on its key.
#include "app/main_frame.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <atomic>
#include <functional>
#include <iterator>
#include <thread>

#include "app/builder_packaging.h"
#include "tests/app/main_frame_fixture.h"
#include "app/disk_scene_storage.h"
#include "app/registry_key_tree.h"
#include "app/resource.h"
#include "scene/entries.h"
#include "scene/scene_file.h"
#include "tests/image/bmp_vectors.h"
#include "support/dialog_script.h"
#include "support/input.h"
#include "support/scratch_folder.h"
#include "support/waits.h"
#include "framework/ole.h"
#include "framework/scripted_prompt.h"

namespace vl {
namespace {

struct MenuItemState {
    bool enabled;
    bool checked;
};

// The state the frame gives the item as its popup opens.
MenuItemState StateAsShown(HWND frame, UINT command) {
    HMENU bar = GetMenu(frame);
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        HMENU popup = GetSubMenu(bar, i);
        if (GetMenuState(popup, command, MF_BYCOMMAND) == 0xFFFFFFFF)
            continue;
        SendMessageA(frame, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), i);
        const UINT state = GetMenuState(popup, command, MF_BYCOMMAND);
        return {(state & (MF_GRAYED | MF_DISABLED)) == 0, (state & MF_CHECKED) != 0};
    }
    ADD_FAILURE() << "no menu item " << command;
    return {false, false};
}

TEST_F(MainFrameTest, MenusOfferWhatTheSceneAllows) {
    HWND frame = frame_.Handle();
    for (UINT always : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_APP_EXIT,
                        ID_MAKE_INSTALL_FOR_SCR, ID_START_WINDOW, ID_HELP_TOPICS, ID_APP_ABOUT,
                        ID_REFRESH, ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_REUSE}) {
        EXPECT_TRUE(StateAsShown(frame, always).enabled) << always;
    }
    for (UINT needsEntries : {ID_MAKE_SS, ID_MAKE_INSTALL, ID_SET_DEFAULT_SS, ID_EDIT_SELECT_ALL})
        EXPECT_FALSE(StateAsShown(frame, needsEntries).enabled) << needsEntries;
    // Nothing selected, nothing on the clipboard, no line to insert before; the palette starts
    // with its first kind chosen, so Add is offered.
    for (UINT needsMore : {ID_EDIT_CUT, ID_EDIT_COPY, ID_DELETE, ID_INSERT})
        EXPECT_FALSE(StateAsShown(frame, needsMore).enabled) << needsMore;
    EXPECT_TRUE(StateAsShown(frame, ID_ADD).enabled);
    EXPECT_TRUE(StateAsShown(frame, ID_VIEW_TOOLBAR).checked);
    EXPECT_FALSE(StateAsShown(frame, ID_REUSE).checked);

    document_.Entries().Append(std::make_unique<CommentEntry>());
    for (UINT needsEntries : {ID_MAKE_SS, ID_MAKE_INSTALL, ID_SET_DEFAULT_SS, ID_EDIT_SELECT_ALL})
        EXPECT_TRUE(StateAsShown(frame, needsEntries).enabled) << needsEntries;

    // A command runs only where its menu item would: Reuse toggles and is stored.
    SendMessageA(frame, WM_COMMAND, ID_REUSE, 0);
    EXPECT_TRUE(StateAsShown(frame, ID_REUSE).checked);
    EXPECT_EQ(settings_.GetInt("Settings", "Reuse"), 1u);
    SendMessageA(frame, WM_COMMAND, ID_VIEW_TOOLBAR, 0);
    EXPECT_FALSE(StateAsShown(frame, ID_VIEW_TOOLBAR).checked);
}

TEST_F(MainFrameTest, TheTitleFollowsTheDocument) {
    char title[128] = "";
    GetWindowTextA(frame_.Handle(), title, sizeof title);
    EXPECT_STREQ(title, "Untitled - Vistaloom");
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vl-frame-title";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "Aurora.ssd").string();
    document_.Entries().Append(std::make_unique<CommentEntry>());
    prompt_.AnswerFile(path);
    SendMessageA(frame_.Handle(), WM_COMMAND, ID_FILE_SAVE, 0);
    GetWindowTextA(frame_.Handle(), title, sizeof title);
    EXPECT_STREQ(title, "Aurora.ssd - Vistaloom");
    EXPECT_EQ(frame_.Recent().Entries().front(), path);
    std::filesystem::remove_all(folder);
}

// The first child of the frame, at any depth, of the class and for which `also` holds.
HWND FindChild(
    HWND frame, const char* className,
    const std::function<bool(HWND)>& also = [](HWND) { return true; }) {
    struct Search {
        const char* className;
        const std::function<bool(HWND)>& also;
        HWND found = nullptr;
    } search{className, also};
    EnumChildWindows(
        frame,
        [](HWND child, LPARAM data) {
            auto* search = reinterpret_cast<Search*>(data);
            char name[64] = "";
            GetClassNameA(child, name, sizeof name);
            if (lstrcmpiA(name, search->className) != 0 || !search->also(child))
                return TRUE;
            search->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The scene list: the list box that shows as many lines as the scene has.
HWND SceneList(HWND frame, LRESULT lines) {
    return FindChild(frame, "ListBox",
                     [lines](HWND list) { return SendMessageA(list, LB_GETCOUNT, 0, 0) == lines; });
}

// Add appends the kind chosen in the palette, Insert puts it before the list's caret line.
TEST_F(MainFrameTest, AddAndInsertTakeThePalettesKindIntoTheList) {
    HWND frame = frame_.Handle();
    HWND tree = FindChild(frame, WC_TREEVIEWA);
    ASSERT_NE(tree, nullptr);
    HTREEITEM root = TreeView_GetRoot(tree);
    std::vector<HTREEITEM> kinds;
    for (HTREEITEM item = TreeView_GetChild(tree, root); item;
         item = TreeView_GetNextSibling(tree, item))
        kinds.push_back(item);
    ASSERT_EQ(kinds.size(), 13u);
    for (HTREEITEM kind : kinds) {
        TreeView_SelectItem(tree, kind);
        SendMessageA(frame, WM_COMMAND, ID_ADD, 0);
    }
    ASSERT_EQ(document_.Entries().Count(), 13u);
    for (std::size_t i = 0; i < 13; ++i)
        EXPECT_EQ(document_.Entries().At(i).Kind(), static_cast<std::int32_t>(i));

    HWND list = SceneList(frame, 13);
    ASSERT_NE(list, nullptr);
    SendMessageA(list, LB_SETCARETINDEX, 3, FALSE);
    TreeView_SelectItem(tree, kinds[kComment]);
    SendMessageA(frame, WM_COMMAND, ID_INSERT, 0);
    ASSERT_EQ(document_.Entries().Count(), 14u);
    EXPECT_EQ(document_.Entries().At(3).Kind(), kComment);
    EXPECT_EQ(document_.Entries().At(4).Kind(), kHide);
    EXPECT_TRUE(document_.IsModified());

    // With the root chosen nothing is taken.
    TreeView_SelectItem(tree, root);
    SendMessageA(frame, WM_COMMAND, ID_ADD, 0);
    EXPECT_EQ(document_.Entries().Count(), 14u);
    document_.SetModified(false);
}

// Change options edits a copy: confirmed, it replaces the options and the list is nested anew.
TEST_F(MainFrameTest, ChangedOptionsReplaceTheOldOnesOnlyWhenConfirmed) {
    for (auto kind : {kRepeat, kComment, kUntil})
        document_.Entries().Append(CreateEntry(kind));
    document_.Store().Options().tabSize = 2;
    optionsEditor_.confirm = false;
    SendMessageA(frame_.Handle(), WM_COMMAND, ID_OPTIONS, 0);
    EXPECT_EQ(optionsEditor_.opened, 1);
    EXPECT_EQ(document_.Store().Options().tabSize, 2);

    optionsEditor_.confirm = true;
    SendMessageA(frame_.Handle(), WM_COMMAND, ID_OPTIONS, 0);
    EXPECT_EQ(document_.Store().Options().tabSize, 5);
    EXPECT_EQ(document_.Entries().At(1).indentation, 5);
    EXPECT_NE(SceneList(frame_.Handle(), 3), nullptr)
        << "the list shows the scene after the rebuild";
}

// Preview runs the check first: a scene that fails it opens nothing and shows its line; one that
// passes opens the full-screen preview, which disables the frame until it closes.
TEST_F(MainFrameTest, PreviewChecksTheSceneThenOpensThePreviewOverADisabledFrame) {
    HWND frame = frame_.Handle();
    document_.Entries().Append(CreateEntry(kRepeat));
    document_.Entries().Append(CreateEntry(kWait));
    SendMessageA(frame, WM_COMMAND, ID_PREVIEW, 0);
    EXPECT_EQ(prompt_.Texts(), std::vector<std::string>{"Missing until command."});
    EXPECT_EQ(FindWindowA("SSTESTWND1.0", nullptr), nullptr);

    document_.Entries().Append(CreateEntry(kUntil));
    SendMessageA(frame, WM_COMMAND, ID_PREVIEW, 0);
    HWND preview = FindWindowA("SSTESTWND1.0", "Preview");
    ASSERT_NE(preview, nullptr);
    EXPECT_FALSE(IsWindowEnabled(frame));
    PostMessageA(preview, WM_CLOSE, 0, 0);
    EXPECT_TRUE(test::PumpUntil([&] { return !IsWindow(preview); }));
    EXPECT_TRUE(IsWindowEnabled(frame));
    document_.SetModified(false);
}

// The list is indented with the tab size of the options the builder loaded.
TEST(MainFrameOptionsTest, TheListUsesTheLoadedTabSize) {
    ScriptedPrompt prompt;
    ScopedPromptOverride override(prompt);
    DiskSceneStorage storage;
    CSceneDoc document{storage};
    document.Store().Options().tabSize = 7;
    RegistrySettingsStore settings(kTestSettings);
    BuilderFolders folders;
    BuilderPackagingSystem packaging(settings, folders);
    MessageLoop loop;
    CMainFrame frame(
        {document, settings, packaging, loop, folders, std::string(), nullptr, nullptr, nullptr});
    ASSERT_TRUE(frame.Create({0, 0, 640, 480}, BuilderSettings{}));
    document.Entries().Append(std::make_unique<RepeatEntry>());
    document.Entries().Append(std::make_unique<CommentEntry>());
    document.Entries().Append(std::make_unique<UntilEntry>());
    // Any change renests the list: here an entry the wizard appends.
    PostMessageA(frame.Handle(), 0x8028, 0, reinterpret_cast<LPARAM>(new CommentEntry()));
    test::PumpPending();
    ASSERT_EQ(document.Entries().Count(), 4u);
    EXPECT_EQ(document.Entries().At(1).indentation, 7);
    document.SetModified(false);
    RegDeleteTreeA(HKEY_CURRENT_USER, kTestSettings);
}

// Ctrl+Shift+"=" is a key the frame takes before translation: typed in the open scene's list, it
// writes the scene as text beside the scene file and shows it.
TEST_F(MainFrameTest, CtrlShiftEqualsExportsTheOpenSceneAsText) {
    test::ScratchFolder folder;
    const std::string path = folder.Path("Night.ssd");
    {
        EntryList entries;
        entries.Append(std::make_unique<RepeatEntry>());
        auto comment = std::make_unique<CommentEntry>();
        comment->text = "hello";
        entries.Append(std::move(comment));
        entries.Append(std::make_unique<UntilEntry>());
        folder.Write("Night.ssd", SaveSceneFile(entries));
    }
    ASSERT_TRUE(document_.OpenPath(path));
    HWND frame = frame_.Handle();
    ShowWindow(frame, SW_SHOW);
    SetForegroundWindow(frame);
    HWND list = SceneList(frame, 3);
    ASSERT_NE(list, nullptr);
    SetFocus(list);
    ASSERT_TRUE(
        test::PumpUntil([&] { return GetForegroundWindow() == frame && GetFocus() == list; }));
    test::PressKeys({VK_CONTROL, VK_SHIFT, VK_OEM_PLUS});
    // Served through the builder's loop, whose filters see the keys before translation.
    const DWORD deadline = GetTickCount() + test::kDeadlineMs;
    while (opened_.empty() && static_cast<LONG>(deadline - GetTickCount()) > 0) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message != WM_QUIT)
                loop_.Dispatch(msg);
        }
        MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    ASSERT_FALSE(opened_.empty()) << "no export";
    EXPECT_EQ(opened_, std::vector<std::string>{path + ".txt"});
    std::ifstream in(path + ".txt", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "Repeat\r\n  hello\r\nUntil [1 time]\r\n");
}

// A scene just opened has its pictures decoded in the background while the builder is idle, so
// the check before its first preview finds them done; a picture that fails is left to that check.
TEST_F(MainFrameTest, ThePicturesOfAnOpenedSceneAreDecodedWhileTheBuilderIsIdle) {
    test::ScratchFolder folder;
    const std::string path = folder.Path("Photos.ssd");
    {
        EntryList entries;
        const std::vector<std::uint8_t> cut(kBmp24BottomUp.begin(), kBmp24BottomUp.end() - 4);
        for (const auto* bytes : {&kBmp24BottomUp, &cut, &kBmp24TopDown}) {
            auto image = std::make_unique<ImageEntry>();
            image->fileName = "photo.bmp";
            image->data = ByteBlock::Copy(bytes->data(), bytes->size());
            entries.Append(std::move(image));
        }
        folder.Write("Photos.ssd", SaveSceneFile(entries));
    }
    ASSERT_TRUE(document_.OpenPath(path));
    const auto picture = [this](std::size_t i) {
        return static_cast<const ImageEntry&>(document_.Entries().At(i)).data;
    };
    EXPECT_FALSE(verified_.Contains(picture(0)));
    loop_.Idle();
    verifier_.WaitUntilIdle();
    EXPECT_TRUE(verified_.Contains(picture(0)));
    EXPECT_FALSE(verified_.Contains(picture(1)));
    EXPECT_TRUE(verified_.Contains(picture(2)));
}

// Ctrl+W's command: a changed scene is offered for saving first, then the wizard's first page;
// leaving the wizard with Cancel keeps the scene as it was.
TEST_F(MainFrameTest, TheWizardCommandAsksToSaveThenRunsTheWizardOverTheScene) {
    document_.Entries().Append(std::make_unique<CommentEntry>());
    document_.SetModified();
    prompt_.AnswerCancel();   // "save changes?" called off: no wizard
    test::DialogScript none;  // no steps: a page shown anyway is closed and counted as a failure
    none.Play([&] { return SendMessageA(frame_.Handle(), WM_COMMAND, ID_WIZARD, 0); });
    EXPECT_TRUE(none.Failures().empty());
    EXPECT_EQ(prompt_.Shown().size(), 1u);

    prompt_.AnswerNo().AnswerYes();  // don't save; yes, exit the wizard
    test::DialogScript script;
    std::string caption;
    script
        .Do([&](HWND dialog) {
            char text[100] = "";
            GetWindowTextA(dialog, text, sizeof text);
            caption = text;
        })
        .Click(IDCANCEL);
    script.Play([&] { return SendMessageA(frame_.Handle(), WM_COMMAND, ID_WIZARD, 0); });
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(caption, "Wizard - Step 1: General Options");
    EXPECT_EQ(prompt_.Texts().back(), "Are you sure you want to exit Wizard?");
    EXPECT_EQ(document_.Entries().Count(), 1u);
    EXPECT_TRUE(document_.IsModified());
}

}  // namespace
}  // namespace vl

namespace vl {
namespace {

// Copy, Cut and Paste through the menus' route, Paste offered only while the clipboard holds
// scene entries, and closing empties the clipboard (the option's default).
TEST_F(MainFrameTest, TheClipboardCommandsAndClosingWithTheDefaultOption) {
    HWND frame = frame_.Handle();
    for (std::int32_t kind : {kWait, kCls})
        frame_.AppendEntry(CreateEntry(kind));
    HWND list = SceneList(frame, 2);
    ASSERT_NE(list, nullptr);
    if (OpenClipboard(frame)) {
        EmptyClipboard();
        CloseClipboard();
    }
    EXPECT_FALSE(StateAsShown(frame, ID_EDIT_PASTE).enabled);
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    EXPECT_FALSE(StateAsShown(frame, ID_EDIT_COPY).enabled);
    SendMessageA(list, LB_SETSEL, TRUE, 0);
    EXPECT_TRUE(StateAsShown(frame, ID_EDIT_COPY).enabled);
    EXPECT_TRUE(StateAsShown(frame, ID_EDIT_CUT).enabled);
    SendMessageA(frame, WM_COMMAND, ID_EDIT_CUT, 0);
    ASSERT_EQ(document_.Entries().Count(), 1u);
    EXPECT_TRUE(prompt_.Shown().empty());
    EXPECT_TRUE(StateAsShown(frame, ID_EDIT_PASTE).enabled);
    SendMessageA(frame, WM_COMMAND, ID_EDIT_PASTE, 0);
    ASSERT_EQ(document_.Entries().Count(), 2u);
    EXPECT_EQ(document_.Entries().At(1).Kind(), kWait);

    document_.SetModified(false);
    SendMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(frame));
    // The frame's end asks the loop to quit; this test's thread goes on.
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    EXPECT_FALSE(IsClipboardFormatAvailable(RegisterClipboardFormatA("CopyScene1.0")));
}

}  // namespace
}  // namespace vl

namespace vl {
namespace {

// Drags by the system's mouse input, from a second thread while this one runs the frame.
class MainFrameDragTest : public MainFrameTest {
  protected:
    OleSession ole_;
};

TEST_F(MainFrameDragTest, AKindDraggedFromThePaletteIsInsertedAtTheLineDroppedOn) {
    ASSERT_TRUE(ole_.Ok());
    HWND frame = frame_.Handle();
    for (std::int32_t kind : {kWait, kCls, kLine, kComment})
        frame_.AppendEntry(CreateEntry(kind));
    ShowWindow(frame, SW_SHOW);
    SetForegroundWindow(frame);
    HWND tree = FindChild(frame, WC_TREEVIEWA);
    HWND list = SceneList(frame, 4);
    ASSERT_NE(tree, nullptr);
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(test::PumpUntil([&] { return IsWindowVisible(list) != FALSE; }));
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    const SceneEntry* prototype = &document_.Store().Prototypes().Prototype(kImage);
    HTREEITEM image = TreeView_GetChild(tree, TreeView_GetRoot(tree));
    RECT itemRect{};
    ASSERT_TRUE(TreeView_GetItemRect(tree, image, &itemRect, TRUE));
    POINT from{(itemRect.left + itemRect.right) / 2, (itemRect.top + itemRect.bottom) / 2};
    ClientToScreen(tree, &from);
    RECT lineRect{};
    SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&lineRect));
    POINT onto{lineRect.left + 60, (lineRect.top + lineRect.bottom) / 2};
    ClientToScreen(list, &onto);

    std::atomic<bool> marked{false}, done{false};
    std::thread user([&] {
        test::MovePointerTo(from.x, from.y);
        test::PressLeft();
        test::MovePointerTo(from.x + 10, from.y + 3);
        test::MovePointerTo(onto.x - 5, onto.y);
        test::MovePointerTo(onto.x, onto.y);
        marked = test::PumpUntil([&] { return SendMessageA(list, LB_GETSEL, 2, 0) > 0; });
        test::ReleaseLeft();
        done = true;
    });
    const bool inserted = test::PumpUntil([&] { return done && document_.Entries().Count() == 5; });
    user.join();
    EXPECT_TRUE(marked) << "the line under the pointer was marked";
    ASSERT_TRUE(inserted);
    EXPECT_EQ(document_.Entries().At(2).Kind(), kImage);
    EXPECT_EQ(document_.Entries().At(3).Kind(), kLine);
    EXPECT_EQ(&document_.Store().Prototypes().Prototype(kImage), prototype)
        << "the palette keeps its prototype";
    document_.SetModified(false);
}

}  // namespace
}  // namespace vl
