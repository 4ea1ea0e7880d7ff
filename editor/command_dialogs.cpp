#include "editor/command_dialogs.h"

#include <commctrl.h>

#include "editor/core/wait_seconds.h"
#include "editor/property_dialogs_resources.h"
#include "editor/property_kinds.h"
#include "framework/dialog_fields.h"

namespace vl {
namespace {

// The spin's own position never moves (the field holds the value); in the middle of its range
// both arrows always report a change.
constexpr int kSpinMiddle = 100;

void RegisterSpinClass() {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
}

}  // namespace

WaitDialog::WaitDialog(const PropertyContext& context, const WaitEntry& entry)
    : PropertyDialog(IDD_PD_WAIT, context, vl::KindName(kWait), &description) {
    RegisterSpinClass();
    duration.Assign(entry.duration);
    description.Assign(entry.description);
    Fields().Check(IDC_PD_RANDOM, duration.random);
}

INT_PTR WaitDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_NOTIFY)
        return PropertyDialog::OnMessage(msg, wParam, lParam);
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->idFrom != IDC_PD_DURATION_SPIN || header->code != UDN_DELTAPOS)
        return FALSE;
    const int delta = reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta;
    const std::int32_t next = SpinWaitMilliseconds(FieldText(Handle(), IDC_PD_DURATION), delta);
    SetFieldText(Handle(), IDC_PD_DURATION, WaitSecondsText(next));
    SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, TRUE);
    return TRUE;
}

BOOL WaitDialog::OnInitDialog() {
    PropertyDialog::OnInitDialog();
    SendDlgItemMessageA(Handle(), IDC_PD_DURATION_SPIN, UDM_SETRANGE32, 0, 2 * kSpinMiddle);
    SendDlgItemMessageA(Handle(), IDC_PD_DURATION_SPIN, UDM_SETPOS32, 0, kSpinMiddle);
    SetFieldText(Handle(), IDC_PD_DURATION, WaitSecondsText(duration.milliseconds));
    return TRUE;
}

bool WaitDialog::BeforeStore() {
    const auto seconds = ParseWaitSeconds(FieldText(Handle(), IDC_PD_DURATION));
    if (!seconds) {
        Context().prompt.Message(WaitRangeMessage(), MessageIcon::Exclamation);
        FocusRefusedField(Handle(), IDC_PD_DURATION);
        return false;
    }
    accepted_ = WaitMilliseconds(*seconds);
    return true;
}

void WaitDialog::AfterStore() {
    duration.milliseconds = accepted_;
}

UntilDialog::UntilDialog(const PropertyContext& context, const UntilEntry& entry)
    : PropertyDialog(IDD_PD_UNTIL, context, vl::KindName(kUntil), &description) {
    RegisterSpinClass();
    repeat.Assign(entry.repeat);
    description.Assign(entry.description);
    Fields()
        .Integer(IDC_PD_REPEAT_COUNT, repeat.count, 1, kMaxRepeatCount)
        .Check(IDC_PD_INFINITE, repeat.infinite);
}

BOOL UntilDialog::OnInitDialog() {
    SendDlgItemMessageA(Handle(), IDC_PD_REPEAT_SPIN, UDM_SETRANGE32, 1, kMaxRepeatSpin);
    return PropertyDialog::OnInitDialog();
}

CommentDialog::CommentDialog(const PropertyContext& context, const CommentEntry& entry)
    : PropertyDialog(IDD_PD_COMMENT_ENTRY, context, vl::KindName(kComment), nullptr),
      text(entry.text) {
    Fields().Text(IDC_PD_COMMENT_TEXT, text);
}

bool EditWait(const PropertyContext& context, HWND owner, WaitEntry& entry) {
    WaitDialog dialog(context, entry);
    if (dialog.Run(owner) != IDOK)
        return false;
    entry.duration.Assign(dialog.duration);
    entry.description.Assign(dialog.description);
    return true;
}

bool EditRepeat(const PropertyContext& context, HWND owner, RepeatEntry& entry) {
    DescriptionParam description;
    description.Assign(entry.description);
    DescriptionDialog dialog(context, vl::KindName(kRepeat), description);
    if (dialog.Run(owner) != IDOK)
        return false;
    entry.description.Assign(description);
    return true;
}

bool EditUntil(const PropertyContext& context, HWND owner, UntilEntry& entry) {
    UntilDialog dialog(context, entry);
    if (dialog.Run(owner) != IDOK)
        return false;
    entry.repeat.Assign(dialog.repeat);
    entry.description.Assign(dialog.description);
    return true;
}

bool EditComment(const PropertyContext& context, HWND owner, CommentEntry& entry) {
    CommentDialog dialog(context, entry);
    if (dialog.Run(owner) != IDOK)
        return false;
    entry.text = dialog.text;
    return true;
}

}  // namespace vl
