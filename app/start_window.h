// The start window (dialog 283, "Welcome to Vistaloom Builder"): three pictures to click (start
// the wizard, begin an empty scene, open a scene) and the check box that keeps it from showing
// at the next start.
#pragma once

#include <functional>

#include "framework/modal_dialog.h"

namespace vl {

class StartWindow final : public ModalDialog {
  public:
    StartWindow();

    // In: the check box's state ("StartDlg"). Called with the new state at every click of it.
    bool doNotShow = false;
    std::function<void(bool doNotShow)> onDoNotShowChanged;

    // Run() returns the id of the clicked picture (IDC_START_WIZARD, IDC_START_EMPTY,
    // IDC_START_OPEN), or IDOK / IDCANCEL.

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
};

}  // namespace vl
