// Dialog 133 "Settings": when a run ends, the cursor, the system key combinations and the start
// with Windows.
#pragma once

#include <string>

#include "runtime/exit_rules.h"
#include "runtime/glint_resources.h"
#include "framework/modal_dialog.h"

namespace vl {

class SettingsDialog : public ModalDialog {
  public:
    SettingsDialog() : ModalDialog(IDD_SETTINGS) {}

    // Input and output: the settings shown, and those chosen when OK ends the dialog.
    ExitSettings settings;
    bool startWithWindows = false;

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

  private:
    void ShowBoxes(const ExitBoxes& boxes);
    ExitBoxes ReadBoxes() const;
    bool Checked(int id) const;
    void Check(int id, bool checked);
};

// The whole settings run: reads the stored values, shows the dialog owned by owner (may be null),
// and on OK stores them; tells the user when the start with Windows could not be changed.
void EditSettings(HWND owner);

}  // namespace vl
