#include "property_test_support.h"

namespace vl::test {
namespace {

LPARAM RowPoint(HWND list, int row) {
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
}

}  // namespace

std::vector<std::string> ListRows(HWND dialog, int listId) {
    std::vector<std::string> rows;
    const auto count = SendDlgItemMessageA(dialog, listId, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const auto length = SendDlgItemMessageA(dialog, listId, LB_GETTEXTLEN, i, 0);
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        SendDlgItemMessageA(dialog, listId, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        rows.push_back(text);
    }
    return rows;
}

int ListSelection(HWND dialog, int listId) {
    return static_cast<int>(SendDlgItemMessageA(dialog, listId, LB_GETCURSEL, 0, 0));
}

DialogScript::Step ClickRow(int listId, int row, bool control) {
    return [=](HWND dialog) {
        HWND list = GetDlgItem(dialog, listId);
        const LPARAM at = RowPoint(list, row);
        const WPARAM keys = control ? MK_CONTROL : 0;
        SendMessageA(list, WM_LBUTTONDOWN, keys | MK_LBUTTON, at);
        SendMessageA(list, WM_LBUTTONUP, keys, at);
    };
}

DialogScript::Step DoubleClickRow(int listId, int row) {
    return [=](HWND dialog) {
        HWND list = GetDlgItem(dialog, listId);
        const LPARAM at = RowPoint(list, row);
        SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(list, WM_LBUTTONUP, 0, at);
        SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageA(list, WM_LBUTTONUP, 0, at);
    };
}

int DefaultButton(HWND dialog) {
    const LRESULT id = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    return HIWORD(id) == DC_HASDEFID ? LOWORD(id) : 0;
}

bool LooksDefault(HWND dialog, int id) {
    const LONG style = GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE);
    return (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

std::string WindowText(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

}  // namespace vl::test
