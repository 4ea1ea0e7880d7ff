// The property dialogs' shared base under Wine: the data exchange on a dialog with one control of
// each kind, the caption and Comment button rules, and the object list's mouse rules.
#include "editor/property_dialog.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/object_list.h"
#include "editor/property_dialogs_resources.h"
#include "property_dialogs_test_resources.h"
#include "property_test_support.h"

namespace vl {
namespace {

using test::DialogScript;
using test::PropertyHarness;

class FieldsDialog : public PropertyDialog {
  public:
    FieldsDialog(const PropertyContext& context, DescriptionParam* description)
        : PropertyDialog(IDD_PD_TEST_FIELDS, context, "Wait", description) {
        Fields()
            .Text(IDC_T_TEXT, text, 10)
            .Integer(IDC_T_SIGNED, signedValue, -50, 50)
            .Integer(IDC_T_UNSIGNED, unsignedValue, 1, 999999)
            .Check(IDC_T_CHECK, check)
            .ThreeState(IDC_T_THREE, three)
            .Radio({IDC_T_RADIO_A, IDC_T_RADIO_B, IDC_T_RADIO_C}, radio)
            .ComboIndex(IDC_T_COMBO, combo);
    }

    std::string text = "Night";
    std::int32_t signedValue = -7;
    std::uint32_t unsignedValue = 5000;
    std::int32_t check = 5;  // any nonzero value shows checked
    std::int32_t three = 2;
    std::int32_t radio = 1;
    std::int32_t combo = 2;
    const SceneEntry* linked = nullptr;
    SceneEntry* chosen = nullptr;
    ObjectList objects;

  protected:
    BOOL OnInitDialog() override {
        for (const char* row : {"No Mixing", "OR", "AND"})
            SendDlgItemMessageA(Handle(), IDC_T_COMBO, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(row));
        PropertyDialog::OnInitDialog();
        objects.Attach(Handle(), IDC_T_LIST, IDC_T_LIST_LABEL, Context().scene, kImage, linked);
        return TRUE;
    }
    void AfterStore() override { chosen = objects.Selected(); }
};

TEST(DataExchange, LoadsEveryKindOfControlAndCancelKeepsTheFields) {
    PropertyHarness h;
    FieldsDialog dialog(h.context, nullptr);
    std::string text, signedText, unsignedText;
    UINT check = 0, three = 0, a = 0, b = 0, c = 0;
    int combo = -1;
    DialogScript script;
    script.ReadText(IDC_T_TEXT, text)
        .ReadText(IDC_T_SIGNED, signedText)
        .ReadText(IDC_T_UNSIGNED, unsignedText)
        .ReadCheck(IDC_T_CHECK, check)
        .ReadCheck(IDC_T_THREE, three)
        .ReadCheck(IDC_T_RADIO_A, a)
        .ReadCheck(IDC_T_RADIO_B, b)
        .ReadCheck(IDC_T_RADIO_C, c)
        .Do([&](HWND d) {
            combo = static_cast<int>(SendDlgItemMessageA(d, IDC_T_COMBO, CB_GETCURSEL, 0, 0));
        })
        .SetText(IDC_T_TEXT, "Day")
        .Click(IDCANCEL);
    EXPECT_EQ(script.Play([&] { return dialog.Run(nullptr); }), IDCANCEL);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(text, "Night");
    EXPECT_EQ(signedText, "-7");
    EXPECT_EQ(unsignedText, "5000");
    EXPECT_EQ(check, BST_CHECKED);
    EXPECT_EQ(three, BST_INDETERMINATE);
    EXPECT_EQ(a, BST_UNCHECKED);
    EXPECT_EQ(b, BST_CHECKED);
    EXPECT_EQ(c, BST_UNCHECKED);
    EXPECT_EQ(combo, 2);
    EXPECT_EQ(dialog.text, "Night");
    EXPECT_EQ(dialog.check, 5);
}

TEST(DataExchange, RefusesOutOfRangeKeepingTheFocusAndStoresAllOrNothing) {
    PropertyHarness h;
    FieldsDialog dialog(h.context, nullptr);
    bool focusOnSigned = false, focusOnUnsigned = false;
    std::string textWhileRefused;
    std::vector<std::string> shown;
    DialogScript script;
    script.SetText(IDC_T_TEXT, "Day")
        .SetText(IDC_T_SIGNED, "51")
        .Click(IDOK)
        .Do([&](HWND d) {
            focusOnSigned = GetFocus() == GetDlgItem(d, IDC_T_SIGNED);
            textWhileRefused = dialog.text;
        })
        .SetText(IDC_T_SIGNED, "-50")
        .SetText(IDC_T_UNSIGNED, "0")
        .Click(IDOK)
        .Do([&](HWND d) {
            focusOnUnsigned = GetFocus() == GetDlgItem(d, IDC_T_UNSIGNED);
            shown = h.prompt.Texts();
        })
        .SetText(IDC_T_UNSIGNED, "999999")
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return dialog.Run(nullptr); }), IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_TRUE(focusOnSigned);
    EXPECT_TRUE(focusOnUnsigned);
    // The text lies before the refused number, yet nothing was written while one was refused.
    EXPECT_EQ(textWhileRefused, "Night");
    EXPECT_EQ(shown, (std::vector<std::string>{"Please enter an integer between -50 and 50.",
                                               "Please enter an integer between 1 and 999999."}));
    EXPECT_EQ(dialog.text, "Day");
    EXPECT_EQ(dialog.signedValue, -50);
    EXPECT_EQ(dialog.unsignedValue, 999999u);
}

TEST(DataExchange, StoresChecksRadioButtonsAndTheComboIndex) {
    PropertyHarness h;
    FieldsDialog dialog(h.context, nullptr);
    int textLimit = 0;
    DialogScript script;
    script.Check(IDC_T_CHECK, BST_UNCHECKED)
        .Check(IDC_T_THREE, BST_CHECKED)
        .Check(IDC_T_RADIO_C)
        .Do([](HWND d) { SendDlgItemMessageA(d, IDC_T_COMBO, CB_SETCURSEL, 0, 0); })
        .Do([&](HWND d) {
            textLimit = static_cast<int>(SendDlgItemMessageA(d, IDC_T_TEXT, EM_GETLIMITTEXT, 0, 0));
        })
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return dialog.Run(nullptr); }), IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(dialog.check, 0);
    EXPECT_EQ(dialog.three, 1);
    EXPECT_EQ(dialog.radio, 2);
    EXPECT_EQ(dialog.combo, 0);
    EXPECT_EQ(textLimit, 10);
    EXPECT_TRUE(h.prompt.Texts().empty());
}

TEST(PropertyDialog, CaptionIsTheKindWithTheDescriptionAfterADash) {
    PropertyHarness h;
    DescriptionParam description;
    description.text = "Sunrise";
    std::string with, without;
    {
        FieldsDialog dialog(h.context, &description);
        DialogScript script;
        script.Do([&](HWND d) { with = test::WindowText(d); }).Click(IDCANCEL);
        script.Play([&] { return dialog.Run(nullptr); });
    }
    {
        description.text.clear();
        FieldsDialog dialog(h.context, &description);
        DialogScript script;
        script.Do([&](HWND d) { without = test::WindowText(d); }).Click(IDCANCEL);
        script.Play([&] { return dialog.Run(nullptr); });
    }
    EXPECT_EQ(with, "Wait - Sunrise");
    EXPECT_EQ(without, "Wait");
}

TEST(PropertyDialog, CommentEditsTheDescriptionRefreshesTheCaptionAndMovesTheDefault) {
    PropertyHarness h;
    DescriptionParam description;
    description.text = "Sunrise";
    FieldsDialog dialog(h.context, &description);
    std::string subTitle, subText, caption;
    int defaultId = 0;
    bool commentLooksDefault = true, okLooksDefault = false, focusOnOk = false;
    DialogScript script;
    script.Click(IDC_PD_COMMENT)
        .Do([&](HWND d) { subTitle = test::WindowText(d); })
        .ReadText(IDC_PD_DESCRIPTION_TEXT, subText)
        .SetText(IDC_PD_DESCRIPTION_TEXT, "Dusk")
        .Click(IDOK)
        .Do([&](HWND d) {
            caption = test::WindowText(d);
            defaultId = test::DefaultButton(d);
            commentLooksDefault = test::LooksDefault(d, IDC_PD_COMMENT);
            okLooksDefault = test::LooksDefault(d, IDOK);
            focusOnOk = GetFocus() == GetDlgItem(d, IDOK);
        })
        .Click(IDCANCEL);
    script.Play([&] { return dialog.Run(nullptr); });
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(subTitle, "Wait - Sunrise");
    EXPECT_EQ(subText, "Sunrise");
    EXPECT_EQ(caption, "Wait - Dusk");
    EXPECT_EQ(description.text, "Dusk");
    EXPECT_EQ(defaultId, IDOK);
    EXPECT_FALSE(commentLooksDefault);
    EXPECT_TRUE(okLooksDefault);
    EXPECT_TRUE(focusOnOk);
}

TEST(PropertyDialog, CancelledCommentChangesNeitherDescriptionNorCaption) {
    PropertyHarness h;
    DescriptionParam description;
    description.text = "Sunrise";
    FieldsDialog dialog(h.context, &description);
    std::string caption;
    DialogScript script;
    script.Click(IDC_PD_COMMENT)
        .SetText(IDC_PD_DESCRIPTION_TEXT, "Dusk")
        .Click(IDCANCEL)
        .Do([&](HWND d) { caption = test::WindowText(d); })
        .Click(IDCANCEL);
    script.Play([&] { return dialog.Run(nullptr); });
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(caption, "Wait - Sunrise");
    EXPECT_EQ(description.text, "Sunrise");
}

struct ObjectScene {
    PropertyHarness h;
    ImageEntry& first = h.Add<ImageEntry>("first");
    WaitEntry& wait = h.Add<WaitEntry>();
    ImageEntry& second = h.Add<ImageEntry>("second");
    MultimediaEntry& media = h.Add<MultimediaEntry>();
    ImageEntry& third = h.Add<ImageEntry>("third");

    static std::string Line(const SceneEntry& entry) {
        std::string line;
        entry.Describe(line);
        return line;
    }
};

TEST(ObjectList, ShowsTheKindsObjectsInSceneOrderWithTheLinkedOneSelected) {
    ObjectScene s;
    s.first.text = "Hello";
    s.first.isText = 1;
    FieldsDialog dialog(s.h.context, nullptr);
    dialog.linked = &s.second;
    std::vector<std::string> rows;
    int selected = -2;
    std::string tip;
    RECT tipArea{}, label{};
    DialogScript script;
    script
        .Do([&](HWND d) {
            rows = test::ListRows(d, IDC_T_LIST);
            selected = test::ListSelection(d, IDC_T_LIST);
            char text[80] = "";
            TOOLINFOA tool{};
            tool.cbSize = TTTOOLINFOA_V2_SIZE;
            tool.lpszText = text;
            if (SendMessageA(dialog.objects.Tooltip(), TTM_ENUMTOOLSA, 0,
                             reinterpret_cast<LPARAM>(&tool)))
                tip = text;
            tipArea = tool.rect;
            GetWindowRect(GetDlgItem(d, IDC_T_LIST_LABEL), &label);
            MapWindowPoints(nullptr, d, reinterpret_cast<POINT*>(&label), 2);
        })
        .Click(IDCANCEL);
    script.Play([&] { return dialog.Run(nullptr); });
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(rows,
              (std::vector<std::string>{ObjectScene::Line(s.first), ObjectScene::Line(s.second),
                                        ObjectScene::Line(s.third)}));
    EXPECT_NE(rows[0].find("Hello"), std::string::npos);
    EXPECT_EQ(selected, 1);
    EXPECT_EQ(tip, "Deselect - Ctrl+click");
    EXPECT_TRUE(EqualRect(&tipArea, &label));
}

TEST(ObjectList, CtrlClickOnTheSelectedLineClearsTheSelection) {
    ObjectScene s;
    FieldsDialog dialog(s.h.context, nullptr);
    dialog.linked = &s.second;
    int afterCtrlOther = -2, afterCtrlSelected = -2;
    DialogScript script;
    script.Do(test::ClickRow(IDC_T_LIST, 0, true))
        .Do([&](HWND d) { afterCtrlOther = test::ListSelection(d, IDC_T_LIST); })
        .Do(test::ClickRow(IDC_T_LIST, 0, true))
        .Do([&](HWND d) { afterCtrlSelected = test::ListSelection(d, IDC_T_LIST); })
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return dialog.Run(nullptr); }), IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(afterCtrlOther, 0);  // Ctrl+click on another line selects it as a click does
    EXPECT_EQ(afterCtrlSelected, LB_ERR);
    EXPECT_EQ(dialog.chosen, nullptr);
}

TEST(ObjectList, DoubleClickOnALineConfirmsTheDialogWithThatObject) {
    ObjectScene s;
    FieldsDialog dialog(s.h.context, nullptr);
    DialogScript script;
    script.Do(test::DoubleClickRow(IDC_T_LIST, 2));
    EXPECT_EQ(script.Play([&] { return dialog.Run(nullptr); }), IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(dialog.chosen, &s.third);
}

}  // namespace
}  // namespace vl
