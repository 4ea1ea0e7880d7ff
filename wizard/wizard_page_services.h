// What every wizard page reaches besides the wizard's data: the main window that owns its boxes
// and help pages, and the help pages beside the program.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/wizard_page.h"
#include "wizard/core/wizard_data.h"

namespace vl {

inline constexpr char kExitWizardQuestion[] = "Are you sure you want to exit Wizard?";

struct WizardPageServices {
    HWND mainWindow = nullptr;  // not owned
    std::string programFolder;  // ends with a backslash
    // Opens a help page (a full path); none: the shell's "open" action, maximised, owned by the
    // main window.
    std::function<void(const std::string& path)> openHelp;
    std::function<bool(const std::string& path)> fileExists;
    // The sequences page's "Preview SS" on the wizard's data.
    std::function<void(WizardData& data)> previewScene;
    // Which defined object of the kind (kSequenceImage, kSequenceMedia, kSequenceText) a new
    // sequence is made with: its index in data's list, or -1 when none was chosen.
    std::function<int(std::int32_t kind, const WizardData& data)> chooseObject;
    // Shows or plays one sequence's object.
    std::function<void(const WizardSequence& sequence)> previewSequence;
};

// A page of the wizard: its data, its services, and the Help button that opens helpFile (such as
// "Help\\Step1.htm") beside the program.
class WizardDataPage : public WizardPageOf<WizardData> {
  public:
    WizardDataPage(int templateId, const char* helpFile, WizardData& data,
                   const WizardPageServices& services)
        : WizardPageOf(templateId, kExitWizardQuestion, data),
          services_(services),
          helpFile_(helpFile) {}

  protected:
    bool OnCommand(int id, int notifyCode, HWND control) override;
    const WizardPageServices& services_;

  private:
    const char* helpFile_;
};

}  // namespace vl
