// Wizard pages: modal dialogs that end with Next, Cancel or Previous, each opened on the one state
// object its wizard owns. A page copies what it shows from the state when it opens and writes it
// back only when it is left with Next or Previous; Cancel asks first and writes nothing.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "framework/modal_dialog.h"

namespace vl {

// What a page returns; also the ids of its buttons ("Next" or "Finish" is IDOK).
enum WizardPageResult : int {
    kWizardNext = IDOK,
    kWizardCancel = IDCANCEL,
    kWizardPrevious = 3,
};

class WizardPageDialog : public ModalDialog {
  public:
    // cancelQuestion is asked (Yes/No, warning icon, No the default) before Cancel ends the page.
    WizardPageDialog(int templateId, std::string cancelQuestion)
        : ModalDialog(templateId), cancelQuestion_(std::move(cancelQuestion)) {}

    // The page's result; a page that could not be shown counts as Cancel.
    WizardPageResult Show(HWND owner);

  protected:
    bool OnCommand(int id, int notifyCode, HWND control) override;

    // Next was pressed: false keeps the page open (the page has said why, if it needs to).
    virtual bool CanLeaveWithNext() { return true; }
    // Before the page closes with Previous, after Store.
    virtual void OnLeavingBack() {}
    // The user confirmed Cancel; nothing is stored.
    virtual void OnCancelled() {}
    // Writes the page's fields into the wizard's state; run when leaving by Next or Previous.
    virtual void Store() {}

  private:
    std::string cancelQuestion_;
};

// A page of the wizard whose shared state is a State.
template <class State>
class WizardPageOf : public WizardPageDialog {
  public:
    WizardPageOf(int templateId, std::string cancelQuestion, State& state)
        : WizardPageDialog(templateId, std::move(cancelQuestion)), state_(state) {}

  protected:
    State& state_;  // the wizard's, outlives the page
};

}  // namespace vl
