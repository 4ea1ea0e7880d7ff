// The command palette under Wine, driven with the mouse and the keyboard: its items and icons, the
// start selection, the take rule, editing a kind before adding it, and the context menu.
#include "editor/comm_view.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/resource.h"
#include "editor/drag_image_store.h"
#include "framework/clipboard.h"
#include "scene/clipboard_blocks.h"
#include "scene/entries.h"
#include "support/input.h"
#include "support/waits.h"

namespace vl {
namespace {

using test::PumpPending;
using test::PumpUntil;

constexpr int kPaletteId = 0xE901;
constexpr char kFrameClass[] = "VlPaletteTestFrame";
const char* const kKindNames[kKindCount] = {"Image", "Show",   "Move",   "Hide", "Wait",
                                            "Cls",   "Repeat", "Until",  "Line", "Multimedia",
                                            "Play",  "Stop",   "Comment"};

// A property dialog as the test scripts it: it records what it was asked to edit and answers.
class ScriptedEditor final : public EntryEditor {
  public:
    bool Edit(HWND owner, SceneEntry& entry) override {
        owners.push_back(owner);
        edited.push_back(&entry);
        if (change)
            change(entry);
        return confirm;
    }
    std::function<void(SceneEntry&)> change;
    bool confirm = true;
    std::vector<HWND> owners;
    std::vector<SceneEntry*> edited;
};

// The main frame as the palette sees it: it owns the context menu and receives Add, which it
// carries out by taking the palette's selected prototype, as the builder's frame does.
class PaletteFrame final : public Window {
  public:
    PaletteFrame(PrototypeTable& table, EntryEditor* editor) : palette(table, editor) {}
    ~PaletteFrame() override { Destroy(); }

    bool Create() {
        WindowClass windowClass = {};
        windowClass.name = kFrameClass;
        if (!Window::Register(windowClass))
            return false;
        if (!Window::Create(kFrameClass, 0, "Palette", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 60,
                            60, 240, 380, nullptr))
            return false;
        if (!palette.Create(Handle(), kPaletteId))
            return false;
        RECT client;
        GetClientRect(Handle(), &client);
        MoveWindow(palette.Handle(), 0, 0, client.right, client.bottom, TRUE);
        ShowWindow(Handle(), SW_SHOW);
        SetForegroundWindow(Handle());
        UpdateWindow(Handle());
        SetFocus(palette.Handle());
        PumpPending();
        return true;
    }

    CCommView palette;
    std::vector<UINT> commands;
    std::vector<std::unique_ptr<SceneEntry>> added;
    // Per popup menu shown: its items, the kind selected as it opened, its window's place.
    std::vector<std::vector<UINT>> menuItems;
    std::vector<int> kindAtMenu;
    std::vector<RECT> menuRects;
    std::function<void()> whileMenuShown;  // runs once, in the menu's loop
    std::vector<UINT_PTR> focusNotes;

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
            case WM_COMMAND:
                commands.push_back(LOWORD(wParam));
                if (LOWORD(wParam) == ID_ADD) {
                    if (std::unique_ptr<SceneEntry> entry = palette.TakeSelectedPrototype())
                        added.push_back(std::move(entry));
                }
                return 0;
            case WM_INITMENUPOPUP: {
                HMENU menu = reinterpret_cast<HMENU>(wParam);
                std::vector<UINT> items;
                for (int i = 0; i < GetMenuItemCount(menu); ++i)
                    items.push_back(GetMenuItemID(menu, i));
                menuItems.push_back(items);
                kindAtMenu.push_back(palette.SelectedKind());
                return 0;
            }
            case WM_ENTERIDLE:
                if (wParam == MSGF_MENU && whileMenuShown) {
                    RECT rect = {};
                    GetWindowRect(FindWindowA("#32768", nullptr), &rect);
                    menuRects.push_back(rect);
                    std::function<void()> action = std::move(whileMenuShown);
                    whileMenuShown = nullptr;
                    action();
                }
                return 0;
            case WM_NOTIFY: {
                const auto* header = reinterpret_cast<const NMHDR*>(lParam);
                if (header->code == static_cast<UINT>(NM_SETFOCUS))
                    focusNotes.push_back(header->idFrom);
                return 0;
            }
            default:
                return DefaultProc(msg, wParam, lParam);
        }
    }
};

void PressChord(WORD modifier, WORD key) {
    INPUT keys[4] = {};
    for (INPUT& input : keys)
        input.type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[3].ki.wVk = modifier;
    keys[1].ki.wVk = keys[2].ki.wVk = key;
    keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, keys, sizeof(INPUT));
}

class PaletteTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(frame_.Create()); }

    TreeControl Tree() const { return TreeControl(frame_.palette.Tree()); }
    HTREEITEM Root() const { return Tree().Root(); }
    HTREEITEM Item(int kind) const {
        HTREEITEM item = Tree().FirstChild(Root());
        for (int k = 0; k < kind && item; ++k)
            item = Tree().NextSibling(item);
        return item;
    }
    // The middle of the item's text on the screen.
    POINT OnItem(HTREEITEM item, int dx = 0) const {
        RECT rect = {};
        EXPECT_TRUE(Tree().ItemRect(item, true, rect));
        POINT point = {(rect.left + rect.right) / 2 + dx, (rect.top + rect.bottom) / 2};
        ClientToScreen(Tree().Handle(), &point);
        return point;
    }
    void Click(POINT point) {
        ASSERT_TRUE(test::MovePointerTo(point.x, point.y));
        test::ClickLeft();
        PumpPending();
    }
    void DoubleClick(POINT point) {
        ASSERT_TRUE(test::MovePointerTo(point.x, point.y));
        test::ClickLeft();
        test::ClickLeft();
        PumpPending();
    }
    bool SelectByClick(int kind) {
        Click(OnItem(Item(kind)));
        return PumpUntil([&] { return Tree().Selection() == Item(kind); });
    }
    void RootImages(int& image, int& selected) const { Tree().Images(Root(), image, selected); }

    PrototypeTable table_;
    ScriptedEditor editor_;
    PaletteFrame frame_{table_, &editor_};
};

TEST_F(PaletteTest, ItemsImagesAndTheStartSelection) {
    const TreeControl tree = Tree();
    ASSERT_NE(Root(), nullptr);
    EXPECT_EQ(tree.Text(Root()), "Commands");
    EXPECT_EQ(tree.NextSibling(Root()), nullptr);
    EXPECT_TRUE(tree.IsExpanded(Root()));
    int image = -1;
    int selected = -1;
    RootImages(image, selected);
    EXPECT_EQ(image, 1);
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(tree.Data(Root()), 0);

    HTREEITEM item = tree.FirstChild(Root());
    for (int kind = 0; kind < kKindCount; ++kind, item = tree.NextSibling(item)) {
        ASSERT_NE(item, nullptr) << kind;
        EXPECT_EQ(tree.Text(item), kKindNames[kind]);
        tree.Images(item, image, selected);
        EXPECT_EQ(image, kind + 2);
        EXPECT_EQ(selected, kind + 2);
        EXPECT_EQ(tree.Data(item), reinterpret_cast<LPARAM>(&table_.Prototype(kind)));
        EXPECT_EQ(tree.FirstChild(item), nullptr);
    }
    EXPECT_EQ(item, nullptr);

    EXPECT_EQ(tree.Selection(), Item(kImage));
    EXPECT_TRUE(frame_.palette.HasKindSelected());
    EXPECT_EQ(frame_.palette.SelectedKind(), kImage);

    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(
        SendMessageA(tree.Handle(), TVM_GETIMAGELIST, TVSIL_NORMAL, 0));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), 15);
    int width = 0;
    int height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(images, &width, &height));
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 16);
}

TEST_F(PaletteTest, EveryKindShowsAnIconOfItsOwn) {
    // The 16 x 16 icons as the tree draws them on the screen, left of each item's text: each has
    // drawn pixels (not all the window colour) and no two are alike.
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const auto icons = [&] {
        std::set<std::vector<COLORREF>> seen;
        HDC screen = GetDC(nullptr);
        for (int kind = 0; kind < kKindCount; ++kind) {
            RECT text = {};
            Tree().ItemRect(Item(kind), true, text);
            POINT corner = {text.left - 16 - 1, (text.top + text.bottom) / 2 - 8};
            ClientToScreen(Tree().Handle(), &corner);
            std::vector<COLORREF> pixels;
            int drawn = 0;
            for (int y = 0; y < 16; ++y) {
                for (int x = -2; x < 18; ++x) {
                    pixels.push_back(GetPixel(screen, corner.x + x, corner.y + y));
                    drawn += pixels.back() != window ? 1 : 0;
                }
            }
            if (drawn < 40)
                break;
            seen.insert(pixels);
        }
        ReleaseDC(nullptr, screen);
        return seen.size();
    };
    EXPECT_TRUE(PumpUntil([&] { return icons() == static_cast<std::size_t>(kKindCount); }))
        << icons() << " distinct icons";
}

TEST_F(PaletteTest, ExpandingAndCollapsingTheRootChangesItsFolder) {
    // Double-clicking the root only expands or collapses it.
    DoubleClick(OnItem(Root()));
    int image = -1;
    int selected = -1;
    ASSERT_TRUE(PumpUntil([&] { return !Tree().IsExpanded(Root()); }));
    RootImages(image, selected);
    EXPECT_EQ(image, 0);
    EXPECT_EQ(selected, 0);
    EXPECT_FALSE(frame_.palette.HasKindSelected());
    EXPECT_TRUE(editor_.edited.empty());

    DoubleClick(OnItem(Root()));
    ASSERT_TRUE(PumpUntil([&] { return Tree().IsExpanded(Root()); }));
    RootImages(image, selected);
    EXPECT_EQ(image, 1);
    EXPECT_EQ(selected, 1);
    EXPECT_TRUE(editor_.edited.empty());
}

TEST_F(PaletteTest, TakeHandsOutThePrototypeAndTheItemFollowsTheFreshOne) {
    ASSERT_TRUE(SelectByClick(kShow));
    auto& show = static_cast<ShowEntry&>(table_.Prototype(kShow));
    show.params.motion.startX = 77;
    const LPARAM imageData = Tree().Data(Item(kImage));

    std::unique_ptr<SceneEntry> taken = frame_.palette.TakeSelectedPrototype();
    ASSERT_EQ(taken.get(), &show);
    EXPECT_EQ(static_cast<ShowEntry&>(*taken).params.motion.startX, 77);
    const SceneEntry& fresh = table_.Prototype(kShow);
    EXPECT_NE(&fresh, taken.get());
    EXPECT_EQ(static_cast<const ShowEntry&>(fresh).params.motion.startX, 0);
    EXPECT_EQ(Tree().Data(Item(kShow)), reinterpret_cast<LPARAM>(&fresh));
    EXPECT_EQ(Tree().Data(Item(kImage)), imageData);

    // The next take hands out the fresh one.
    std::unique_ptr<SceneEntry> next = frame_.palette.TakeSelectedPrototype();
    EXPECT_EQ(next.get(), &fresh);
    EXPECT_EQ(next->Kind(), kShow);
    EXPECT_EQ(Tree().Data(Item(kShow)), reinterpret_cast<LPARAM>(&table_.Prototype(kShow)));
}

TEST_F(PaletteTest, WithTheRootSelectedThereIsNothingToTakeOrEdit) {
    Click(OnItem(Root()));
    ASSERT_TRUE(PumpUntil([&] { return Tree().Selection() == Root(); }));
    EXPECT_FALSE(frame_.palette.HasKindSelected());
    EXPECT_EQ(frame_.palette.SelectedKind(), -1);
    const SceneEntry* image = &table_.Prototype(kImage);
    EXPECT_EQ(frame_.palette.TakeSelectedPrototype(), nullptr);
    EXPECT_FALSE(frame_.palette.EditSelectedPrototype());
    test::PressKey(VK_RETURN);
    EXPECT_TRUE(test::HoldsFor([&] { return editor_.edited.empty(); }));
    EXPECT_EQ(&table_.Prototype(kImage), image);
    EXPECT_TRUE(frame_.commands.empty());
}

TEST_F(PaletteTest, DoubleClickEditsAndAConfirmedEditIsAdded) {
    editor_.change = [](SceneEntry& entry) {
        static_cast<WaitEntry&>(entry).duration.randomRange = 5;
    };
    SceneEntry* wait = &table_.Prototype(kWait);
    ASSERT_TRUE(SelectByClick(kWait));
    DoubleClick(OnItem(Item(kWait)));
    ASSERT_TRUE(PumpUntil([&] { return frame_.added.size() == 1; }));
    ASSERT_EQ(editor_.edited.size(), 1u);
    EXPECT_EQ(editor_.edited[0], wait);
    EXPECT_EQ(editor_.owners[0], frame_.Handle());
    EXPECT_EQ(frame_.commands, std::vector<UINT>{ID_ADD});
    // The frame's Add took the edited prototype; the palette offers a default Wait again.
    EXPECT_EQ(frame_.added[0].get(), wait);
    EXPECT_EQ(static_cast<WaitEntry&>(*frame_.added[0]).duration.randomRange, 5);
    EXPECT_EQ(static_cast<const WaitEntry&>(table_.Prototype(kWait)).duration.randomRange, 3001);
    EXPECT_EQ(Tree().Data(Item(kWait)), reinterpret_cast<LPARAM>(&table_.Prototype(kWait)));
}

TEST_F(PaletteTest, AnEditThatIsNotConfirmedAddsNothing) {
    editor_.confirm = false;
    ASSERT_TRUE(SelectByClick(kLine));
    DoubleClick(OnItem(Item(kLine)));
    ASSERT_TRUE(PumpUntil([&] { return editor_.edited.size() == 1; }));
    EXPECT_EQ(editor_.edited[0], &table_.Prototype(kLine));
    EXPECT_TRUE(test::HoldsFor([&] { return frame_.commands.empty(); }));
    EXPECT_FALSE(frame_.palette.EditSelectedPrototype());
    EXPECT_EQ(editor_.edited.size(), 2u);
    EXPECT_TRUE(frame_.commands.empty());
}

TEST_F(PaletteTest, ADoubleClickBesideTheSelectedItemEditsNothing) {
    ASSERT_TRUE(SelectByClick(kHide));
    // Well right of the text, on the same line.
    RECT text = {};
    ASSERT_TRUE(Tree().ItemRect(Item(kHide), true, text));
    RECT client;
    GetClientRect(Tree().Handle(), &client);
    ASSERT_GT(client.right - text.right, 20);
    DoubleClick(
        OnItem(Item(kHide), (client.right + text.right) / 2 - (text.left + text.right) / 2));
    EXPECT_TRUE(test::HoldsFor([&] { return editor_.edited.empty(); }));
    EXPECT_EQ(Tree().Selection(), Item(kHide));
}

TEST_F(PaletteTest, EnterEditsOnceAndAnAutoRepeatDoesNot) {
    ASSERT_TRUE(SelectByClick(kComment));
    ASSERT_EQ(GetFocus(), Tree().Handle());
    test::PressKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return frame_.added.size() == 1; }));
    EXPECT_EQ(frame_.added[0]->Kind(), kComment);
    ASSERT_EQ(editor_.edited.size(), 1u);

    // A key held down repeats with the previous-state bit set.
    SendMessageA(Tree().Handle(), WM_KEYDOWN, VK_RETURN, 1 | (1 << 30));
    EXPECT_EQ(editor_.edited.size(), 1u);
    EXPECT_EQ(frame_.added.size(), 1u);
}

TEST_F(PaletteTest, TheContextMenuSelectsTheItemAndItsCommandsGoToTheFrame) {
    frame_.whileMenuShown = [] { test::PressKey('A'); };
    ASSERT_TRUE(test::MovePointerTo(OnItem(Item(kStop)).x, OnItem(Item(kStop)).y));
    test::ClickRight();
    ASSERT_TRUE(PumpUntil([&] { return frame_.added.size() == 1; }));
    ASSERT_EQ(frame_.menuItems.size(), 1u);
    EXPECT_EQ(frame_.menuItems[0], (std::vector<UINT>{ID_ADD, ID_INSERT, ID_PREVIEW}));
    EXPECT_EQ(frame_.kindAtMenu[0], kStop);
    EXPECT_EQ(frame_.commands, std::vector<UINT>{ID_ADD});
    EXPECT_EQ(frame_.added[0]->Kind(), kStop);
    EXPECT_EQ(Tree().Selection(), Item(kStop));
    // At the pointer.
    ASSERT_EQ(frame_.menuRects.size(), 1u);
    EXPECT_EQ(frame_.menuRects[0].left, OnItem(Item(kStop)).x);
    EXPECT_EQ(frame_.menuRects[0].top, OnItem(Item(kStop)).y);
}

TEST_F(PaletteTest, TheContextMenuFromTheKeyboardOpensNearTheTopLeft) {
    ASSERT_TRUE(SelectByClick(kPlay));
    frame_.whileMenuShown = [] { test::PressKey(VK_ESCAPE); };
    PressChord(VK_SHIFT, VK_F10);
    ASSERT_TRUE(PumpUntil([&] { return frame_.menuRects.size() == 1; }));
    POINT corner = {5, 5};
    ClientToScreen(Tree().Handle(), &corner);
    EXPECT_EQ(frame_.menuRects[0].left, corner.x);
    EXPECT_EQ(frame_.menuRects[0].top, corner.y);
    EXPECT_EQ(frame_.kindAtMenu[0], kPlay);

    // The context-menu key, which the system turns into WM_CONTEXTMENU; Insert chosen this time.
    frame_.whileMenuShown = [] { test::PressKey('I'); };
    test::PressKey(VK_APPS);
    ASSERT_TRUE(PumpUntil([&] { return frame_.commands.size() == 1; }));
    ASSERT_EQ(frame_.menuRects.size(), 2u);
    EXPECT_EQ(frame_.menuRects[1].left, corner.x);
    EXPECT_EQ(frame_.menuRects[1].top, corner.y);
    EXPECT_EQ(frame_.commands, std::vector<UINT>{ID_INSERT});
    EXPECT_TRUE(test::HoldsFor([&] { return frame_.menuRects.size() == 2; }));
}

TEST_F(PaletteTest, TheTreesFocusReachesTheParentAsThePalettes) {
    SetFocus(frame_.Handle());
    frame_.focusNotes.clear();
    SetFocus(frame_.palette.Handle());
    EXPECT_EQ(GetFocus(), Tree().Handle());
    ASSERT_FALSE(frame_.focusNotes.empty());
    EXPECT_EQ(frame_.focusNotes.back(), static_cast<UINT_PTR>(kPaletteId));
}

}  // namespace
}  // namespace vl

namespace vl {
namespace {

// Scene lines dragged over the palette: their image shows there, but no drop is taken.
TEST_F(PaletteTest, ADragOfSceneLinesShowsItsImageButIsNeverDropped) {
    DragImage picture;
    picture.width = 4;
    picture.height = 2;
    picture.pixels.assign(8, 0x00FF0000);
    ASSERT_TRUE(SaveDragImage(picture));
    const UINT copy = RegisteredFormat(kCopySceneFormat);
    const UINT source = RegisteredFormat(kDragSourceFormat);
    ComPtr<IDataObject> lines = MakeDataObject(
        {static_cast<CLIPFORMAT>(copy), static_cast<CLIPFORMAT>(source)},
        [=](CLIPFORMAT format) -> std::optional<std::vector<std::uint8_t>> {
            const DWORD id = GetCurrentProcessId();
            if (format == source)
                return std::vector<std::uint8_t>(reinterpret_cast<const std::uint8_t*>(&id),
                                                 reinterpret_cast<const std::uint8_t*>(&id + 1));
            return WriteCopyBlock(EntryList(), std::vector<const SceneEntry*>{});
        });
    PaletteDropHandler& drop = frame_.palette.DropHandler();
    const DWORD all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    EXPECT_EQ(drop.OnDragEnter(lines.Get(), 0, {20, 20}, all), DWORD(DROPEFFECT_NONE));
    EXPECT_TRUE(drop.ShowsImage());
    EXPECT_EQ(drop.OnDragOver(MK_CONTROL, {30, 25}, all), DWORD(DROPEFFECT_NONE));
    EXPECT_EQ(drop.OnDrop(lines.Get(), 0, {30, 25}, all), DWORD(DROPEFFECT_NONE));
    EXPECT_FALSE(drop.ShowsImage()) << "the drop ends the image";

    drop.OnDragEnter(lines.Get(), 0, {20, 20}, all);
    drop.OnDragLeave();
    EXPECT_FALSE(drop.ShowsImage()) << "leaving ends the image";

    // Text from another program shows no image.
    ComPtr<IDataObject> text = MakeDataObject({CF_TEXT}, nullptr);
    EXPECT_EQ(drop.OnDragEnter(text.Get(), 0, {20, 20}, all), DWORD(DROPEFFECT_NONE));
    EXPECT_FALSE(drop.ShowsImage());
    drop.OnDragLeave();
    DeleteDragImage();
}

}  // namespace
}  // namespace vl
