// RunWizard on Windows: the pages as modal dialogs over the main window, the generated entries
// handed to it one by one with its private message, and the files made through its messages.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/wizard_page.h"
#include "scene/entry_list.h"
#include "wizard/core/wizard_driver.h"
#include "wizard/wizard_page_services.h"

namespace vl {

// The builder's side of a run. The main window gets File New (57600) and Preview (32793) as
// commands, each new entry with 0x8028 (sent, so it is in the scene before the next is made),
// and 0x8029 / 0x802A to make the screen saver and the installer, answering non-zero when the
// file was made.
struct WizardFrame {
    HWND mainWindow = nullptr;  // not owned
    // The open document's scene, which the generator searches as it grows.
    std::function<EntryList&()> scene;
    // Gives the open document the path and title and writes it there; false when it failed.
    std::function<bool(const std::string& path, const std::string& title)> saveScene;
    // A new, empty scene without asking about the open one (its changes were dealt with when the
    // wizard started); none: File New is sent.
    std::function<void()> newScene;
    WizardPageServices pages;
    // Shows a page; none: the wizard's own pages. Tests stand in for pages not under test.
    std::function<std::int32_t(WizardPage page, WizardData& data)> showPage;
};

// Runs the wizard over frame, starting in folder.
WizardOutcome RunWizard(const std::string& folder, WizardFrame& frame);

// The user's Documents folder followed by "Vistaloom Wizard\".
std::string UserWizardFolder();

}  // namespace vl
