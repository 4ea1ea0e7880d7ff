// The wizard's first page under Wine: the name guard, the kinds of object, the folder chooser,
// Help and Cancel.
#include "wizard/general_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/scripted_prompt.h"
#include "support/dialog_script.h"
#include "support/scratch_folder.h"
#include "wizard/wizard_resources.h"

namespace vl {
namespace {

using test::DialogScript;

bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

// The user leaves the name field for the Browse button.
DialogScript::Step LeaveName() {
    return [](HWND dialog) {
        SetFocus(GetDlgItem(dialog, IDC_WIZARD_NAME));
        SetFocus(GetDlgItem(dialog, IDC_WIZARD_BROWSE));
    };
}

struct Page {
    test::ScratchFolder folder;
    WizardData data;
    WizardPageServices services;
    ScriptedPrompt prompt;
    std::vector<std::string> helpOpened;

    Page() {
        data = MakeWizardData(folder.Path());
        services.programFolder = "C:\\Program\\";
        services.openHelp = [this](const std::string& path) { helpOpened.push_back(path); };
    }
    WizardPageResult Play(DialogScript& script) {
        ScopedPromptOverride use(prompt);
        CGeneralPage page(data, services);
        return static_cast<WizardPageResult>(script.Play([&] { return page.Show(nullptr); }));
    }
};

TEST(GeneralPage, ANameWhoseFilesExistIsRefusedUntilAnotherIsTyped) {
    Page page;
    page.folder.Write("Sky.scr", {0});
    DialogScript script;
    bool nextAtFirst = true, nextWhileTyping = false, nextWhenTaken = true, checksWhenTaken = true;
    bool focusBack = false, nextForFreeName = false;
    script.Do([&](HWND d) { nextAtFirst = Enabled(d, IDOK); })
        .SetText(IDC_WIZARD_NAME, "Sky")
        .Do([&](HWND d) { nextWhileTyping = Enabled(d, IDOK); })
        .Do(LeaveName())
        .Do([&](HWND d) {
            nextWhenTaken = Enabled(d, IDOK);
            checksWhenTaken = Enabled(d, IDC_WIZARD_MAKE_INSTALLER);
            focusBack = GetFocus() == GetDlgItem(d, IDC_WIZARD_NAME);
            // Enter reaches Next even while it is disabled: the page stays.
            SendMessageA(d, WM_COMMAND, IDOK, 0);
        })
        .SetText(IDC_WIZARD_NAME, "Sea")
        .Do(LeaveName())
        .Do([&](HWND d) { nextForFreeName = Enabled(d, IDOK); })
        .Click(IDOK);
    EXPECT_EQ(page.Play(script), kWizardNext);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_FALSE(nextAtFirst);
    EXPECT_TRUE(nextWhileTyping);
    EXPECT_FALSE(nextWhenTaken);
    EXPECT_FALSE(checksWhenTaken);
    EXPECT_TRUE(focusBack);
    EXPECT_TRUE(nextForFreeName);
    EXPECT_EQ(page.prompt.Texts(),
              std::vector<std::string>{"File already exists! \n(with extension ssd, scr or exe)"});
    EXPECT_EQ(page.data.name, "Sea");
}

TEST(GeneralPage, OpensWithEverythingButTheFolderOffWhenTheNameIsTaken) {
    Page page;
    page.folder.Write("Sky.ssd", {0});
    page.data.name = "Sky";
    DialogScript script;
    std::vector<bool> enabled;
    script.Do([&](HWND d) {
        for (int id : {IDC_WIZARD_USE_IMAGES, IDC_WIZARD_USE_MEDIA, IDC_WIZARD_USE_TEXTS,
                       IDC_WIZARD_REPEAT_FOREVER, IDC_WIZARD_MAKE_SCREEN_SAVER,
                       IDC_WIZARD_MAKE_INSTALLER, IDOK, IDC_WIZARD_BROWSE, IDC_WIZARD_NAME})
            enabled.push_back(Enabled(d, id));
        EndDialog(d, IDCANCEL);
    });
    page.Play(script);
    EXPECT_EQ(enabled,
              (std::vector<bool>{false, false, false, false, false, false, false, true, true}));
}

TEST(GeneralPage, NextNeedsAKindOfObjectAndStoresEveryChoice) {
    Page page;
    page.prompt.AnswerFolder("D:\\Savers").CancelFolder();
    DialogScript script;
    bool nextWithoutKinds = true, nextWithMedia = false;
    std::string folderShown;
    script.SetText(IDC_WIZARD_NAME, "Sea")
        .Check(IDC_WIZARD_USE_IMAGES, BST_UNCHECKED)
        .Do([&](HWND d) { nextWithoutKinds = Enabled(d, IDOK); })
        .Check(IDC_WIZARD_USE_MEDIA)
        .Do([&](HWND d) { nextWithMedia = Enabled(d, IDOK); })
        .Check(IDC_WIZARD_REPEAT_FOREVER, BST_UNCHECKED)
        .Check(IDC_WIZARD_MAKE_SCREEN_SAVER, BST_UNCHECKED)
        .Check(IDC_WIZARD_MAKE_INSTALLER)
        .Click(IDC_WIZARD_BROWSE)
        .Click(IDC_WIZARD_BROWSE)  // cancelled: the folder stays
        .ReadText(IDC_WIZARD_FOLDER, folderShown)
        .Click(IDC_WIZARD_HELP)
        .Click(IDOK);
    EXPECT_EQ(page.Play(script), kWizardNext);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_TRUE(page.prompt.Failures().empty());
    EXPECT_FALSE(nextWithoutKinds);
    EXPECT_TRUE(nextWithMedia);
    EXPECT_EQ(folderShown, "D:\\Savers\\");
    ASSERT_EQ(page.prompt.Shown().size(), 2u);
    EXPECT_EQ(page.prompt.Shown()[0].text, "Choose your default wizard folder:");
    EXPECT_EQ(page.helpOpened, std::vector<std::string>{"C:\\Program\\Help\\Step1.htm"});
    const WizardData& data = page.data;
    EXPECT_EQ(data.folder, "D:\\Savers\\");
    EXPECT_EQ(data.name, "Sea");
    EXPECT_EQ(std::vector<int>({data.useImages, data.useMedia, data.useTexts, data.repeatForever,
                                data.makeScreenSaver, data.makeInstaller}),
              std::vector<int>({0, 1, 0, 0, 0, 1}));
}

TEST(GeneralPage, CancelAsksAndEmptiesTheName) {
    Page page;
    page.data.name = "Sea";
    page.prompt.AnswerNo().AnswerYes();
    DialogScript script;
    script.Click(IDCANCEL).Click(IDCANCEL);
    EXPECT_EQ(page.Play(script), kWizardCancel);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(page.prompt.Texts(),
              std::vector<std::string>(2, "Are you sure you want to exit Wizard?"));
    EXPECT_EQ(page.prompt.Shown()[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(page.prompt.Shown()[0].defaultNo);
    EXPECT_EQ(page.data.name, "");
}

}  // namespace
}  // namespace vl
