// A driver for the modal dialogs a test shows on its own thread: it plays a script of steps on
// them as a user would, one step per message, starting once the dialog has handled WM_INITDIALOG.
//
//   DialogScript script;
//   std::string shown;
//   script.ReadText(IDC_NAME, shown).SetText(IDC_NAME, "Night Sky").Check(IDC_LOOP).Click(IDOK);
//   EXPECT_EQ(script.Play([&] { return dialog.Run(nullptr); }), IDOK);
//   EXPECT_THAT(script.Failures(), IsEmpty());
//
// Each step acts on the innermost dialog of this thread that is open when its turn comes (a
// message box is a dialog too), so a click that opens another dialog is followed by the steps for
// that one, and the steps after them go back to the first. A step that a user could not do (a
// control that is missing, hidden or disabled) is recorded as a failure and skipped. A script
// that ends while a dialog is still open closes that dialog with IDCANCEL and records a failure,
// so a test never hangs on a dialog nobody answers.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vl::test {

class DialogScript {
  public:
    using Step = std::function<void(HWND dialog)>;

    // Replaces the control's text as typing would (an edit box reports the change).
    DialogScript& SetText(int id, const std::string& text);
    // Clicks the button.
    DialogScript& Click(int id);
    // Clicks the check box or radio button until it shows state (BST_CHECKED, BST_UNCHECKED,
    // BST_INDETERMINATE); none when it shows it already.
    DialogScript& Check(int id, UINT state = BST_CHECKED);
    // Copy what the control shows when the step's turn comes.
    DialogScript& ReadText(int id, std::string& text);
    DialogScript& ReadCheck(int id, UINT& state);
    // Anything else, on the dialog's handle.
    DialogScript& Do(Step step);

    // Calls show, which shows the dialog (and may show more) on this thread and returns when it
    // is closed, while the steps are played; returns what show returns. A script plays once.
    INT_PTR Play(const std::function<INT_PTR()>& show);

    // What did not go as the script said; empty when it all went as written.
    const std::vector<std::string>& Failures() const { return failures_; }

  private:
    struct Entry {
        std::string what;  // for the failures
        Step step;
    };
    static LRESULT CALLBACK AfterMessage(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK BeforeDispatch(int code, WPARAM wParam, LPARAM lParam);

    DialogScript& Add(std::string what, Step step);
    // A control a user can reach, or nullptr after recording why not.
    HWND Reachable(HWND dialog, int id, const char* action);
    void OnDialogOpened(HWND dialog);
    void OnDialogClosed(HWND dialog);
    void PlayNext();
    // Posts the next turn to the innermost open dialog unless one is posted already.
    void Schedule();
    HWND Innermost();

    std::vector<Entry> steps_;
    std::size_t next_ = 0;
    std::vector<HWND> open_;       // this thread's dialogs, innermost last; not owned
    HWND turnPostedTo_ = nullptr;  // the dialog the next turn was posted to; not owned
    WPARAM turn_ = 0;              // the number of the turn posted last: older ones are stale
    std::vector<std::string> failures_;
};

}  // namespace vl::test
