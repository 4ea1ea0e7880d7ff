// A wizard run under Wine over a stand-in main window that records the commands and private
// messages it is sent: Cancel leaves its scene alone; Finish hands every entry over in order and
// says it succeeded only when the window made every file.
#include "wizard/run_wizard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/scripted_prompt.h"
#include "scene/entries.h"
#include "support/dialog_script.h"
#include "support/scratch_folder.h"
#include "tests/wizard_core/wizard_objects.h"
#include "wizard/wizard_resources.h"

namespace vl {
namespace {

using test::DialogScript;

// Keeps a scene the way the main window does: File New empties it, 0x8028 appends, 0x8029 and
// 0x802A answer whether the file was made.
class StandInFrame {
  public:
    StandInFrame() {
        WNDCLASSA type{};
        type.lpfnWndProc = &Procedure;
        type.hInstance = GetModuleHandleA(nullptr);
        type.lpszClassName = "WizardStandInFrame";
        RegisterClassA(&type);
        window_ = CreateWindowA("WizardStandInFrame", "Frame", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                nullptr, nullptr, GetModuleHandleA(nullptr), this);
    }
    ~StandInFrame() { DestroyWindow(window_); }

    HWND Handle() const { return window_; }
    EntryList scene;
    std::vector<std::string> received;
    LRESULT madeAnswer = 1;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<StandInFrame*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (!self)
            return DefWindowProcA(window, msg, wParam, lParam);
        switch (msg) {
            case WM_COMMAND:
                self->received.push_back("command " + std::to_string(LOWORD(wParam)));
                if (LOWORD(wParam) == 57600)
                    self->scene.Clear();
                return 0;
            case 0x8028:
                self->received.push_back("entry");
                self->scene.Append(
                    std::unique_ptr<SceneEntry>(reinterpret_cast<SceneEntry*>(lParam)));
                return 0;
            case 0x8029:
                self->received.push_back("scr");
                return self->madeAnswer;
            case 0x802A:
                self->received.push_back("exe");
                return self->madeAnswer;
            default:
                return DefWindowProcA(window, msg, wParam, lParam);
        }
    }

    HWND window_ = nullptr;
};

struct WizardRun {
    StandInFrame frame;
    test::ScratchFolder folder;
    WizardFrame wizard;
    ScriptedPrompt prompt;
    std::vector<std::string> saved;

    WizardRun() {
        frame.scene.Append(std::make_unique<CommentEntry>());
        wizard.mainWindow = frame.Handle();
        wizard.scene = [this]() -> EntryList& { return frame.scene; };
        wizard.saveScene = [this](const std::string& path, const std::string& title) {
            saved.push_back(path + " as " + title);
            return true;
        };
    }
    // The folder the run made, before the scratch folder goes.
    ~WizardRun() { RemoveDirectoryA(folder.Path("Made").c_str()); }
};

TEST(RunWizard, CancelOnTheFirstPageAsksAndLeavesTheOpenSceneAsItWas) {
    WizardRun run;
    run.prompt.AnswerNo().AnswerYes();
    ScopedPromptOverride use(run.prompt);
    DialogScript script;
    script.SetText(IDC_WIZARD_NAME, "Sea").Click(IDCANCEL).Click(IDCANCEL);
    const INT_PTR outcome = script.Play([&] {
        return RunWizard(run.folder.Path(), run.wizard) == WizardOutcome::kCancelled ? IDCANCEL
                                                                                     : IDOK;
    });
    EXPECT_EQ(outcome, IDCANCEL);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(run.prompt.Texts(),
              std::vector<std::string>(2, "Are you sure you want to exit Wizard?"));
    EXPECT_TRUE(run.frame.received.empty());
    EXPECT_EQ(run.frame.scene.Count(), 1u);
    EXPECT_TRUE(run.saved.empty());
}

// The first page for real, the others answered in the user's place: one picture sequence.
void FinishWithOnePicture(WizardRun& run) {
    run.wizard.showPage = [&](WizardPage page, WizardData& data) -> std::int32_t {
        if (page == WizardPage::kGeneral) {
            data.name = "Sea";
            data.makeInstaller = 1;
            return kPageNext;
        }
        if (page == WizardPage::kSequences) {
            data.sequences.push_back(
                MakeWizardSequence(kSequenceImage, *testing::Picture("a.bmp"), 800));
        }
        return kPageNext;
    };
    EXPECT_EQ(RunWizard(run.folder.Path("Made"), run.wizard), WizardOutcome::kFinished);
}

TEST(RunWizard, FinishHandsEachEntryToTheMainWindowAndMakesTheFiles) {
    WizardRun run;
    ScopedPromptOverride use(run.prompt);
    FinishWithOnePicture(run);
    std::vector<std::string> expected = {"command 57600"};
    expected.insert(expected.end(), 9, "entry");
    expected.push_back("scr");
    expected.push_back("exe");
    EXPECT_EQ(run.frame.received, expected);
    EXPECT_EQ(run.frame.scene.Count(), 9u);
    EXPECT_EQ(run.frame.scene.At(1).Kind(), kImage);
    EXPECT_EQ(run.saved, std::vector<std::string>{run.folder.Path() + "\\Made\\Sea.ssd as Sea"});
    EXPECT_EQ(run.prompt.Texts(), std::vector<std::string>{"Wizard finished succesfully."});
    // The folder is made on leaving the first page.
    const DWORD attributes = GetFileAttributesA(run.folder.Path("Made").c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST(RunWizard, TheBuildersOwnNewSceneStandsInForFileNew) {
    WizardRun run;
    int made = 0;
    run.wizard.newScene = [&] {
        ++made;
        run.frame.scene.Clear();
    };
    ScopedPromptOverride use(run.prompt);
    FinishWithOnePicture(run);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(run.frame.received.front(), "entry");
    EXPECT_EQ(run.frame.scene.Count(), 9u);
}

TEST(RunWizard, AFileTheMainWindowDidNotMakeIsNoSuccess) {
    WizardRun run;
    run.frame.madeAnswer = 0;
    ScopedPromptOverride use(run.prompt);
    FinishWithOnePicture(run);
    EXPECT_EQ(run.frame.received.back(), "exe");
    EXPECT_TRUE(run.prompt.Shown().empty());
}

TEST(RunWizard, TheDefaultFolderIsInTheUsersDocuments) {
    const std::string folder = UserWizardFolder();
    const std::string tail = "\\Vistaloom Wizard\\";
    ASSERT_GT(folder.size(), tail.size());
    EXPECT_EQ(folder.substr(folder.size() - tail.size()), tail);
}

// A 24-bit bitmap of one red pixel.
std::vector<std::uint8_t> OnePixelBitmap() {
    return {'B', 'M', 58, 0, 0, 0, 0, 0, 0,  0, 54, 0, 0, 0, 40, 0, 0,   0, 1, 0,
            0,   0,   1,  0, 0, 0, 1, 0, 24, 0, 0,  0, 0, 0, 4,  0, 0,   0, 0, 0,
            0,   0,   0,  0, 0, 0, 0, 0, 0,  0, 0,  0, 0, 0, 0,  0, 255, 0, 0, 0};
}

// The whole way through the real pages: a name, one picture, one sequence made of it, Finish.
TEST(RunWizard, APictureSequenceFromTheFirstPageToFinish) {
    WizardRun run;
    const std::vector<std::uint8_t> bitmap = OnePixelBitmap();
    const std::string picture = run.folder.Write("dot.bmp", bitmap);
    run.prompt.AnswerFiles({picture}).AnswerYes();
    ScopedPromptOverride use(run.prompt);
    DialogScript script;
    script.SetText(IDC_WIZARD_NAME, "Dots")
        .Click(IDOK)            // page 1
        .Click(IDC_OBJECT_ADD)  // page 2A
        .Click(IDOK)
        .Click(IDC_SEQ_ADD_IMAGE)  // page 3 opens Insert sequence
        .Do([](HWND dialog) { SendDlgItemMessageA(dialog, IDC_INSERT_LIST, LB_SETCURSEL, 0, 0); })
        .Click(IDOK)   // Insert
        .Click(IDOK);  // Finish, and Yes
    const INT_PTR outcome = script.Play([&] {
        return RunWizard(run.folder.Path("Made"), run.wizard) == WizardOutcome::kFinished
                   ? IDOK
                   : IDCANCEL;
    });
    EXPECT_EQ(outcome, IDOK);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_TRUE(run.prompt.Failures().empty());
    EXPECT_EQ(run.saved, std::vector<std::string>{run.folder.Path() + "\\Made\\Dots.ssd as Dots"});
    // Definitions comment, Image, separator, heading, Repeat, Show, Wait, Hide, Until.
    ASSERT_EQ(run.frame.scene.Count(), 9u);
    const auto* image = EntryAs<ImageEntry>(&run.frame.scene.At(1));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->fileName, "dot.bmp");
    EXPECT_EQ(image->data.size(), bitmap.size());
    EXPECT_EQ(run.frame.received.back(), "scr");
    EXPECT_EQ(run.prompt.Texts().back(), "Wizard finished succesfully.");
}

// "Preview SS" writes the scene beside the others and the main window previews it; going back
// from the sequences page removes that file, and a second preview writes it again.
TEST(RunWizard, PreviousAfterAWholeScenePreviewRemovesTheSceneThePreviewWrote) {
    WizardRun run;
    run.wizard.saveScene = [&](const std::string& path, const std::string&) {
        run.saved.push_back(path);
        return !run.folder.Write("Made\\Dots.ssd", {1, 2, 3}).empty();
    };
    const std::string scene = run.folder.Path("Made\\Dots.ssd");
    auto exists = [&] { return GetFileAttributesA(scene.c_str()) != INVALID_FILE_ATTRIBUTES; };
    run.prompt.AnswerFiles({run.folder.Write("dot.bmp", OnePixelBitmap())}).AnswerYes();
    ScopedPromptOverride use(run.prompt);
    bool afterPreview = false, afterPrevious = true;
    DialogScript script;
    script.SetText(IDC_WIZARD_NAME, "Dots")
        .Click(IDOK)            // page 1
        .Click(IDC_OBJECT_ADD)  // page 2A
        .Click(IDOK)
        .Click(IDC_SEQ_ADD_IMAGE)
        .Do([](HWND dialog) { SendDlgItemMessageA(dialog, IDC_INSERT_LIST, LB_SETCURSEL, 0, 0); })
        .Click(IDOK)
        .Click(IDC_SEQ_PREVIEW_SCENE)
        .Do([&](HWND) { afterPreview = exists(); })
        .Click(IDC_WIZARD_PREVIOUS)  // back on page 2A
        .Do([&](HWND) { afterPrevious = exists(); })
        .Click(IDCANCEL);  // and Yes, exit
    script.Play([&] {
        return RunWizard(run.folder.Path("Made"), run.wizard) == WizardOutcome::kCancelled
                   ? IDCANCEL
                   : IDOK;
    });
    for (const std::string& failure : script.Failures())
        ADD_FAILURE() << failure;
    for (const std::string& failure : run.prompt.Failures())
        ADD_FAILURE() << failure;
    EXPECT_TRUE(afterPreview) << "the preview wrote the scene";
    EXPECT_FALSE(afterPrevious) << "going back removed it";
    EXPECT_EQ(run.saved.size(), 1u);
    EXPECT_NE(std::find(run.frame.received.begin(), run.frame.received.end(), "command 32793"),
              run.frame.received.end())
        << "the main window was asked to preview (32793)";
    RemoveDirectoryA(run.folder.Path("Made").c_str());
}

}  // namespace
}  // namespace vl
