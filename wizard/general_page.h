// Page 1, "Wizard - Step 1: General Options": the folder and the name of the screen saver, the
// kinds of object it is made with and what is made at the end. A name whose scene, screen saver
// or installer already exists in the folder is refused.
#pragma once

#include "wizard/wizard_page_services.h"

namespace vl {

inline constexpr char kNameTakenMessage[] =
    "File already exists! \n(with extension ssd, scr or exe)";
inline constexpr char kChooseFolderTitle[] = "Choose your default wizard folder:";

class CGeneralPage : public WizardDataPage {
  public:
    CGeneralPage(WizardData& data, const WizardPageServices& services);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool CanLeaveWithNext() override;
    void Store() override;
    void OnCancelled() override;

  private:
    bool NameTaken(const std::string& name) const;
    // The six check boxes and Next.
    void EnableChoices(bool enable);
    void OnNameLeft();
    void OnKindClicked();
    void Browse();
    std::string Name() const;
};

}  // namespace vl
