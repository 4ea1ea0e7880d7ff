#include "framework/window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace vl {
namespace {

constexpr UINT kAnswer = WM_APP + 1;
constexpr UINT kThrow = WM_APP + 2;
const char kClass[] = "VlTestRoutingWindow";

class RecordingWindow : public Window {
  public:
    explicit RecordingWindow(int answer) : answer_(answer) {}

    bool Create() {
        WindowClass windowClass = {};
        windowClass.name = kClass;
        if (!Window::Register(windowClass))
            return false;
        return Window::Create(kClass, 0, "routing", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr);
    }

    std::vector<std::string> seen;
    bool finalMessage = false;
    int exceptions = 0;

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
            case WM_CREATE:
                seen.push_back(Handle() ? "create with handle" : "create without handle");
                return 0;
            case kAnswer:
                seen.push_back("answer " + std::to_string(wParam));
                return answer_;
            case kThrow:
                throw std::runtime_error("from a handler");
            case WM_DESTROY:
                seen.push_back("destroy");
                return 0;
            default:
                return DefaultProc(msg, wParam, lParam);
        }
    }
    void OnException() override { ++exceptions; }
    void OnFinalMessage() override { finalMessage = true; }

  private:
    int answer_;
};

TEST(WindowBase, RoutesMessagesToTheirOwnObject) {
    RecordingWindow first(11);
    RecordingWindow second(22);
    ASSERT_TRUE(first.Create());
    ASSERT_TRUE(second.Create());
    EXPECT_NE(first.Handle(), second.Handle());
    EXPECT_EQ(GetWindowLongPtrA(first.Handle(), GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&first));

    EXPECT_EQ(SendMessageA(first.Handle(), kAnswer, 5, 0), 11);
    EXPECT_EQ(SendMessageA(second.Handle(), kAnswer, 6, 0), 22);
    // Unhandled messages take the system's default course.
    SetWindowTextA(first.Handle(), "renamed");
    char title[32] = "";
    GetWindowTextA(first.Handle(), title, sizeof(title));
    EXPECT_STREQ(title, "renamed");

    EXPECT_EQ(first.seen, (std::vector<std::string>{"create with handle", "answer 5"}));
    EXPECT_EQ(second.seen, (std::vector<std::string>{"create with handle", "answer 6"}));
}

TEST(WindowBase, DestroyedWindowForgetsItsHandle) {
    RecordingWindow window(0);
    ASSERT_TRUE(window.Create());
    HWND hwnd = window.Handle();
    EXPECT_TRUE(DestroyWindow(hwnd));
    EXPECT_TRUE(window.finalMessage);
    EXPECT_EQ(window.Handle(), nullptr);
    EXPECT_EQ(window.seen.back(), "destroy");
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(WindowBase, ObjectDestroysItsLiveWindowWithoutCallingBack) {
    HWND hwnd = nullptr;
    {
        RecordingWindow window(0);
        ASSERT_TRUE(window.Create());
        hwnd = window.Handle();
    }
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST(WindowBase, ExceptionStopsAtTheWindowProcedure) {
    RecordingWindow window(0);
    ASSERT_TRUE(window.Create());
    EXPECT_EQ(SendMessageA(window.Handle(), kThrow, 0, 0), 0);
    EXPECT_EQ(window.exceptions, 1);
    // The window goes on working.
    EXPECT_EQ(SendMessageA(window.Handle(), kAnswer, 1, 0), 0);
}

TEST(WindowBase, SecondCreateOnTheSameObjectIsRefused) {
    RecordingWindow window(0);
    ASSERT_TRUE(window.Create());
    EXPECT_FALSE(window.Create());
    // Registering the class again is fine.
    WindowClass windowClass = {};
    windowClass.name = kClass;
    EXPECT_TRUE(Window::Register(windowClass));
}

TEST(WindowBase, MessageLoopReturnsTheQuitCode) {
    PostQuitMessage(7);
    EXPECT_EQ(RunMessageLoop(), 7);
}

}  // namespace
}  // namespace vl
