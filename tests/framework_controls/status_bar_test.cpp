#include "framework/status_bar.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>

#include "framework/command_prompt.h"
#include "tests/framework_controls/controls_test_resources.h"
#include "framework/string_resource.h"
#include "tests/framework_controls/test_frame.h"
#include "tests/framework_controls/ui_waits.h"

namespace vl::test {
namespace {

constexpr UINT kStatusId = 0xE801;

// Sets the toggle state of the lock keys as this thread sees them, and puts the old state back.
class LockKeys {
  public:
    LockKeys() { GetKeyboardState(saved_); }
    ~LockKeys() { SetKeyboardState(saved_); }
    void Set(bool caps, bool num, bool scroll) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CAPITAL] = caps ? 1 : 0;
        keys[VK_NUMLOCK] = num ? 1 : 0;
        keys[VK_SCROLL] = scroll ? 1 : 0;
        SetKeyboardState(keys);
    }

  private:
    BYTE saved_[256];
};

class StatusBarTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(frame.Create());
        ASSERT_TRUE(status.Create(frame.Handle(), kStatusId));
        frame.status = &status;
        frame.Layout();
        PumpPending();
    }

    RECT PaneRect(int pane) const {
        RECT rect = {};
        SendMessageA(status.Handle(), SB_GETRECT, pane, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }

    void MenuSelect(UINT item, UINT flags, HMENU menu) {
        SendMessageA(frame.Handle(), WM_MENUSELECT, MAKEWPARAM(item, flags),
                     reinterpret_cast<LPARAM>(menu));
    }

    TestFrame frame;
    StatusBar status;
};

TEST_F(StatusBarTest, SaysReadyAlongTheBottomOfTheFrame) {
    EXPECT_EQ(status.PaneText(StatusBar::kMessagePane), "Ready");
    EXPECT_EQ(SendMessageA(status.Handle(), SB_GETPARTS, 0, 0), 4);

    RECT client;
    GetClientRect(frame.Handle(), &client);
    const RECT bar = frame.InClient(status.Handle());
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_EQ(bar.left, 0);
    EXPECT_EQ(bar.right, client.right);
    EXPECT_GT(status.Height(), 10);
    EXPECT_EQ(frame.view.bottom, bar.top);

    // Hidden, it leaves the whole client area to the view.
    status.Show(false);
    frame.Layout();
    EXPECT_FALSE(status.IsVisible());
    EXPECT_EQ(frame.view.bottom, client.bottom);
}

TEST_F(StatusBarTest, IndicatorsShowWhileTheirLockKeyIsOn) {
    LockKeys keys;
    keys.Set(true, false, false);
    status.UpdateIndicators();
    EXPECT_EQ(status.PaneText(StatusBar::kCapsPane), "CAP");
    EXPECT_EQ(status.PaneText(StatusBar::kNumPane), "");
    EXPECT_EQ(status.PaneText(StatusBar::kScrollPane), "");
    // Nothing changed since: nothing to redraw.
    EXPECT_FALSE(status.UpdateIndicators());

    keys.Set(false, true, true);
    EXPECT_TRUE(status.UpdateIndicators());
    EXPECT_EQ(status.PaneText(StatusBar::kCapsPane), "");
    EXPECT_EQ(status.PaneText(StatusBar::kNumPane), "NUM");
    EXPECT_EQ(status.PaneText(StatusBar::kScrollPane), "SCRL");
    EXPECT_EQ(status.PaneText(StatusBar::kMessagePane), "Ready");
}

TEST_F(StatusBarTest, IndicatorPanesFitTheirTextsAndTheMessagePaneTakesTheRest) {
    const char* texts[] = {"CAP", "NUM", "SCRL"};
    WindowDc dc(status.Handle());
    SelectGuard font(dc.Get(),
                     reinterpret_cast<HFONT>(SendMessageA(status.Handle(), WM_GETFONT, 0, 0)));
    int widths[3] = {};
    for (int i = 0; i < 3; ++i) {
        SIZE text = {};
        GetTextExtentPoint32A(dc.Get(), texts[i], lstrlenA(texts[i]), &text);
        const RECT pane = PaneRect(StatusBar::kCapsPane + i);
        widths[i] = pane.right - pane.left;
        EXPECT_GE(widths[i], text.cx + 4) << texts[i];
    }
    RECT client;
    GetClientRect(status.Handle(), &client);
    EXPECT_EQ(PaneRect(StatusBar::kScrollPane).right, client.right);
    EXPECT_LE(PaneRect(StatusBar::kMessagePane).right, PaneRect(StatusBar::kCapsPane).left);

    // A wider frame widens only the message pane.
    const int message = PaneRect(StatusBar::kMessagePane).right;
    RECT frameRect;
    GetWindowRect(frame.Handle(), &frameRect);
    SetWindowPos(frame.Handle(), nullptr, 0, 0, frameRect.right - frameRect.left + 100,
                 frameRect.bottom - frameRect.top, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(PaneRect(StatusBar::kMessagePane).right, message + 100);
    for (int i = 0; i < 3; ++i) {
        const RECT pane = PaneRect(StatusBar::kCapsPane + i);
        EXPECT_EQ(pane.right - pane.left, widths[i]);
    }
}

TEST_F(StatusBarTest, MenuItemsShowTheirPromptUntilTheMenuCloses) {
    HMENU menu = CreatePopupMenu();
    MenuSelect(IDC_TEST_OPEN, MF_STRING | MF_HILITE, menu);
    EXPECT_EQ(status.PaneText(StatusBar::kMessagePane), "Opens a thing");
    MenuSelect(IDC_TEST_PROMPT_ONLY, MF_STRING | MF_HILITE, menu);
    EXPECT_EQ(status.PaneText(StatusBar::kMessagePane), "Only a prompt");

    // Submenus, separators and commands without a string show nothing.
    MenuSelect(0, MF_POPUP | MF_HILITE, menu);
    EXPECT_EQ(status.PaneText(StatusBar::kMessagePane), "");
    MenuSelect(IDC_TEST_SAVE, MF_STRING | MF_HILITE, menu);
    MenuSelect(0, MF_SEPARATOR, menu);
    EXPECT_EQ(status.PaneText(StatusBar::kMessagePane), "");
    MenuSelect(IDC_TEST_NO_STRING, MF_STRING | MF_HILITE, menu);
    EXPECT_EQ(status.PaneText(StatusBar::kMessagePane), "");

    MenuSelect(IDC_TEST_NEW, MF_STRING | MF_HILITE, menu);
    EXPECT_EQ(status.PaneText(StatusBar::kMessagePane), "Makes a new thing");
    MenuSelect(0, 0xFFFF, nullptr);
    EXPECT_EQ(status.PaneText(StatusBar::kMessagePane), "Ready");
    DestroyMenu(menu);
}

TEST(StringResource, LoadsStringsOfAnyLengthAndNothingForAMissingOne) {
    const std::string text = LoadStringResource(nullptr, IDS_TEST_LONG);
    const CommandPrompt prompt = SplitCommandPrompt(text);
    EXPECT_GT(prompt.status.size(), 300u);
    EXPECT_EQ(prompt.status.rfind("A prompt longer than any fixed buffer", 0), 0u);
    EXPECT_EQ(prompt.status.substr(prompt.status.size() - 7), "word039");
    EXPECT_EQ(prompt.tooltip, "The tip");

    EXPECT_EQ(LoadStringResource(nullptr, IDC_TEST_NEW), "Makes a new thing\nNew thing");
    EXPECT_EQ(LoadStringResource(nullptr, IDC_TEST_NO_STRING), "");
}

}  // namespace
}  // namespace vl::test
