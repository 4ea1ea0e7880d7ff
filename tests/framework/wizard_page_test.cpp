// A wizard page under Wine: what Next, Previous and Cancel store and return, and the question
// before Cancel.
#include "framework/wizard_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/scripted_prompt.h"
#include "support/dialog_script.h"
#include "tests/framework/framework_test_resources.h"

namespace vl {
namespace {

using test::DialogScript;

struct SharedState {
    std::string name;
    int stores = 0;
};

// A page that shows the state's name, refuses Next while the field is empty and counts what it
// is told.
class NamePage : public WizardPageOf<SharedState> {
  public:
    explicit NamePage(SharedState& state) : WizardPageOf(IDD_TEST_WIZARD_PAGE, "Leave?", state) {}
    int cancelled = 0;
    int leftBack = 0;

  protected:
    BOOL OnInitDialog() override {
        SetDlgItemTextA(Handle(), IDC_TEST_EDIT, state_.name.c_str());
        return TRUE;
    }
    bool CanLeaveWithNext() override { return !Field().empty(); }
    void Store() override {
        state_.name = Field();
        ++state_.stores;
    }
    void OnLeavingBack() override { ++leftBack; }
    void OnCancelled() override { ++cancelled; }

  private:
    std::string Field() const {
        char text[64] = "";
        GetDlgItemTextA(Handle(), IDC_TEST_EDIT, text, sizeof text);
        return text;
    }
};

TEST(WizardPage, NextStoresAndReturnsNextOnlyWhenThePageAllowsIt) {
    SharedState state{"Aurora"};
    NamePage page(state);
    DialogScript script;
    std::string shown;
    script.ReadText(IDC_TEST_EDIT, shown)
        .SetText(IDC_TEST_EDIT, "")
        .Click(kWizardNext)  // refused: the page stays open and stores nothing
        .Do([&](HWND) { EXPECT_EQ(state.stores, 0); })
        .SetText(IDC_TEST_EDIT, "Night sky")
        .Click(kWizardNext);
    EXPECT_EQ(script.Play([&] { return page.Show(nullptr); }), kWizardNext);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(shown, "Aurora");
    EXPECT_EQ(state.name, "Night sky");
    EXPECT_EQ(state.stores, 1);
}

TEST(WizardPage, PreviousStoresEvenWhatNextWouldRefuse) {
    SharedState state{"Aurora"};
    NamePage page(state);
    DialogScript script;
    script.SetText(IDC_TEST_EDIT, "").Click(kWizardPrevious);
    EXPECT_EQ(script.Play([&] { return page.Show(nullptr); }), kWizardPrevious);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(state.name, "");
    EXPECT_EQ(state.stores, 1);
    EXPECT_EQ(page.leftBack, 1);
}

TEST(WizardPage, CancelAsksWithNoAsDefaultAndEndsOnlyOnYesWithoutStoring) {
    SharedState state{"Aurora"};
    NamePage page(state);
    ScriptedPrompt prompt;
    prompt.AnswerNo().AnswerYes();
    ScopedPromptOverride use(prompt);
    DialogScript script;
    script.SetText(IDC_TEST_EDIT, "Changed")
        .Click(kWizardCancel)  // No: still open
        .Do([&](HWND) { EXPECT_EQ(page.cancelled, 0); })
        .Click(kWizardCancel);
    EXPECT_EQ(script.Play([&] { return page.Show(nullptr); }), kWizardCancel);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_TRUE(prompt.Failures().empty());
    ASSERT_EQ(prompt.Shown().size(), 2u);
    for (const ShownPrompt& asked : prompt.Shown()) {
        EXPECT_EQ(asked.kind, PromptKind::Question);
        EXPECT_EQ(asked.text, "Leave?");
        EXPECT_EQ(asked.icon, MessageIcon::Exclamation);
        EXPECT_TRUE(asked.defaultNo);
    }
    EXPECT_EQ(page.cancelled, 1);
    EXPECT_EQ(state.name, "Aurora");
    EXPECT_EQ(state.stores, 0);
}

TEST(WizardPage, APageThatCannotBeShownCountsAsCancel) {
    SharedState state;
    class Missing : public WizardPageOf<SharedState> {
      public:
        explicit Missing(SharedState& s) : WizardPageOf(9999, "Leave?", s) {}
    } page(state);
    EXPECT_EQ(page.Show(nullptr), kWizardCancel);
}

}  // namespace
}  // namespace vl
