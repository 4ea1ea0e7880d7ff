#include "wizard/wizard_page_services.h"

#include <shellapi.h>

#include "wizard/wizard_resources.h"

namespace vl {

bool WizardDataPage::OnCommand(int id, int notifyCode, HWND control) {
    if (id != IDC_WIZARD_HELP)
        return WizardPageOf::OnCommand(id, notifyCode, control);
    const std::string path = services_.programFolder + helpFile_;
    if (services_.openHelp) {
        services_.openHelp(path);
    } else {
        ShellExecuteA(services_.mainWindow, "open", path.c_str(), nullptr, nullptr,
                      SW_SHOWMAXIMIZED);
    }
    return true;
}

}  // namespace vl
