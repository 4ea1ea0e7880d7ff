// How a scene-list line is drawn: its state, selection, and the drop-target marking of a drag.
#include "editor/core/line_look.h"

#include <gtest/gtest.h>

#include "scene/kinds.h"

namespace vl {
namespace {

using Bg = LineBackground;
using Text = LineTextColour;

TEST(LineLook, DeactivatedBeforeCommentBeforeNormal) {
    EXPECT_EQ(LineStateOf(kComment, true), LineState::kDisabled);
    EXPECT_EQ(LineStateOf(kShow, true), LineState::kDisabled);
    EXPECT_EQ(LineStateOf(kComment, false), LineState::kComment);
    EXPECT_EQ(LineStateOf(kRepeat, false), LineState::kNormal);
    EXPECT_EQ(LineStateOf(kImage, false), LineState::kNormal);
    LineLookInput line;
    line.kind = kComment;
    line.disabled = true;
    line.selected = true;
    EXPECT_EQ(ChooseLineLook(line).state, LineState::kDisabled);
}

TEST(LineLook, UnselectedAndSelectedLinesWithoutADrag) {
    LineLookInput line;
    line.kind = kWait;
    LineLook look = ChooseLineLook(line);
    EXPECT_EQ(look.background, Bg::kWindow);
    EXPECT_EQ(look.text, Text::kState);
    EXPECT_FALSE(look.shifted);
    EXPECT_FALSE(look.iconSelected);

    line.selected = true;
    look = ChooseLineLook(line);
    EXPECT_EQ(look.background, Bg::kHighlight);
    EXPECT_EQ(look.text, Text::kHighlightText);
    EXPECT_FALSE(look.shifted);
    EXPECT_TRUE(look.iconSelected);

    // An unselected line stays plain during a drag, whatever the options say.
    line.selected = false;
    line.dragOver = line.pointerInside = line.softDragging = line.dragColour = true;
    look = ChooseLineLook(line);
    EXPECT_EQ(look.background, Bg::kWindow);
    EXPECT_EQ(look.text, Text::kState);
    EXPECT_FALSE(look.shifted);
    EXPECT_FALSE(look.iconSelected);
}

TEST(LineLook, TheFocusRectangleOnlyWithoutADrag) {
    LineLookInput line;
    line.focused = true;
    EXPECT_TRUE(ChooseLineLook(line).focusRect);
    line.dragOver = true;
    EXPECT_FALSE(ChooseLineLook(line).focusRect);
    line.focused = line.dragOver = false;
    line.selected = true;
    EXPECT_FALSE(ChooseLineLook(line).focusRect);
}

struct DragRow {
    bool fromThisList;
    bool target;  // T: not in the saved selection
    bool soft;    // S
    bool colour;  // D
    bool inside;  // P
    Bg background;
    Text text;
    bool shifted;
    bool iconSelected;
};

class DragTable : public ::testing::TestWithParam<DragRow> {};

TEST_P(DragTable, SelectedLineDuringADrag) {
    const DragRow& row = GetParam();
    LineLookInput line;
    line.kind = kShow;
    line.selected = true;
    line.dragOver = true;
    line.dragFromThisList = row.fromThisList;
    line.inSavedSelection = !row.target;
    line.softDragging = row.soft;
    line.dragColour = row.colour;
    line.pointerInside = row.inside;
    const LineLook look = ChooseLineLook(line);
    EXPECT_EQ(look.background, row.background);
    EXPECT_EQ(look.text, row.text);
    EXPECT_EQ(look.shifted, row.shifted);
    EXPECT_EQ(look.iconSelected, row.iconSelected);
    EXPECT_EQ(look.state, LineState::kNormal);
}

// fromThisList, T, S, D, P -> background, text, shifted, icon blended.
INSTANTIATE_TEST_SUITE_P(
    FromThisList, DragTable,
    ::testing::Values(
        // The target drawn softly: like an unselected line, shifted.
        DragRow{true, true, true, true, true, Bg::kWindow, Text::kState, true, false},
        DragRow{true, true, true, false, false, Bg::kWindow, Text::kState, true, false},
        // The target in the drag colour, or highlighted without it.
        DragRow{true, true, false, true, true, Bg::kHighlight, Text::kDrag, false, false},
        DragRow{true, true, false, true, false, Bg::kHighlight, Text::kDrag, false, false},
        DragRow{true, true, false, false, true, Bg::kHighlight, Text::kHighlightText, false, false},
        // The dragged lines themselves: highlighted, never blended.
        DragRow{true, false, true, true, true, Bg::kHighlight, Text::kHighlightText, false, false},
        DragRow{true, false, false, true, true, Bg::kHighlight, Text::kHighlightText, false,
                false}));

INSTANTIATE_TEST_SUITE_P(
    FromElsewhere, DragTable,
    ::testing::Values(
        DragRow{false, true, true, true, true, Bg::kWindow, Text::kState, true, false},
        // Soft, but the pointer has left the target's rectangle.
        DragRow{false, true, true, true, false, Bg::kWindow, Text::kHighlightText, false, false},
        DragRow{false, true, false, true, true, Bg::kHighlight, Text::kDrag, false, false},
        DragRow{false, true, false, true, false, Bg::kHighlight, Text::kHighlightText, false,
                false},
        // Lines selected before the drag came in: blended, and marked where the pointer is.
        DragRow{false, false, true, true, true, Bg::kHighlight, Text::kHighlightText, true, true},
        DragRow{false, false, false, true, true, Bg::kHighlight, Text::kDrag, false, true},
        DragRow{false, false, false, false, true, Bg::kHighlight, Text::kHighlightText, false,
                true},
        DragRow{false, false, false, true, false, Bg::kHighlight, Text::kHighlightText, false,
                true}));

}  // namespace
}  // namespace vl
