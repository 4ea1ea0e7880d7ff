// The action dialog of Show, Move and Hide, Cls's colour dialog and the Line dialog under Wine,
// played as a user would: what they show, their sub-dialogs, and what OK and Cancel leave in the
// entry.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "action_dialogs_fixture.h"
#include "editor/action_dialogs_resources.h"
#include "editor/colours_dialog.h"
#include "editor/image_action_dialog.h"
#include "editor/line_dialog.h"
#include "editor/core/colour_sample.h"
#include "framework/dialog_fields.h"
#include "scene/byte_stream.h"
#include "support/screen.h"

namespace vl {
namespace {

using test::ActionScene;
using test::DialogScript;

// The stored bytes of a record: equal bytes, equal stored fields.
template <class Record>
std::vector<std::uint8_t> Stored(const Record& record) {
    ByteWriter out;
    record.Write(out);
    return out.TakeBytes();
}

void ExpectScriptFit(const DialogScript& script, const ActionScene& scene) {
    EXPECT_TRUE(script.Failures().empty()) << script.Failures().front();
    EXPECT_TRUE(scene.prompt.Failures().empty()) << scene.prompt.Failures().front();
}

// ---- Show, Move, Hide

TEST(ImageActionDialog, OpensOnTheLinkedImageAndCancelLeavesTheEntryAlone) {
    ActionScene scene;
    scene.show->description.text = "Dawn";
    scene.show->params.motion.startX = 40;
    std::vector<std::string> rows;
    int selected = -1;
    std::string caption, size;
    bool position = false, colours = false;
    DialogScript script;
    script
        .Do([&](HWND dialog) {
            rows = test::ListRows(dialog, IDC_ACT_IMAGES);
            selected = test::ListSelection(dialog, IDC_ACT_IMAGES);
            caption = test::WindowText(dialog);
            position = test::Visible(dialog, IDC_ACT_POSITION);
            colours = test::Visible(dialog, IDC_ACT_COLOURS);
        })
        .ReadText(IDC_ACT_PREVIEW_SIZE, size)
        .Do(test::ClickRow(IDC_ACT_IMAGES, 1))
        .Click(IDCANCEL);
    EXPECT_EQ(script.Play([&] { return EditImageAction(scene.context, nullptr, *scene.show); }),
              FALSE);
    ExpectScriptFit(script, scene);
    ASSERT_EQ(rows.size(), 2u);  // the Images only, in scene order
    std::string sun, moon;
    scene.sun->Describe(sun);
    scene.moon->Describe(moon);
    EXPECT_EQ(rows, (std::vector<std::string>{sun, moon}));
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(caption, "Show - Dawn");
    EXPECT_FALSE(size.empty());  // the linked Image is previewed
    EXPECT_TRUE(position);
    EXPECT_TRUE(colours);
    EXPECT_EQ(scene.show->GetLinkedObject(), scene.sun);
    EXPECT_EQ(scene.show->params.motion.startX, 40);
}

TEST(ImageActionDialog, ThePreviewFollowsTheSelectionAndNoneShowsItEmpty) {
    ActionScene scene;
    std::string onSun, onNone, onMoon;
    DialogScript script;
    script.ReadText(IDC_ACT_PREVIEW_SIZE, onSun)
        .Do(test::ClickRow(IDC_ACT_IMAGES, 0, true))  // Ctrl+click: no Image
        .ReadText(IDC_ACT_PREVIEW_SIZE, onNone)
        .Do(test::ClickRow(IDC_ACT_IMAGES, 1))
        .ReadText(IDC_ACT_PREVIEW_SIZE, onMoon)
        .Click(IDCANCEL);
    ImageActionDialog dialog(scene.context, kShow, scene.sun);
    EXPECT_EQ(script.Play([&] { return dialog.Run(nullptr); }), IDCANCEL);
    ExpectScriptFit(script, scene);
    EXPECT_FALSE(onSun.empty());
    EXPECT_EQ(onNone, "");
    EXPECT_FALSE(onMoon.empty());
    EXPECT_NE(onMoon, onSun);  // "Moon" is wider than "Sun"
}

TEST(ImageActionDialog, OkWritesTheEditedPositionColoursLinkAndDescription) {
    ActionScene scene;
    MoveEntry move;
    move.SetObject(scene.sun);
    move.params.motion.endX = 300;
    move.params.colour.mixing = kMixOr;
    ImageActionParams expected;
    expected.Assign(move.params);
    expected.motion.startX = -17;
    expected.colour.random = 1;
    bool okDefaultAfterPosition = false, positionPlain = false;
    std::string colourCaption;
    bool commentShown = true;
    DialogScript script;
    script.Do(test::ClickRow(IDC_ACT_IMAGES, 1))
        .Click(IDC_ACT_POSITION)  // the Move position dialog
        .SetText(IDC_ACT_START_X, "-17")
        .Click(IDOK)
        .Do([&](HWND dialog) {
            okDefaultAfterPosition = test::DefaultButton(dialog) == IDOK &&
                                     test::LooksDefault(dialog, IDOK) &&
                                     GetFocus() == GetDlgItem(dialog, IDOK);
            positionPlain = !test::LooksDefault(dialog, IDC_ACT_POSITION);
        })
        .Click(IDC_ACT_COLOURS)  // the colour dialog
        .Do([&](HWND dialog) {
            colourCaption = test::WindowText(dialog);
            commentShown = test::Visible(dialog, IDC_ACT_COMMENT);
        })
        .Check(IDC_ACT_RANDOM_COLOUR)
        .Click(IDOK)
        .Click(IDC_ACT_COMMENT)  // the description dialog
        .SetText(1000, "Rise")
        .Click(IDOK)
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return EditImageAction(scene.context, nullptr, move); }), TRUE);
    ExpectScriptFit(script, scene);
    EXPECT_TRUE(okDefaultAfterPosition);
    EXPECT_TRUE(positionPlain);
    EXPECT_EQ(colourCaption, "Move - Colours");
    EXPECT_FALSE(commentShown);
    EXPECT_EQ(move.GetLinkedObject(), scene.moon);
    EXPECT_EQ(scene.sun->Users().size(), 1u);  // only the Show of the scene is left on Sun
    EXPECT_EQ(move.params.motion.startX, -17);
    EXPECT_EQ(move.params.colour.random, 1);
    EXPECT_EQ(Stored(move.params), Stored(expected));  // nothing else changed
    EXPECT_EQ(move.description.text, "Rise");
    EXPECT_EQ(move.params.description.text, "Rise");
}

TEST(ImageActionDialog, CancelInASubDialogKeepsTheParentsCopy) {
    ActionScene scene;
    scene.show->params.motion.startX = 5;
    DialogScript script;
    script.Click(IDC_ACT_POSITION).SetText(IDC_ACT_START_X, "99").Click(IDCANCEL).Click(IDOK);
    EXPECT_EQ(script.Play([&] { return EditImageAction(scene.context, nullptr, *scene.show); }),
              TRUE);
    ExpectScriptFit(script, scene);
    EXPECT_EQ(scene.show->params.motion.startX, 5);
}

TEST(ImageActionDialog, HideHasNeitherPositionNorColours) {
    ActionScene scene;
    HideEntry hide;
    bool position = true, colours = true, comment = false;
    DialogScript script;
    script
        .Do([&](HWND dialog) {
            position = test::Visible(dialog, IDC_ACT_POSITION);
            colours = test::Visible(dialog, IDC_ACT_COLOURS);
            comment = test::Visible(dialog, IDC_ACT_COMMENT);
        })
        .Do(test::ClickRow(IDC_ACT_IMAGES, 0))
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return EditImageAction(scene.context, nullptr, hide); }), TRUE);
    ExpectScriptFit(script, scene);
    EXPECT_FALSE(position);
    EXPECT_FALSE(colours);
    EXPECT_TRUE(comment);
    EXPECT_EQ(hide.GetLinkedObject(), scene.sun);
}

TEST(ImageActionDialog, ShowPositionKnowsWhetherTheSelectedImageIsAText) {
    ActionScene scene;
    scene.moon->isText = 0;  // a picture
    scene.moon->fileName = "moon.bmp";
    bool rowForSun = false, rowForMoon = true;
    DialogScript script;
    script.Click(IDC_ACT_POSITION)
        .Do([&](HWND dialog) { rowForSun = test::Visible(dialog, IDC_ACT_LETTER_BY_LETTER); })
        .Click(IDCANCEL)
        .Do(test::ClickRow(IDC_ACT_IMAGES, 1))
        .Click(IDC_ACT_POSITION)
        .Do([&](HWND dialog) { rowForMoon = test::Visible(dialog, IDC_ACT_LETTER_BY_LETTER); })
        .Click(IDCANCEL)
        .Click(IDCANCEL);
    ImageActionDialog dialog(scene.context, kShow, scene.sun);
    EXPECT_EQ(script.Play([&] { return dialog.Run(nullptr); }), IDCANCEL);
    ExpectScriptFit(script, scene);
    EXPECT_TRUE(rowForSun);
    EXPECT_FALSE(rowForMoon);
}

TEST(ImageActionDialog, NewImageAppendsTheConfirmedImageAndSelectsIt) {
    ActionScene scene;
    int asked = 0;
    std::size_t rowsAfter = 0;
    int selectedAfter = -1;
    std::string size;
    DialogScript script;
    script.Click(IDC_ACT_NEW_IMAGE)
        .Do([&](HWND dialog) {
            rowsAfter = test::ListRows(dialog, IDC_ACT_IMAGES).size();
            selectedAfter = test::ListSelection(dialog, IDC_ACT_IMAGES);
        })
        .ReadText(IDC_ACT_PREVIEW_SIZE, size)
        .Click(IDOK);
    ImageActionDialog dialog(scene.context, kMove, nullptr);
    dialog.editNewImage = [&](HWND owner, ImageEntry& image) {
        ++asked;
        EXPECT_NE(owner, nullptr);
        EXPECT_EQ(image.isText, 0);  // a default Image
        image.isText = 1;
        image.text = "Comet";
        return true;
    };
    EXPECT_EQ(script.Play([&] { return dialog.Run(nullptr); }), IDOK);
    ExpectScriptFit(script, scene);
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(scene.scene.Count(), 5u);
    const auto* added = EntryAs<ImageEntry>(&scene.scene.At(4));
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->text, "Comet");
    EXPECT_EQ(rowsAfter, 3u);
    EXPECT_EQ(selectedAfter, 2);
    EXPECT_FALSE(size.empty());
    EXPECT_EQ(dialog.image, added);
}

TEST(ImageActionDialog, ANewImageNotConfirmedAddsNothing) {
    ActionScene scene;
    DialogScript script;
    script.Click(IDC_ACT_NEW_IMAGE).Click(IDOK);
    ImageActionDialog dialog(scene.context, kShow, scene.moon);
    dialog.editNewImage = [](HWND, ImageEntry&) { return false; };
    EXPECT_EQ(script.Play([&] { return dialog.Run(nullptr); }), IDOK);
    ExpectScriptFit(script, scene);
    EXPECT_EQ(scene.scene.Count(), 4u);
    EXPECT_EQ(dialog.image, scene.moon);
}

// ---- Cls and the colour dialog

TEST(ClsDialog, OpensWithTheColourAndOkWritesTheEditedOne) {
    ActionScene scene;
    ClsEntry cls;
    cls.description.text = "Night";
    cls.colour.colour = 0x00112233;
    cls.colour.mixing = kMixAnd;
    cls.colour.background = 0;
    std::string mixing, caption;
    UINT background = 9, random = 9;
    bool comment = false;
    DialogScript script;
    script.ReadText(IDC_ACT_MIXING, mixing)
        .ReadCheck(IDC_ACT_BACKGROUND, background)
        .ReadCheck(IDC_ACT_RANDOM_COLOUR, random)
        .Do([&](HWND dialog) {
            caption = test::WindowText(dialog);
            comment = test::Visible(dialog, IDC_ACT_COMMENT);
        })
        .Click(IDC_ACT_COLOUR)
        .Do([](HWND dialog) { SendDlgItemMessageA(dialog, IDC_ACT_MIXING, CB_SETCURSEL, 1, 0); })
        .Check(IDC_ACT_BACKGROUND)
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return EditCls(scene.context, nullptr, cls); }), TRUE);
    ExpectScriptFit(script, scene);
    EXPECT_EQ(mixing, "AND");
    EXPECT_EQ(background, BST_UNCHECKED);
    EXPECT_EQ(random, BST_UNCHECKED);
    EXPECT_EQ(caption, "Cls - Night");
    EXPECT_TRUE(comment);
    EXPECT_EQ(scene.chooser.coloursAsked, 1);
    EXPECT_EQ(cls.colour.colour, test::FakeChooser::kPicked);
    EXPECT_EQ(cls.colour.mixing, kMixOr);
    EXPECT_EQ(cls.colour.background, 1);
    EXPECT_EQ(cls.description.text, "Night");
}

TEST(ClsDialog, CancelAfterChoosingAColourChangesNothing) {
    ActionScene scene;
    ClsEntry cls;
    cls.colour.colour = 0x00445566;
    DialogScript script;
    script.Click(IDC_ACT_COLOUR).Check(IDC_ACT_RANDOM_COLOUR).Click(IDCANCEL);
    EXPECT_EQ(script.Play([&] { return EditCls(scene.context, nullptr, cls); }), FALSE);
    ExpectScriptFit(script, scene);
    EXPECT_EQ(cls.colour.colour, 0x00445566u);
    EXPECT_EQ(cls.colour.random, 0);
}

// The tooltips the dialog owns: their tools' texts and areas, in the order added.
struct Tip {
    std::string text;
    RECT area;
};

std::vector<Tip> TipsOwnedBy(HWND dialog) {
    struct Search {
        HWND owner;
        std::vector<Tip> tips;
    } search{dialog, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            auto& found = *reinterpret_cast<Search*>(data);
            char name[64] = {};
            GetClassNameA(window, name, sizeof name);
            if (GetWindow(window, GW_OWNER) != found.owner || lstrcmpiA(name, TOOLTIPS_CLASSA))
                return TRUE;
            const LRESULT count = SendMessageA(window, TTM_GETTOOLCOUNT, 0, 0);
            for (LRESULT index = 0; index < count; ++index) {
                char text[80] = {};
                TOOLINFOA tool{};
                tool.cbSize = sizeof tool;
                tool.lpszText = text;
                SendMessageA(window, TTM_ENUMTOOLSA, index, reinterpret_cast<LPARAM>(&tool));
                found.tips.push_back({text, tool.rect});
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.tips;
}

// Where in the sample the test colour shows alone, the chosen colour alone, and both mixed.
struct SamplePoints {
    POINT test, chosen, common;
};

SamplePoints PointsOf(HWND sample) {
    RECT area;
    GetClientRect(sample, &area);
    const ColourSampleLayout layout = LayoutColourSample(area.right, area.bottom);
    const int middle = (layout.testCircle.top + layout.testCircle.bottom) / 2;
    const int quarter = (layout.testCircle.right - layout.testCircle.left) / 4;
    SamplePoints points{{layout.testCircle.left + quarter, middle},
                        {layout.chosenCircle.right - quarter, middle},
                        {(layout.chosenCircle.left + layout.testCircle.right) / 2, middle}};
    for (POINT* point : {&points.test, &points.chosen, &points.common})
        ClientToScreen(sample, point);
    return points;
}

TEST(ColoursDialog, TheSampleMixesAsMixingSaysWithTooltipsOverItsHalves) {
    ActionScene scene;
    ColoursDialog dialog(scene.context, "Show", nullptr);
    dialog.colour.secondColour = MakeColour(0xC0, 0xC0, 0x0F);
    dialog.colour.colour = MakeColour(0x30, 0x60, 0x90);
    dialog.colour.mixing = kMixAnd;
    const COLORREF test = RGB(0xC0, 0xC0, 0x0F), chosen = RGB(0x30, 0x60, 0x90);
    bool andShown = false, orShown = false;
    std::vector<Tip> tips;
    RECT sampleArea{};
    DialogScript script;
    script
        .Do([&](HWND window) {
            ShowWindow(window, SW_SHOW);
            const SamplePoints at = PointsOf(GetDlgItem(window, IDC_ACT_SAMPLE));
            andShown = test::ScreenShows({{at.test.x, at.test.y, test},
                                          {at.chosen.x, at.chosen.y, chosen},
                                          {at.common.x, at.common.y, RGB(0x00, 0x40, 0x00)}});
            tips = TipsOwnedBy(window);
            GetClientRect(GetDlgItem(window, IDC_ACT_SAMPLE), &sampleArea);
        })
        .Do([](HWND window) {
            HWND mixing = GetDlgItem(window, IDC_ACT_MIXING);
            SendMessageA(mixing, CB_SETCURSEL, kMixOr, 0);
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_ACT_MIXING, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(mixing));
        })
        .Do([&](HWND window) {
            const SamplePoints at = PointsOf(GetDlgItem(window, IDC_ACT_SAMPLE));
            orShown = test::ScreenShows(
                {{at.test.x, at.test.y, test}, {at.common.x, at.common.y, RGB(0xF0, 0xE0, 0x9F)}});
        })
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return dialog.Run(nullptr); }), IDOK);
    ExpectScriptFit(script, scene);
    EXPECT_TRUE(andShown);
    EXPECT_TRUE(orShown);
    EXPECT_EQ(dialog.colour.mixing, kMixOr);
    ASSERT_EQ(tips.size(), 2u);
    EXPECT_EQ(tips[0].text, "Testing colour");
    EXPECT_EQ(tips[1].text, "Choosen colour");
    EXPECT_EQ(tips[0].area.left, 0);
    EXPECT_EQ(tips[0].area.right, sampleArea.right / 2);
    EXPECT_EQ(tips[1].area.left, sampleArea.right / 2);
    EXPECT_EQ(tips[1].area.right, sampleArea.right);
}

// ---- Line

TEST(LineDialog, WidthsAreFiveDrawnRowsAndStyleIsOnlyForTheThinnest) {
    ActionScene scene;
    LineEntry line;
    line.penWidth = 1;
    line.penStyle = kPenDot;
    line.description.text = "Horizon";
    int rows = 0, itemHeight = 0, selected = -1;
    bool styleForOne = false, styleForThree = true;
    std::string style, caption;
    DialogScript script;
    script
        .Do([&](HWND dialog) {
            rows = static_cast<int>(SendDlgItemMessageA(dialog, IDC_ACT_WIDTH, LB_GETCOUNT, 0, 0));
            itemHeight = static_cast<int>(
                SendDlgItemMessageA(dialog, IDC_ACT_WIDTH, LB_GETITEMHEIGHT, 0, 0));
            selected = test::ListSelection(dialog, IDC_ACT_WIDTH);
            styleForOne = test::Enabled(dialog, IDC_ACT_STYLE);
            caption = test::WindowText(dialog);
        })
        .ReadText(IDC_ACT_STYLE, style)
        .Do(test::ClickRow(IDC_ACT_WIDTH, 2))
        .Do([&](HWND dialog) { styleForThree = test::Enabled(dialog, IDC_ACT_STYLE); })
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return EditLine(scene.context, nullptr, line); }), TRUE);
    ExpectScriptFit(script, scene);
    EXPECT_EQ(rows, 5);
    EXPECT_EQ(itemHeight, 15);
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(style, "Dot");
    EXPECT_EQ(caption, "Line - Horizon");
    EXPECT_TRUE(styleForOne);
    EXPECT_FALSE(styleForThree);
    EXPECT_EQ(line.penWidth, 3);
    EXPECT_EQ(line.penStyle, kPenDot);
}

TEST(LineDialog, PositionAndColourSubDialogsWriteBackOnOk) {
    ActionScene scene;
    LineEntry line;
    line.penWidth = 4;
    line.motion.endX = 10;
    MotionParam expected;
    expected.Assign(line.motion);
    expected.endY = 640;
    expected.randomStartY = 1;
    std::string positionCaption, colourCaption;
    bool colourPlain = false;
    DialogScript script;
    script.Click(IDC_ACT_POSITION)
        .Do([&](HWND dialog) { positionCaption = test::WindowText(dialog); })
        .SetText(IDC_ACT_END_Y, "640")
        .Check(IDC_ACT_RANDOM_START_Y)
        .Click(IDOK)
        .Click(IDC_ACT_COLOUR)
        .Do([&](HWND dialog) { colourCaption = test::WindowText(dialog); })
        .Click(IDC_ACT_COLOUR)  // the chooser
        .Click(IDOK)
        .Do([&](HWND dialog) {
            colourPlain =
                !test::LooksDefault(dialog, IDC_ACT_COLOUR) && test::DefaultButton(dialog) == IDOK;
        })
        .Click(IDOK);
    EXPECT_EQ(script.Play([&] { return EditLine(scene.context, nullptr, line); }), TRUE);
    ExpectScriptFit(script, scene);
    EXPECT_EQ(positionCaption, "Line - Position");
    EXPECT_EQ(colourCaption, "Line - Colours");
    EXPECT_TRUE(colourPlain);
    EXPECT_EQ(line.motion.endY, 640);
    EXPECT_EQ(Stored(line.motion), Stored(expected));
    EXPECT_EQ(line.colour.colour, test::FakeChooser::kPicked);
    EXPECT_EQ(line.penWidth, 4);
}

TEST(LineDialog, CancelLeavesTheLineAsItWas) {
    ActionScene scene;
    LineEntry line;
    line.penWidth = 2;
    DialogScript script;
    script.Do(test::ClickRow(IDC_ACT_WIDTH, 4))
        .Click(IDC_ACT_POSITION)
        .SetText(IDC_ACT_START_X, "12")
        .Click(IDOK)
        .Click(IDCANCEL);
    EXPECT_EQ(script.Play([&] { return EditLine(scene.context, nullptr, line); }), FALSE);
    ExpectScriptFit(script, scene);
    EXPECT_EQ(line.penWidth, 2);
    EXPECT_EQ(line.motion.startX, 0);
}

}  // namespace
}  // namespace vl
