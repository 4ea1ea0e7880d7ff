// The Options dialog under Wine, played as a user would: what it shows, the soft-dragging rule,
// the refused numbers, the beep field's spin and rounding, and what OK and Cancel leave behind.
#include "editor/options_dialog.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/options_dialog_resources.h"
#include "framework/scripted_prompt.h"
#include "support/dialog_script.h"
#include "support/scratch_folder.h"

namespace vl {
namespace {

using test::DialogScript;

// Answers the font and colour choosers in the user's place and records what it was asked.
class FakeChooser final : public StyleChooser {
  public:
    bool PickFont(HWND, LogFont& font, std::uint32_t& colour) override {
        fontsAsked.push_back(font.FaceName());
        font.SetFaceName("Arial");
        font.height = -16;
        colour = 0x0000FF;
        return true;
    }
    bool PickColour(HWND, std::uint32_t& colour) override {
        ++coloursAsked;
        colour = 0x00FF00;
        return true;
    }
    std::vector<std::string> fontsAsked;
    int coloursAsked = 0;
};

struct Outcome {
    bool confirmed = false;
    std::vector<std::string> failures;
};

Outcome Play(DialogScript& script, EditorOptions& options, StyleChooser& chooser) {
    COptionsDialog dialog(chooser);
    Outcome run;
    run.confirmed =
        script.Play([&] { return dialog.Edit(nullptr, options) ? IDOK : IDCANCEL; }) == IDOK;
    run.failures = script.Failures();
    return run;
}

int Rows(HWND dialog) {
    return static_cast<int>(SendDlgItemMessageA(dialog, IDC_OPTIONS_TEXT_LIST, LB_GETCOUNT, 0, 0));
}

int Selected(HWND dialog) {
    return static_cast<int>(SendDlgItemMessageA(dialog, IDC_OPTIONS_TEXT_LIST, LB_GETCURSEL, 0, 0));
}

// As a click on a row: the selection moves and the list tells the dialog.
DialogScript::Step SelectRow(int row) {
    return [row](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_OPTIONS_TEXT_LIST);
        SendMessageA(list, LB_SETCURSEL, row, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_TEXT_LIST, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    };
}

// A press and release of the spin control's upper (+1) or lower (-1) arrow.
DialogScript::Step Spin(int direction) {
    return [direction](HWND dialog) {
        HWND spin = GetDlgItem(dialog, IDC_OPTIONS_BEEP_SPIN);
        RECT area;
        GetClientRect(spin, &area);
        const int y = direction > 0 ? area.bottom / 4 : area.bottom * 3 / 4;
        const LPARAM at = MAKELPARAM(area.right / 2, y);
        SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(spin, WM_LBUTTONUP, 0, at);
    };
}

DialogScript::Step Focus(int id) {
    return [id](HWND dialog) { SetFocus(GetDlgItem(dialog, id)); };
}

TEST(OptionsDialog, OpensWithTheOptionsGiven) {
    EditorOptions options;
    options.tabSize = 7;
    options.scrollTime = 250;
    options.beepOnWait = 0;
    options.softDragging = 0;
    options.dragColourOn = 1;
    options.deleteClipboardOnExit = kAskClipboard;
    options.saveBeforePreview = 1;
    options.previewAutoStart = 0;
    options.showPreviewToolbar = 0;
    options.splash = 1;
    const EditorOptions given = options;

    std::string tab, scroll, beep, button;
    UINT save = 0, autoStart = 0, toolbar = 0, clipboard = 0, splash = 0, soft = 0, drag = 0;
    int rows = 0, selected = -1;
    bool dragEnabled = false;
    DialogScript script;
    script.ReadText(IDC_OPTIONS_TAB_SIZE, tab)
        .ReadText(IDC_OPTIONS_SCROLL_TIME, scroll)
        .ReadText(IDC_OPTIONS_BEEP, beep)
        .ReadText(IDC_OPTIONS_FONT, button)
        .ReadCheck(IDC_OPTIONS_SAVE_BEFORE_PREVIEW, save)
        .ReadCheck(IDC_OPTIONS_AUTO_START, autoStart)
        .ReadCheck(IDC_OPTIONS_PREVIEW_TOOLBAR, toolbar)
        .ReadCheck(IDC_OPTIONS_DELETE_CLIPBOARD, clipboard)
        .ReadCheck(IDC_OPTIONS_SPLASH, splash)
        .ReadCheck(IDC_OPTIONS_SOFT_DRAGGING, soft)
        .ReadCheck(IDC_OPTIONS_DRAG_COLOUR, drag)
        .Do([&](HWND dialog) {
            rows = Rows(dialog);
            selected = Selected(dialog);
            dragEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_OPTIONS_DRAG_COLOUR)) != FALSE;
        })
        .Click(IDCANCEL);
    FakeChooser chooser;
    const Outcome run = Play(script, options, chooser);

    EXPECT_TRUE(run.failures.empty());
    EXPECT_FALSE(run.confirmed);
    EXPECT_EQ(tab, "7");
    EXPECT_EQ(scroll, "250");
    EXPECT_EQ(beep, "No");
    EXPECT_EQ(button, "&Font...");
    EXPECT_EQ(save, BST_CHECKED);
    EXPECT_EQ(autoStart, BST_UNCHECKED);
    EXPECT_EQ(toolbar, BST_UNCHECKED);
    EXPECT_EQ(clipboard, BST_INDETERMINATE);
    EXPECT_EQ(splash, BST_CHECKED);
    EXPECT_EQ(soft, BST_UNCHECKED);
    EXPECT_EQ(drag, BST_CHECKED);
    EXPECT_EQ(rows, 4);  // "Drag colour" is a row without soft dragging
    EXPECT_EQ(selected, 0);
    EXPECT_TRUE(dragEnabled);
    EXPECT_TRUE(options == given);
}

TEST(OptionsDialog, SoftDraggingTakesAwayTheDragColourRowAndBox) {
    EditorOptions options;  // soft dragging on
    std::vector<int> rows;
    std::vector<bool> dragEnabled;
    std::vector<std::string> buttons;
    std::string button;
    auto note = [&](HWND dialog) {
        rows.push_back(Rows(dialog));
        dragEnabled.push_back(IsWindowEnabled(GetDlgItem(dialog, IDC_OPTIONS_DRAG_COLOUR)) != 0);
        buttons.push_back(button);
    };
    int selectedAfterSoft = -1;
    DialogScript script;
    script.ReadText(IDC_OPTIONS_FONT, button)
        .Do(note)
        .Check(IDC_OPTIONS_SOFT_DRAGGING, BST_UNCHECKED)
        .Do(SelectRow(3))
        .ReadText(IDC_OPTIONS_FONT, button)
        .Do(note)
        .Check(IDC_OPTIONS_SOFT_DRAGGING, BST_CHECKED)
        .ReadText(IDC_OPTIONS_FONT, button)
        .Do(note)
        .Do([&](HWND dialog) { selectedAfterSoft = Selected(dialog); })
        .Click(IDCANCEL);
    FakeChooser chooser;
    const Outcome run = Play(script, options, chooser);

    EXPECT_TRUE(run.failures.empty());
    EXPECT_EQ(rows, (std::vector<int>{3, 4, 3}));
    EXPECT_EQ(dragEnabled, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(buttons, (std::vector<std::string>{"&Font...", "&Colour...", "&Font..."}));
    EXPECT_EQ(selectedAfterSoft, 0);
}

TEST(OptionsDialog, NumbersOutOfRangeAreRefusedAndTheDialogStaysOpen) {
    EditorOptions options;
    ScriptedPrompt prompt;
    ScopedPromptOverride useScript(prompt);
    bool focusInTab = false, focusInScroll = false;
    DialogScript script;
    script.SetText(IDC_OPTIONS_TAB_SIZE, "101")
        .Click(IDOK)
        .Do([&](HWND dialog) {
            focusInTab = GetFocus() == GetDlgItem(dialog, IDC_OPTIONS_TAB_SIZE);
        })
        .SetText(IDC_OPTIONS_TAB_SIZE, "100")
        .SetText(IDC_OPTIONS_SCROLL_TIME, "501")
        .Click(IDOK)
        .Do([&](HWND dialog) {
            focusInScroll = GetFocus() == GetDlgItem(dialog, IDC_OPTIONS_SCROLL_TIME);
        })
        .SetText(IDC_OPTIONS_SCROLL_TIME, "0")
        .Click(IDOK);
    FakeChooser chooser;
    const Outcome run = Play(script, options, chooser);

    EXPECT_TRUE(run.failures.empty());
    EXPECT_TRUE(run.confirmed);
    EXPECT_EQ(prompt.Texts(),
              (std::vector<std::string>{"Please enter an integer between 0 and 100.",
                                        "Please enter an integer between 0 and 500."}));
    EXPECT_TRUE(focusInTab);
    EXPECT_TRUE(focusInScroll);
    EXPECT_EQ(options.tabSize, 100);
    EXPECT_EQ(options.scrollTime, 0);
}

// The same changes, confirmed and then called off.
DialogScript ChangeEverything() {
    DialogScript script;
    script.SetText(IDC_OPTIONS_TAB_SIZE, "4")
        .SetText(IDC_OPTIONS_SCROLL_TIME, "20")
        .SetText(IDC_OPTIONS_BEEP, "No")
        .Check(IDC_OPTIONS_SAVE_BEFORE_PREVIEW)
        .Check(IDC_OPTIONS_AUTO_START)
        .Check(IDC_OPTIONS_PREVIEW_TOOLBAR, BST_UNCHECKED)
        .Check(IDC_OPTIONS_DELETE_CLIPBOARD, BST_INDETERMINATE)
        .Check(IDC_OPTIONS_SPLASH, BST_UNCHECKED)
        .Check(IDC_OPTIONS_SOFT_DRAGGING, BST_UNCHECKED)
        .Check(IDC_OPTIONS_DRAG_COLOUR, BST_UNCHECKED)
        .Do(SelectRow(1))
        .Click(IDC_OPTIONS_FONT)
        .Do(SelectRow(3))
        .Click(IDC_OPTIONS_FONT);
    return script;
}

TEST(OptionsDialog, OkStoresEveryChangedField) {
    EditorOptions options;
    DialogScript script = ChangeEverything();
    script.Click(IDOK);
    FakeChooser chooser;
    const Outcome run = Play(script, options, chooser);

    EXPECT_TRUE(run.failures.empty());
    ASSERT_TRUE(run.confirmed);
    EXPECT_EQ(options.tabSize, 4);
    EXPECT_EQ(options.scrollTime, 20);
    EXPECT_EQ(options.beepOnWait, 0);
    EXPECT_EQ(options.saveBeforePreview, 1);
    EXPECT_EQ(options.previewAutoStart, 1);
    EXPECT_EQ(options.showPreviewToolbar, 0);
    EXPECT_EQ(options.deleteClipboardOnExit, kAskClipboard);
    EXPECT_EQ(options.splash, 0);
    EXPECT_EQ(options.softDragging, 0);
    EXPECT_EQ(options.dragColourOn, 0);
    // The comment row's font and colour, and the drag colour; the other rows untouched.
    EXPECT_EQ(chooser.fontsAsked, (std::vector<std::string>{"MS Sans Serif"}));
    EXPECT_EQ(options.commentFont.FaceName(), "Arial");
    EXPECT_EQ(options.commentFont.height, -16);
    EXPECT_EQ(options.commentColour, 0x0000FFu);
    EXPECT_EQ(options.dragColour, 0x00FF00u);
    EXPECT_EQ(chooser.coloursAsked, 1);
    EXPECT_TRUE(options.normalFont == LogFont::Default());
    EXPECT_EQ(options.normalColour, 0u);
    EXPECT_TRUE(options.disabledFont == LogFont::Default());
}

TEST(OptionsDialog, CancelStoresNothing) {
    EditorOptions options;
    options.tabSize = 9;
    const EditorOptions given = options;
    DialogScript script = ChangeEverything();
    script.Click(IDCANCEL);
    FakeChooser chooser;
    const Outcome run = Play(script, options, chooser);

    EXPECT_TRUE(run.failures.empty());
    EXPECT_FALSE(run.confirmed);
    EXPECT_EQ(chooser.coloursAsked, 1);
    EXPECT_TRUE(options == given);
}

TEST(OptionsDialog, BeepFieldSpinsAndRoundsInStepsOfTheWaitSlice) {
    EditorOptions options;
    options.beepOnWait = 150;
    std::vector<std::string> shown(8);
    DialogScript script;
    script.Do(Spin(+1))
        .ReadText(IDC_OPTIONS_BEEP, shown[0])
        .SetText(IDC_OPTIONS_BEEP, "150")
        .Do(Spin(-1))
        .ReadText(IDC_OPTIONS_BEEP, shown[1])
        .Do(Spin(-1))
        .ReadText(IDC_OPTIONS_BEEP, shown[2])
        .Do(Spin(-1))
        .ReadText(IDC_OPTIONS_BEEP, shown[3])
        .Do(Focus(IDC_OPTIONS_BEEP))
        .SetText(IDC_OPTIONS_BEEP, "149")
        .Do(Focus(IDC_OPTIONS_TAB_SIZE))
        .ReadText(IDC_OPTIONS_BEEP, shown[4])
        .Do(Focus(IDC_OPTIONS_BEEP))
        .SetText(IDC_OPTIONS_BEEP, "6000")
        .Do(Focus(IDC_OPTIONS_TAB_SIZE))
        .ReadText(IDC_OPTIONS_BEEP, shown[5])
        .Do(Spin(+1))
        .ReadText(IDC_OPTIONS_BEEP, shown[6])
        .Do(Focus(IDC_OPTIONS_BEEP))
        .SetText(IDC_OPTIONS_BEEP, "0")
        .Do(Focus(IDC_OPTIONS_TAB_SIZE))
        .ReadText(IDC_OPTIONS_BEEP, shown[7])
        // OK while the field has the focus rounds it first.
        .Do(Focus(IDC_OPTIONS_BEEP))
        .SetText(IDC_OPTIONS_BEEP, "251")
        .Click(IDOK);
    FakeChooser chooser;
    const Outcome run = Play(script, options, chooser);

    EXPECT_TRUE(run.failures.empty());
    EXPECT_EQ(shown,
              (std::vector<std::string>{"200", "100", "No", "No", "100", "5000", "5000", "No"}));
    ASSERT_TRUE(run.confirmed);
    EXPECT_EQ(options.beepOnWait, 300);
}

void PutLe(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A black 24-bit bitmap file; width x 3 must be a multiple of 4 (no row padding).
std::vector<std::uint8_t> BlackBitmapFile(int width, int height) {
    const std::uint32_t pixels = static_cast<std::uint32_t>(width * 3 * height);
    std::vector<std::uint8_t> bytes(54 + pixels, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLe(bytes, 2, 54 + pixels, 4);
    PutLe(bytes, 10, 54, 4);
    PutLe(bytes, 14, 40, 4);
    PutLe(bytes, 18, static_cast<std::uint32_t>(width), 4);
    PutLe(bytes, 22, static_cast<std::uint32_t>(height), 4);
    PutLe(bytes, 26, 1, 2);
    PutLe(bytes, 28, 24, 2);
    PutLe(bytes, 34, pixels, 4);
    return bytes;
}

TEST(OptionsDialog, ShowsTheCustomPictureWhenTheSettingAsksForIt) {
    test::ScratchFolder folder;
    const std::string path = folder.Write("Custom.BMP", BlackBitmapFile(208, 52));
    EditorOptions options;
    FakeChooser chooser;
    std::string size;
    UINT useCustom = 0;
    for (bool on : {true, false}) {
        COptionsDialog dialog(chooser);
        dialog.customImageOn = [on] { return on; };
        dialog.customImagePath = [&] { return path; };
        DialogScript script;
        script.ReadText(IDC_OPTIONS_PICTURE_SIZE, size)
            .ReadCheck(IDC_OPTIONS_USE_CUSTOM, useCustom)
            .Click(IDCANCEL);
        script.Play([&] { return dialog.Edit(nullptr, options) ? IDOK : IDCANCEL; });
        EXPECT_TRUE(script.Failures().empty());
        EXPECT_EQ(size, on ? "208 x 52" : "");
        EXPECT_EQ(useCustom, on ? BST_CHECKED : BST_UNCHECKED);
    }
}

TEST(OptionsDialog, UseCustomImageWritesTheSettingAtOnceEvenOnCancel) {
    EditorOptions options;
    FakeChooser chooser;
    COptionsDialog dialog(chooser);
    dialog.customImageOn = [] { return true; };
    std::vector<bool> stored;
    dialog.storeCustomImage = [&](bool on) { stored.push_back(on); };
    DialogScript script;
    script.Check(IDC_OPTIONS_USE_CUSTOM, BST_UNCHECKED)
        .Check(IDC_OPTIONS_USE_CUSTOM, BST_CHECKED)
        .Check(IDC_OPTIONS_USE_CUSTOM, BST_UNCHECKED)
        .Click(IDCANCEL);
    script.Play([&] { return dialog.Edit(nullptr, options) ? IDOK : IDCANCEL; });
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(stored, (std::vector<bool>{false, true, false}));
}

// An 8-bit bitmap file whose pixel at (x, y) from the top left is (x + y) mod 200 + 1, never the
// palette's first colour; rows padded to four bytes.
std::vector<std::uint8_t> EightBitBitmapFile(int width, int height) {
    const int rowBytes = (width + 3) / 4 * 4;
    const std::uint32_t offset = 14 + 40 + 1024;
    const std::uint32_t pixels = static_cast<std::uint32_t>(rowBytes * height);
    std::vector<std::uint8_t> bytes(offset + pixels, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLe(bytes, 2, offset + pixels, 4);
    PutLe(bytes, 10, offset, 4);
    PutLe(bytes, 14, 40, 4);
    PutLe(bytes, 18, static_cast<std::uint32_t>(width), 4);
    PutLe(bytes, 22, static_cast<std::uint32_t>(height), 4);
    PutLe(bytes, 26, 1, 2);
    PutLe(bytes, 28, 8, 2);
    PutLe(bytes, 46, 256, 4);
    for (int i = 0; i < 256; ++i) {
        bytes[54 + 4 * i] = static_cast<std::uint8_t>(i);
        bytes[54 + 4 * i + 1] = static_cast<std::uint8_t>(255 - i);
    }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bytes[offset + rowBytes * (height - 1 - y) + x] =
                static_cast<std::uint8_t>((x + y) % 200 + 1);
    return bytes;
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    if (!bytes.empty())
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

// The custom picture's pixel at (x, y) from the top left.
int CustomPixel(const std::vector<std::uint8_t>& file, int x, int y) {
    return file[1078 + 96 * (111 - y) + x];
}

struct CustomImageRun {
    std::vector<std::string> messages;
    std::vector<std::string> failures;
    std::vector<bool> stored;
    std::string size;
    UINT useCustom = 0;
    bool useCustomEnabled = false;
    std::vector<std::uint8_t> saved;
};

// Opens the dialog with a custom picture in use or none, chooses chosenFile with "SS Image..." and
// cancels the dialog.
CustomImageRun ChooseCustomImage(const std::string& chosenFile, bool inUse = false) {
    test::ScratchFolder folder;
    const std::string savePath = folder.Path("Custom.BMP");
    ScriptedPrompt prompt;
    prompt.AnswerFile(chosenFile);
    ScopedPromptOverride useScript(prompt);
    EditorOptions options;
    FakeChooser chooser;
    COptionsDialog dialog(chooser);
    dialog.customImageOn = [inUse] { return inUse; };
    dialog.customImagePath = [&] { return savePath; };
    dialog.customImageSavePath = [&] { return savePath; };
    CustomImageRun run;
    dialog.storeCustomImage = [&](bool on) { run.stored.push_back(on); };
    DialogScript script;
    script.Click(IDC_OPTIONS_SS_IMAGE)
        .ReadText(IDC_OPTIONS_PICTURE_SIZE, run.size)
        .ReadCheck(IDC_OPTIONS_USE_CUSTOM, run.useCustom)
        .Do([&](HWND dialog) {
            run.useCustomEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_OPTIONS_USE_CUSTOM)) != 0;
        })
        .Click(IDCANCEL);
    script.Play([&] { return dialog.Edit(nullptr, options) ? IDOK : IDCANCEL; });
    run.failures = script.Failures();
    for (const std::string& failure : prompt.Failures())
        run.failures.push_back(failure);
    run.messages = prompt.Texts();
    run.saved = ReadBytes(savePath);
    return run;
}

TEST(OptionsDialog, ALargerCustomPictureIsCroppedSavedAndSwitchedOnEvenOnCancel) {
    test::ScratchFolder pictures;
    const CustomImageRun run =
        ChooseCustomImage(pictures.Write("big.bmp", EightBitBitmapFile(128, 128)));

    EXPECT_TRUE(run.failures.empty());
    EXPECT_EQ(run.messages, (std::vector<std::string>{
                                "New Image", "Image size not valid, image cropped to 96x112"}));
    ASSERT_EQ(run.saved.size(), 11830u);
    EXPECT_EQ(CustomPixel(run.saved, 0, 0), 1);
    EXPECT_EQ(CustomPixel(run.saved, 95, 111), (95 + 111) % 200 + 1);
    EXPECT_EQ(run.size, "96 x 112");
    EXPECT_EQ(run.useCustom, BST_CHECKED);
    EXPECT_TRUE(run.useCustomEnabled);
    EXPECT_EQ(run.stored, (std::vector<bool>{true}));
}

TEST(OptionsDialog, ASmallerCustomPictureSitsTopLeftOnTheFirstColour) {
    test::ScratchFolder pictures;
    const CustomImageRun run =
        ChooseCustomImage(pictures.Write("small.bmp", EightBitBitmapFile(50, 40)));

    EXPECT_TRUE(run.failures.empty());
    EXPECT_EQ(run.messages, (std::vector<std::string>{
                                "New Image", "Image size not valid, image cropped to 96x112"}));
    ASSERT_EQ(run.saved.size(), 11830u);
    EXPECT_EQ(CustomPixel(run.saved, 49, 39), (49 + 39) % 200 + 1);
    EXPECT_EQ(CustomPixel(run.saved, 50, 0), 0);
    EXPECT_EQ(CustomPixel(run.saved, 0, 40), 0);
    EXPECT_EQ(run.size, "96 x 112");
    EXPECT_EQ(run.stored, (std::vector<bool>{true}));
}

TEST(OptionsDialog, ACustomPictureOfTheRightSizeIsTakenWithoutAMessage) {
    test::ScratchFolder pictures;
    const std::vector<std::uint8_t> exact = EightBitBitmapFile(96, 112);
    const CustomImageRun run = ChooseCustomImage(pictures.Write("exact.bmp", exact));

    EXPECT_TRUE(run.failures.empty());
    EXPECT_EQ(run.messages, (std::vector<std::string>{"New Image"}));
    // The palette and the pixels as they were (the header may say more than the file chosen).
    ASSERT_EQ(run.saved.size(), exact.size());
    EXPECT_TRUE(std::equal(exact.begin() + 54, exact.end(), run.saved.begin() + 54));
    EXPECT_EQ(run.useCustom, BST_CHECKED);
}

TEST(OptionsDialog, PicturesWithoutTwoHundredFiftySixColoursOrDamagedAreRefused) {
    test::ScratchFolder pictures;
    std::vector<std::uint8_t> shortRows = EightBitBitmapFile(96, 112);
    shortRows.resize(shortRows.size() - 96);
    std::vector<std::uint8_t> shortPalette = EightBitBitmapFile(96, 112);
    shortPalette.resize(54 + 500);
    const std::vector<std::string> files = {
        pictures.Write("true colour.bmp", BlackBitmapFile(96, 112)),
        pictures.Write("short rows.bmp", shortRows),
        pictures.Write("short palette.bmp", shortPalette),
        pictures.Path("missing.bmp"),
    };
    for (const std::string& file : files) {
        const CustomImageRun run = ChooseCustomImage(file, true);
        EXPECT_TRUE(run.failures.empty()) << file;
        EXPECT_EQ(run.messages,
                  (std::vector<std::string>{"New Image", "Image must have 256 colors!"}))
            << file;
        EXPECT_TRUE(run.saved.empty()) << file;
        EXPECT_EQ(run.size, "") << file;
        EXPECT_FALSE(run.useCustomEnabled) << file;
        EXPECT_TRUE(run.stored.empty()) << file;
    }
}

TEST(OptionsDialog, TheFileDialogAsksForABitmap) {
    ScriptedPrompt prompt;
    prompt.CancelFile();
    ScopedPromptOverride useScript(prompt);
    EditorOptions options;
    FakeChooser chooser;
    COptionsDialog dialog(chooser);
    dialog.customImageSavePath = [] { return std::string("C:\\nowhere\\Custom.BMP"); };
    DialogScript script;
    script.Click(IDC_OPTIONS_SS_IMAGE).Click(IDCANCEL);
    script.Play([&] { return dialog.Edit(nullptr, options) ? IDOK : IDCANCEL; });
    EXPECT_TRUE(script.Failures().empty());
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_EQ(prompt.Shown()[0].kind, PromptKind::OpenFile);
    EXPECT_EQ(prompt.Shown()[0].request.title, "New Image");
    EXPECT_EQ(prompt.Shown()[0].request.filter, "Bitmaps 96x112, 256 colours  (.bmp)|*.bmp|");
}

}  // namespace
}  // namespace vl
