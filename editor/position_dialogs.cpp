#include "editor/position_dialogs.h"

#include <commctrl.h>

#include <cstdlib>
#include <iterator>

#include "editor/action_dialogs_resources.h"
#include "editor/core/move_position_rules.h"
#include "editor/core/show_position_rules.h"
#include "framework/dialog_fields.h"
#include "scene/kinds.h"

namespace vl {
namespace {

const char* const kComparisons[] = {">", "<", "=", "<>"};
const char* const kJoins[] = {"OR", "AND"};

void FillCombo(HWND dialog, int id, const char* const* rows, std::size_t count) {
    for (std::size_t row = 0; row < count; ++row)
        SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(rows[row]));
}

void Enable(HWND dialog, std::initializer_list<int> ids, bool on) {
    for (int id : ids)
        EnableWindow(GetDlgItem(dialog, id), on);
}

void Show(HWND dialog, std::initializer_list<int> ids, bool on) {
    for (int id : ids)
        ShowWindow(GetDlgItem(dialog, id), on ? SW_SHOW : SW_HIDE);
}

// The control's place in the dialog's client area.
RECT PlaceOf(HWND dialog, int id) {
    RECT place;
    GetWindowRect(GetDlgItem(dialog, id), &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// Cuts or extends the dialog so that its client area ends at bottom (pixels) plus margin dialog
// units; margin may be negative.
void EndDialogAt(HWND dialog, int bottom, int margin) {
    RECT units{0, 0, 0, margin < 0 ? -margin : margin};
    MapDialogRect(dialog, &units);
    RECT window, client;
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    const int frame = (window.bottom - window.top) - client.bottom;
    const int height = bottom + (margin < 0 ? -units.bottom : units.bottom) + frame;
    SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// One press of a spin whose field holds the number: the field moves by step within its bounds,
// and the spin's own position stays where it is.
void SpinField(HWND dialog, const NMHDR& header, int fieldId, int step, int low, int high) {
    const int direction = reinterpret_cast<const NMUPDOWN&>(header).iDelta;
    const std::string text = FieldText(dialog, fieldId);
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    SetIntegerField(dialog, fieldId, SpinWithin(value, direction, step, low, high));
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
}

}  // namespace

// ---- Move

MovePositionDialog::MovePositionDialog(const PropertyContext& context, std::string kindName)
    : PropertyDialog(IDD_ACT_MOVE_POSITION, context, std::move(kindName), nullptr) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
    SetSubtitle("Position");
    Fields()
        .Integer(IDC_ACT_START_X, motion.startX, kPositionLow, kPositionHigh)
        .Check(IDC_ACT_RANDOM_START_X, motion.randomStartX)
        .Check(IDC_ACT_CENTRE_START_X, motion.centreStartX)
        .Integer(IDC_ACT_START_Y, motion.startY, kPositionLow, kPositionHigh)
        .Check(IDC_ACT_RANDOM_START_Y, motion.randomStartY)
        .Check(IDC_ACT_CENTRE_START_Y, motion.centreStartY)
        .Integer(IDC_ACT_END_X, motion.endX, kPositionLow, kPositionHigh)
        .Check(IDC_ACT_RANDOM_END_X, motion.randomEndX)
        .Check(IDC_ACT_CENTRE_END_X, motion.centreEndX)
        .Integer(IDC_ACT_END_Y, motion.endY, kPositionLow, kPositionHigh)
        .Check(IDC_ACT_RANDOM_END_Y, motion.randomEndY)
        .Check(IDC_ACT_CENTRE_END_Y, motion.centreEndY)
        .Integer(IDC_ACT_STEP_X, motion.stepX, kPositionLow, kPositionHigh)
        .Integer(IDC_ACT_STEP_Y, motion.stepY, kPositionLow, kPositionHigh)
        .Radio({IDC_ACT_AXIS_Y, IDC_ACT_AXIS_X}, motion.stepAxis)
        .Integer(IDC_ACT_SPEED, motion.speed, kSpeedLow, kSpeedHigh)
        .Check(IDC_ACT_KEEP_WHILE_MOVING, motion.keepWhileMoving)
        .Check(IDC_ACT_RESTORE_AFTER_HIDE, motion.restoreAfterHide)
        .ComboIndex(IDC_ACT_X_COMPARISON, motion.xComparison)
        .Integer(IDC_ACT_UNTIL_X, motion.untilX, kPositionLow, kPositionHigh)
        .ComboIndex(IDC_ACT_JOIN, motion.join)
        .ComboIndex(IDC_ACT_Y_COMPARISON, motion.yComparison)
        .Integer(IDC_ACT_UNTIL_Y, motion.untilY, kPositionLow, kPositionHigh);
}

BOOL MovePositionDialog::OnInitDialog() {
    // The combos hold their rows, and the record only values they have, before the fields load.
    FillCombo(Handle(), IDC_ACT_X_COMPARISON, kComparisons, std::size(kComparisons));
    FillCombo(Handle(), IDC_ACT_Y_COMPARISON, kComparisons, std::size(kComparisons));
    FillCombo(Handle(), IDC_ACT_JOIN, kJoins, std::size(kJoins));
    motion.join = motion.join != 0 ? 1 : 0;
    motion.stepAxis = motion.stepAxis != 0 ? 1 : 0;
    const BOOL result = PropertyDialog::OnInitDialog();
    for (int spin : {IDC_ACT_STEP_X_SPIN, IDC_ACT_STEP_Y_SPIN})
        SendDlgItemMessageA(Handle(), spin, UDM_SETRANGE32, kPositionLow, kPositionHigh);
    SendDlgItemMessageA(Handle(), IDC_ACT_SPEED_SPIN, UDM_SETRANGE32, kSpeedLow, kSpeedHigh);
    stepModeText_ = FieldText(Handle(), IDC_ACT_CONDITION);
    stepMode_ = motion.stepMode != 0;
    ApplyMode();
    return result;
}

INT_PTR MovePositionDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NOTIFY) {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.idFrom == IDC_ACT_SPEED_SPIN && header.code == UDN_DELTAPOS) {
            SpinField(Handle(), header, IDC_ACT_SPEED, kSpeedSpinStep, kSpeedLow, kSpeedHigh);
            return TRUE;
        }
    }
    return PropertyDialog::OnMessage(msg, wParam, lParam);
}

bool MovePositionDialog::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_ACT_CONDITION && notifyCode == BN_CLICKED) {
        stepMode_ = !stepMode_;
        ApplyMode();
        return true;
    }
    return PropertyDialog::OnCommand(id, notifyCode, control);
}

void MovePositionDialog::ApplyMode() {
    HWND dialog = Handle();
    Enable(dialog,
           {IDC_ACT_END_GROUP, IDC_ACT_END_X, IDC_ACT_END_Y, IDC_ACT_RANDOM_END_X,
            IDC_ACT_RANDOM_END_Y, IDC_ACT_CENTRE_END_X, IDC_ACT_CENTRE_END_Y,
            IDC_ACT_RANDOM_START_X, IDC_ACT_RANDOM_START_Y},
           !stepMode_);
    Enable(dialog,
           {IDC_ACT_UNTIL_GROUP, IDC_ACT_X_COMPARISON, IDC_ACT_UNTIL_X, IDC_ACT_JOIN,
            IDC_ACT_Y_COMPARISON, IDC_ACT_UNTIL_Y},
           stepMode_);
    Show(dialog, {IDC_ACT_STEP_Y_LABEL, IDC_ACT_STEP_Y, IDC_ACT_STEP_Y_SPIN}, stepMode_);
    Show(dialog, {IDC_ACT_AXIS_X, IDC_ACT_AXIS_Y}, !stepMode_);
    SetFieldText(dialog, IDC_ACT_CONDITION, ConditionButtonText(stepModeText_, stepMode_));
    // Step mode ends below the Repeat Until group, line mode just above it.
    const RECT until = PlaceOf(dialog, IDC_ACT_UNTIL_GROUP);
    if (stepMode_)
        EndDialogAt(dialog, until.bottom, 6);
    else
        EndDialogAt(dialog, until.top, -1);
}

bool MovePositionDialog::BeforeStore() {
    // The checks need the values as typed; refused numbers end here with their message.
    if (!Fields().Store(Handle()))
        return false;
    if (!stepMode_) {
        if (TurnLineStepTowardEnd(motion)) {
            SetIntegerField(Handle(), IDC_ACT_STEP_X, motion.stepX);
            if (beep)
                beep();
        }
        return true;
    }
    const StepModeVerdict verdict = CheckStepConditions(motion);
    switch (verdict.action) {
        case StepModeVerdict::Action::Close:
            return true;
        case StepModeVerdict::Action::Stay:
            Context().prompt.Message(verdict.text, MessageIcon::Stop);
            return false;
        case StepModeVerdict::Action::Ask:
            return Context().prompt.AskYesNo(verdict.text);
    }
    return false;
}

// ---- Show

ShowPositionDialog::ShowPositionDialog(const PropertyContext& context, std::string kindName,
                                       bool textObject)
    : PropertyDialog(IDD_ACT_SHOW_POSITION, context, std::move(kindName), nullptr),
      textObject_(textObject) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
    SetSubtitle("Position");
    Fields()
        .Integer(IDC_ACT_START_X, motion.startX, kPositionLow, kPositionHigh)
        .Check(IDC_ACT_RANDOM_START_X, motion.randomStartX)
        .Check(IDC_ACT_SHOW_CENTRE_X, motion.centreStartX)
        .Integer(IDC_ACT_START_Y, motion.startY, kPositionLow, kPositionHigh)
        .Check(IDC_ACT_RANDOM_START_Y, motion.randomStartY)
        .Check(IDC_ACT_SHOW_CENTRE_Y, motion.centreStartY)
        .Radio({IDC_ACT_EFFECT_NONE, IDC_ACT_EFFECT_TILE, IDC_ACT_EFFECT_STRETCH}, motion.effect)
        .Check(IDC_ACT_RESTORE_AFTER_HIDE, motion.restoreAfterHide)
        .Integer(IDC_ACT_LETTER_SPEED, motion.letterSpeed, kLetterSpeedLow, kLetterSpeedHigh)
        .Check(IDC_ACT_LETTER_BY_LETTER, motion.letterByLetter);
}

BOOL ShowPositionDialog::OnInitDialog() {
    if (motion.effect < kEffectNone || motion.effect > kEffectStretch)
        motion.effect = kEffectNone;
    const BOOL result = PropertyDialog::OnInitDialog();
    SendDlgItemMessageA(Handle(), IDC_ACT_LETTER_SPEED_SPIN, UDM_SETRANGE32, kLetterSpeedLow,
                        kLetterSpeedHigh);
    if (!textObject_) {
        Show(Handle(),
             {IDC_ACT_LETTER_SPEED_LABEL, IDC_ACT_LETTER_SPEED, IDC_ACT_LETTER_SPEED_SPIN,
              IDC_ACT_LETTER_BY_LETTER},
             false);
        EndDialogAt(Handle(), PlaceOf(Handle(), IDC_ACT_LETTER_SPEED).top, -2);
    }
    EnableForEffect();
    return result;
}

INT_PTR ShowPositionDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NOTIFY) {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.idFrom == IDC_ACT_LETTER_SPEED_SPIN && header.code == UDN_DELTAPOS) {
            SpinField(Handle(), header, IDC_ACT_LETTER_SPEED, kLetterSpeedSpinStep, kLetterSpeedLow,
                      kLetterSpeedHigh);
            return TRUE;
        }
    }
    return PropertyDialog::OnMessage(msg, wParam, lParam);
}

bool ShowPositionDialog::OnCommand(int id, int notifyCode, HWND control) {
    if (notifyCode == BN_CLICKED) {
        switch (id) {
            case IDC_ACT_EFFECT_NONE:
                ChooseEffect(kEffectNone);
                return true;
            case IDC_ACT_EFFECT_TILE:
                ChooseEffect(kEffectTile);
                return true;
            case IDC_ACT_EFFECT_STRETCH:
                ChooseEffect(kEffectStretch);
                return true;
            default:
                break;
        }
    }
    return PropertyDialog::OnCommand(id, notifyCode, control);
}

void ShowPositionDialog::ChooseEffect(std::int32_t effect) {
    // keep while moving has no control here: it changes in the copy; the others in their boxes,
    // which OK reads back.
    ApplyShowEffect(motion, effect);
    SetCheckField(Handle(), IDC_ACT_RESTORE_AFTER_HIDE, motion.restoreAfterHide);
    if (!ShowPositionEditable(effect))
        SetCheckField(Handle(), IDC_ACT_LETTER_BY_LETTER, motion.letterByLetter);
    EnableForEffect();
}

void ShowPositionDialog::EnableForEffect() {
    const bool editable = ShowPositionEditable(motion.effect);
    Enable(Handle(),
           {IDC_ACT_START_X, IDC_ACT_START_Y, IDC_ACT_RANDOM_START_X, IDC_ACT_RANDOM_START_Y,
            IDC_ACT_SHOW_CENTRE_X, IDC_ACT_SHOW_CENTRE_Y, IDC_ACT_LETTER_SPEED_LABEL,
            IDC_ACT_LETTER_SPEED, IDC_ACT_LETTER_SPEED_SPIN, IDC_ACT_LETTER_BY_LETTER,
            IDC_ACT_RESTORE_AFTER_HIDE},
           editable);
}

// ---- Line

LinePositionDialog::LinePositionDialog(const PropertyContext& context)
    : PropertyDialog(IDD_ACT_LINE_POSITION, context, vl::KindName(kLine), nullptr) {
    SetSubtitle("Position");
    Fields()
        .Integer(IDC_ACT_START_X, motion.startX, kPositionLow, kPositionHigh)
        .Check(IDC_ACT_RANDOM_START_X, motion.randomStartX)
        .Integer(IDC_ACT_START_Y, motion.startY, kPositionLow, kPositionHigh)
        .Check(IDC_ACT_RANDOM_START_Y, motion.randomStartY)
        .Integer(IDC_ACT_END_X, motion.endX, kPositionLow, kPositionHigh)
        .Check(IDC_ACT_RANDOM_END_X, motion.randomEndX)
        .Integer(IDC_ACT_END_Y, motion.endY, kPositionLow, kPositionHigh)
        .Check(IDC_ACT_RANDOM_END_Y, motion.randomEndY);
}

}  // namespace vl
