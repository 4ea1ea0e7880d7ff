#include "app/single_instance.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "support/waits.h"
#include "framework/window.h"

namespace vl {
namespace {

// A window of the builder's frame class that records what a second start hands it.
class RunningBuilder : public Window {
  public:
    ~RunningBuilder() override { Destroy(); }
    bool Create() {
        WindowClass windowClass = {};
        windowClass.name = kFrameClassName;
        return Window::Register(windowClass) &&
               Window::Create(kFrameClassName, 0, "builder", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                              nullptr);
    }
    std::string received;
    int handoffs = 0;

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == kHandoffMessage) {
            ++handoffs;
            received = TakeHandedOverFile();
            return 0;
        }
        return DefaultProc(msg, wParam, lParam);
    }
};

// Runs the second start on a thread of its own, as another process would, while this thread
// serves the message it sends.
bool HandOverFromAnotherThread(HWND running, const std::string& file) {
    std::atomic<bool> done{false};
    bool handed = false;
    std::thread second([&] {
        handed = HandOverFile(running, file);
        done = true;
    });
    // The sent message arrives while this thread serves its queue.
    test::PumpUntil([&done] { return done.load(); });
    second.join();
    return handed;
}

TEST(SingleInstance, ASecondStartHandsItsFileToTheRunningWindow) {
    EXPECT_EQ(FindRunningBuilder(), nullptr);
    RunningBuilder builder;
    ASSERT_TRUE(builder.Create());
    ASSERT_EQ(FindRunningBuilder(), builder.Handle());

    const std::string file = "C:\\Scenes\\A scene with a long name \xe9t\xe9.ssd";
    ASSERT_TRUE(HandOverFromAnotherThread(builder.Handle(), file));
    EXPECT_EQ(builder.handoffs, 1);
    EXPECT_EQ(builder.received, file);

    // Without a file the window is only brought forward; it finds an empty name.
    ASSERT_TRUE(HandOverFromAnotherThread(builder.Handle(), ""));
    EXPECT_EQ(builder.handoffs, 2);
    EXPECT_EQ(builder.received, "");
}

TEST(SingleInstance, ADisabledWindowIsNotReused) {
    RunningBuilder builder;
    ASSERT_TRUE(builder.Create());
    // A modal dialog or a preview disables the main window: a second start opens its own.
    EnableWindow(builder.Handle(), FALSE);
    EXPECT_EQ(FindRunningBuilder(), nullptr);
    EnableWindow(builder.Handle(), TRUE);
    EXPECT_EQ(FindRunningBuilder(), builder.Handle());
}

TEST(SingleInstance, ANameWithoutItsEndIsReadNoFurtherThanTheBlock) {
    // Another program may leave anything in the block.
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096,
                                        kHandoffMemoryName);
    ASSERT_NE(mapping, nullptr);
    void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 4096);
    ASSERT_NE(view, nullptr);
    std::memset(view, 'x', 4096);
    EXPECT_EQ(TakeHandedOverFile(), std::string(4096, 'x'));
    UnmapViewOfFile(view);
    CloseHandle(mapping);
    // Nothing left behind: no block, no name.
    EXPECT_EQ(TakeHandedOverFile(), "");
}

}  // namespace
}  // namespace vl
