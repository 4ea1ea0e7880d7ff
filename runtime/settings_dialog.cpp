#include "runtime/settings_dialog.h"

#include "runtime/glint_resources.h"
#include "runtime/glint_settings.h"
#include "framework/prompt.h"

namespace vl {
namespace {

// The exit boxes in the order of ExitBoxes.
constexpr int kExitBoxIds[kExitBoxCount] = {
    IDC_EXIT_STANDARD, IDC_EXIT_MOUSE_MOVE, IDC_EXIT_BUTTON_DOWN, IDC_EXIT_DOUBLE_CLICK,
    IDC_EXIT_KEY_DOWN, IDC_EXIT_ESCAPE,     IDC_EXIT_DEACTIVATE};

int ExitBoxIndex(int id) {
    for (std::size_t i = 0; i < kExitBoxCount; ++i) {
        if (kExitBoxIds[i] == id)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

BOOL SettingsDialog::OnInitDialog() {
    Check(IDC_START_ON_STARTUP, startWithWindows);
    Check(IDC_SHOW_CURSOR, settings.showCursor);
    Check(IDC_SYS_KEY_COMB, settings.sysKeyComb);
    ShowBoxes(ExitBoxesOf(settings));
    return TRUE;
}

bool SettingsDialog::OnCommand(int id, int notifyCode, HWND control) {
    const int box = ExitBoxIndex(id);
    if (box >= 0 && notifyCode == BN_CLICKED) {
        ShowBoxes(ApplyExitBoxClick(ReadBoxes(), static_cast<std::size_t>(box)));
        return true;
    }
    if (id == IDOK) {
        startWithWindows = Checked(IDC_START_ON_STARTUP);
        settings.showCursor = Checked(IDC_SHOW_CURSOR);
        settings.sysKeyComb = Checked(IDC_SYS_KEY_COMB);
        SetExitBoxes(settings, ReadBoxes());
    }
    return ModalDialog::OnCommand(id, notifyCode, control);
}

void SettingsDialog::ShowBoxes(const ExitBoxes& boxes) {
    for (std::size_t i = 0; i < kExitBoxCount; ++i)
        Check(kExitBoxIds[i], boxes[i]);
}

ExitBoxes SettingsDialog::ReadBoxes() const {
    ExitBoxes boxes{};
    for (std::size_t i = 0; i < kExitBoxCount; ++i)
        boxes[i] = Checked(kExitBoxIds[i]);
    return boxes;
}

bool SettingsDialog::Checked(int id) const {
    return IsDlgButtonChecked(Handle(), id) == BST_CHECKED;
}

void SettingsDialog::Check(int id, bool checked) {
    CheckDlgButton(Handle(), id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void EditSettings(HWND owner) {
    const std::string program = OwnProgramPath();
    SettingsDialog dialog;
    dialog.settings = ReadExitSettings();
    dialog.startWithWindows = StartsWithWindows(program);
    if (dialog.Run(owner) != IDOK)
        return;
    // The user's exit choices are kept even when the start-up value is refused.
    if (!WriteExitSettings(dialog.settings))
        CurrentPrompt().Message(GLINT_SETTINGS_NOT_STORED, MessageIcon::Stop);
    if (!SetStartWithWindows(dialog.startWithWindows, program))
        CurrentPrompt().Message(GLINT_STARTUP_NOT_CHANGED, MessageIcon::Exclamation);
}

}  // namespace vl
