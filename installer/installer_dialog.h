// Ferrule's one window: the installer dialog that names the screen saver it carries.
#pragma once

#include <windows.h>

#include "handles.h"

namespace vl {

class InstallerDialog {
  public:
    // Shows the dialog until it is closed; the id of the closing button, or -1.
    INT_PTR Run();

  private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    BOOL OnInitDialog();
    void OnCommand(int id);
    bool OnSysCommand(WPARAM command);
    void AddAboutItem();
    void ShowAbout();

    HWND dialog_ = nullptr;  // not owned: the dialog manager destroys it
    FontHandle nameFont_;    // Arial, 19 pixels, italic: the screen saver's name
};

}  // namespace vl
