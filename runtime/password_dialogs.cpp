#include "runtime/password_dialogs.h"

#include <utility>
#include <vector>

#include "runtime/glint_resources.h"
#include "runtime/glint_settings.h"
#include "runtime/password_hash.h"
#include "runtime/password_record.h"
#include "framework/prompt.h"

namespace vl {
namespace {

// The text of an edit control; the caller wipes it.
std::string EditText(HWND edit) {
    const int length = GetWindowTextLengthA(edit);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(edit, buffer.data(), length + 1);
    std::string text(buffer.data());
    SecureZeroMemory(buffer.data(), buffer.size());
    return text;
}

void ClearEdit(HWND edit) {
    SetWindowTextA(edit, "");
}

void FocusEdit(HWND dialog, HWND edit) {
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
}

}  // namespace

PasswordDialog::PasswordDialog(std::string record)
    : ModalDialog(IDD_PASSWORD), record_(std::move(record)) {}

BOOL PasswordDialog::OnInitDialog() {
    if (topmost) {
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetForegroundWindow(Handle());
    }
    return TRUE;
}

bool PasswordDialog::OnCommand(int id, int notifyCode, HWND control) {
    if (id != IDOK)
        return ModalDialog::OnCommand(id, notifyCode, control);
    std::string typed = EditText(Item(IDC_PASSWORD));
    const bool matches = PasswordMatches(typed, record_);
    WipeText(typed);
    if (matches) {
        End(IDOK);
        return true;
    }
    CurrentPrompt().Message(GLINT_WRONG_PASSWORD, MessageIcon::Stop);
    ClearEdit(Item(IDC_PASSWORD));
    FocusEdit(Handle(), Item(IDC_PASSWORD));
    return true;
}

NewPasswordDialog::NewPasswordDialog() : ModalDialog(IDD_NEW_PASSWORD) {}

bool NewPasswordDialog::OnCommand(int id, int notifyCode, HWND control) {
    if (id != IDOK)
        return ModalDialog::OnCommand(id, notifyCode, control);
    std::string password = EditText(Item(IDC_NEW_PASSWORD));
    std::string confirmation = EditText(Item(IDC_CONFIRM_PASSWORD));
    const bool same = password == confirmation;
    WipeText(confirmation);
    if (!same) {
        WipeText(password);
        CurrentPrompt().Message(GLINT_PASSWORDS_DIFFER, MessageIcon::Stop);
        ClearEdit(Item(IDC_NEW_PASSWORD));
        ClearEdit(Item(IDC_CONFIRM_PASSWORD));
        FocusEdit(Handle(), Item(IDC_NEW_PASSWORD));
        return true;
    }
    std::string record;
    const bool made = password.empty() || MakePasswordRecord(password, record);
    WipeText(password);
    if (!made || !WritePasswordRecordText(record)) {
        CurrentPrompt().Message(GLINT_PASSWORD_NOT_STORED, MessageIcon::Stop);
        return true;
    }
    CurrentPrompt().Message(GLINT_PASSWORD_CHANGED, MessageIcon::Information);
    End(IDOK);
    return true;
}

void ChangePassword(HWND owner) {
    const std::string stored = ReadPasswordRecordText();
    PasswordRecord record;
    // A value that is no record verifies nothing; whoever could write it could as well have
    // removed it, so it counts as no password rather than locking the user out.
    if (ParsePasswordRecord(stored, record)) {
        PasswordDialog current(stored);
        if (current.Run(owner) != IDOK)
            return;
    }
    NewPasswordDialog change;
    change.Run(owner);
}

bool ConfirmPasswordToClose(HWND owner, const std::string& record) {
    PasswordDialog dialog(record);
    dialog.topmost = true;
    return dialog.Run(owner) == IDOK;
}

}  // namespace vl
