// The dialog driver on dialogs of its own: a form with an edit box, check boxes and a button that
// opens a second dialog, and message boxes.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "support/dialog_script.h"
#include "support/top_windows.h"
#include "tests/support/support_test_resources.h"

namespace vl::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// The form's input and output, and what it saw happen.
struct Form {
    std::string name;           // in: shown in the name box
    std::string chosenName;     // out: the name box after OK
    UINT loop = BST_UNCHECKED;  // out
    int loopClicks = 0;
    int lockedClicks = 0;
    int detailRuns = 0;
};

INT_PTR CALLBACK DetailProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                // OK hands the typed name to the form.
                if (LOWORD(wParam) == IDOK) {
                    HWND form = reinterpret_cast<HWND>(GetWindowLongPtrA(dialog, DWLP_USER));
                    SetDlgItemTextA(form, IDC_SUPPORT_NAME,
                                    TextOf(GetDlgItem(dialog, IDC_SUPPORT_NAME)).c_str());
                }
                EndDialog(dialog, LOWORD(wParam));
            }
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK FormProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            form = reinterpret_cast<Form*>(lParam);
            SetDlgItemTextA(dialog, IDC_SUPPORT_NAME, form->name.c_str());
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_SUPPORT_LOOP:
                    ++form->loopClicks;
                    return TRUE;
                case IDC_SUPPORT_LOCKED:
                    ++form->lockedClicks;
                    return TRUE;
                case IDC_SUPPORT_DETAIL:
                    ++form->detailRuns;
                    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SUPPORT_DETAIL),
                                    dialog, &DetailProc, reinterpret_cast<LPARAM>(dialog));
                    return TRUE;
                case IDOK:
                    form->chosenName = TextOf(GetDlgItem(dialog, IDC_SUPPORT_NAME));
                    form->loop = IsDlgButtonChecked(dialog, IDC_SUPPORT_LOOP);
                    EndDialog(dialog, IDOK);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

INT_PTR ShowForm(Form& form) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SUPPORT_FORM), nullptr,
                           &FormProc, reinterpret_cast<LPARAM>(&form));
}

TEST(DialogScript, PlaysItsStepsAfterTheDialogIsInitialised) {
    Form form;
    form.name = "Aquarium";
    std::string shown = "not read";
    std::string typed;
    UINT loop = 99;
    DialogScript script;
    script.ReadText(IDC_SUPPORT_NAME, shown)
        .SetText(IDC_SUPPORT_NAME, "Night Sky")
        .ReadText(IDC_SUPPORT_NAME, typed)
        .Check(IDC_SUPPORT_LOOP)
        .ReadCheck(IDC_SUPPORT_LOOP, loop)
        .Click(IDOK);

    EXPECT_EQ(script.Play([&] { return ShowForm(form); }), IDOK);
    EXPECT_THAT(script.Failures(), IsEmpty());
    EXPECT_EQ(shown, "Aquarium");
    EXPECT_EQ(typed, "Night Sky");
    EXPECT_EQ(loop, static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(form.chosenName, "Night Sky");
    EXPECT_EQ(form.loop, static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(form.loopClicks, 1);
}

TEST(DialogScript, CheckClicksOnlyUntilTheBoxShowsTheState) {
    Form form;
    UINT shade = 99;
    DialogScript script;
    script
        .Check(IDC_SUPPORT_LOOP, BST_UNCHECKED)  // already so: no click
        .Check(IDC_SUPPORT_LOOP)
        .Check(IDC_SUPPORT_LOOP)
        .Check(IDC_SUPPORT_SHADE, BST_INDETERMINATE)  // two clicks on a three-state box
        .ReadCheck(IDC_SUPPORT_SHADE, shade)
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return ShowForm(form); }), IDOK);
    EXPECT_THAT(script.Failures(), IsEmpty());
    EXPECT_EQ(form.loopClicks, 1);
    EXPECT_EQ(shade, static_cast<UINT>(BST_INDETERMINATE));
}

TEST(DialogScript, StepsGoToADialogThatAStepOpensAndThenBack) {
    Form form;
    std::string title;
    std::string afterDetail;
    DialogScript script;
    script.Click(IDC_SUPPORT_DETAIL)
        .Do([&](HWND dialog) { title = TextOf(dialog); })
        .SetText(IDC_SUPPORT_NAME, "Coral")
        .Click(IDOK)  // the detail's
        .ReadText(IDC_SUPPORT_NAME, afterDetail)
        .Click(IDOK);  // the form's
    EXPECT_EQ(script.Play([&] { return ShowForm(form); }), IDOK);
    EXPECT_THAT(script.Failures(), IsEmpty());
    EXPECT_EQ(form.detailRuns, 1);
    EXPECT_EQ(title, "Detail");
    EXPECT_EQ(afterDetail, "Coral");
    EXPECT_EQ(form.chosenName, "Coral");
}

TEST(DialogScript, WhatAUserCouldNotDoIsAFailureAndIsSkipped) {
    Form form;
    std::string missing = "untouched";
    DialogScript script;
    script.Click(IDC_SUPPORT_LOCKED)
        .Click(IDC_SUPPORT_HIDDEN)
        .SetText(IDC_SUPPORT_NOTE, "typed")
        .Check(4242)
        .ReadText(4243, missing)
        .Click(IDCANCEL);
    EXPECT_EQ(script.Play([&] { return ShowForm(form); }), IDCANCEL);
    EXPECT_THAT(script.Failures(),
                ElementsAre("cannot click control 1004 of \"Scene form\": it is disabled",
                            "cannot click control 1005 of \"Scene form\": it is hidden",
                            "cannot type into control 1006 of \"Scene form\": it is read-only",
                            "cannot check control 4242 of \"Scene form\": there is none",
                            "cannot read control 4243 of \"Scene form\": there is none"));
    EXPECT_EQ(form.lockedClicks, 0);
    EXPECT_EQ(missing, "untouched");
}

TEST(DialogScript, AScriptThatEndsWithTheDialogOpenClosesIt) {
    Form form;
    DialogScript script;
    script.SetText(IDC_SUPPORT_NAME, "Tide");
    EXPECT_EQ(script.Play([&] { return ShowForm(form); }), IDCANCEL);
    EXPECT_THAT(script.Failures(), ElementsAre("the script ended with \"Scene form\" still open"));
    EXPECT_EQ(form.chosenName, "");
}

TEST(DialogScript, StepsLeftWhenTheDialogsAreGoneAreReported) {
    Form form;
    DialogScript script;
    script.Click(IDOK).SetText(IDC_SUPPORT_NAME, "late").Click(IDCANCEL);
    EXPECT_EQ(script.Play([&] { return ShowForm(form); }), IDOK);
    EXPECT_THAT(script.Failures(),
                ElementsAre("steps not played: 2, from: set the text of control 1000"));
}

TEST(DialogScript, AnswersMessageBoxes) {
    std::string text;
    DialogScript script;
    script.Do([&](HWND box) { text = MessageBoxText(box); }).Click(IDNO);
    EXPECT_EQ(script.Play([] {
        return MessageBoxA(nullptr, "Save the changes?", "Vistaloom", MB_YESNOCANCEL);
    }),
              IDNO);
    EXPECT_THAT(script.Failures(), IsEmpty());
    EXPECT_EQ(text, "Save the changes?");
}

TEST(DialogScript, ABoxThatAStepOpensIsAnsweredBeforeTheStepEnds) {
    // The form's OK asks a question first, as the builder's dialogs do through the prompt.
    std::string question;
    int answer = 0;
    DialogScript script;
    script
        .Do([&](HWND dialog) {
            answer = MessageBoxA(dialog, "Replace it?", "Scene form", MB_YESNO);
        })
        .Do([&](HWND box) { question = MessageBoxText(box); })
        .Click(IDYES)
        .Click(IDCANCEL);
    Form form;
    EXPECT_EQ(script.Play([&] { return ShowForm(form); }), IDCANCEL);
    EXPECT_THAT(script.Failures(), IsEmpty());
    EXPECT_EQ(question, "Replace it?");
    EXPECT_EQ(answer, IDYES);
}

TEST(DialogScript, WithoutADialogNoStepIsPlayed) {
    DialogScript script;
    script.Click(IDOK);
    EXPECT_EQ(script.Play([] { return INT_PTR{7}; }), 7);
    EXPECT_THAT(script.Failures(), ElementsAre(HasSubstr("steps not played: 1")));
}

}  // namespace
}  // namespace vl::test
