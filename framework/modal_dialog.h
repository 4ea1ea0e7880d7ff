// Base of the modal dialogs made from resource templates. A derived class keeps its input and
// output in public fields, fills its controls in OnInitDialog and reads them back before it ends;
// Run() returns the id of the button that closed it.
#pragma once

#include <windows.h>

#include "framework/dialog_procedure.h"

namespace vl {

class ModalDialog {
  public:
    explicit ModalDialog(int templateId) : templateId_(templateId) {}
    virtual ~ModalDialog() = default;
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // The closing button's id (IDOK, IDCANCEL, ...), or -1 when the dialog could not be created.
    INT_PTR Run(HWND owner);

  protected:
    // One switch over msg in each derived class; return FALSE for what the system should handle.
    virtual INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // TRUE lets the system put the focus on the first control.
    virtual BOOL OnInitDialog() { return TRUE; }
    // The default ends the dialog on OK and Cancel; true when the command was handled.
    virtual bool OnCommand(int id, int notifyCode, HWND control);
    // An exception reached the dialog procedure: the default ends the dialog with -1.
    virtual void OnException() { End(-1); }

    void End(INT_PTR result) { EndDialog(hwnd_, result); }
    HWND Handle() const { return hwnd_; }
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

  private:
    friend struct DialogProcedure<ModalDialog>;
    void Attach(HWND hwnd) { hwnd_ = hwnd; }

    int templateId_;
    HWND hwnd_ = nullptr;  // not owned: the dialog manager destroys it before Run returns
};

}  // namespace vl
