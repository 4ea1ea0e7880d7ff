#include "editor/scene_view.h"

#include "app/core/command_ids.h"
#include "scene/entry.h"
#include "scene/nesting.h"

namespace vl {

bool CSceneView::Create(HWND parent, int id) {
    list_ = CreateWindowExA(0, "LISTBOX", "",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY |
                                LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT,
                            0, 0, 10, 10, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleA(nullptr), nullptr);
    if (!list_)
        return false;
    SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    commands_.Register(kCmdSelectAll, {[this] { SendMessageA(list_, LB_SETSEL, TRUE, -1); },
                                       [this] { return !entries_.Empty(); }, nullptr});
    commands_.Register(kCmdRefresh, {[this] { Refresh(); }, nullptr, nullptr});
    Refresh();
    return true;
}

void CSceneView::Refresh() {
    if (!list_)
        return;
    SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list_, LB_RESETCONTENT, 0, 0);
    ComputeNesting(entries_, tabSize_);
    for (std::size_t i = 0; i < entries_.Count(); ++i) {
        const SceneEntry& entry = entries_.At(i);
        const std::string line =
            std::string(static_cast<std::size_t>(std::max(entry.indentation, 0)), ' ') +
            DescribeEntry(entry);
        SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

int CSceneView::SelectedCount() const {
    const LRESULT count = SendMessageA(list_, LB_GETSELCOUNT, 0, 0);
    return count == LB_ERR ? 0 : static_cast<int>(count);
}

}  // namespace vl
