#include "framework/static_splitter.h"

#include <gtest/gtest.h>

#include "tests/framework_controls/test_frame.h"
#include "tests/framework_controls/ui_waits.h"

namespace vl::test {
namespace {

constexpr UINT kSplitterId = 100;
constexpr UINT kLeftId = 201;
constexpr UINT kRightId = 202;

class SplitterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(frame.Create());
        RECT client;
        GetClientRect(frame.Handle(), &client);
        ASSERT_TRUE(splitter.Create(frame.Handle(), kSplitterId, client));
        splitter.SetPane(0, MakeEdit(kLeftId));
        splitter.SetPane(1, MakeEdit(kRightId));
        splitter.SetLeftWidth(151);
        frame.splitter = &splitter;
        frame.Layout();
        PumpPending();
    }

    HWND MakeEdit(UINT id) {
        // Made as the frame's child: the splitter takes it over.
        return CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10,
                               frame.Handle(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
    }

    RECT PaneRect(int column) const {
        RECT rect;
        GetWindowRect(splitter.Pane(column), &rect);
        MapWindowPoints(nullptr, splitter.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    int SplitterWidth() const {
        RECT client;
        GetClientRect(splitter.Handle(), &client);
        return client.right;
    }

    // Drags the bar by its middle with the mouse, dx pixels to the right.
    void DragBar(int dx) {
        RECT client;
        GetClientRect(splitter.Handle(), &client);
        const POINT start = TestFrame::OnScreen(
            splitter.Handle(),
            {splitter.LeftWidth() + StaticSplitter::kBarWidth / 2, client.bottom / 2});
        ASSERT_TRUE(MovePointerTo(start));
        ASSERT_TRUE(PressLeft());
        // In steps, as a hand moves it.
        for (int step = 1; step <= 4; ++step)
            ASSERT_TRUE(MovePointerTo({start.x + dx * step / 4, start.y}));
        ASSERT_TRUE(ReleaseLeft());
        ASSERT_TRUE(PumpUntil([] { return GetCapture() == nullptr; }));
    }

    TestFrame frame;
    StaticSplitter splitter;
};

TEST_F(SplitterTest, PanesLieEitherSideOfTheBarAndTheLeftKeepsItsWidth) {
    const int width = SplitterWidth();
    const int height = [&] {
        RECT client;
        GetClientRect(splitter.Handle(), &client);
        return static_cast<int>(client.bottom);
    }();
    EXPECT_EQ(GetParent(splitter.Pane(0)), splitter.Handle());
    EXPECT_EQ(PaneRect(0), (RECT{0, 0, 151, height}));
    EXPECT_EQ(PaneRect(1), (RECT{151 + StaticSplitter::kBarWidth, 0, width, height}));
    EXPECT_EQ(splitter.LeftWidth(), 151);

    // The frame grows narrower: the left pane keeps its width, the right one shrinks.
    RECT frameRect;
    GetWindowRect(frame.Handle(), &frameRect);
    SetWindowPos(frame.Handle(), nullptr, 0, 0, frameRect.right - frameRect.left - 200,
                 frameRect.bottom - frameRect.top, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_EQ(SplitterWidth(), width - 200);
    EXPECT_EQ(PaneRect(0).right, 151);
    EXPECT_EQ(PaneRect(1).right, width - 200);
}

TEST_F(SplitterTest, BothPanesKeepTheMinimumWidth) {
    splitter.SetMinPaneWidth(40);
    splitter.SetLeftWidth(5);
    EXPECT_EQ(splitter.LeftWidth(), 40);
    EXPECT_EQ(PaneRect(0).right, 40);

    splitter.SetLeftWidth(5000);
    const int width = SplitterWidth();
    EXPECT_EQ(splitter.LeftWidth(), width - StaticSplitter::kBarWidth - 40);
    EXPECT_EQ(PaneRect(1).right - PaneRect(1).left, 40);
}

TEST_F(SplitterTest, DraggingTheBarWithTheMouseMovesItWithinTheMinimum) {
    DragBar(80);
    EXPECT_EQ(splitter.LeftWidth(), 231);
    EXPECT_EQ(PaneRect(0).right, 231);
    EXPECT_EQ(PaneRect(1).left, 231 + StaticSplitter::kBarWidth);

    splitter.SetMinPaneWidth(30);
    DragBar(-250);
    EXPECT_EQ(splitter.LeftWidth(), 30);
    EXPECT_EQ(PaneRect(0).right, 30);
}

TEST_F(SplitterTest, PressingBesideTheBarDragsNothing) {
    const POINT inPane = TestFrame::OnScreen(splitter.Pane(0), {20, 20});
    ASSERT_TRUE(MovePointerTo(inPane));
    ASSERT_TRUE(PressLeft());
    ASSERT_TRUE(MovePointerTo({inPane.x + 60, inPane.y}));
    ASSERT_TRUE(ReleaseLeft());
    PumpPending();
    EXPECT_EQ(splitter.LeftWidth(), 151);
}

TEST_F(SplitterTest, FocusMovesToTheOtherPaneOnRequest) {
    splitter.ActivatePane(0);
    EXPECT_EQ(GetFocus(), splitter.Pane(0));
    EXPECT_EQ(splitter.ActivePane(), 0);

    splitter.ActivateOtherPane();
    EXPECT_EQ(GetFocus(), splitter.Pane(1));
    EXPECT_EQ(splitter.ActivePane(), 1);
    splitter.ActivateOtherPane();
    EXPECT_EQ(splitter.ActivePane(), 0);

    // With the focus outside both panes, the other pane is the right one.
    SetFocus(frame.Handle());
    EXPECT_EQ(splitter.ActivePane(), -1);
    splitter.ActivateOtherPane();
    EXPECT_EQ(splitter.ActivePane(), 1);

    // Focus given to the splitter itself goes on to a pane.
    SetFocus(splitter.Handle());
    EXPECT_EQ(splitter.ActivePane(), 1);
}

TEST_F(SplitterTest, FocusInsideAPaneCountsForThatPane) {
    HWND inner = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20,
                                 splitter.Pane(0), nullptr, GetModuleHandleA(nullptr), nullptr);
    SetFocus(inner);
    EXPECT_EQ(splitter.ActivePane(), 0);
    splitter.ActivateOtherPane();
    EXPECT_EQ(splitter.ActivePane(), 1);
}

TEST_F(SplitterTest, PaneNotificationsReachTheSplittersParent) {
    frame.commands.clear();
    SetWindowTextA(splitter.Pane(1), "typed");
    ASSERT_FALSE(frame.commands.empty());
    EXPECT_EQ(frame.commands.back().id, kRightId);
    EXPECT_EQ(frame.commands.back().code, static_cast<UINT>(EN_CHANGE));
}

}  // namespace
}  // namespace vl::test
