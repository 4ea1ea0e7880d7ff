#include "editor/core/clipboard_rules.h"

#include <gtest/gtest.h>

#include "scene/editor_options.h"
#include "scene/kinds.h"

namespace vl {
namespace {

TEST(PasteIndex, AfterTheOnlySelectedLineOtherwiseAtTheEnd) {
    EXPECT_EQ(PasteIndex({2}, 6), 3);
    EXPECT_EQ(PasteIndex({5}, 6), 6) << "after the last line is the end";
    EXPECT_EQ(PasteIndex({}, 6), 6);
    EXPECT_EQ(PasteIndex({1, 3}, 6), 6);
    EXPECT_EQ(PasteIndex({}, 0), 0);
    EXPECT_EQ(PasteIndex({9}, 6), 6) << "a stale index appends";
}

// Lines are numbered from 1 in the names, indices from 0 in the calls.
TEST(MoveArithmetic, DownOntoALineLandsAfterItUpBeforeIt) {
    // Lines 2 and 3 dragged onto line 6.
    EXPECT_EQ(OrderAfterMove({1, 2}, 5, 1, 8), (std::vector<int>{0, 3, 4, 5, 1, 2, 6, 7}));
    EXPECT_EQ(MoveInsertionIndex({1, 2}, 5, 1, 8), 4);
    // Line 6 dragged onto line 2.
    EXPECT_EQ(OrderAfterMove({5}, 1, 5, 7), (std::vector<int>{0, 5, 1, 2, 3, 4, 6}));
    // Onto the next line down and the line above.
    EXPECT_EQ(OrderAfterMove({0}, 1, 0, 3), (std::vector<int>{1, 0, 2}));
    EXPECT_EQ(OrderAfterMove({2}, 1, 2, 3), (std::vector<int>{0, 2, 1}));
    // Onto the last line: after it.
    EXPECT_EQ(OrderAfterMove({0, 1}, 3, 0, 4), (std::vector<int>{2, 3, 0, 1}));
}

TEST(MoveArithmetic, ScatteredLinesCountOnlyThoseAboveTheTarget) {
    // Lines 1, 4 and 8 of 9, started from line 4, dropped on line 6: two of them stood above.
    EXPECT_EQ(OrderAfterMove({0, 3, 7}, 5, 3, 9), (std::vector<int>{1, 2, 4, 5, 0, 3, 7, 6, 8}));
    // The same lines started from line 8 go before line 6.
    EXPECT_EQ(OrderAfterMove({0, 3, 7}, 5, 7, 9), (std::vector<int>{1, 2, 4, 0, 3, 7, 5, 6, 8}));
    // Indices in any order give the same result.
    EXPECT_EQ(MoveInsertionIndex({7, 0, 3}, 5, 3, 9), MoveInsertionIndex({0, 3, 7}, 5, 3, 9));
}

TEST(MoveArithmetic, EmptySpaceAppendsAndTheIndexStaysInTheShortenedList) {
    EXPECT_EQ(OrderAfterMove({1, 2}, -1, 1, 5), (std::vector<int>{0, 3, 4, 1, 2}));
    EXPECT_EQ(MoveInsertionIndex({0, 1, 2}, -1, 0, 3), 0);
    // A target beyond the list counts as empty space.
    EXPECT_EQ(MoveInsertionIndex({0}, 7, 0, 3), 2);
    // Every line dragged onto one of them (the drop is refused, but the index must not run off).
    EXPECT_EQ(MoveInsertionIndex({0, 1}, 1, 0, 2), 0);
}

DragOver OneDragged(std::int32_t kind, std::int32_t target) {
    DragOver over;
    over.fromThisList = true;
    over.targetLine = 3;
    over.draggedCount = 1;
    over.draggedKind = kind;
    over.targetKind = target;
    return over;
}

TEST(DropEffects, TheOrderOfTheRules) {
    DragOver elsewhere;
    elsewhere.targetLine = -1;
    elsewhere.targetDragged = true;
    elsewhere.ctrl = true;
    EXPECT_EQ(ChooseDropEffect(elsewhere), DropEffect::kMove) << "from elsewhere: move first";

    DragOver empty = OneDragged(kImage, kShow);
    empty.targetLine = -1;
    EXPECT_EQ(ChooseDropEffect(empty), DropEffect::kCopy) << "over no line";

    DragOver onItself = OneDragged(kImage, kShow);
    onItself.targetDragged = true;
    onItself.ctrl = true;
    EXPECT_EQ(ChooseDropEffect(onItself), DropEffect::kNone);
}

TEST(DropEffects, SeveralLinesCopyWithCtrlAloneAndMoveOtherwise) {
    DragOver over = OneDragged(kImage, kShow);
    over.draggedCount = 3;
    const struct {
        bool ctrl, shift;
        DropEffect effect;
    } cases[] = {{false, false, DropEffect::kMove},
                 {true, false, DropEffect::kCopy},
                 {false, true, DropEffect::kMove},
                 {true, true, DropEffect::kMove}};
    for (const auto& c : cases) {
        over.ctrl = c.ctrl;
        over.shift = c.shift;
        EXPECT_EQ(ChooseDropEffect(over), c.effect) << c.ctrl << c.shift;
    }
}

TEST(DropEffects, OneLineLinksOnlyDefinitionsOntoTheirCommands) {
    const struct {
        std::int32_t dragged, target;
        bool links;
    } pairs[] = {{kImage, kShow, true},       {kImage, kMove, true},      {kImage, kHide, true},
                 {kMultimedia, kPlay, true},  {kMultimedia, kStop, true}, {kImage, kPlay, false},
                 {kMultimedia, kShow, false}, {kShow, kImage, false},     {kImage, kImage, false},
                 {kWait, kShow, false},       {kComment, kComment, false}};
    for (const auto& pair : pairs) {
        DragOver over = OneDragged(pair.dragged, pair.target);
        const DropEffect plain = pair.links ? DropEffect::kLink : DropEffect::kMove;
        EXPECT_EQ(ChooseDropEffect(over), plain) << pair.dragged << " onto " << pair.target;
        over.ctrl = over.shift = true;
        EXPECT_EQ(ChooseDropEffect(over), plain) << "Ctrl and Shift together as no key";
        over.shift = false;
        EXPECT_EQ(ChooseDropEffect(over), DropEffect::kCopy);
        over.ctrl = false;
        over.shift = true;
        EXPECT_EQ(ChooseDropEffect(over), DropEffect::kMove);
    }
}

TEST(DropEffects, NarrowingToWhatTheSourceOffers) {
    const OfferedEffects all{true, true, true}, copyOnly{true, false, false},
        linkOnly{false, false, true}, moveOnly{false, true, false};
    EXPECT_EQ(NarrowDropEffect(DropEffect::kMove, all), DropEffect::kMove);
    EXPECT_EQ(NarrowDropEffect(DropEffect::kMove, copyOnly), DropEffect::kCopy) << "the palette";
    EXPECT_EQ(NarrowDropEffect(DropEffect::kMove, linkOnly), DropEffect::kLink);
    EXPECT_EQ(NarrowDropEffect(DropEffect::kCopy, moveOnly), DropEffect::kNone);
    EXPECT_EQ(NarrowDropEffect(DropEffect::kLink, copyOnly), DropEffect::kNone);
    EXPECT_EQ(NarrowDropEffect(DropEffect::kNone, all), DropEffect::kNone);
}

TEST(DropEffects, AnotherBuildersMoveOrLinkIsACopy) {
    EXPECT_EQ(EffectForSource(DropEffect::kMove, false), DropEffect::kCopy);
    EXPECT_EQ(EffectForSource(DropEffect::kLink, false), DropEffect::kCopy);
    EXPECT_EQ(EffectForSource(DropEffect::kNone, false), DropEffect::kNone);
    EXPECT_EQ(EffectForSource(DropEffect::kMove, true), DropEffect::kMove);
    EXPECT_EQ(EffectForSource(DropEffect::kLink, true), DropEffect::kLink);
}

TEST(ClipboardAtExitRule, ThreeStatesOnlyWhileSceneDataIsThere) {
    EXPECT_EQ(ClipboardActionAtExit(kDeleteClipboard, true), ClipboardAtExit::kEmpty);
    EXPECT_EQ(ClipboardActionAtExit(kAskClipboard, true), ClipboardAtExit::kAsk);
    EXPECT_EQ(ClipboardActionAtExit(kKeepClipboard, true), ClipboardAtExit::kKeep);
    EXPECT_EQ(ClipboardActionAtExit(kDeleteClipboard, false), ClipboardAtExit::kKeep);
    EXPECT_EQ(ClipboardActionAtExit(kAskClipboard, false), ClipboardAtExit::kKeep);
}

}  // namespace
}  // namespace vl
