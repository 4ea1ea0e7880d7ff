#include "framework/status_bar.h"

#include <commctrl.h>

#include <vector>

#include "framework/bar_geometry.h"
#include "framework/command_prompt.h"
#include "framework/handles.h"
#include "framework/string_resource.h"

namespace vl {
namespace {

struct Indicator {
    int key;
    const char* text;
};
constexpr Indicator kIndicators[] = {{VK_CAPITAL, "CAP"}, {VK_NUMLOCK, "NUM"}, {VK_SCROLL, "SCRL"}};

// Room on both sides of an indicator's text, beyond the pane's own border.
constexpr int kIndicatorPadding = 6;

}  // namespace

bool StatusBar::Create(HWND frame, UINT id, HINSTANCE strings) {
    if (bar_)
        return false;
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    strings_ = strings;
    bar_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0,
                           0, frame, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
    if (!bar_)
        return false;
    Place();
    ShowIdleMessage();
    UpdateIndicators();
    return true;
}

void StatusBar::SetMessage(const std::string& text) {
    if (bar_)
        SendMessageA(bar_, SB_SETTEXTA, kMessagePane, reinterpret_cast<LPARAM>(text.c_str()));
}

void StatusBar::ShowCommandPrompt(UINT command) {
    SetMessage(SplitCommandPrompt(LoadStringResource(strings_, command)).status);
}

void StatusBar::OnMenuSelect(WPARAM wParam, LPARAM lParam) {
    const UINT flags = HIWORD(wParam);
    const UINT item = LOWORD(wParam);
    if (flags == 0xFFFF && lParam == 0)
        ShowIdleMessage();
    else if ((flags & (MF_POPUP | MF_SEPARATOR)) || item == 0)
        SetMessage("");
    else
        ShowCommandPrompt(item);
}

bool StatusBar::UpdateIndicators() {
    if (!bar_)
        return false;
    bool changed = false;
    for (std::size_t i = 0; i < lockState_.size(); ++i) {
        const int on = (GetKeyState(kIndicators[i].key) & 1) ? 1 : 0;
        if (on == lockState_[i])
            continue;
        lockState_[i] = on;
        SendMessageA(bar_, SB_SETTEXTA, kCapsPane + i,
                     reinterpret_cast<LPARAM>(on ? kIndicators[i].text : ""));
        changed = true;
    }
    return changed;
}

void StatusBar::Place() {
    if (!bar_)
        return;
    // Without CCS_NOPARENTALIGN the bar moves itself to the bottom of its parent at its own
    // height whenever it is told the size changed.
    SendMessageA(bar_, WM_SIZE, 0, 0);
    SharePanes();
}

int StatusBar::Height() const {
    RECT rect = {};
    if (bar_)
        GetWindowRect(bar_, &rect);
    return rect.bottom - rect.top;
}

void StatusBar::Show(bool visible) {
    if (bar_)
        ShowWindow(bar_, visible ? SW_SHOWNA : SW_HIDE);
}

bool StatusBar::IsVisible() const {
    return bar_ && (GetWindowLongA(bar_, GWL_STYLE) & WS_VISIBLE);
}

std::string StatusBar::PaneText(Pane pane) const {
    if (!bar_)
        return {};
    const LRESULT info = SendMessageA(bar_, SB_GETTEXTLENGTHA, pane, 0);
    std::string text(LOWORD(info) + 1, '\0');
    SendMessageA(bar_, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(LOWORD(info));
    return text;
}

void StatusBar::SharePanes() {
    // The indicators are as wide as their texts in the bar's font, so that none is clipped.
    int borders[3] = {};  // horizontal border, vertical border, gap between panes
    SendMessageA(bar_, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    std::vector<int> widths;
    {
        WindowDc dc(bar_);
        const auto font = reinterpret_cast<HFONT>(SendMessageA(bar_, WM_GETFONT, 0, 0));
        SelectGuard select(dc.Get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
        for (const Indicator& indicator : kIndicators) {
            SIZE size = {};
            GetTextExtentPoint32A(dc.Get(), indicator.text, lstrlenA(indicator.text), &size);
            widths.push_back(size.cx + 2 * (borders[0] + kIndicatorPadding) + borders[2]);
        }
    }
    RECT client = {};
    GetClientRect(bar_, &client);
    const int grip =
        (GetWindowLongA(bar_, GWL_STYLE) & SBARS_SIZEGRIP) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    std::vector<int> edges = StatusPaneEdges(client.right, widths, grip);
    SendMessageA(bar_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

}  // namespace vl
