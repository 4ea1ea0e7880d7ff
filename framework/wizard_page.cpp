#include "framework/wizard_page.h"

#include "framework/prompt.h"

namespace vl {

WizardPageResult WizardPageDialog::Show(HWND owner) {
    switch (Run(owner)) {
        case kWizardNext:
            return kWizardNext;
        case kWizardPrevious:
            return kWizardPrevious;
        default:
            return kWizardCancel;
    }
}

bool WizardPageDialog::OnCommand(int id, int, HWND) {
    switch (id) {
        case kWizardNext:
            if (CanLeaveWithNext()) {
                Store();
                End(kWizardNext);
            }
            return true;
        case kWizardPrevious:
            Store();
            OnLeavingBack();
            End(kWizardPrevious);
            return true;
        case kWizardCancel: {
            QuestionOptions options;
            options.icon = MessageIcon::Exclamation;
            options.defaultNo = true;
            if (CurrentPrompt().AskYesNo(cancelQuestion_, options)) {
                OnCancelled();
                End(kWizardCancel);
            }
            return true;
        }
        default:
            return false;
    }
}

}  // namespace vl
