// The scene list's keys, right button and context menu.
#include "editor/scene_view.h"

#include <windowsx.h>

#include "framework/handles.h"

namespace vl {
namespace {

constexpr int kContextMenus = 243;
constexpr int kListMenu = 1;  // "Right"

bool CtrlDown() {
    return (GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

}  // namespace

LRESULT CSceneView::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_DESTROY:
            RevokeDragDrop(Handle());
            break;
        case WM_DESTROYCLIPBOARD:
            // Another owner emptied the clipboard: the block is gone with it.
            clipboardBlock_ = nullptr;
            break;
        case WM_SETFOCUS:
            if (services_.focused)
                services_.focused();
            break;
        case WM_LBUTTONDOWN:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
            if (OnLeftButton(msg, wParam, lParam))
                return 0;
            break;
        case WM_KEYDOWN:
            if (OnKeyDown(wParam))
                return 0;
            break;
        case WM_RBUTTONDOWN: {
            // A press outside the selection makes that line the selection; inside keeps it.
            const LRESULT hit = SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, lParam);
            const int index = LOWORD(hit);
            if (HIWORD(hit) == 0 && SendMessageA(Handle(), LB_GETSEL, index, 0) <= 0)
                SelectOnly(index);
            SetFocus(Handle());
            return 0;
        }
        case WM_CONTEXTMENU:
            ShowContextMenu(lParam);
            return 0;
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
            // Shift+F10 asks for the context menu; not every system's DefWindowProc turns it
            // into WM_CONTEXTMENU, so the list answers it itself, once.
            if (wParam == VK_F10 && (GetKeyState(VK_SHIFT) & 0x8000) != 0) {
                if (msg == WM_SYSKEYDOWN)
                    ShowContextMenu(-1);
                return 0;
            }
            break;
        case WM_LBUTTONDBLCLK: {
            const LRESULT result = CallDefault(msg, wParam, lParam);
            const LRESULT hit = SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, lParam);
            if (HIWORD(hit) == 0)
                Edit(LOWORD(hit));
            return result;
        }
        default:
            break;
    }
    return CallDefault(msg, wParam, lParam);
}

bool CSceneView::OnLeftButton(UINT msg, WPARAM wParam, LPARAM lParam) {
    const ListPoint point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const bool shiftOrCtrl = (wParam & (MK_SHIFT | MK_CONTROL)) != 0;
    MouseAction action = MouseAction::kListBox;
    if (msg == WM_LBUTTONDOWN) {
        const LRESULT hit = SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, lParam);
        const int item = HIWORD(hit) == 0 ? static_cast<int>(LOWORD(hit)) : -1;
        const bool selected = item >= 0 && SendMessageA(Handle(), LB_GETSEL, item, 0) > 0;
        action = mouse_.Press(point, shiftOrCtrl, item, selected);
        if (action == MouseAction::kKeepSelection) {
            SetFocus(Handle());
            SendMessageA(Handle(), LB_SETCARETINDEX, item, FALSE);
            return true;
        }
        return false;
    }
    if (msg == WM_MOUSEMOVE) {
        if (!(wParam & MK_LBUTTON) || mouse_.Move(point, shiftOrCtrl) != MouseAction::kStartDrag)
            return false;
        // The list box may hold the mouse from a press it handled; the drag takes over.
        ReleaseCapture();
        StartDrag();
        mouse_.DragEnded();
        return true;
    }
    const ListPoint press = mouse_.PressPoint();
    if (mouse_.Release(point, shiftOrCtrl) != MouseAction::kReplayClick)
        return false;
    // The pending press as an ordinary click: a click on one line of a selection selects it
    // alone.
    const LPARAM at = MAKELPARAM(press.x, press.y);
    CallDefault(WM_LBUTTONDOWN, MK_LBUTTON, at);
    CallDefault(WM_LBUTTONUP, 0, at);
    return true;
}

bool CSceneView::OnKeyDown(WPARAM key) {
    const bool ctrl = CtrlDown();
    int scroll = -1;
    switch (key) {
        case VK_RETURN:
            EditCaret();
            return true;
        case VK_DELETE:
            DeleteSelection(true);
            return true;
        case VK_LEFT:
            scroll = SB_LINELEFT;
            break;
        case VK_RIGHT:
            scroll = SB_LINERIGHT;
            break;
        case VK_PRIOR:
            scroll = ctrl ? SB_PAGELEFT : -1;
            break;
        case VK_NEXT:
            scroll = ctrl ? SB_PAGERIGHT : -1;
            break;
        case VK_HOME:
            scroll = ctrl ? SB_LEFT : -1;
            break;
        case VK_END:
            scroll = ctrl ? SB_RIGHT : -1;
            break;
        default:
            break;
    }
    if (scroll < 0)
        return false;
    SendMessageA(Handle(), WM_HSCROLL, static_cast<WPARAM>(scroll), 0);
    return true;
}

void CSceneView::ShowContextMenu(LPARAM screenPoint) {
    POINT at{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    if (screenPoint == -1) {
        // From the keyboard: near the list's top left corner.
        at = {5, 5};
        ClientToScreen(Handle(), &at);
    }
    MenuHandle menus(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kContextMenus)));
    if (!menus)
        return;
    // Owned by the main frame, so that its commands take the menu bar's route and enablement.
    if (HMENU menu = GetSubMenu(menus.Get(), kListMenu))
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0,
                       GetAncestor(Handle(), GA_ROOT), nullptr);
}

}  // namespace vl
