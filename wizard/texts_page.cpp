#include "wizard/texts_page.h"

#include <commctrl.h>

#include "engine/text/windows_log_font.h"
#include "framework/dialog_fields.h"
#include "framework/prompt.h"
#include "wizard/core/sequence_list.h"
#include "wizard/core/text_labels.h"
#include "wizard/wizard_resources.h"

namespace vl {

namespace {

constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kBlack = 0x00000000;

// The text removing the last one leaves behind: white on black.
std::unique_ptr<ImageEntry> FreshText() {
    auto text = std::make_unique<ImageEntry>();
    text->isText = 1;
    text->textColour = kWhite;
    text->backgroundColour = kBlack;
    text->opaque = 1;
    return text;
}

}  // namespace

CTextsPage::CTextsPage(WizardData& data, const WizardPageServices& services, StyleChooser& chooser)
    : WizardDataPage(IDD_WIZARD_TEXTS, "Help\\Step2c.htm", data, services), chooser_(chooser) {
    style_.isText = 1;
}

INT_PTR CTextsPage::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NOTIFY:
            if (wParam == IDC_TEXT_LIST)
                OnListNotify(*reinterpret_cast<const NMHDR*>(lParam));
            return TRUE;
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lParam) != Item(IDC_TEXT_EDIT))
                break;
            SetTextColor(reinterpret_cast<HDC>(wParam), style_.textColour);
            SetBkColor(reinterpret_cast<HDC>(wParam),
                       style_.opaque ? style_.backgroundColour : GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<INT_PTR>(background_.Get());
        default:
            break;
    }
    return WizardDataPage::OnMessage(msg, wParam, lParam);
}

BOOL CTextsPage::OnInitDialog() {
    preview_.Attach(Handle(), IDC_OBJECT_PICTURE, IDC_OBJECT_PICTURE_SIZE);
    HWND list = Item(IDC_TEXT_LIST);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    RECT area{};
    GetClientRect(list, &area);
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    column.cx = area.right - GetSystemMetrics(SM_CXVSCROLL);
    ListView_InsertColumn(list, 0, &column);
    for (const auto& text : state_.texts) {
        texts_.push_back(std::make_unique<ImageEntry>());
        texts_.back()->Assign(*text);
        AppendLine(*text);
    }
    if (texts_.empty()) {
        ShowSettings(style_, true);
    } else {
        Select(0);
    }
    return TRUE;
}

bool CTextsPage::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
        case IDC_TEXT_EDIT:
            if (notifyCode == EN_CHANGE)
                preview_.ShowImageEntry(*Current());
            return true;
        case IDC_TEXT_CHANGE_FONT:
            ChangeFont();
            return true;
        case IDC_TEXT_COLOUR:
            ChangeColour();
            return true;
        case IDC_TEXT_TRANSPARENT:
        case IDC_TEXT_YOUR:
            if (notifyCode == BN_CLICKED)
                OnOpaqueClicked(id == IDC_TEXT_YOUR);
            return true;
        case IDC_OBJECT_ADD:
            Add();
            return true;
        case IDC_OBJECT_REMOVE:
            Remove();
            return true;
        default:
            return WizardDataPage::OnCommand(id, notifyCode, control);
    }
}

void CTextsPage::OnListNotify(const NMHDR& header) {
    if (header.code != LVN_ITEMCHANGED)
        return;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED) &&
        change.iItem >= 0 && change.iItem < static_cast<int>(texts_.size()))
        ShowSettings(*texts_[change.iItem], true);
}

void CTextsPage::Add() {
    std::unique_ptr<ImageEntry> text = Current();
    AppendLine(*text);
    texts_.push_back(std::move(text));
    Select(static_cast<int>(texts_.size()) - 1);
    SetFieldText(Handle(), IDC_TEXT_EDIT, "");
    SetFocus(Item(IDC_TEXT_EDIT));
}

void CTextsPage::Remove() {
    const int index = Selection();
    if (index < 0) {
        CurrentPrompt().Message(kSelectToDelete, MessageIcon::Plain);
        return;
    }
    ListView_DeleteItem(Item(IDC_TEXT_LIST), index);
    texts_.erase(texts_.begin() + index);
    if (texts_.empty()) {
        texts_.push_back(FreshText());
        AppendLine(*texts_.back());
    }
    Select(static_cast<int>(texts_.size()) - 1);
}

void CTextsPage::ChangeFont() {
    LogFont font = style_.font;
    std::uint32_t colour = style_.textColour;
    if (!chooser_.PickFont(Handle(), font, colour))
        return;
    style_.font = font;
    style_.textColour = colour;
    Redraw();
}

void CTextsPage::ChangeColour() {
    std::uint32_t colour = style_.backgroundColour;
    if (!chooser_.PickColour(Handle(), colour))
        return;
    style_.backgroundColour = colour;
    Redraw();
}

void CTextsPage::OnOpaqueClicked(bool opaque) {
    style_.opaque = opaque ? 1 : 0;
    EnableWindow(Item(IDC_TEXT_COLOUR), opaque);
    Redraw();
}

void CTextsPage::ShowSettings(const ImageEntry& object, bool showText) {
    style_.font = object.font;
    style_.textColour = object.textColour;
    style_.backgroundColour = object.backgroundColour;
    style_.opaque = object.opaque;
    SetCheckField(Handle(), IDC_TEXT_TRANSPARENT, object.opaque ? 0 : 1);
    SetCheckField(Handle(), IDC_TEXT_YOUR, object.opaque ? 1 : 0);
    EnableWindow(Item(IDC_TEXT_COLOUR), object.opaque != 0);
    if (showText)
        SetFieldText(Handle(), IDC_TEXT_EDIT, object.text);
    Redraw();
}

void CTextsPage::Redraw() {
    const LOGFONTA font = ToLogFontA(style_.font);
    editFont_.Reset(CreateFontIndirectA(&font));
    background_.Reset(
        CreateSolidBrush(style_.opaque ? style_.backgroundColour : GetSysColor(COLOR_WINDOW)));
    SendDlgItemMessageA(Handle(), IDC_TEXT_EDIT, WM_SETFONT,
                        reinterpret_cast<WPARAM>(editFont_.Get()), TRUE);
    InvalidateRect(Item(IDC_TEXT_EDIT), nullptr, TRUE);
    SetFieldText(Handle(), IDC_TEXT_FONT_NAME, FontNameLabel(style_.font));
    SetFieldText(Handle(), IDC_TEXT_FONT_STYLE, FontStyleLabel(style_.font));
    SetFieldText(Handle(), IDC_TEXT_FONT_SIZE, FontSizeLabel(style_.font));
    preview_.ShowImageEntry(*Current());
}

void CTextsPage::AppendLine(const ImageEntry& text) {
    HWND list = Item(IDC_TEXT_LIST);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = ListView_GetItemCount(list);
    item.pszText = const_cast<char*>(text.text.c_str());
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void CTextsPage::Select(int index) {
    ListView_SetItemState(Item(IDC_TEXT_LIST), index, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(Item(IDC_TEXT_LIST), index, FALSE);
    ShowSettings(*texts_[index], true);
}

std::unique_ptr<ImageEntry> CTextsPage::Current() const {
    auto text = std::make_unique<ImageEntry>();
    text->Assign(style_);
    text->isText = 1;
    text->text = FieldText(Handle(), IDC_TEXT_EDIT);
    return text;
}

int CTextsPage::Selection() const {
    return ListView_GetNextItem(Item(IDC_TEXT_LIST), -1, LVNI_SELECTED);
}

void CTextsPage::Store() {
    state_.texts = std::move(texts_);
}

}  // namespace vl
