// The dialogs of the sequences page under Wine: "Insert sequence" with the defined objects of one
// kind, its refusal without a selection and the chosen index; "Preview sequence".
#include "wizard/insert_sequence_dialog.h"

#include "wizard/preview_sequence_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/scripted_prompt.h"
#include "support/dialog_script.h"
#include "tests/wizard_core/wizard_objects.h"
#include "wizard/preview_sequence_dialog.h"
#include "wizard/wizard_resources.h"

namespace vl {
namespace {

using test::DialogScript;

std::vector<std::string> Lines(HWND dialog) {
    std::vector<std::string> lines;
    HWND list = GetDlgItem(dialog, IDC_INSERT_LIST);
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[200] = "";
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        lines.push_back(text);
    }
    return lines;
}

DialogScript::Step SelectLine(int index) {
    return [index](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_INSERT_LIST, LB_SETCURSEL, index, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_INSERT_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_INSERT_LIST)));
    };
}

TEST(InsertSequence, OffersTheObjectsOfItsKindInOrderAndNeedsASelection) {
    WizardData data = MakeWizardData("C:\\Out\\");
    data.texts.push_back(testing::TextMessage("zebra"));
    data.texts.push_back(testing::TextMessage("apple"));
    data.images.push_back(testing::Picture("sky.bmp"));
    ScriptedPrompt prompt;
    ScopedPromptOverride use(prompt);
    DialogScript script;
    std::vector<std::string> lines;
    bool testShown = true;
    script
        .Do([&](HWND d) {
            lines = Lines(d);
            testShown = (GetWindowLongA(GetDlgItem(d, IDC_INSERT_TEST), GWL_STYLE) & WS_VISIBLE);
        })
        .Click(IDOK)
        .Do(SelectLine(1))
        .Click(IDOK);
    CInsertSequenceDialog dialog(kSequenceText, data);
    EXPECT_EQ(script.Play([&] { return dialog.Run(nullptr); }), IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(lines, (std::vector<std::string>{"zebra", "apple"}));
    EXPECT_FALSE(testShown);
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"You must select item to make sequence"});
    EXPECT_EQ(dialog.chosen, 1);
}

TEST(InsertSequence, MediaOfferTheTestInsteadOfThePreviewAndCancelChoosesNothing) {
    WizardData data = MakeWizardData("C:\\Out\\");
    data.media.push_back(testing::Media("sea.wav"));
    DialogScript script;
    std::vector<std::string> lines;
    bool pictureShown = true;
    script
        .Do([&](HWND d) {
            lines = Lines(d);
            pictureShown =
                (GetWindowLongA(GetDlgItem(d, IDC_INSERT_PICTURE), GWL_STYLE) & WS_VISIBLE);
        })
        .Do(SelectLine(0))
        .Click(IDCANCEL);
    int chosen = 0;
    script.Play([&] {
        chosen = ChooseSequenceObject(nullptr, kSequenceMedia, data);
        return IDCANCEL;
    });
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(lines, std::vector<std::string>{"sea.wav"});
    EXPECT_FALSE(pictureShown);
    EXPECT_EQ(chosen, -1);
}

TEST(PreviewSequence, ATextIsShownAsDrawnWithTheSizeOfItsArea) {
    WizardSequence text = MakeWizardSequence(kSequenceText, *testing::TextMessage("Hello"), 800);
    WizardSequence empty = MakeWizardSequence(kSequenceText, *testing::TextMessage(""), 800);
    for (const WizardSequence* sequence : {&text, &empty}) {
        DialogScript script;
        std::string caption, size;
        script
            .Do([&](HWND d) {
                char title[64] = "";
                GetWindowTextA(d, title, sizeof title);
                caption = title;
            })
            .ReadText(IDC_OBJECT_PICTURE_SIZE, size)
            .Click(IDOK);
        script.Play([&] {
            PreviewSequence(nullptr, *sequence);
            return IDOK;
        });
        EXPECT_TRUE(script.Failures().empty());
        EXPECT_EQ(caption, "Preview sequence");
        // An empty text has no area: "No Image" and no size.
        EXPECT_EQ(size.empty(), sequence == &empty) << size;
    }
}

}  // namespace
}  // namespace vl
