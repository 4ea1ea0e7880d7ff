#include "editor/line_dialog.h"

#include <algorithm>

#include "editor/action_dialogs_resources.h"
#include "editor/colours_dialog.h"
#include "editor/position_dialogs.h"
#include "engine/draw/display_commands.h"
#include "framework/handles.h"
#include "scene/kinds.h"

namespace vl {
namespace {

const char* const kStyles[] = {"Solid", "Dash", "Dot", "DashDot", "DashDotDot"};
constexpr int kLastStyle = 4;  // every value from here on draws DashDotDot
constexpr COLORREF kFocusFrame = RGB(255, 0, 255);

}  // namespace

LineDialog::LineDialog(const PropertyContext& context, DescriptionParam* description)
    : PropertyDialog(IDD_ACT_LINE, context, vl::KindName(kLine), description) {
    Fields().ComboIndex(IDC_ACT_STYLE, penStyle);
}

BOOL LineDialog::OnInitDialog() {
    for (const char* style : kStyles)
        SendDlgItemMessageA(Handle(), IDC_ACT_STYLE, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(style));
    penStyle = std::clamp(penStyle, 0, kLastStyle);
    const BOOL result = PropertyDialog::OnInitDialog();

    HWND widths = Item(IDC_ACT_WIDTH);
    SendMessageA(widths, LB_SETITEMHEIGHT, 0, kItemHeight);
    for (int width = 1; width <= kWidths; ++width)
        SendMessageA(widths, LB_ADDSTRING, 0, width);
    SendMessageA(widths, LB_SETCURSEL, std::clamp(penWidth, 1, kWidths) - 1, 0);
    EnableStyle();
    return result;
}

INT_PTR LineDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DRAWITEM && wParam == IDC_ACT_WIDTH) {
        DrawWidth(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return PropertyDialog::OnMessage(msg, wParam, lParam);
}

bool LineDialog::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
        case IDC_ACT_WIDTH:
            if (notifyCode == LBN_SELCHANGE)
                EnableStyle();
            return true;
        case IDC_ACT_STYLE:
            if (notifyCode == CBN_SELCHANGE)
                InvalidateRect(Item(IDC_ACT_WIDTH), nullptr, TRUE);
            return true;
        case IDC_ACT_POSITION:
            if (notifyCode == BN_CLICKED)
                EditPosition();
            return true;
        case IDC_ACT_COLOUR:
            if (notifyCode == BN_CLICKED)
                EditColour();
            return true;
        default:
            return PropertyDialog::OnCommand(id, notifyCode, control);
    }
}

void LineDialog::AfterStore() {
    const LRESULT row = SendDlgItemMessageA(Handle(), IDC_ACT_WIDTH, LB_GETCURSEL, 0, 0);
    if (row != LB_ERR)
        penWidth = static_cast<std::int32_t>(row) + 1;
}

void LineDialog::DrawWidth(const DRAWITEMSTRUCT& item) const {
    if (item.itemID == static_cast<UINT>(-1))
        return;
    const RECT& area = item.rcItem;
    // The chosen width on a light face rather than the highlight, which could hide the line's
    // own colour.
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &area, GetSysColorBrush(selected ? COLOR_BTNFACE : COLOR_WINDOW));

    const LRESULT styleRow = SendDlgItemMessageA(Handle(), IDC_ACT_STYLE, CB_GETCURSEL, 0, 0);
    const int style = styleRow == CB_ERR ? kPenSolid : static_cast<int>(styleRow);
    const int width = static_cast<int>(item.itemID) + 1;
    PenHandle pen(CreatePen(PenStyleOf(style), width, colour.colour & 0x00FFFFFF));
    const HGDIOBJ old = SelectObject(item.hDC, pen.Get());
    SetBkMode(item.hDC, TRANSPARENT);
    const int middle = (area.top + area.bottom) / 2;
    MoveToEx(item.hDC, area.left + 4, middle, nullptr);
    LineTo(item.hDC, area.right - 4, middle);
    SelectObject(item.hDC, old);

    if (item.itemState & ODS_FOCUS) {
        BrushHandle frame(CreateSolidBrush(kFocusFrame));
        FrameRect(item.hDC, &area, frame.Get());
    }
}

void LineDialog::EnableStyle() {
    const LRESULT row = SendDlgItemMessageA(Handle(), IDC_ACT_WIDTH, LB_GETCURSEL, 0, 0);
    // Only one-pixel pens can be dashed or dotted.
    EnableWindow(Item(IDC_ACT_STYLE), row == 0);
}

void LineDialog::EditPosition() {
    LinePositionDialog dialog(Context());
    dialog.motion.Assign(motion);
    if (dialog.Run(Handle()) != IDOK)
        return;
    motion.Assign(dialog.motion);
    SubDialogConfirmed(IDC_ACT_POSITION);
}

void LineDialog::EditColour() {
    ColoursDialog dialog(Context(), vl::KindName(kLine), nullptr);
    dialog.colour.Assign(colour);
    if (dialog.Run(Handle()) != IDOK)
        return;
    colour.Assign(dialog.colour);
    InvalidateRect(Item(IDC_ACT_WIDTH), nullptr, TRUE);
    SubDialogConfirmed(IDC_ACT_COLOUR);
}

bool EditLine(const PropertyContext& context, HWND owner, LineEntry& entry) {
    DescriptionParam description;
    description.Assign(entry.description);
    LineDialog dialog(context, &description);
    dialog.motion.Assign(entry.motion);
    dialog.colour.Assign(entry.colour);
    dialog.penStyle = entry.penStyle;
    dialog.penWidth = entry.penWidth;
    if (dialog.Run(owner) != IDOK)
        return false;
    entry.motion.Assign(dialog.motion);
    entry.colour.Assign(dialog.colour);
    entry.penStyle = dialog.penStyle;
    entry.penWidth = dialog.penWidth;
    entry.description.Assign(description);
    return true;
}

}  // namespace vl
