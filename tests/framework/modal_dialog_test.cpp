#include "framework/modal_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "tests/framework/framework_test_resources.h"

namespace vl {
namespace {

constexpr UINT kScript = WM_APP + 1;

// A dialog with an input and an output field that plays a script once it is shown, as a user
// would.
class NameDialog : public ModalDialog {
  public:
    NameDialog() : ModalDialog(IDD_TEST_DIALOG) {}

    std::string name;    // in: shown in the edit box
    std::string chosen;  // out: the edit box's text after OK
    int otherClicks = 0;
    std::function<void(HWND)> script;

  protected:
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
            case kScript:
                script(Handle());
                return TRUE;
            default:
                return ModalDialog::OnMessage(msg, wParam, lParam);
        }
    }
    BOOL OnInitDialog() override {
        SetDlgItemTextA(Handle(), IDC_TEST_EDIT, name.c_str());
        PostMessageA(Handle(), kScript, 0, 0);
        return TRUE;
    }
    bool OnCommand(int id, int notifyCode, HWND control) override {
        switch (id) {
            case IDC_TEST_OTHER:
                ++otherClicks;
                if (otherClicks == 2)
                    throw std::runtime_error("second click");
                return true;
            case IDOK: {
                char text[64] = "";
                GetDlgItemTextA(Handle(), IDC_TEST_EDIT, text, sizeof(text));
                chosen = text;
                break;
            }
            default:
                break;
        }
        return ModalDialog::OnCommand(id, notifyCode, control);
    }
};

void Click(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

TEST(ModalDialogBase, OkReturnsTheButtonAndFillsTheOutputFields) {
    NameDialog dialog;
    dialog.name = "Aquarium";
    std::string shownName;
    dialog.script = [&](HWND hwnd) {
        char text[64] = "";
        GetDlgItemTextA(hwnd, IDC_TEST_EDIT, text, sizeof(text));
        shownName = text;
        SetDlgItemTextA(hwnd, IDC_TEST_EDIT, "Night Sky");
        Click(hwnd, IDC_TEST_OTHER);
        Click(hwnd, IDOK);
    };
    EXPECT_EQ(dialog.Run(nullptr), IDOK);
    EXPECT_EQ(shownName, "Aquarium");
    EXPECT_EQ(dialog.chosen, "Night Sky");
    EXPECT_EQ(dialog.otherClicks, 1);
}

TEST(ModalDialogBase, CancelAndCloseReturnCancel) {
    NameDialog cancelled;
    cancelled.script = [](HWND hwnd) { Click(hwnd, IDCANCEL); };
    EXPECT_EQ(cancelled.Run(nullptr), IDCANCEL);
    EXPECT_EQ(cancelled.chosen, "");

    NameDialog closed;
    closed.script = [](HWND hwnd) { PostMessageA(hwnd, WM_CLOSE, 0, 0); };
    EXPECT_EQ(closed.Run(nullptr), IDCANCEL);
}

TEST(ModalDialogBase, ExceptionInAHandlerEndsTheDialogWithMinusOne) {
    NameDialog dialog;
    dialog.script = [](HWND hwnd) {
        Click(hwnd, IDC_TEST_OTHER);
        Click(hwnd, IDC_TEST_OTHER);
    };
    EXPECT_EQ(dialog.Run(nullptr), -1);
    EXPECT_EQ(dialog.otherClicks, 2);
}

TEST(ModalDialogBase, MissingTemplateGivesMinusOne) {
    class Missing : public ModalDialog {
      public:
        Missing() : ModalDialog(4242) {}
    } missing;
    EXPECT_EQ(missing.Run(nullptr), -1);
}

}  // namespace
}  // namespace vl
