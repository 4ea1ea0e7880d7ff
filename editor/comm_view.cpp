#include "editor/comm_view.h"

#include "scene/kinds.h"

namespace vl {

bool CCommView::Create(HWND parent, int id) {
    list_ = CreateWindowExA(0, "LISTBOX", "",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                            0, 0, 10, 10, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleA(nullptr), nullptr);
    if (!list_)
        return false;
    SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    for (std::int32_t kind = 0; kind < kKindCount; ++kind)
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(KindName(kind)));
    return true;
}

int CCommView::SelectedKind() const {
    const LRESULT selected = SendMessageA(list_, LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

}  // namespace vl
