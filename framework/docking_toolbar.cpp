#include "framework/docking_toolbar.h"

#include <windowsx.h>

#include <cstdio>
#include <cstdlib>

#include "framework/bar_state_store.h"
#include "framework/command_prompt.h"
#include "framework/status_bar.h"
#include "framework/string_resource.h"

namespace vl {
namespace {

const char kDockBarClass[] = "VlDockBar";

constexpr int kMargin = 2;    // around the toolbar control inside its strip or floating window
constexpr int kGripper = 12;  // the gripper's part of the strip, before the first button

const char kEdgeValue[] = "Edge";
const char kFloatingValue[] = "Floating";
const char kFloatingPositionValue[] = "FloatPos";
const char kVisibleValue[] = "Visible";

bool ReadPoint(const std::string& text, POINT& point) {
    int x = 0;
    int y = 0;
    char rest = 0;
    if (std::sscanf(text.c_str(), "%d,%d%c", &x, &y, &rest) != 2)
        return false;
    point = {x, y};
    return true;
}

// A floating window placed at topLeft can still be reached: its caption is on a monitor.
bool CaptionOnSomeMonitor(POINT topLeft) {
    const RECT caption = {topLeft.x, topLeft.y, topLeft.x + 2 * GetSystemMetrics(SM_CXSMSIZE),
                          topLeft.y + GetSystemMetrics(SM_CYSMCAPTION)};
    return MonitorFromRect(&caption, MONITOR_DEFAULTTONULL) != nullptr;
}

ImageListHandle MakeImageList(HBITMAP strip, SIZE imageSize, int needed) {
    // ImageList_AddMasked blackens the masked pixels of what it is given: it gets a copy.
    BitmapHandle copy(static_cast<HBITMAP>(CopyImage(strip, IMAGE_BITMAP, 0, 0, 0)));
    if (!copy)
        return ImageListHandle();
    ImageListHandle list(
        ImageList_Create(imageSize.cx, imageSize.cy, ILC_COLOR24 | ILC_MASK, needed, 0));
    if (!list || ImageList_AddMasked(list.Get(), copy.Get(), DockingToolBar::kMaskColour) < 0 ||
        ImageList_GetImageCount(list.Get()) < needed) {
        return ImageListHandle();
    }
    return list;
}

}  // namespace

DockingToolBar::DockingToolBar()
    : floatingWindow_(
          {[this] { Dock(edge_); }, [this] { Show(false); }, [this] { OnFloatingMoved(); }}) {}

DockingToolBar::~DockingToolBar() {
    // The control goes before the image lists it draws; it is alive while its parent is.
    const HWND floating = floatingWindow_.Handle();
    if ((Handle() && IsChild(Handle(), toolbar_)) || (floating && IsChild(floating, toolbar_)))
        DestroyWindow(toolbar_);
}

bool DockingToolBar::Create(HWND frame, UINT id, const Definition& definition) {
    if (Handle())
        return false;
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    WindowClass windowClass = {};
    windowClass.name = kDockBarClass;
    windowClass.background = GetSysColorBrush(COLOR_3DFACE);
    if (!Window::Register(windowClass))
        return false;
    if (!Window::Create(kDockBarClass, 0, definition.title.c_str(),
                        WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0, frame,
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id))))
        return false;
    frame_ = frame;
    strings_ = definition.strings;
    if (!CreateToolBar(definition) || !floatingWindow_.Create(frame, definition.title.c_str())) {
        // Nothing half made stays behind; the host takes the toolbar control with it.
        DestroyWindow(Handle());
        toolbar_ = nullptr;
        normalImages_.Reset();
        disabledImages_.Reset();
        separators_ = 0;
        return false;
    }
    PlaceToolBar();
    ShowWindows();
    return true;
}

bool DockingToolBar::CreateToolBar(const Definition& definition) {
    toolbar_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, definition.title.c_str(),
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS |
                                   CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER,
                               0, 0, 0, 0, Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!toolbar_)
        return false;
    // Tooltips also for a bar whose window is not the active one: a floating bar never is.
    if (HWND tips = reinterpret_cast<HWND>(SendMessageA(toolbar_, TB_GETTOOLTIPS, 0, 0)))
        SetWindowLongPtrA(tips, GWL_STYLE, GetWindowLongPtrA(tips, GWL_STYLE) | TTS_ALWAYSTIP);
    SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar_, TB_SETBITMAPSIZE, 0,
                 MAKELPARAM(definition.imageSize.cx, definition.imageSize.cy));

    std::vector<TBBUTTON> buttons;
    int images = 0;
    for (UINT command : definition.commands) {
        TBBUTTON button = {};
        if (command == 0) {
            button.fsStyle = BTNS_SEP;
            ++separators_;
        } else {
            button.iBitmap = images++;
            button.idCommand = static_cast<int>(command);
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON;
        }
        buttons.push_back(button);
    }

    normalImages_ = MakeImageList(definition.normalImages, definition.imageSize, images);
    if (!normalImages_)
        return false;
    SendMessageA(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(normalImages_.Get()));
    if (definition.disabledImages) {
        disabledImages_ = MakeImageList(definition.disabledImages, definition.imageSize, images);
        if (!disabledImages_)
            return false;
        SendMessageA(toolbar_, TB_SETDISABLEDIMAGELIST, 0,
                     reinterpret_cast<LPARAM>(disabledImages_.Get()));
    }
    return SendMessageA(toolbar_, TB_ADDBUTTONSA, buttons.size(),
                        reinterpret_cast<LPARAM>(buttons.data())) != FALSE;
}

void DockingToolBar::Dock(DockEdge edge) {
    if (!toolbar_)
        return;
    edge_ = edge;
    floating_ = false;
    if (GetParent(toolbar_) != Handle())
        SetParent(toolbar_, Handle());
    Arrange(IsVertical(edge));
    PlaceToolBar();
    ShowWindows();
    RequestLayout();
}

void DockingToolBar::Float(POINT topLeft) {
    if (!toolbar_)
        return;
    floating_ = true;
    floatingPosition_ = topLeft;
    if (GetParent(toolbar_) != floatingWindow_.Handle())
        SetParent(toolbar_, floatingWindow_.Handle());
    Arrange(false);
    const SIZE bar = BarSize();
    floatingWindow_.Place(topLeft, {bar.cx + 2 * kMargin, bar.cy + 2 * kMargin});
    PlaceToolBar();
    ShowWindows();
    RequestLayout();
}

void DockingToolBar::Show(bool visible) {
    visible_ = visible;
    ShowWindows();
    RequestLayout();
}

int DockingToolBar::DockedThickness() const {
    if (!toolbar_ || !visible_ || floating_)
        return 0;
    const SIZE bar = BarSize();
    return (vertical_ ? bar.cx : bar.cy) + 2 * kMargin;
}

void DockingToolBar::PlaceDocked(const RECT& strip) {
    SetWindowPos(Handle(), nullptr, strip.left, strip.top, strip.right - strip.left,
                 strip.bottom - strip.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void DockingToolBar::UpdateButtons(const std::function<ButtonState(UINT command)>& stateOf) {
    const int count = static_cast<int>(SendMessageA(toolbar_, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = {};
        SendMessageA(toolbar_, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        if (button.fsStyle & BTNS_SEP)
            continue;
        const ButtonState state = stateOf(static_cast<UINT>(button.idCommand));
        BYTE wanted = button.fsState & ~(TBSTATE_ENABLED | TBSTATE_CHECKED);
        if (state.enabled)
            wanted |= TBSTATE_ENABLED;
        if (state.checked)
            wanted |= TBSTATE_CHECKED;
        if (wanted != button.fsState)
            SendMessageA(toolbar_, TB_SETSTATE, button.idCommand, MAKELPARAM(wanted, 0));
    }
}

void DockingToolBar::SaveState(BarStateStore& store) const {
    POINT position = floatingPosition_;
    RECT window;
    if (floating_ && GetWindowRect(floatingWindow_.Handle(), &window))
        position = {window.left, window.top};
    char text[32];
    std::snprintf(text, sizeof(text), "%d,%d", static_cast<int>(position.x),
                  static_cast<int>(position.y));
    store.SetInt(kEdgeValue, static_cast<int>(edge_));
    store.SetInt(kFloatingValue, floating_ ? 1 : 0);
    store.SetText(kFloatingPositionValue, text);
    store.SetInt(kVisibleValue, visible_ ? 1 : 0);
}

bool DockingToolBar::HasSavedState(const BarStateStore& store) {
    return store.GetInt(kFloatingValue, -1) >= 0;
}

void DockingToolBar::RestoreState(const BarStateStore& store) {
    const int edge = store.GetInt(kEdgeValue, static_cast<int>(DockEdge::Top));
    edge_ = edge >= 0 && edge <= 3 ? static_cast<DockEdge>(edge) : DockEdge::Top;
    visible_ = store.GetInt(kVisibleValue, 1) != 0;
    POINT position;
    const bool known = ReadPoint(store.GetText(kFloatingPositionValue, ""), position);
    if (known)
        floatingPosition_ = position;
    if (store.GetInt(kFloatingValue, 0) != 0 && known && CaptionOnSomeMonitor(position))
        Float(position);
    else
        Dock(edge_);
}

LRESULT DockingToolBar::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
        case WM_COMMAND:
            // The buttons' commands are the frame's.
            return SendMessageA(frame_, WM_COMMAND, wParam, lParam);
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_LBUTTONDOWN:
            OnLeftButtonDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_MOUSEMOVE:
            if (dragging_)
                SetCursor(LoadCursorA(nullptr, IDC_SIZEALL));
            return 0;
        case WM_LBUTTONUP:
            OnLeftButtonUp({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_CAPTURECHANGED:
            dragging_ = false;
            return 0;
        default:
            return DefaultProc(msg, wParam, lParam);
    }
}

LRESULT DockingToolBar::OnNotify(NMHDR& header) {
    switch (header.code) {
        case TTN_GETDISPINFOA: {
            auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
            tooltip_ =
                SplitCommandPrompt(LoadStringResource(strings_, static_cast<UINT>(header.idFrom)))
                    .tooltip;
            info.hinst = nullptr;
            info.lpszText = &tooltip_[0];
            return 0;
        }
        case TTN_GETDISPINFOW: {
            auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
            const std::string tip =
                SplitCommandPrompt(LoadStringResource(strings_, static_cast<UINT>(header.idFrom)))
                    .tooltip;
            tooltipWide_.assign(tip.size() + 1, L'\0');
            MultiByteToWideChar(CP_ACP, 0, tip.c_str(), static_cast<int>(tip.size()) + 1,
                                &tooltipWide_[0], static_cast<int>(tooltipWide_.size()));
            info.hinst = nullptr;
            info.lpszText = &tooltipWide_[0];
            return 0;
        }
        case NM_CUSTOMDRAW: {
            // The control draws separators as upright lines only; in a column they are drawn
            // here, after the buttons.
            if (header.hwndFrom != toolbar_ || !vertical_)
                return CDRF_DODEFAULT;
            const auto& draw = reinterpret_cast<const NMTBCUSTOMDRAW&>(header);
            if (draw.nmcd.dwDrawStage == CDDS_PREPAINT)
                return CDRF_NOTIFYPOSTPAINT;
            if (draw.nmcd.dwDrawStage == CDDS_POSTPAINT)
                DrawColumnSeparators(draw.nmcd.hdc);
            return CDRF_DODEFAULT;
        }
        case TBN_HOTITEMCHANGE: {
            const auto& hot = reinterpret_cast<const NMTBHOTITEM&>(header);
            if (status_) {
                if ((hot.dwFlags & HICF_LEAVING) || hot.idNew == 0)
                    status_->ShowIdleMessage();
                else
                    status_->ShowCommandPrompt(static_cast<UINT>(hot.idNew));
            }
            return 0;
        }
        default:
            return 0;
    }
}

void DockingToolBar::Arrange(bool vertical) {
    if (vertical == vertical_)
        return;
    vertical_ = vertical;
    // In a column each button ends its row, except one followed by a separator: the separator
    // ends that row instead, which gives a small gap rather than a row of its own (it lies to
    // the right of the button, outside the bar). The control is sure to lay its buttons out
    // again only when they are added, so they are taken out and put back.
    const int count = static_cast<int>(SendMessageA(toolbar_, TB_BUTTONCOUNT, 0, 0));
    std::vector<TBBUTTON> buttons(count);
    for (int i = 0; i < count; ++i)
        SendMessageA(toolbar_, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&buttons[i]));
    for (int i = 0; i < count; ++i) {
        const bool last = i + 1 == count;
        const bool beforeSeparator = !last && (buttons[i + 1].fsStyle & BTNS_SEP);
        if (vertical && !last && !beforeSeparator)
            buttons[i].fsState |= TBSTATE_WRAP;
        else
            buttons[i].fsState &= ~TBSTATE_WRAP;
    }
    SendMessageA(toolbar_, WM_SETREDRAW, FALSE, 0);
    for (int i = count; i-- > 0;)
        SendMessageA(toolbar_, TB_DELETEBUTTON, i, 0);
    SendMessageA(toolbar_, TB_ADDBUTTONSA, buttons.size(),
                 reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageA(toolbar_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(toolbar_, nullptr, TRUE);
}

SIZE DockingToolBar::BarSize() const {
    RECT bounds = {};
    const int count = static_cast<int>(SendMessageA(toolbar_, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        // In a column the separators lie beside the buttons: they do not widen it.
        if (vertical_ && IsSeparator(i))
            continue;
        RECT item;
        if (SendMessageA(toolbar_, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item)))
            UnionRect(&bounds, &bounds, &item);
    }
    SIZE size = {bounds.right, bounds.bottom};
    if (vertical_)
        size.cy += kVerticalGrowthPerSeparator * separators_;
    return size;
}

bool DockingToolBar::IsSeparator(int index) const {
    TBBUTTON button = {};
    SendMessageA(toolbar_, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button));
    return (button.fsStyle & BTNS_SEP) != 0;
}

void DockingToolBar::DrawColumnSeparators(HDC dc) const {
    // Each separator is an etched line across the column, halfway between its two groups.
    RECT client;
    GetClientRect(toolbar_, &client);
    const int count = static_cast<int>(SendMessageA(toolbar_, TB_BUTTONCOUNT, 0, 0));
    for (int i = 1; i + 1 < count; ++i) {
        if (!IsSeparator(i))
            continue;
        RECT above;
        RECT below;
        SendMessageA(toolbar_, TB_GETITEMRECT, i - 1, reinterpret_cast<LPARAM>(&above));
        SendMessageA(toolbar_, TB_GETITEMRECT, i + 1, reinterpret_cast<LPARAM>(&below));
        const int y = (above.bottom + below.top) / 2 - 1;
        RECT line = {client.left + 2, y, client.right - 2, y + 2};
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    }
}

int DockingToolBar::DockReach() const {
    const LRESULT button = SendMessageA(toolbar_, TB_GETBUTTONSIZE, 0, 0);
    return HIWORD(button) + 2 * kMargin;
}

void DockingToolBar::PlaceToolBar() {
    const SIZE bar = BarSize();
    POINT origin = {kMargin, kMargin};
    if (!floating_) {
        if (vertical_)
            origin.y = kGripper;
        else
            origin.x = kGripper;
    }
    SetWindowPos(toolbar_, nullptr, origin.x, origin.y, bar.cx, bar.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void DockingToolBar::ShowWindows() {
    ShowWindow(Handle(), visible_ && !floating_ ? SW_SHOWNA : SW_HIDE);
    ShowWindow(floatingWindow_.Handle(), visible_ && floating_ ? SW_SHOWNA : SW_HIDE);
}

void DockingToolBar::RequestLayout() {
    if (layoutRequest_)
        layoutRequest_();
}

void DockingToolBar::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    // Two raised ridges across the start of the strip, where the user takes hold of the bar.
    RECT client;
    GetClientRect(Handle(), &client);
    RECT ridge = vertical_ ? RECT{kMargin + 1, 3, client.right - kMargin - 1, 6}
                           : RECT{3, kMargin + 1, 6, client.bottom - kMargin - 1};
    for (int i = 0; i < 2; ++i) {
        DrawEdge(dc, &ridge, BDR_RAISEDINNER, BF_RECT);
        OffsetRect(&ridge, vertical_ ? 0 : 4, vertical_ ? 4 : 0);
    }
    EndPaint(Handle(), &paint);
}

void DockingToolBar::OnLeftButtonDown(POINT point) {
    dragging_ = true;
    grabOffset_ = point;
    dragStart_ = point;
    ClientToScreen(Handle(), &dragStart_);
    SetCapture(Handle());
}

void DockingToolBar::OnLeftButtonUp(POINT point) {
    if (!dragging_)
        return;
    dragging_ = false;
    ReleaseCapture();
    ClientToScreen(Handle(), &point);
    // A click that hardly moved is no drag.
    if (std::abs(point.x - dragStart_.x) <= GetSystemMetrics(SM_CXDRAG) &&
        std::abs(point.y - dragStart_.y) <= GetSystemMetrics(SM_CYDRAG))
        return;
    DropAt(point, grabOffset_);
}

void DockingToolBar::DropAt(POINT screenPoint, POINT grabOffset) {
    RECT client;
    GetClientRect(frame_, &client);
    POINT inFrame = screenPoint;
    ScreenToClient(frame_, &inFrame);
    const Box area = {client.left, client.top, client.right, client.bottom};
    if (const auto edge = DockEdgeAt(area, inFrame.x, inFrame.y, DockReach()))
        Dock(*edge);
    else
        Float({screenPoint.x - grabOffset.x, screenPoint.y - grabOffset.y});
}

void DockingToolBar::OnFloatingMoved() {
    RECT window;
    GetWindowRect(floatingWindow_.Handle(), &window);
    floatingPosition_ = {window.left, window.top};
    // Moved near an edge of the frame, the floating window docks there.
    POINT pointer;
    GetCursorPos(&pointer);
    DropAt(pointer, {pointer.x - window.left, pointer.y - window.top});
}

}  // namespace vl
