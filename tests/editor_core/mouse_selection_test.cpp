// The scene list's left-button rules, played against a small model of the list box's extended
// selection: a plain click selects only the line clicked; Ctrl toggles it.
#include "editor/core/mouse_selection.h"

#include <gtest/gtest.h>

#include <set>

namespace vl {
namespace {

constexpr int kLineHeight = 16;

class ListModel {
  public:
    explicit ListModel(int lines) : lines_(lines) {}

    int ItemAt(ListPoint point) const {
        const int item = point.y / kLineHeight;
        return item < lines_ ? item : -1;
    }
    void Click(ListPoint point, bool ctrl) {
        const int item = ItemAt(point);
        if (item < 0)
            return;
        if (!ctrl)
            selected_.clear();
        if (ctrl && selected_.count(item))
            selected_.erase(item);
        else
            selected_.insert(item);
    }

    // The view's handling of each message, as the list view applies the answers.
    void Press(ListPoint point, bool ctrl = false) {
        const int item = ItemAt(point);
        last_ = mouse.Press(point, ctrl, item, selected_.count(item) != 0);
        if (last_ == MouseAction::kListBox)
            Click(point, ctrl);
        pressed_ = point;
    }
    void Move(ListPoint point, bool ctrl = false) {
        last_ = mouse.Move(point, ctrl);
        if (last_ == MouseAction::kStartDrag) {
            dragged_ = selected_;
            dragStart_ = mouse.DragStartIndex();
            fromThisList_ = mouse.PressPending();
            mouse.DragEnded();
        }
    }
    void Release(ListPoint point, bool ctrl = false) {
        last_ = mouse.Release(point, ctrl);
        if (last_ == MouseAction::kReplayClick)
            Click(pressed_, false);
    }

    MouseSelection mouse;
    std::set<int> selected_;
    std::set<int> dragged_;
    int dragStart_ = -2;
    bool fromThisList_ = false;
    MouseAction last_ = MouseAction::kListBox;

  private:
    int lines_;
    ListPoint pressed_;
};

ListPoint OnLine(int line, int x = 40) {
    return {x, line * kLineHeight + 5};
}

TEST(MouseSelection, AClickWithoutMovementInASelectionLeavesOnlyThatLine) {
    ListModel list(5);
    list.selected_ = {1, 2, 3};
    list.Press(OnLine(2));
    EXPECT_EQ(list.last_, MouseAction::kKeepSelection);
    EXPECT_EQ(list.selected_, (std::set<int>{1, 2, 3}));
    EXPECT_EQ(list.mouse.PressPoint(), OnLine(2));
    EXPECT_EQ(list.mouse.DragStartIndex(), 2);
    // A move message at the very press point is no movement.
    list.Move(OnLine(2));
    EXPECT_EQ(list.last_, MouseAction::kListBox);
    list.Release(OnLine(2));
    EXPECT_EQ(list.last_, MouseAction::kReplayClick);
    EXPECT_EQ(list.selected_, (std::set<int>{2}));
    EXPECT_FALSE(list.mouse.PressPending());
    EXPECT_EQ(list.mouse.PressPoint(), ListPoint{});
    EXPECT_EQ(list.mouse.DragStartIndex(), -1);
}

TEST(MouseSelection, MovingOnePixelDragsTheWholeSelection) {
    ListModel list(5);
    list.selected_ = {1, 2, 3};
    list.Press(OnLine(3));
    const ListPoint press = OnLine(3);
    list.Move({press.x + 1, press.y});
    EXPECT_EQ(list.last_, MouseAction::kStartDrag);
    EXPECT_EQ(list.dragged_, (std::set<int>{1, 2, 3}));
    EXPECT_EQ(list.dragStart_, 3);
    EXPECT_TRUE(list.fromThisList_);  // the press stays pending through the drag loop
    // After the drag nothing is pending: the release the loop leaves is the list box's.
    EXPECT_FALSE(list.mouse.PressPending());
    EXPECT_EQ(list.mouse.DragStartIndex(), -1);
    list.Release(press);
    EXPECT_EQ(list.last_, MouseAction::kListBox);
    EXPECT_EQ(list.selected_, (std::set<int>{1, 2, 3}));

    // A vertical pixel is movement as well.
    list.Press(OnLine(1));
    list.Move({OnLine(1).x, OnLine(1).y - 1});
    EXPECT_EQ(list.last_, MouseAction::kStartDrag);
}

TEST(MouseSelection, APressOnAnUnselectedLineSelectsItAndCanDragIt) {
    ListModel list(5);
    list.selected_ = {0, 1};
    list.Press(OnLine(4));
    EXPECT_EQ(list.last_, MouseAction::kListBox);
    EXPECT_EQ(list.selected_, (std::set<int>{4}));
    EXPECT_TRUE(list.mouse.PressPending());
    EXPECT_EQ(list.mouse.DragStartIndex(), 4);
    list.Move(OnLine(3));
    EXPECT_EQ(list.last_, MouseAction::kStartDrag);
    EXPECT_EQ(list.dragged_, (std::set<int>{4}));
}

TEST(MouseSelection, APressBelowTheLinesIsTheListBoxsAlone) {
    ListModel list(3);
    list.selected_ = {0};
    list.Press(OnLine(7));
    EXPECT_EQ(list.last_, MouseAction::kListBox);
    EXPECT_FALSE(list.mouse.PressPending());
    EXPECT_EQ(list.mouse.DragStartIndex(), -1);
    list.Move(OnLine(1));
    EXPECT_EQ(list.last_, MouseAction::kListBox);
    list.Release(OnLine(7));
    EXPECT_EQ(list.last_, MouseAction::kListBox);
}

TEST(MouseSelection, ShiftAndCtrlKeepTheListBoxsOwnHandling) {
    ListModel list(5);
    list.selected_ = {1, 2};
    list.Press(OnLine(2), true);
    EXPECT_EQ(list.last_, MouseAction::kListBox);
    EXPECT_EQ(list.selected_, (std::set<int>{1}));  // Ctrl toggled it off
    EXPECT_FALSE(list.mouse.PressPending());
    list.Move(OnLine(3), true);
    EXPECT_EQ(list.last_, MouseAction::kListBox);

    // A plain press, then Ctrl held: moving does not drag and releasing does not replay.
    list.Press(OnLine(1));
    EXPECT_EQ(list.last_, MouseAction::kKeepSelection);
    list.Move(OnLine(3), true);
    EXPECT_EQ(list.last_, MouseAction::kListBox);
    list.Release(OnLine(1), true);
    EXPECT_EQ(list.last_, MouseAction::kListBox);
    EXPECT_EQ(list.selected_, (std::set<int>{1}));
    EXPECT_FALSE(list.mouse.PressPending());
}

TEST(MouseSelection, ASecondPressWhilePendingIsTheListBoxsAndKeepsTheFirst) {
    MouseSelection mouse;
    EXPECT_EQ(mouse.Press({10, 20}, false, 1, true), MouseAction::kKeepSelection);
    EXPECT_EQ(mouse.Press({30, 40}, false, 2, true), MouseAction::kListBox);
    EXPECT_EQ(mouse.PressPoint(), (ListPoint{10, 20}));
    EXPECT_EQ(mouse.DragStartIndex(), 1);
    // Released elsewhere without a move message between: no replay, nothing pending.
    EXPECT_EQ(mouse.Release({30, 40}, false), MouseAction::kListBox);
    EXPECT_FALSE(mouse.PressPending());
}

}  // namespace
}  // namespace vl
