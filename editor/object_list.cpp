#include "editor/object_list.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "framework/handles.h"

namespace vl {
namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

ObjectList::~ObjectList() {
    Detach();
}

void ObjectList::Attach(HWND dialog, int listId, int labelId, const EntryList& scene,
                        std::int32_t kind, const SceneEntry* selected) {
    Detach();
    dialog_ = dialog;
    list_ = GetDlgItem(dialog, listId);
    kind_ = kind;
    SetWindowSubclass(list_, &ObjectList::ListProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));

    HWND label = GetDlgItem(dialog, labelId);
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    if (tooltip_ && label) {
        // A static label lets the mouse through to the dialog: the tool is the label's rectangle
        // on the dialog.
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = dialog;
        tool.uId = static_cast<UINT_PTR>(labelId);
        GetWindowRect(label, &tool.rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&tool.rect), 2);
        tool.lpszText = const_cast<char*>(kDeselectTip);
        SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    Refill(scene, selected);
}

void ObjectList::Refill(const EntryList& scene, const SceneEntry* selected) {
    SendMessageA(list_, LB_RESETCONTENT, 0, 0);
    // Long lines scroll sideways in a list that has a horizontal scroll bar.
    WindowDc dc(list_);
    const auto font = reinterpret_cast<HFONT>(SendMessageA(list_, WM_GETFONT, 0, 0));
    SelectGuard useFont(dc.Get(), font);
    LONG widest = 0;
    for (std::size_t i = 0; i < scene.Count(); ++i) {
        const SceneEntry& entry = scene.At(i);
        if (entry.Kind() != kind_)
            continue;
        std::string line;
        entry.Describe(line);
        const LRESULT row =
            SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        if (row < 0)
            continue;
        SendMessageA(list_, LB_SETITEMDATA, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&entry));
        if (&entry == selected)
            SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SIZE extent{};
        GetTextExtentPoint32A(dc.Get(), line.c_str(), static_cast<int>(line.size()), &extent);
        widest = std::max(widest, extent.cx);
    }
    SendMessageA(list_, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 4), 0);
}

SceneEntry* ObjectList::Selected() const {
    if (!list_)
        return nullptr;
    const LRESULT row = SendMessageA(list_, LB_GETCURSEL, 0, 0);
    if (row == LB_ERR)
        return nullptr;
    // The scene is read-only to the list, but the dialog links its command to the object.
    return reinterpret_cast<SceneEntry*>(
        SendMessageA(list_, LB_GETITEMDATA, static_cast<WPARAM>(row), 0));
}

bool ObjectList::ClearsSelection(LPARAM point) const {
    const LRESULT hit = SendMessageA(list_, LB_ITEMFROMPOINT, 0, point);
    if (HIWORD(hit) != 0)  // outside every line
        return false;
    return static_cast<LRESULT>(LOWORD(hit)) == SendMessageA(list_, LB_GETCURSEL, 0, 0);
}

void ObjectList::ClearSelection() {
    SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetFocus(list_);
    // LB_SETCURSEL does not notify; the dialog hears of it as of a click.
    SendMessageA(dialog_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list_), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list_));
}

LRESULT CALLBACK ObjectList::ListProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR data) {
    auto* self = reinterpret_cast<ObjectList*>(data);
    switch (msg) {
        case WM_LBUTTONDOWN:
            if ((wParam & MK_CONTROL) && self->ClearsSelection(lParam)) {
                self->ClearSelection();
                return 0;
            }
            break;
        case WM_LBUTTONDBLCLK: {
            const LRESULT result = DefSubclassProc(list, msg, wParam, lParam);
            if (self->Selected()) {
                HWND ok = GetDlgItem(self->dialog_, IDOK);
                PostMessageA(self->dialog_, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                             reinterpret_cast<LPARAM>(ok));
            }
            return result;
        }
        case WM_NCDESTROY:
            self->Detach();
            break;
        default:
            break;
    }
    return DefSubclassProc(list, msg, wParam, lParam);
}

void ObjectList::Detach() {
    if (list_)
        RemoveWindowSubclass(list_, &ObjectList::ListProc, kSubclassId);
    list_ = nullptr;
}

}  // namespace vl
