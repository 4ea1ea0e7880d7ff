#include "framework/docking_toolbar.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "framework/bar_state_store.h"
#include "tests/framework_controls/controls_test_resources.h"
#include "tests/framework_controls/test_frame.h"
#include "tests/framework_controls/ui_waits.h"

namespace vl::test {
namespace {

constexpr UINT kToolBarId = 0xE800;
constexpr UINT kStatusId = 0xE801;
constexpr SIZE kImage = {48, 48};
// Button i of the bar shows image kImageOf[i]; the separator none.
const std::vector<UINT> kCommands = {IDC_TEST_NEW, IDC_TEST_OPEN, 0, IDC_TEST_SAVE,
                                     IDC_TEST_PROMPT_ONLY};
constexpr int kImageOf[] = {0, 1, -1, 2, 3};

class MemoryStore : public BarStateStore {
  public:
    int GetInt(const char* name, int fallback) const override {
        const auto found = ints.find(name);
        return found == ints.end() ? fallback : found->second;
    }
    void SetInt(const char* name, int value) override { ints[name] = value; }
    std::string GetText(const char* name, const std::string& fallback) const override {
        const auto found = texts.find(name);
        return found == texts.end() ? fallback : found->second;
    }
    void SetText(const char* name, const std::string& value) override { texts[name] = value; }

    std::map<std::string, int> ints;
    std::map<std::string, std::string> texts;
};

class ToolBarTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(frame.Create(720, 520));
        ASSERT_TRUE(status.Create(frame.Handle(), kStatusId));
        DockingToolBar::Definition definition;
        definition.title = "Test bar";
        definition.imageSize = kImage;
        definition.normalImages = strips.normal.Get();
        definition.disabledImages = strips.disabled.Get();
        definition.commands = kCommands;
        ASSERT_TRUE(toolbar.Create(frame.Handle(), kToolBarId, definition));
        toolbar.SetStatusBar(&status);
        toolbar.SetLayoutRequest([this] { frame.Layout(); });
        frame.status = &status;
        frame.toolbar = &toolbar;
        frame.Layout();
        PumpPending();
    }

    RECT ItemRect(int index) const {
        RECT rect = {};
        SendMessageA(toolbar.ToolBar(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    POINT ItemCentre(int index) const {
        const RECT item = ItemRect(index);
        return TestFrame::OnScreen(toolbar.ToolBar(),
                                   {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    }
    std::string StatusText() const { return status.PaneText(StatusBar::kMessagePane); }

    // Where the user takes hold of the docked bar (screen).
    POINT Gripper() const {
        RECT host;
        GetClientRect(toolbar.Handle(), &host);
        const POINT grip =
            IsVertical(toolbar.Edge()) ? POINT{host.right / 2, 4} : POINT{4, host.bottom / 2};
        return TestFrame::OnScreen(toolbar.Handle(), grip);
    }

    // Drags the docked bar by its gripper and lets go at target (screen).
    void DragGripperTo(POINT target) {
        const POINT start = Gripper();
        ASSERT_TRUE(MovePointerTo(start));
        ASSERT_TRUE(PressLeft());
        for (int step = 1; step <= 4; ++step)
            ASSERT_TRUE(MovePointerTo({start.x + (target.x - start.x) * step / 4,
                                       start.y + (target.y - start.y) * step / 4}));
        ASSERT_TRUE(ReleaseLeft());
        ASSERT_TRUE(PumpUntil([] { return GetCapture() == nullptr; }));
        PumpPending();
    }

    int ToolBarHeight() const {
        RECT rect;
        GetWindowRect(toolbar.ToolBar(), &rect);
        return rect.bottom - rect.top;
    }

    TestStrips strips{kImage};
    TestFrame frame;
    StatusBar status;
    DockingToolBar toolbar;
};

TEST_F(ToolBarTest, ButtonsFollowTheCommandListWithOneImageEach) {
    ASSERT_EQ(SendMessageA(toolbar.ToolBar(), TB_BUTTONCOUNT, 0, 0), 5);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        TBBUTTON button = {};
        SendMessageA(toolbar.ToolBar(), TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        if (kCommands[i] == 0) {
            EXPECT_TRUE(button.fsStyle & BTNS_SEP);
            continue;
        }
        EXPECT_EQ(button.idCommand, static_cast<int>(kCommands[i]));
        EXPECT_EQ(button.iBitmap, kImageOf[i]);
        const RECT item = ItemRect(i);
        EXPECT_GE(item.right - item.left, kImage.cx);
        EXPECT_GE(item.bottom - item.top, kImage.cy);
    }
    // Docked at the top above the view, in a row.
    EXPECT_EQ(toolbar.Edge(), DockEdge::Top);
    EXPECT_FALSE(toolbar.IsFloating());
    const RECT strip = frame.InClient(toolbar.Handle());
    EXPECT_EQ(strip.top, 0);
    EXPECT_EQ(strip.bottom - strip.top, toolbar.DockedThickness());
    EXPECT_GT(toolbar.DockedThickness(), kImage.cy);
    EXPECT_EQ(frame.view.top, strip.bottom);
    EXPECT_EQ(ItemRect(1).top, ItemRect(0).top);
    EXPECT_GT(ItemRect(1).left, ItemRect(0).left);
}

TEST_F(ToolBarTest, TheCallersStripsAreLeftAsTheyWere) {
    // Making a masked image list blackens the mask colour of what it is given.
    MemoryDc dc(CreateCompatibleDC(nullptr));
    for (HBITMAP strip : {strips.normal.Get(), strips.disabled.Get()}) {
        SelectGuard select(dc.Get(), strip);
        EXPECT_EQ(GetPixel(dc.Get(), 1, 1), DockingToolBar::kMaskColour);
    }
}

TEST(ToolBar, StripsWithTooFewImagesAreRefused) {
    TestFrame frame;
    ASSERT_TRUE(frame.Create());
    TestStrips strips(kImage);
    DockingToolBar::Definition definition;
    definition.imageSize = kImage;
    definition.normalImages = strips.normal.Get();
    definition.commands = {IDC_TEST_NEW,      IDC_TEST_OPEN, IDC_TEST_SAVE, IDC_TEST_PROMPT_ONLY, 0,
                           IDC_TEST_NO_STRING};
    DockingToolBar tooMany;
    EXPECT_FALSE(tooMany.Create(frame.Handle(), kToolBarId, definition));
    EXPECT_EQ(tooMany.Handle(), nullptr);
    EXPECT_EQ(tooMany.ToolBar(), nullptr);

    // Without a disabled strip the normal images are greyed for disabled buttons.
    definition.commands.pop_back();
    DockingToolBar enough;
    EXPECT_TRUE(enough.Create(frame.Handle(), kToolBarId, definition));
    // A disabled strip that is too short is refused as well.
    TestStrips five(kImage, 5);
    definition.normalImages = five.normal.Get();
    definition.disabledImages = strips.disabled.Get();
    definition.commands.push_back(IDC_TEST_NO_STRING);
    DockingToolBar shortDisabled;
    EXPECT_FALSE(shortDisabled.Create(frame.Handle(), kToolBarId, definition));
}

TEST_F(ToolBarTest, ImagesShowWithoutTheirMagentaAndDisabledOnesFromTheirOwnStrip) {
    for (int i : {0, 1, 3, 4}) {
        SCOPED_TRACE(i);
        const POINT centre = ItemCentre(i);
        EXPECT_TRUE(ScreenShows(centre, TestStrips::Normal(kImageOf[i])));
        // Inside the image but outside its square: magenta there is masked out.
        const POINT margin = {centre.x - kImage.cx / 2 + 2, centre.y - kImage.cy / 2 + 2};
        EXPECT_NE(ScreenPixel(margin), DockingToolBar::kMaskColour);
        EXPECT_EQ(ScreenPixel(margin), GetSysColor(COLOR_3DFACE));
    }

    toolbar.UpdateButtons([](UINT command) {
        return ButtonState{command != IDC_TEST_OPEN, false};
    });
    EXPECT_TRUE(ScreenShows(ItemCentre(1), TestStrips::Disabled(1)));
    EXPECT_TRUE(ScreenShows(ItemCentre(0), TestStrips::Normal(0)));
}

TEST_F(ToolBarTest, TheIdleStepEnablesAndChecksButtons) {
    toolbar.UpdateButtons([](UINT command) {
        return ButtonState{command != IDC_TEST_NEW, command == IDC_TEST_SAVE};
    });
    const HWND bar = toolbar.ToolBar();
    EXPECT_FALSE(SendMessageA(bar, TB_ISBUTTONENABLED, IDC_TEST_NEW, 0));
    EXPECT_TRUE(SendMessageA(bar, TB_ISBUTTONENABLED, IDC_TEST_OPEN, 0));
    EXPECT_TRUE(SendMessageA(bar, TB_ISBUTTONCHECKED, IDC_TEST_SAVE, 0));
    EXPECT_FALSE(SendMessageA(bar, TB_ISBUTTONCHECKED, IDC_TEST_OPEN, 0));

    toolbar.UpdateButtons([](UINT) { return ButtonState{}; });
    EXPECT_TRUE(SendMessageA(bar, TB_ISBUTTONENABLED, IDC_TEST_NEW, 0));
    EXPECT_FALSE(SendMessageA(bar, TB_ISBUTTONCHECKED, IDC_TEST_SAVE, 0));
}

TEST_F(ToolBarTest, ClickingAButtonSendsItsCommandToTheFrame) {
    ASSERT_TRUE(MovePointerTo(ItemCentre(3)));
    ASSERT_TRUE(PressLeft());
    ASSERT_TRUE(ReleaseLeft());
    ASSERT_TRUE(PumpUntil([&] { return !frame.commands.empty(); }));
    EXPECT_EQ(frame.commands.back().id, IDC_TEST_SAVE);
}

TEST_F(ToolBarTest, TheMouseOverAButtonShowsItsPromptAndLeavingRestoresReady) {
    ASSERT_TRUE(MovePointerTo(ItemCentre(1)));
    EXPECT_TRUE(PumpUntil([&] { return StatusText() == "Opens a thing"; })) << StatusText();
    ASSERT_TRUE(MovePointerTo(ItemCentre(4)));
    EXPECT_TRUE(PumpUntil([&] { return StatusText() == "Only a prompt"; })) << StatusText();

    const POINT inView = TestFrame::OnScreen(frame.Handle(), {360, 300});
    ASSERT_TRUE(MovePointerTo(inView));
    EXPECT_TRUE(PumpUntil([&] { return StatusText() == "Ready"; })) << StatusText();
}

// The visible tooltip of this process, if any.
HWND ShownTooltip() {
    struct Search {
        HWND found = nullptr;
    } search;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM parameter) -> BOOL {
            char name[64] = "";
            GetClassNameA(window, name, sizeof(name));
            if (lstrcmpiA(name, TOOLTIPS_CLASSA) != 0 || !IsWindowVisible(window))
                return TRUE;
            reinterpret_cast<Search*>(parameter)->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string TextOf(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

TEST_F(ToolBarTest, RestingOnAButtonShowsTheTooltipAfterTheLineBreak) {
    ASSERT_TRUE(MovePointerTo(ItemCentre(0)));
    HWND tip = nullptr;
    EXPECT_TRUE(PumpUntil([&] {
        tip = ShownTooltip();
        return tip && TextOf(tip) == "New thing";
    })) << (tip ? TextOf(tip) : "no tooltip");
}

TEST_F(ToolBarTest, AFloatingBarShowsItsTooltipsThoughItsWindowIsNeverActive) {
    toolbar.Float({300, 200});
    ASSERT_TRUE(MovePointerTo(ItemCentre(1)));
    HWND tip = nullptr;
    EXPECT_TRUE(PumpUntil([&] {
        tip = ShownTooltip();
        return tip && TextOf(tip) == "Open thing";
    })) << (tip ? TextOf(tip) : "no tooltip");
}

TEST_F(ToolBarTest, TooltipsAreTheTextAfterTheLineBreakOrNothing) {
    // The host answers for the toolbar control, which passes its tooltip's questions on.
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom =
        reinterpret_cast<HWND>(SendMessageA(toolbar.ToolBar(), TB_GETTOOLTIPS, 0, 0));
    info.hdr.code = TTN_GETDISPINFOA;
    const auto ask = [&](UINT command) {
        info.hdr.idFrom = command;
        info.lpszText = nullptr;
        SendMessageA(toolbar.Handle(), WM_NOTIFY, command, reinterpret_cast<LPARAM>(&info));
        return std::string(info.lpszText ? info.lpszText : "(none)");
    };
    EXPECT_EQ(ask(IDC_TEST_OPEN), "Open thing");
    EXPECT_EQ(ask(IDC_TEST_SAVE), "Save thing");
    EXPECT_EQ(ask(IDC_TEST_PROMPT_ONLY), "");

    // A control that speaks Unicode asks the same in its own form.
    NMTTDISPINFOW wide = {};
    wide.hdr = info.hdr;
    wide.hdr.code = TTN_GETDISPINFOW;
    wide.hdr.idFrom = IDC_TEST_NEW;
    SendMessageA(toolbar.Handle(), WM_NOTIFY, IDC_TEST_NEW, reinterpret_cast<LPARAM>(&wide));
    ASSERT_NE(wide.lpszText, nullptr);
    EXPECT_EQ(std::wstring(wide.lpszText), L"New thing");
}

TEST_F(ToolBarTest, DockedAtTheSidesTheButtonsFormAColumnTallerByThreePerSeparator) {
    const int layouts = frame.layouts;
    toolbar.Dock(DockEdge::Left);
    EXPECT_GT(frame.layouts, layouts);
    RECT client;
    GetClientRect(frame.Handle(), &client);
    const RECT statusRect = frame.InClient(status.Handle());
    RECT strip = frame.InClient(toolbar.Handle());
    EXPECT_EQ(strip.left, 0);
    EXPECT_EQ(strip.top, 0);
    EXPECT_EQ(strip.bottom, statusRect.top);
    EXPECT_EQ(strip.right, toolbar.DockedThickness());
    EXPECT_EQ(frame.view.left, strip.right);
    EXPECT_EQ(frame.view.top, 0);

    // One button under the other; a separator leaves a gap between its groups.
    int previous = 0;
    for (int i = 1; i < 5; ++i) {
        if (kCommands[i] == 0)
            continue;
        SCOPED_TRACE(i);
        EXPECT_EQ(ItemRect(i).left, ItemRect(previous).left);
        if (kCommands[i - 1] == 0) {
            EXPECT_GT(ItemRect(i).top, ItemRect(previous).bottom);
        } else {
            EXPECT_EQ(ItemRect(i).top, ItemRect(previous).bottom);
        }
        previous = i;
    }
    const int contentBottom = ItemRect(4).bottom;
    RECT bar;
    GetWindowRect(toolbar.ToolBar(), &bar);
    EXPECT_EQ(bar.right - bar.left, ItemRect(0).right);
    EXPECT_EQ(ToolBarHeight(), contentBottom + DockingToolBar::kVerticalGrowthPerSeparator * 1);

    toolbar.Dock(DockEdge::Right);
    strip = frame.InClient(toolbar.Handle());
    EXPECT_EQ(strip.right, client.right);
    EXPECT_EQ(frame.view.right, strip.left);
    EXPECT_EQ(frame.view.left, 0);

    // Back in a row at the bottom, above the status bar.
    toolbar.Dock(DockEdge::Bottom);
    strip = frame.InClient(toolbar.Handle());
    EXPECT_EQ(strip.bottom, statusRect.top);
    EXPECT_EQ(frame.view.bottom, strip.top);
    EXPECT_EQ(ItemRect(1).top, ItemRect(0).top);
    EXPECT_EQ(ToolBarHeight(), ItemRect(0).bottom);
}

TEST_F(ToolBarTest, DraggedOffItsEdgeItFloatsAndACaptionDoubleClickDocksItAgain) {
    const POINT target = TestFrame::OnScreen(frame.Handle(), {300, 250});
    DragGripperTo(target);
    ASSERT_TRUE(toolbar.IsFloating());
    const HWND floating = toolbar.FloatingWindow();
    EXPECT_TRUE(IsWindowVisible(floating));
    EXPECT_FALSE(IsWindowVisible(toolbar.Handle()));
    EXPECT_EQ(GetParent(toolbar.ToolBar()), floating);
    EXPECT_EQ(toolbar.DockedThickness(), 0);
    EXPECT_EQ(frame.view.top, 0);
    // The bar stays where it was let go: the point it was held by is under the pointer.
    RECT window;
    GetWindowRect(floating, &window);
    EXPECT_EQ(window.left, target.x - 4);
    EXPECT_TRUE(ScreenShows(ItemCentre(0), TestStrips::Normal(0)));

    // Its buttons still reach the frame.
    frame.commands.clear();
    ASSERT_TRUE(MovePointerTo(ItemCentre(0)));
    ASSERT_TRUE(PressLeft());
    ASSERT_TRUE(ReleaseLeft());
    ASSERT_TRUE(PumpUntil([&] { return !frame.commands.empty(); }));
    EXPECT_EQ(frame.commands.back().id, IDC_TEST_NEW);

    POINT caption = {(window.left + window.right) / 2, window.top + 4};
    PostMessageA(floating, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(caption.x, caption.y));
    ASSERT_TRUE(PumpUntil([&] { return !toolbar.IsFloating(); }));
    EXPECT_EQ(toolbar.Edge(), DockEdge::Top);
    EXPECT_FALSE(IsWindowVisible(floating));
    EXPECT_TRUE(IsWindowVisible(toolbar.Handle()));
    EXPECT_EQ(frame.view.top, toolbar.DockedThickness());
}

TEST_F(ToolBarTest, DraggedToAnotherEdgeItDocksThere) {
    // A click on the gripper that hardly moves is no drag.
    const POINT grip = Gripper();
    DragGripperTo({grip.x + 1, grip.y + 1});
    EXPECT_FALSE(toolbar.IsFloating());
    EXPECT_EQ(toolbar.Edge(), DockEdge::Top);

    DragGripperTo(TestFrame::OnScreen(frame.Handle(), {6, 260}));
    EXPECT_FALSE(toolbar.IsFloating());
    EXPECT_EQ(toolbar.Edge(), DockEdge::Left);

    RECT client;
    GetClientRect(frame.Handle(), &client);
    DragGripperTo(TestFrame::OnScreen(frame.Handle(), {360, client.bottom - 6}));
    EXPECT_FALSE(toolbar.IsFloating());
    EXPECT_EQ(toolbar.Edge(), DockEdge::Bottom);
}

TEST_F(ToolBarTest, AFloatingWindowMovedNearAnEdgeDocksThere) {
    toolbar.Float(TestFrame::OnScreen(frame.Handle(), {200, 200}));
    const HWND floating = toolbar.FloatingWindow();
    // The user moved it by its caption and let go with the pointer in the middle of the frame.
    SetWindowPos(floating, nullptr, 150, 260, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(MovePointerTo(TestFrame::OnScreen(frame.Handle(), {360, 250})));
    SendMessageA(floating, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_TRUE(toolbar.IsFloating());
    MemoryStore store;
    toolbar.SaveState(store);
    EXPECT_EQ(store.texts["FloatPos"], "150,260");

    // Then again, letting go near the right edge.
    RECT client;
    GetClientRect(frame.Handle(), &client);
    ASSERT_TRUE(MovePointerTo(TestFrame::OnScreen(frame.Handle(), {client.right - 5, 250})));
    SendMessageA(floating, WM_EXITSIZEMOVE, 0, 0);
    EXPECT_FALSE(toolbar.IsFloating());
    EXPECT_EQ(toolbar.Edge(), DockEdge::Right);
    EXPECT_FALSE(IsWindowVisible(floating));
}

TEST_F(ToolBarTest, ClosingTheFloatingWindowHidesTheBar) {
    toolbar.Float(TestFrame::OnScreen(frame.Handle(), {200, 200}));
    SendMessageA(toolbar.FloatingWindow(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(toolbar.IsVisible());
    EXPECT_TRUE(IsWindow(toolbar.FloatingWindow()));
    EXPECT_FALSE(IsWindowVisible(toolbar.FloatingWindow()));

    toolbar.Show(true);
    EXPECT_TRUE(IsWindowVisible(toolbar.FloatingWindow()));
    toolbar.Dock(DockEdge::Top);
    toolbar.Show(false);
    EXPECT_FALSE(IsWindowVisible(toolbar.Handle()));
    EXPECT_EQ(frame.view.top, 0);
}

TEST_F(ToolBarTest, StateIsSavedAndRestored) {
    MemoryStore store;
    EXPECT_FALSE(DockingToolBar::HasSavedState(store));
    toolbar.Dock(DockEdge::Right);
    toolbar.Float({300, 200});
    toolbar.SaveState(store);
    EXPECT_TRUE(DockingToolBar::HasSavedState(store));
    EXPECT_EQ(store.ints["Floating"], 1);
    EXPECT_EQ(store.ints["Edge"], static_cast<int>(DockEdge::Right));
    EXPECT_EQ(store.ints["Visible"], 1);
    EXPECT_EQ(store.texts["FloatPos"], "300,200");

    toolbar.Dock(DockEdge::Top);
    toolbar.RestoreState(store);
    ASSERT_TRUE(toolbar.IsFloating());
    RECT window;
    GetWindowRect(toolbar.FloatingWindow(), &window);
    EXPECT_EQ(window.left, 300);
    EXPECT_EQ(window.top, 200);
    // Docking again goes back to the edge it floated from.
    PostMessageA(toolbar.FloatingWindow(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    ASSERT_TRUE(PumpUntil([&] { return !toolbar.IsFloating(); }));
    EXPECT_EQ(toolbar.Edge(), DockEdge::Right);

    toolbar.Dock(DockEdge::Left);
    toolbar.Show(false);
    toolbar.SaveState(store);
    toolbar.Show(true);
    toolbar.Dock(DockEdge::Top);
    toolbar.RestoreState(store);
    EXPECT_FALSE(toolbar.IsFloating());
    EXPECT_EQ(toolbar.Edge(), DockEdge::Left);
    EXPECT_FALSE(toolbar.IsVisible());
    EXPECT_FALSE(IsWindowVisible(toolbar.Handle()));
}

TEST_F(ToolBarTest, AFloatingPlaceOffEveryMonitorOrUnreadableStateDocksTheBar) {
    MemoryStore store;
    store.ints = {{"Floating", 1}, {"Edge", static_cast<int>(DockEdge::Bottom)}, {"Visible", 1}};
    store.texts = {{"FloatPos", "-32000,-32000"}};
    toolbar.RestoreState(store);
    EXPECT_FALSE(toolbar.IsFloating());
    EXPECT_EQ(toolbar.Edge(), DockEdge::Bottom);
    EXPECT_TRUE(IsWindowVisible(toolbar.Handle()));

    store.texts["FloatPos"] = "300;200";
    store.ints["Edge"] = 9;
    toolbar.RestoreState(store);
    EXPECT_FALSE(toolbar.IsFloating());
    EXPECT_EQ(toolbar.Edge(), DockEdge::Top);

    // Nothing stored: docked at the top, visible.
    toolbar.Dock(DockEdge::Right);
    toolbar.RestoreState(MemoryStore());
    EXPECT_FALSE(toolbar.IsFloating());
    EXPECT_EQ(toolbar.Edge(), DockEdge::Top);
    EXPECT_TRUE(toolbar.IsVisible());
}

}  // namespace
}  // namespace vl::test
