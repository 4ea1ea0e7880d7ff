// How a line of the scene list is drawn: icon, indented description in the font and colour of
// its state, the selection or the mark of a drop target, and the focus.
#include "editor/scene_view.h"

#include <algorithm>
#include <string>

#include "editor/core/line_fit.h"
#include "scene/nesting.h"

namespace vl {

void CSceneView::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1))
        return;
    const SceneEntry* entry = reinterpret_cast<const SceneEntry*>(item.itemData);
    if (!entry)
        return;
    HDC dc = item.hDC;
    const int index = static_cast<int>(item.itemID);
    LineLookInput input;
    input.kind = entry->Kind();
    input.disabled = entry->IsDisabled() != 0;
    input.selected = (item.itemState & ODS_SELECTED) != 0;
    input.focused = (item.itemState & ODS_FOCUS) != 0;
    input.dragOver = drag_.over;
    input.dragFromThisList = drag_.fromThisList;
    input.inSavedSelection =
        std::binary_search(drag_.savedSelection.begin(), drag_.savedSelection.end(), index);
    input.pointerInside = drag_.over && drag_.pointerLine == index;
    input.softDragging = options_.softDragging != 0;
    input.dragColour = options_.dragColourOn != 0;
    const LineLook look = ChooseLineLook(input);

    RECT icon = item.rcItem;
    icon.right = icon.left + kIconSize;
    RECT text = item.rcItem;
    text.left = icon.right;
    FillRect(dc, &icon, GetSysColorBrush(COLOR_WINDOW));
    FillRect(dc, &text,
             GetSysColorBrush(look.background == LineBackground::kHighlight ? COLOR_HIGHLIGHT
                                                                            : COLOR_WINDOW));

    const int height = item.rcItem.bottom - item.rcItem.top;
    iconCache_.Draw(dc, entry->Kind() + 2, icon.left, icon.top + (height - kIconSize) / 2,
                    look.iconSelected);

    COLORREF colour = fonts_.Colour(look.state);
    if (look.text == LineTextColour::kDrag)
        colour = fonts_.DragColour();
    else if (look.text == LineTextColour::kHighlightText)
        colour = GetSysColor(COLOR_HIGHLIGHTTEXT);
    const HGDIOBJ oldFont = SelectObject(dc, fonts_.Font(look.state));
    const COLORREF oldColour = SetTextColor(dc, colour);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    // Fitted in list coordinates (the extent starts at the text area's left edge scrolled
    // into view), drawn in the item's.
    const int origin = text.left;
    const FittedLine line =
        FitLine(DescribeEntry(*entry), std::max(entry->indentation, 0) * kIconSize / 2 + 3,
                [dc](std::string_view part) {
                    SIZE size{};
                    GetTextExtentPoint32A(dc, part.data(), static_cast<int>(part.size()), &size);
                    return static_cast<int>(size.cx);
                });
    const int shift = look.shifted ? 1 : 0;
    const int y = text.top + (height - fonts_.Height(look.state)) / 2 + shift;
    TextOutA(dc, origin + line.startX + shift, y, line.text.c_str(),
             static_cast<int>(line.text.size()));
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColour);
    SelectObject(dc, oldFont);

    if (look.focusRect)
        DrawFocusRect(dc, &text);
}

}  // namespace vl
