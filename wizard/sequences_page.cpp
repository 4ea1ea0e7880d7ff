#include "wizard/sequences_page.h"

#include <commctrl.h>

#include <cstdlib>
#include <utility>

#include "framework/dialog_fields.h"
#include "framework/prompt.h"
#include "wizard/core/sequence_list.h"
#include "wizard/wizard_resources.h"

namespace vl {

namespace {

constexpr int kPositionLimit = 5000;

// The controls of each arrangement of the group.
constexpr int kImageControls[] = {
    IDC_SEQ_SHOW,      IDC_SEQ_MOVE, IDC_SEQ_WAIT,        IDC_SEQ_WAIT_SECONDS, IDC_SEQ_WAIT_SPIN,
    IDC_SEQ_WAIT_TEXT, IDC_SEQ_HIDE, IDC_SEQ_FIRST_GROUP, IDC_SEQ_X_LABEL_1,    IDC_SEQ_Y_LABEL_1};
constexpr int kShowControls[] = {IDC_SEQ_SHOW_X, IDC_SEQ_SHOW_Y, IDC_SEQ_CENTRE_SHOW_X,
                                 IDC_SEQ_CENTRE_SHOW_Y};
constexpr int kMoveControls[] = {
    IDC_SEQ_START_X,      IDC_SEQ_START_Y,      IDC_SEQ_CENTRE_START_X, IDC_SEQ_CENTRE_START_Y,
    IDC_SEQ_SECOND_GROUP, IDC_SEQ_X_LABEL_2,    IDC_SEQ_Y_LABEL_2,      IDC_SEQ_END_X,
    IDC_SEQ_END_Y,        IDC_SEQ_CENTRE_END_X, IDC_SEQ_CENTRE_END_Y};
constexpr int kEffectControls[] = {IDC_SEQ_EFFECTS_GROUP, IDC_SEQ_EFFECT_NONE, IDC_SEQ_EFFECT_TILE,
                                   IDC_SEQ_EFFECT_STRETCH};
constexpr int kMediaControls[] = {IDC_SEQ_REPEAT_LABEL, IDC_SEQ_PLAY_COUNT, IDC_SEQ_PLAY_COUNT_SPIN,
                                  IDC_SEQ_TIMES_LABEL, IDC_SEQ_MEDIA_WAIT};
constexpr int kVideoControls[] = {IDC_SEQ_VIDEO_GROUP, IDC_SEQ_X_LABEL_3, IDC_SEQ_Y_LABEL_3,
                                  IDC_SEQ_VIDEO_X, IDC_SEQ_VIDEO_Y};

// A number field and where it lands in a sequence.
struct NumberField {
    int id;
    std::int32_t WizardSequence::*field;
    int low, high;
};
constexpr NumberField kNumbers[] = {
    {IDC_SEQ_START_X, &WizardSequence::startX, -kPositionLimit, kPositionLimit},
    {IDC_SEQ_START_Y, &WizardSequence::startY, -kPositionLimit, kPositionLimit},
    {IDC_SEQ_END_X, &WizardSequence::endX, -kPositionLimit, kPositionLimit},
    {IDC_SEQ_END_Y, &WizardSequence::endY, -kPositionLimit, kPositionLimit},
    {IDC_SEQ_SHOW_X, &WizardSequence::showX, -kPositionLimit, kPositionLimit},
    {IDC_SEQ_SHOW_Y, &WizardSequence::showY, -kPositionLimit, kPositionLimit},
    {IDC_SEQ_WAIT_SECONDS, &WizardSequence::waitSeconds, 1, 100},
    {IDC_SEQ_PLAY_COUNT, &WizardSequence::playCount, 1, 999999},
    {IDC_SEQ_VIDEO_X, &WizardSequence::videoX, -kPositionLimit, kPositionLimit},
    {IDC_SEQ_VIDEO_Y, &WizardSequence::videoY, -kPositionLimit, kPositionLimit},
};

struct CheckFieldOf {
    int id;
    std::int32_t WizardSequence::*field;
};
constexpr CheckFieldOf kChecks[] = {
    {IDC_SEQ_CLEAR, &WizardSequence::clearScreen},
    {IDC_SEQ_MOVE, &WizardSequence::move},
    {IDC_SEQ_CENTRE_START_X, &WizardSequence::centreStartX},
    {IDC_SEQ_CENTRE_START_Y, &WizardSequence::centreStartY},
    {IDC_SEQ_CENTRE_END_X, &WizardSequence::centreEndX},
    {IDC_SEQ_CENTRE_END_Y, &WizardSequence::centreEndY},
    {IDC_SEQ_CENTRE_SHOW_X, &WizardSequence::centreShowX},
    {IDC_SEQ_CENTRE_SHOW_Y, &WizardSequence::centreShowY},
    {IDC_SEQ_WAIT, &WizardSequence::wait},
    {IDC_SEQ_HIDE, &WizardSequence::hide},
    {IDC_SEQ_MEDIA_WAIT, &WizardSequence::mediaWait},
};

// Each "Center" box and the coordinate it replaces.
constexpr std::pair<int, int> kCentred[] = {
    {IDC_SEQ_CENTRE_START_X, IDC_SEQ_START_X}, {IDC_SEQ_CENTRE_START_Y, IDC_SEQ_START_Y},
    {IDC_SEQ_CENTRE_END_X, IDC_SEQ_END_X},     {IDC_SEQ_CENTRE_END_Y, IDC_SEQ_END_Y},
    {IDC_SEQ_CENTRE_SHOW_X, IDC_SEQ_SHOW_X},   {IDC_SEQ_CENTRE_SHOW_Y, IDC_SEQ_SHOW_Y},
};

bool IsEditOf(int id) {
    for (const NumberField& number : kNumbers) {
        if (number.id == id)
            return true;
    }
    return false;
}

int ScreenWidth() {
    HDC screen = GetDC(nullptr);
    const int width = GetDeviceCaps(screen, HORZRES);
    ReleaseDC(nullptr, screen);
    return width;
}

}  // namespace

CSequencesPage::CSequencesPage(WizardData& data, const WizardPageServices& services)
    : WizardDataPage(IDD_WIZARD_SEQUENCES, "Help\\Step3.htm", data, services) {}

INT_PTR CSequencesPage::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NOTIFY && wParam == IDC_SEQ_LIST) {
        OnListNotify(*reinterpret_cast<const NMHDR*>(lParam));
        return TRUE;
    }
    return WizardDataPage::OnMessage(msg, wParam, lParam);
}

BOOL CSequencesPage::OnInitDialog() {
    sequences_ = state_.sequences;
    SendDlgItemMessageA(Handle(), IDC_SEQ_WAIT_SPIN, UDM_SETRANGE32, 1, 100);
    SendDlgItemMessageA(Handle(), IDC_SEQ_PLAY_COUNT_SPIN, UDM_SETRANGE32, 1, 5000);
    const bool onlyTextEmpty = state_.texts.size() == 1 && state_.texts[0]->text.empty();
    EnableWindow(Item(IDC_SEQ_ADD_IMAGE), state_.useImages && !state_.images.empty());
    EnableWindow(Item(IDC_SEQ_ADD_MEDIA), state_.useMedia && !state_.media.empty());
    EnableWindow(Item(IDC_SEQ_ADD_TEXT),
                 state_.useTexts && !state_.texts.empty() && !onlyTextEmpty);

    HWND list = Item(IDC_SEQ_LIST);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    column.cx = 323;
    ListView_InsertColumn(list, 0, &column);
    FillList();
    ShowFields();
    return TRUE;
}

bool CSequencesPage::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
        case IDC_SEQ_ADD_IMAGE:
            Add(kSequenceImage);
            return true;
        case IDC_SEQ_ADD_MEDIA:
            Add(kSequenceMedia);
            return true;
        case IDC_SEQ_ADD_TEXT:
            Add(kSequenceText);
            return true;
        case IDC_SEQ_REMOVE:
            Remove();
            return true;
        case IDC_SEQ_MOVE_UP:
            MoveSelected(-1);
            return true;
        case IDC_SEQ_MOVE_DOWN:
            MoveSelected(+1);
            return true;
        case IDC_SEQ_PREVIEW:
            PreviewSelected();
            return true;
        case IDC_SEQ_PREVIEW_SCENE:
            PreviewScene();
            return true;
        default:
            break;
    }
    const bool edited = IsEditOf(id) ? notifyCode == EN_CHANGE : notifyCode == BN_CLICKED;
    if (id >= IDC_SEQ_MOVE && id != IDC_WIZARD_HELP && id < IDC_SEQ_FIRST_GROUP && edited) {
        if (!showing_ && selected_ >= 0) {
            TakeFields();
            Arrange();
            RefreshLine(selected_);
        }
        return true;
    }
    return WizardDataPage::OnCommand(id, notifyCode, control);
}

void CSequencesPage::OnListNotify(const NMHDR& header) {
    if (header.code != LVN_ITEMCHANGED)
        return;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    const bool nowSelected =
        (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED);
    if (!nowSelected || change.iItem == selected_)
        return;
    if (selected_ >= 0)
        TakeFields();
    selected_ = change.iItem;
    ShowFields();
}

void CSequencesPage::Add(std::int32_t kind) {
    if (!services_.chooseObject)
        return;
    if (selected_ >= 0)
        TakeFields();
    const int index = services_.chooseObject(kind, state_);
    const SceneEntry* object = nullptr;
    if (kind == kSequenceImage && index >= 0 && index < static_cast<int>(state_.images.size()))
        object = state_.images[index].get();
    if (kind == kSequenceMedia && index >= 0 && index < static_cast<int>(state_.media.size()))
        object = state_.media[index].get();
    if (kind == kSequenceText && index >= 0 && index < static_cast<int>(state_.texts.size()))
        object = state_.texts[index].get();
    if (!object)
        return;
    sequences_.push_back(MakeWizardSequence(kind, *object, ScreenWidth()));
    FillList();
    Select(static_cast<int>(sequences_.size()) - 1);
}

void CSequencesPage::Remove() {
    if (selected_ < 0) {
        CurrentPrompt().Message(kSelectToDelete, MessageIcon::Plain);
        return;
    }
    sequences_.erase(sequences_.begin() + selected_);
    selected_ = -1;
    FillList();
    ShowFields();
}

void CSequencesPage::MoveSelected(int direction) {
    if (selected_ >= 0)
        TakeFields();
    const std::string refusal = MoveSequence(sequences_, selected_, direction);
    if (!refusal.empty()) {
        CurrentPrompt().Message(refusal, MessageIcon::Plain);
        return;
    }
    const int moved = selected_ + direction;
    selected_ = -1;
    FillList();
    Select(moved);
}

void CSequencesPage::PreviewSelected() {
    if (selected_ < 0) {
        CurrentPrompt().Message(kSelectToPreview, MessageIcon::Plain);
        return;
    }
    TakeFields();
    if (services_.previewSequence)
        services_.previewSequence(sequences_[selected_]);
}

void CSequencesPage::PreviewScene() {
    if (!FieldsValid())
        return;
    Store();
    if (services_.previewScene)
        services_.previewScene(state_);
}

bool CSequencesPage::CanLeaveWithNext() {
    if (!FieldsValid())
        return false;
    QuestionOptions options;
    return CurrentPrompt().AskYesNo(kFinishQuestion, options);
}

void CSequencesPage::Store() {
    if (selected_ >= 0)
        TakeFields();
    state_.sequences = sequences_;
}

void CSequencesPage::FillList() {
    HWND list = Item(IDC_SEQ_LIST);
    ListView_DeleteAllItems(list);
    for (int i = 0; i < static_cast<int>(sequences_.size()); ++i) {
        sequences_[i].listIndex = i;
        const std::string line = SequenceLine(sequences_[i]);
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<char*>(line.c_str());
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
}

void CSequencesPage::RefreshLine(int index) {
    const std::string line = SequenceLine(sequences_[index]);
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = const_cast<char*>(line.c_str());
    SendMessageA(Item(IDC_SEQ_LIST), LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
}

void CSequencesPage::Select(int index) {
    HWND list = Item(IDC_SEQ_LIST);
    ListView_SetItemState(list, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(list, index, FALSE);
}

void CSequencesPage::ShowFields() {
    showing_ = true;
    if (selected_ >= 0) {
        const WizardSequence& s = sequences_[selected_];
        for (const NumberField& number : kNumbers)
            SetIntegerField(Handle(), number.id, s.*number.field);
        for (const CheckFieldOf& check : kChecks)
            SetCheckField(Handle(), check.id, s.*check.field);
        SetCheckField(Handle(), IDC_SEQ_SHOW, s.move ? 0 : 1);
        SetCheckField(Handle(), IDC_SEQ_EFFECT_NONE, s.effect == kEffectNone);
        SetCheckField(Handle(), IDC_SEQ_EFFECT_TILE, s.effect == kEffectTile);
        SetCheckField(Handle(), IDC_SEQ_EFFECT_STRETCH, s.effect == kEffectStretch);
    }
    Arrange();
    showing_ = false;
}

void CSequencesPage::Arrange() {
    const auto showAll = [this](const int* ids, std::size_t count, bool visible) {
        for (std::size_t i = 0; i < count; ++i)
            ShowWindow(Item(ids[i]), visible ? SW_SHOW : SW_HIDE);
    };
#define VL_SHOW(ids, visible) showAll(ids, sizeof ids / sizeof ids[0], visible)
    const bool any = selected_ >= 0;
    const WizardSequence* s = any ? &sequences_[selected_] : nullptr;
    const bool media = any && s->kind == kSequenceMedia;
    const bool picture = any && s->kind == kSequenceImage;
    const bool move = any && !media && s->move;
    const bool video = media && s->media->mediaType == MultimediaEntry::kTypeAvi;

    VL_SHOW(kImageControls, !media);
    VL_SHOW(kShowControls, !media && !move);
    VL_SHOW(kMoveControls, !media && move);
    VL_SHOW(kEffectControls, !media && !move && (picture || !any));
    VL_SHOW(kMediaControls, media);
    VL_SHOW(kVideoControls, video);
#undef VL_SHOW

    const char* title = "Sequence properties";
    const char* clear = "Clear screen before showing image";
    const char* hide = "Hide image at the end of the sequence";
    if (picture) {
        title = "Image sequence properties";
    } else if (any && s->kind == kSequenceText) {
        title = "Text message sequence properties";
        clear = "Clear screen before showing text message";
        hide = "Hide text message at the end of the sequence";
    } else if (media) {
        title = "Media sequence properties";
        clear = "Clear screen at the beginning of the sequence";
    }
    SetFieldText(Handle(), IDC_SEQ_GROUP, title);
    SetFieldText(Handle(), IDC_SEQ_CLEAR, clear);
    SetFieldText(Handle(), IDC_SEQ_HIDE, hide);
    SetFieldText(Handle(), IDC_SEQ_FIRST_GROUP, move ? "Start position" : "Position at");
    SetFieldText(
        Handle(), IDC_SEQ_WAIT_TEXT,
        move ? "second(s) after final positioning" : "second(s) before moving on to next sequence");

    // Nothing selected: the fields are there to see, not to use.
    const auto enableAll = [this](const int* ids, std::size_t count, bool enable) {
        for (std::size_t i = 0; i < count; ++i)
            EnableWindow(Item(ids[i]), enable);
    };
#define VL_ENABLE(ids, enable) enableAll(ids, sizeof ids / sizeof ids[0], enable)
    VL_ENABLE(kImageControls, any);
    VL_ENABLE(kShowControls, any);
    VL_ENABLE(kMoveControls, any);
    VL_ENABLE(kEffectControls, any);
    VL_ENABLE(kMediaControls, any);
    VL_ENABLE(kVideoControls, any);
#undef VL_ENABLE
    EnableWindow(Item(IDC_SEQ_CLEAR), any);
    if (!any)
        return;
    for (const auto& [centre, field] : kCentred)
        EnableWindow(Item(field), !CheckField(Handle(), centre));
    if (picture && !move && s->effect != kEffectNone) {
        for (int id : kShowControls)
            EnableWindow(Item(id), FALSE);
    }
    EnableWindow(Item(IDC_SEQ_WAIT_SECONDS), s->wait != 0);
    EnableWindow(Item(IDC_SEQ_WAIT_SPIN), s->wait != 0);
}

void CSequencesPage::TakeFields() {
    WizardSequence& s = sequences_[selected_];
    for (const NumberField& number : kNumbers) {
        const std::string text = FieldText(Handle(), number.id);
        char* end = nullptr;
        const long value = std::strtol(text.c_str(), &end, 10);
        if (!text.empty() && *end == '\0' && value >= number.low && value <= number.high)
            s.*number.field = static_cast<std::int32_t>(value);
    }
    for (const CheckFieldOf& check : kChecks)
        s.*check.field = CheckField(Handle(), check.id);
    if (s.kind == kSequenceImage) {
        s.effect = CheckField(Handle(), IDC_SEQ_EFFECT_TILE)      ? kEffectTile
                   : CheckField(Handle(), IDC_SEQ_EFFECT_STRETCH) ? kEffectStretch
                                                                  : kEffectNone;
    }
}

bool CSequencesPage::FieldsValid() {
    if (selected_ < 0)
        return true;
    for (const NumberField& number : kNumbers) {
        HWND field = Item(number.id);
        // The style, not IsWindowVisible: the page may not be on screen yet.
        const bool shown = (GetWindowLongA(field, GWL_STYLE) & WS_VISIBLE) != 0;
        if (!shown || !IsWindowEnabled(field))
            continue;
        if (!ReadIntegerField(Handle(), number.id, number.low, number.high))
            return false;
    }
    return true;
}

}  // namespace vl
