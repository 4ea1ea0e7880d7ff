// Ferrule's one window: the installer dialog that names the screen saver it carries and
// installs or previews it.
#pragma once

#include <windows.h>

#include "framework/dialog_procedure.h"
#include "framework/handles.h"

namespace vl {

class InstallerDialog {
  public:
    InstallerDialog();
    // Shows the dialog until it is closed; the id of the closing button, or -1. Copies of the
    // screen saver left behind by previews are removed afterwards.
    INT_PTR Run();

  private:
    friend struct DialogProcedure<InstallerDialog>;
    void Attach(HWND dialog) { dialog_ = dialog; }
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    BOOL OnInitDialog();
    void OnCommand(int id);
    bool OnSysCommand(WPARAM command);
    void AddAboutItem();
    void ShowAbout();
    void OnInstall();
    void OnPreview();

    // Copies the payload into a fresh temporary file (temporaryPath_) and a runnable copy of it
    // (the same path with ".SCR"). On failure either errorText_ holds what the caller shows
    // before closing, or, when the temporary file could not be written, the message has been
    // shown, nothing is left behind and errorText_ is null.
    bool ExtractPayload();
    // Shows errorText_ and closes, after a failed extraction that has not reported itself.
    void FailExtraction();
    void ShowError(const char* text);
    void ShowTemporaryFileFailure();
    // Deletes the temporary file and the runnable copy; a runnable copy still in use is kept
    // for removal when the dialog closes.
    void RemoveExtracted();
    void RemoveRunnableCopies();

    static constexpr int kMaxRunnableCopies = 16;

    HWND dialog_ = nullptr;  // not owned: the dialog manager destroys it
    FontHandle nameFont_;    // Arial, 19 pixels, italic: the screen saver's name
    char ownPath_[MAX_PATH];
    char appName_[MAX_PATH];        // captions the message boxes
    char temporaryPath_[MAX_PATH];  // the last extraction's temporary file; empty before
    const char* errorText_ = nullptr;
    char runnableCopies_[kMaxRunnableCopies][MAX_PATH];  // copies a running preview still uses
    int runnableCopyCount_ = 0;
};

}  // namespace vl
