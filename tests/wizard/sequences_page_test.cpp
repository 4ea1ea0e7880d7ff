// The sequences page under Wine: the list's lines, moving and removing with their refusals, the
// fields arranged by kind and stored as they change, adding from the defined objects, Finish.
#include "wizard/sequences_page.h"

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

std::string Line(HWND dialog, int index) {
    char text[400] = "";
    ListView_GetItemText(GetDlgItem(dialog, IDC_SEQ_LIST), index, 0, text, sizeof text);
    return text;
}

int Selected(HWND dialog) {
    return ListView_GetNextItem(GetDlgItem(dialog, IDC_SEQ_LIST), -1, LVNI_SELECTED);
}

// As a click on the line.
DialogScript::Step SelectLine(int index) {
    return [index](HWND dialog) {
        ListView_SetItemState(GetDlgItem(dialog, IDC_SEQ_LIST), index, LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
    };
}

// Shown by the page, whether or not the page itself is on screen yet.
bool Visible(HWND dialog, int id) {
    return (GetWindowLongA(GetDlgItem(dialog, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

struct Page {
    WizardData data = MakeWizardData("C:\\Out\\");
    WizardPageServices services;
    ScriptedPrompt prompt;

    Page() {
        data.name = "Sky";
        data.images.push_back(testing::Picture("a.bmp"));
        data.images.push_back(testing::Picture("b.jpg"));
        for (const auto& image : data.images)
            data.sequences.push_back(MakeWizardSequence(kSequenceImage, *image, 800));
    }
    WizardPageResult Play(DialogScript& script) {
        ScopedPromptOverride use(prompt);
        CSequencesPage page(data, services);
        return static_cast<WizardPageResult>(script.Play([&] { return page.Show(nullptr); }));
    }
};

TEST(SequencesPage, MovingRefusesTheEndsAndKeepsTheMovedLineSelected) {
    Page page;
    page.prompt.AnswerNo().AnswerYes();
    DialogScript script;
    std::string firstAfterRefusal;
    int selectedAfterMove = -1;
    script
        .Click(IDC_SEQ_MOVE_UP)  // nothing selected
        .Do(SelectLine(0))
        .Click(IDC_SEQ_MOVE_UP)
        .Do([&](HWND d) { firstAfterRefusal = Line(d, 0); })
        .Click(IDC_SEQ_MOVE_DOWN)
        .Do([&](HWND d) { selectedAfterMove = Selected(d); })
        .Click(IDC_SEQ_MOVE_DOWN)
        .Click(IDOK)   // No: stays
        .Click(IDOK);  // Yes
    EXPECT_EQ(page.Play(script), kWizardNext);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_TRUE(page.prompt.Failures().empty());
    EXPECT_EQ(firstAfterRefusal, "Image:a.bmp Show [Center,Center] No clear, Wait, Hide.");
    EXPECT_EQ(selectedAfterMove, 1);
    EXPECT_EQ(page.prompt.Texts(),
              (std::vector<std::string>{"You must select item \nin order to move it!",
                                        "Cannot move first item up!", "Cannot move last item down!",
                                        "Are you sure you want to finish making your scr?",
                                        "Are you sure you want to finish making your scr?"}));
    ASSERT_EQ(page.data.sequences.size(), 2u);
    EXPECT_EQ(page.data.sequences[0].image->fileName, "b.jpg");
    EXPECT_EQ(page.data.sequences[1].image->fileName, "a.bmp");
}

TEST(SequencesPage, RemoveAndPreviewNeedASelection) {
    Page page;
    int previewed = 0;
    page.services.previewSequence = [&](const WizardSequence&) { ++previewed; };
    DialogScript script;
    int lines = -1;
    script.Click(IDC_SEQ_REMOVE)
        .Click(IDC_SEQ_PREVIEW)
        .Do(SelectLine(1))
        .Click(IDC_SEQ_PREVIEW)
        .Click(IDC_SEQ_REMOVE)
        .Do([&](HWND d) { lines = ListView_GetItemCount(GetDlgItem(d, IDC_SEQ_LIST)); })
        .Click(IDC_WIZARD_PREVIOUS);
    EXPECT_EQ(page.Play(script), kWizardPrevious);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(page.prompt.Texts(),
              (std::vector<std::string>{"You must select item \nin order to delete it!",
                                        "You must select item \nin order to preview it!"}));
    EXPECT_EQ(previewed, 1);
    EXPECT_EQ(lines, 1);
    ASSERT_EQ(page.data.sequences.size(), 1u);
    EXPECT_EQ(page.data.sequences[0].image->fileName, "a.bmp");
}

TEST(SequencesPage, FieldsFollowTheKindAndEveryChangeIsStoredAndShownInTheLine) {
    Page page;
    page.data.texts.push_back(testing::TextMessage("Good night"));
    page.data.sequences.push_back(MakeWizardSequence(kSequenceText, *page.data.texts[0], 800));
    DialogScript script;
    std::string title, firstGroup, line;
    bool endShown = true, effectsShown = false, showXEnabled = true;
    script.Do(SelectLine(0))
        .ReadText(IDC_SEQ_GROUP, title)
        .Do([&](HWND d) {
            endShown = Visible(d, IDC_SEQ_END_X);
            effectsShown = Visible(d, IDC_SEQ_EFFECT_TILE);
        })
        .Check(IDC_SEQ_EFFECT_STRETCH)
        .Do([&](HWND d) { showXEnabled = IsWindowEnabled(GetDlgItem(d, IDC_SEQ_SHOW_X)); })
        .Check(IDC_SEQ_MOVE)
        .Check(IDC_SEQ_CENTRE_START_X)
        .SetText(IDC_SEQ_START_Y, "500")
        .SetText(IDC_SEQ_END_X, "640")
        .SetText(IDC_SEQ_END_Y, "100")
        .Check(IDC_SEQ_CLEAR)
        .ReadText(IDC_SEQ_FIRST_GROUP, firstGroup)
        .Do([&](HWND d) { line = Line(d, 0); })
        .Do(SelectLine(2))
        .Click(IDC_WIZARD_PREVIOUS);
    EXPECT_EQ(page.Play(script), kWizardPrevious);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(title, "Image sequence properties");
    EXPECT_FALSE(endShown);
    EXPECT_TRUE(effectsShown);
    EXPECT_FALSE(showXEnabled);
    EXPECT_EQ(firstGroup, "Start position");
    EXPECT_EQ(line, "Image:a.bmp Move [Center,500],[640,100] Clear, Wait, Hide.");
    const WizardSequence& moved = page.data.sequences[0];
    EXPECT_EQ(moved.move, 1);
    EXPECT_EQ(moved.centreStartX, 1);
    EXPECT_EQ(moved.startY, 500);
    EXPECT_EQ(moved.endX, 640);
    EXPECT_EQ(moved.effect, kEffectStretch);
}

TEST(SequencesPage, TextSequencesAreNamedAsTextsAndOutOfRangeNumbersAreRefused) {
    Page page;
    page.data.texts.push_back(testing::TextMessage("Good night"));
    page.data.sequences.push_back(MakeWizardSequence(kSequenceText, *page.data.texts[0], 800));
    page.prompt.AnswerYes();
    DialogScript script;
    std::string title, clear, hide;
    bool effectsShown = true;
    script.Do(SelectLine(2))
        .ReadText(IDC_SEQ_GROUP, title)
        .ReadText(IDC_SEQ_CLEAR, clear)
        .ReadText(IDC_SEQ_HIDE, hide)
        .Do([&](HWND d) { effectsShown = Visible(d, IDC_SEQ_EFFECT_TILE); })
        .SetText(IDC_SEQ_WAIT_SECONDS, "101")
        .Click(IDOK)  // refused before the question
        .SetText(IDC_SEQ_WAIT_SECONDS, "7")
        .Click(IDOK);
    EXPECT_EQ(page.Play(script), kWizardNext);
    for (const std::string& failure : script.Failures())
        ADD_FAILURE() << failure;
    EXPECT_EQ(title, "Text message sequence properties");
    EXPECT_EQ(clear, "Clear screen before showing text message");
    EXPECT_EQ(hide, "Hide text message at the end of the sequence");
    EXPECT_FALSE(effectsShown);
    ASSERT_EQ(page.prompt.Texts().size(), 2u);
    EXPECT_EQ(page.prompt.Texts()[0], "Please enter an integer between 1 and 100.");
    EXPECT_EQ(page.data.sequences[2].waitSeconds, 7);
}

TEST(SequencesPage, NewSequencesComeFromTheDefinedObjectsOfChosenKinds) {
    Page page;
    page.data.sequences.clear();
    page.data.useMedia = 1;  // but no media defined
    page.data.useTexts = 1;
    page.data.texts.push_back(testing::TextMessage(""));  // the only text is empty
    std::vector<std::int32_t> asked;
    page.services.chooseObject = [&](std::int32_t kind, const WizardData&) {
        asked.push_back(kind);
        return 1;
    };
    DialogScript script;
    bool mediaOn = true, textOn = true;
    std::string line;
    int selected = -1;
    script
        .Do([&](HWND d) {
            mediaOn = IsWindowEnabled(GetDlgItem(d, IDC_SEQ_ADD_MEDIA));
            textOn = IsWindowEnabled(GetDlgItem(d, IDC_SEQ_ADD_TEXT));
        })
        .Click(IDC_SEQ_ADD_IMAGE)
        .Do([&](HWND d) {
            line = Line(d, 0);
            selected = Selected(d);
        })
        .Click(IDC_WIZARD_PREVIOUS);
    EXPECT_EQ(page.Play(script), kWizardPrevious);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_FALSE(mediaOn);
    EXPECT_FALSE(textOn);
    EXPECT_EQ(asked, std::vector<std::int32_t>{kSequenceImage});
    EXPECT_EQ(line, "Image:b.jpg Show [Center,Center] No clear, Wait, Hide.");
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(page.data.sequences.size(), 1u);

    // With pictures switched off the button is off though pictures were defined.
    Page off;
    off.data.useImages = 0;
    DialogScript look;
    bool imageOn = true;
    look.Do([&](HWND d) {
        imageOn = IsWindowEnabled(GetDlgItem(d, IDC_SEQ_ADD_IMAGE));
        EndDialog(d, IDCANCEL);
    });
    off.Play(look);
    EXPECT_FALSE(imageOn);
}

}  // namespace
}  // namespace vl
