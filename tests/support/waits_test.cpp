// The waits: they end as soon as their condition holds, serve this thread's messages (posted and
// sent from other threads) meanwhile, and give up at their deadline.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "framework/handles.h"
#include "support/waits.h"

namespace vl::test {
namespace {

constexpr UINT kCount = WM_APP + 1;  // counts one
constexpr UINT kChain = WM_APP + 2;  // counts one and posts itself again while wParam > 1

// A message-only window that counts what it is sent and posted.
class CountingWindow {
  public:
    CountingWindow() {
        static const ATOM registered = [] {
            WNDCLASSA windowClass = {};
            windowClass.lpfnWndProc = &Proc;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.lpszClassName = "VlWaitsTestWindow";
            return RegisterClassA(&windowClass);
        }();
        (void)registered;
        window_.Reset(CreateWindowExA(0, "VlWaitsTestWindow", "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                      nullptr, GetModuleHandleA(nullptr), nullptr));
        SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&count_));
    }
    HWND Handle() const { return window_.Get(); }
    int Count() const { return count_; }

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* count = reinterpret_cast<std::atomic<int>*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        switch (message) {
            case kCount:
                ++*count;
                return 0;
            case kChain:
                ++*count;
                if (wParam > 1)
                    PostMessageA(window, kChain, wParam - 1, 0);
                return 0;
            default:
                return DefWindowProcA(window, message, wParam, lParam);
        }
    }

    WindowHandle window_;
    std::atomic<int> count_{0};
};

DWORD MillisecondsSince(DWORD start) {
    return GetTickCount() - start;
}

TEST(PumpUntil, ServesThisThreadsMessagesUntilTheConditionHolds) {
    CountingWindow window;
    PostMessageA(window.Handle(), kCount, 0, 0);
    PostMessageA(window.Handle(), kCount, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return window.Count() == 2; }));
}

TEST(PumpUntil, SeesAConditionThatAnotherThreadMakesTrue) {
    std::atomic<int> checks{0};
    std::atomic<bool> done{false};
    std::atomic<bool> gaveUp{false};
    // Only once the wait has looked a few times does the other thread make the condition true.
    std::thread other([&] {
        while (checks < 3 && !gaveUp)
            std::this_thread::yield();
        done = true;
    });
    EXPECT_TRUE(PumpUntil([&] {
        ++checks;
        return done.load();
    }));
    gaveUp = true;
    other.join();
}

TEST(PumpUntil, GivesUpAtItsDeadline) {
    const DWORD start = GetTickCount();
    EXPECT_FALSE(PumpUntil([] { return false; }, 60));
    EXPECT_GE(MillisecondsSince(start), 60u);
}

TEST(PumpUntil, AQuitRequestDoesNotEndTheWait) {
    CountingWindow window;
    PostQuitMessage(0);
    PostMessageA(window.Handle(), kCount, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return window.Count() == 1; }));
}

TEST(PumpUntilSignalled, ServesMessagesSentFromAnotherThreadWhileItWaits) {
    CountingWindow window;
    EventHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(event);
    std::thread other([&] {
        // Blocks until this thread serves it: a wait that did not would never see the event.
        SendMessageA(window.Handle(), kCount, 0, 0);
        SetEvent(event.Get());
    });
    EXPECT_TRUE(PumpUntilSignalled(event.Get()));
    other.join();
    EXPECT_EQ(window.Count(), 1);
}

TEST(PumpUntilSignalled, GivesUpAtItsDeadline) {
    EventHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(event);
    CountingWindow window;
    PostMessageA(window.Handle(), kCount, 0, 0);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(PumpUntilSignalled(event.Get(), 60));
    EXPECT_GE(MillisecondsSince(start), 60u);
    EXPECT_EQ(window.Count(), 1) << "messages are served while it waits";
}

TEST(HoldsFor, IsTrueWhenTheConditionHoldsThroughout) {
    CountingWindow window;
    PostMessageA(window.Handle(), kCount, 0, 0);
    EXPECT_TRUE(HoldsFor([&] { return window.Count() <= 1; }, 50));
    EXPECT_EQ(window.Count(), 1);
}

TEST(HoldsFor, EndsAsSoonAsTheConditionFails) {
    CountingWindow window;
    PostMessageA(window.Handle(), kCount, 0, 0);
    const DWORD start = GetTickCount();
    EXPECT_FALSE(HoldsFor([&] { return window.Count() == 0; }, kDeadlineMs));
    EXPECT_LT(MillisecondsSince(start), kDeadlineMs / 2);
}

TEST(PumpPending, ServesWhatServingPostsUntilTheQueueIsEmpty) {
    CountingWindow window;
    PostMessageA(window.Handle(), kChain, 3, 0);
    PostMessageA(window.Handle(), kCount, 0, 0);
    PumpPending();
    EXPECT_EQ(window.Count(), 4);
}

}  // namespace
}  // namespace vl::test
