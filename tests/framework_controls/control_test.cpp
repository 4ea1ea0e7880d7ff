// A wrapped system control: its own messages reach its object, its parent's notifications about
// it are handed over, and the object lets go when the window goes.
#include "framework/control.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "framework/window.h"

namespace vl {
namespace {

class Parent final : public Window {
  public:
    std::vector<UINT> seen;  // what reached the parent's own switch

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_COMMAND || msg == WM_MEASUREITEM || msg == WM_DRAWITEM)
            seen.push_back(msg);
        return DefaultProc(msg, wParam, lParam);
    }
};

class RecordingList final : public Control {
  public:
    std::vector<UINT> own;        // the control's own messages of interest
    std::vector<UINT> reflected;  // the parent's notifications about it
    bool handleReflected = true;

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_KEYDOWN || msg == WM_USER + 7)
            own.push_back(msg);
        return msg == WM_USER + 7 ? 42 : CallDefault(msg, wParam, lParam);
    }
    bool OnReflected(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) override {
        reflected.push_back(msg);
        if (msg == WM_MEASUREITEM)
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 23;
        result = TRUE;
        return handleReflected;
    }
};

class ControlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Window::Register({"VistaloomControlTest"}));
        ASSERT_TRUE(parent_.Create("VistaloomControlTest", 0, "Parent", WS_OVERLAPPEDWINDOW, 0, 0,
                                   300, 200, nullptr));
        list_ = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_OWNERDRAWVARIABLE | LBS_NOTIFY, 0,
                                0, 200, 150, parent_.Handle(), reinterpret_cast<HMENU>(77),
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(list_, nullptr);
    }

    Parent parent_;
    HWND list_ = nullptr;
};

TEST_F(ControlTest, ItsOwnMessagesReachItAndTheRestGoesToTheControl) {
    RecordingList control;
    ASSERT_TRUE(control.Attach(list_));
    EXPECT_EQ(SendMessageA(list_, WM_USER + 7, 0, 0), 42);
    SendMessageA(list_, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(control.own, (std::vector<UINT>{WM_USER + 7, WM_KEYDOWN}));
    // The list box still does its own work.
    SendMessageA(list_, LB_ADDSTRING, 0, 1);
    EXPECT_EQ(SendMessageA(list_, LB_GETCOUNT, 0, 0), 1);
}

TEST_F(ControlTest, TheParentsNotificationsAboutItAreHandedOver) {
    RecordingList control;
    ASSERT_TRUE(control.Attach(list_));
    // Adding an item to an owner-drawn variable list asks its parent for the item's height.
    SendMessageA(list_, LB_ADDSTRING, 0, 1);
    EXPECT_EQ(SendMessageA(list_, LB_GETITEMHEIGHT, 0, 0), 23);
    SendMessageA(parent_.Handle(), WM_COMMAND, MAKEWPARAM(77, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(list_));
    EXPECT_EQ(control.reflected, (std::vector<UINT>{WM_MEASUREITEM, WM_COMMAND}));
    EXPECT_TRUE(parent_.seen.empty()) << "handled notifications stay with the control";

    control.handleReflected = false;
    SendMessageA(parent_.Handle(), WM_COMMAND, MAKEWPARAM(77, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(list_));
    EXPECT_EQ(parent_.seen, std::vector<UINT>{WM_COMMAND}) << "the rest reaches the parent";
}

TEST_F(ControlTest, OneObjectPerWindowAndNoneAfterTheWindowIsGone) {
    RecordingList first;
    RecordingList second;
    ASSERT_TRUE(first.Attach(list_));
    EXPECT_FALSE(second.Attach(list_));
    EXPECT_FALSE(second.Attach(nullptr));
    DestroyWindow(list_);
    EXPECT_EQ(first.Handle(), nullptr);
    // A notification naming a child that is gone finds no control.
    SendMessageA(parent_.Handle(), WM_COMMAND, MAKEWPARAM(77, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(list_));
    EXPECT_TRUE(first.reflected.empty());
}

}  // namespace
}  // namespace vl
