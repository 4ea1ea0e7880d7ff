// How a line of the scene list is drawn: icon, indented description in the font and colour of
// its state, the selection, and the focus.
#include "editor/scene_view.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "scene/nesting.h"

namespace vl {

void CSceneView::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1))
        return;
    const SceneEntry* entry = reinterpret_cast<const SceneEntry*>(item.itemData);
    if (!entry)
        return;
    HDC dc = item.hDC;
    const LineStyle style = StyleOf(*entry);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;

    RECT icon = item.rcItem;
    icon.right = icon.left + kIconSize;
    RECT text = item.rcItem;
    text.left = icon.right;
    FillRect(dc, &icon, GetSysColorBrush(COLOR_WINDOW));
    FillRect(dc, &text, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));

    const int height = item.rcItem.bottom - item.rcItem.top;
    if (icons_)
        ImageList_Draw(icons_.Get(), entry->Kind() + 2, dc, icon.left,
                       icon.top + (height - kIconSize) / 2,
                       selected ? ILD_TRANSPARENT | ILD_SELECTED : ILD_TRANSPARENT);

    const HGDIOBJ oldFont = SelectObject(dc, fonts_.Font(style));
    const COLORREF oldColour =
        SetTextColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : fonts_.Colour(style));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const int x = text.left + std::max(entry->indentation, 0) * kIconSize / 2 + 3;
    const int y = text.top + (height - fonts_.Height(style)) / 2;
    const std::string description = DescribeEntry(*entry);
    TextOutA(dc, x, y, description.c_str(), static_cast<int>(description.size()));
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColour);
    SelectObject(dc, oldFont);

    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &text);
}

}  // namespace vl
