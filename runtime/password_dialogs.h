// The screen-saver password's dialogs: "Password" asks for the current one, "New password" sets
// another. Both keep the typed text only as long as they need it.
#pragma once

#include <string>

#include "framework/modal_dialog.h"

namespace vl {

// Dialog 103: OK with the right password ends it with IDOK; a wrong one says so (33000) and lets
// the user try again; Cancel gives up.
class PasswordDialog : public ModalDialog {
  public:
    explicit PasswordDialog(std::string record);
    // Above every topmost window: over a running screen saver it must be seen.
    bool topmost = false;

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

  private:
    std::string record_;
};

// Dialog 102: OK with two equal entries stores the new password (an empty one removes it) and
// reports 33002; unequal entries report 33001 and leave the dialog open.
class NewPasswordDialog : public ModalDialog {
  public:
    NewPasswordDialog();

  protected:
    bool OnCommand(int id, int notifyCode, HWND control) override;
};

// The password change of the argument a: asks for the current password first when one is
// stored, then for the new one. owner may be null.
void ChangePassword(HWND owner);

// The check before a run closes: true when the user confirmed the stored password.
bool ConfirmPasswordToClose(HWND owner, const std::string& record);

}  // namespace vl
