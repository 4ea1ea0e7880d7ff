// The text messages page under Wine: a text made with a chosen font and colours, the labels, and
// what removing the last text leaves.
#include "wizard/texts_page.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/scripted_prompt.h"
#include "support/dialog_script.h"
#include "tests/wizard_core/wizard_objects.h"
#include "wizard/wizard_resources.h"

namespace vl {
namespace {

using test::DialogScript;

class FakeChooser final : public StyleChooser {
  public:
    bool PickFont(HWND, LogFont& font, std::uint32_t& colour) override {
        font.SetFaceName("Arial");
        font.height = -16;
        font.weight = 700;
        colour = 0x0000FF;
        return true;
    }
    bool PickColour(HWND, std::uint32_t& colour) override {
        colour = 0x00FF00;
        return true;
    }
};

std::vector<std::string> Lines(HWND dialog) {
    std::vector<std::string> lines;
    HWND list = GetDlgItem(dialog, IDC_TEXT_LIST);
    for (int i = 0; i < ListView_GetItemCount(list); ++i) {
        char text[200] = "";
        ListView_GetItemText(list, i, 0, text, sizeof text);
        lines.push_back(text);
    }
    return lines;
}

TEST(TextsPage, ATextIsMadeWithTheChosenFontAndColours) {
    WizardData data = MakeWizardData("C:\\Out\\");
    WizardPageServices services;
    FakeChooser chooser;
    DialogScript script;
    std::string name, style, size, edit, pixels;
    bool colourAtFirst = true, colourWhenYours = false;
    std::vector<std::string> lines;
    script.Do([&](HWND d) { colourAtFirst = IsWindowEnabled(GetDlgItem(d, IDC_TEXT_COLOUR)); })
        .SetText(IDC_TEXT_EDIT, "Hello")
        .Click(IDC_TEXT_CHANGE_FONT)
        .ReadText(IDC_TEXT_FONT_NAME, name)
        .ReadText(IDC_TEXT_FONT_STYLE, style)
        .ReadText(IDC_TEXT_FONT_SIZE, size)
        .ReadText(IDC_OBJECT_PICTURE_SIZE, pixels)
        .Check(IDC_TEXT_YOUR)
        .Do([&](HWND d) { colourWhenYours = IsWindowEnabled(GetDlgItem(d, IDC_TEXT_COLOUR)); })
        .Click(IDC_TEXT_COLOUR)
        .Click(IDC_OBJECT_ADD)
        .ReadText(IDC_TEXT_EDIT, edit)
        .Do([&](HWND d) { lines = Lines(d); })
        .Click(IDOK);
    CTextsPage page(data, services, chooser);
    EXPECT_EQ(script.Play([&] { return page.Show(nullptr); }), kWizardNext);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_FALSE(colourAtFirst);
    EXPECT_TRUE(colourWhenYours);
    EXPECT_EQ(name, "Font name: Arial");
    EXPECT_EQ(style, "Font style: Bold");
    EXPECT_EQ(size, "Font size: 12");
    EXPECT_NE(pixels, "");  // the text's area is measured
    EXPECT_EQ(edit, "");
    EXPECT_EQ(lines, std::vector<std::string>{"Hello"});
    ASSERT_EQ(data.texts.size(), 1u);
    const ImageEntry& text = *data.texts[0];
    EXPECT_EQ(text.isText, 1);
    EXPECT_EQ(text.text, "Hello");
    EXPECT_EQ(text.font.FaceName(), "Arial");
    EXPECT_EQ(text.textColour, 0x0000FFu);
    EXPECT_EQ(text.backgroundColour, 0x00FF00u);
    EXPECT_EQ(text.opaque, 1);
}

TEST(TextsPage, RemovingTheLastTextLeavesAnEmptyWhiteOnBlackOne) {
    WizardData data = MakeWizardData("C:\\Out\\");
    data.texts.push_back(testing::TextMessage("Bye"));
    WizardPageServices services;
    FakeChooser chooser;
    ScriptedPrompt prompt;
    ScopedPromptOverride use(prompt);
    DialogScript script;
    UINT yours = BST_UNCHECKED;
    bool colourOn = false;
    std::vector<std::string> lines;
    script
        .Do([](HWND d) {
            ListView_SetItemState(GetDlgItem(d, IDC_TEXT_LIST), -1, 0, LVIS_SELECTED);
        })
        .Click(IDC_OBJECT_REMOVE)
        .Do([](HWND d) {
            ListView_SetItemState(GetDlgItem(d, IDC_TEXT_LIST), 0, LVIS_SELECTED, LVIS_SELECTED);
        })
        .Click(IDC_OBJECT_REMOVE)
        .ReadCheck(IDC_TEXT_YOUR, yours)
        .Do([&](HWND d) {
            colourOn = IsWindowEnabled(GetDlgItem(d, IDC_TEXT_COLOUR));
            lines = Lines(d);
        })
        .Click(IDOK);
    CTextsPage page(data, services, chooser);
    EXPECT_EQ(script.Play([&] { return page.Show(nullptr); }), kWizardNext);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(prompt.Texts(),
              std::vector<std::string>{"You must select item \nin order to delete it!"});
    EXPECT_EQ(yours, static_cast<UINT>(BST_CHECKED));
    EXPECT_TRUE(colourOn);
    EXPECT_EQ(lines, std::vector<std::string>{""});
    ASSERT_EQ(data.texts.size(), 1u);
    EXPECT_EQ(data.texts[0]->text, "");
    EXPECT_EQ(data.texts[0]->textColour, 0x00FFFFFFu);
    EXPECT_EQ(data.texts[0]->backgroundColour, 0x00000000u);
}

}  // namespace
}  // namespace vl
