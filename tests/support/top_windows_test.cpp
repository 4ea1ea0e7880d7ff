// Finding top-level windows by process, class and title, and answering a box of this process
// from a helper thread.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "framework/handles.h"
#include "support/top_windows.h"

namespace vl::test {
namespace {

constexpr char kClass[] = "VlTopWindowsTest";

WindowHandle MakeWindow(const char* title, bool visible) {
    static const ATOM registered = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClass;
        return RegisterClassA(&windowClass);
    }();
    (void)registered;
    return WindowHandle(CreateWindowExA(WS_EX_TOOLWINDOW, kClass, title,
                                        WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 0, 40, 30,
                                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
}

TEST(FindTopWindow, MatchesProcessClassAndTitleOfVisibleWindowsOnly) {
    const WindowHandle shown = MakeWindow("Found me", true);
    const WindowHandle hidden = MakeWindow("Hidden", false);
    ASSERT_TRUE(shown && hidden);
    const DWORD self = GetCurrentProcessId();
    EXPECT_EQ(FindTopWindow(self, kClass, "Found me"), shown.Get());
    EXPECT_EQ(FindTopWindow(self, nullptr, "Found me"), shown.Get());
    EXPECT_EQ(FindTopWindow(self, kClass, "Hidden"), nullptr);
    EXPECT_EQ(FindTopWindow(self, "#32770", "Found me"), nullptr);
    EXPECT_EQ(FindTopWindow(self, kClass, "Found"), nullptr) << "the whole title";
    // Whatever the process whose id comes next shows, it is not ours.
    EXPECT_EQ(FindTopWindow(self + 4, kClass, "Found me"), nullptr);
}

TEST(WaitUntilGone, TellsWhetherTheWindowWasDestroyed) {
    WindowHandle window = MakeWindow("Going", true);
    ASSERT_TRUE(window);
    EXPECT_FALSE(WaitUntilGone(window.Get(), 30));
    HWND handle = window.Get();
    window.Reset();
    EXPECT_TRUE(WaitUntilGone(handle, 30));
}

TEST(WaitForOwnDialog, LetsAHelperThreadAnswerABoxOfThisThread) {
    std::string text;
    std::thread user([&text] {
        HWND box = WaitForOwnDialog("Support box");
        if (!box)
            return;
        text = MessageBoxText(box);
        PressButton(box, IDNO);
    });
    const int answer = MessageBoxA(nullptr, "Keep the frames?", "Support box", MB_YESNO);
    user.join();
    EXPECT_EQ(answer, IDNO);
    EXPECT_EQ(text, "Keep the frames?");
}

}  // namespace
}  // namespace vl::test
