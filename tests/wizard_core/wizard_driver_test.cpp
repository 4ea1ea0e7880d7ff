// The wizard's run as a whole: which pages are shown in which order, when the folder is made,
// what Finish and Cancel leave behind, and when the scene file of a preview is removed.
#include "wizard/core/wizard_driver.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "framework/scripted_prompt.h"
#include "scene/entries.h"
#include "tests/wizard_core/wizard_objects.h"

namespace vl {
namespace {

using testing::Picture;

// Plays the pages' results from a script and records everything the run asks of the builder,
// in order, as short words.
class FakeHost final : public WizardHost {
  public:
    std::deque<std::int32_t> results;
    std::vector<WizardPage> shown;
    std::vector<std::string> calls;
    std::set<std::string> folders;
    std::set<std::string> files;
    bool saveWorks = true, screenSaverWorks = true, installerWorks = true;
    EntryList scene;
    EntryListTarget target{scene};
    std::function<void(WizardPage, WizardData&)> onPage;

    std::int32_t ShowPage(WizardPage page, WizardData& data) override {
        shown.push_back(page);
        if (onPage)
            onPage(page, data);
        if (results.empty())
            return kPageCancel;
        const std::int32_t result = results.front();
        results.pop_front();
        return result;
    }
    bool FolderExists(const std::string& folder) override { return folders.count(folder) != 0; }
    void CreateFolder(const std::string& folder) override {
        calls.push_back("mkdir " + folder);
        folders.insert(folder);
    }
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    void DeleteFile(const std::string& path) override {
        calls.push_back("delete " + path);
        files.erase(path);
    }
    void NewScene() override {
        calls.push_back("new");
        scene.Clear();
    }
    WizardSceneTarget& Scene() override { return target; }
    ScreenSize Screen() override { return {800, 600}; }
    bool SaveScene(const std::string& path, const std::string& title) override {
        calls.push_back("save " + path + " as " + title);
        if (saveWorks)
            files.insert(path);
        return saveWorks;
    }
    bool MakeScreenSaver() override {
        calls.push_back("scr");
        return screenSaverWorks;
    }
    bool MakeInstaller() override {
        calls.push_back("exe");
        return installerWorks;
    }
    void Preview() override { calls.push_back("preview"); }
};

WizardData Data() {
    WizardData data = MakeWizardData("C:\\Docs\\Vistaloom Wizard\\");
    data.name = "Sky";
    return data;
}

void AddPictureSequence(WizardData& data) {
    data.images.push_back(Picture("a.bmp"));
    data.sequences.push_back(MakeWizardSequence(kSequenceImage, *data.images.back(), 800));
}

TEST(WizardRun, PagesOfKindsNotChosenArePassedOverBothWays) {
    WizardData data = Data();
    data.useImages = 0;
    data.useMedia = 1;
    data.useTexts = 1;
    FakeHost host;
    host.results = {kPageNext,     kPageNext,     kPageNext, kPagePrevious,
                    kPagePrevious, kPagePrevious, kPageNext, kPageCancel};
    EXPECT_EQ(RunWizard(data, host), WizardOutcome::kCancelled);
    const std::vector<WizardPage> expected = {
        WizardPage::kGeneral, WizardPage::kMedia, WizardPage::kTexts,   WizardPage::kSequences,
        WizardPage::kTexts,   WizardPage::kMedia, WizardPage::kGeneral, WizardPage::kMedia};
    EXPECT_EQ(host.shown, expected);
}

TEST(WizardRun, TheFolderIsMadeWhenTheFirstPageIsLeftWithNextAndItIsMissing) {
    WizardData data = Data();
    FakeHost host;
    // Next, back to page 1 (the folder now exists), Next again, Cancel.
    host.results = {kPageNext, kPagePrevious, kPageNext, kPageCancel};
    RunWizard(data, host);
    EXPECT_EQ(host.calls, std::vector<std::string>{"mkdir C:\\Docs\\Vistaloom Wizard\\"});

    FakeHost cancelled;
    cancelled.results = {kPageCancel};
    RunWizard(data, cancelled);
    EXPECT_TRUE(cancelled.calls.empty());
}

TEST(WizardRun, CancelGeneratesNothingAndLeavesTheOpenSceneAsItWas) {
    WizardData data = Data();
    AddPictureSequence(data);
    FakeHost host;
    host.folders.insert(data.folder);
    host.scene.Append(std::make_unique<CommentEntry>());
    host.results = {kPageNext, kPageNext, kPageCancel};
    ScriptedPrompt prompt;
    ScopedPromptOverride use(prompt);
    EXPECT_EQ(RunWizard(data, host), WizardOutcome::kCancelled);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(host.scene.Count(), 1u);
    EXPECT_TRUE(prompt.Shown().empty());
}

TEST(WizardRun, FinishGeneratesSavesMakesWhatWasAskedAndSaysSo) {
    WizardData data = Data();
    data.makeInstaller = 1;
    AddPictureSequence(data);
    FakeHost host;
    host.folders.insert(data.folder);
    host.results = {kPageNext, kPageNext, kPageNext};
    ScriptedPrompt prompt;
    ScopedPromptOverride use(prompt);
    EXPECT_EQ(RunWizard(data, host), WizardOutcome::kFinished);
    const std::vector<std::string> expected = {
        "new", "save C:\\Docs\\Vistaloom Wizard\\Sky.ssd as Sky", "scr", "exe"};
    EXPECT_EQ(host.calls, expected);
    // Definitions comment, Image, separator, heading, Repeat, Show, Wait, Hide, Until.
    EXPECT_EQ(host.scene.Count(), 9u);
    EXPECT_TRUE(data.images.empty());
    EXPECT_TRUE(data.sequences.empty());
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_EQ(prompt.Shown()[0].text, "Wizard finished succesfully.");
    EXPECT_EQ(prompt.Shown()[0].icon, MessageIcon::Plain);
}

TEST(WizardRun, AFailedSaveOrMakingIsNotCalledASuccess) {
    struct Case {
        bool save, scr, exe;
        std::vector<std::string> calls;
    };
    const std::string save = "save C:\\Docs\\Vistaloom Wizard\\Sky.ssd as Sky";
    const Case cases[] = {
        {false, true, true, {"new", save}},  // nothing to make from an unsaved scene
        {true, false, true, {"new", save, "scr", "exe"}},
        {true, true, false, {"new", save, "scr", "exe"}},
    };
    for (const Case& c : cases) {
        WizardData data = Data();
        data.makeInstaller = 1;
        AddPictureSequence(data);
        FakeHost host;
        host.folders.insert(data.folder);
        host.saveWorks = c.save;
        host.screenSaverWorks = c.scr;
        host.installerWorks = c.exe;
        host.results = {kPageNext, kPageNext, kPageNext};
        ScriptedPrompt prompt;
        ScopedPromptOverride use(prompt);
        EXPECT_EQ(RunWizard(data, host), WizardOutcome::kFinished);
        EXPECT_EQ(host.calls, c.calls);
        EXPECT_TRUE(prompt.Shown().empty());
    }
}

TEST(WizardRun, OnlyTheFilesAskedForAreMade) {
    WizardData data = Data();
    data.makeScreenSaver = 0;
    AddPictureSequence(data);
    FakeHost host;
    host.folders.insert(data.folder);
    host.results = {kPageNext, kPageNext, kPageNext};
    ScriptedPrompt prompt;
    ScopedPromptOverride use(prompt);
    RunWizard(data, host);
    EXPECT_EQ(host.calls.size(), 2u);
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"Wizard finished succesfully."});
}

TEST(WizardRun, PreviousFromTheSequencesPageRemovesTheSceneFileOnlyWhenThisRunWroteIt) {
    const std::string path = "C:\\Docs\\Vistaloom Wizard\\Sky.ssd";
    {
        // A file of that name that this run did not write stays.
        WizardData data = Data();
        FakeHost host;
        host.folders.insert(data.folder);
        host.files.insert(path);
        host.results = {kPageNext, kPageNext, kPagePrevious, kPageCancel};
        RunWizard(data, host);
        EXPECT_EQ(host.files.count(path), 1u);
    }
    {
        // A whole-scene preview on the sequences page writes it; Previous removes it.
        WizardData data = Data();
        AddPictureSequence(data);
        FakeHost host;
        host.folders.insert(data.folder);
        host.onPage = [&](WizardPage page, WizardData& shared) {
            if (page == WizardPage::kSequences && host.shown.size() == 3)
                PreviewWizardScene(shared, host);
        };
        host.results = {kPageNext, kPageNext, kPagePrevious, kPageNext, kPagePrevious, kPageCancel};
        RunWizard(data, host);
        const std::vector<std::string> expected = {"new", "save " + path + " as Sky", "preview",
                                                   "delete " + path};
        EXPECT_EQ(host.calls, expected);
        EXPECT_FALSE(data.sceneWritten);
        // The preview scene carries one heading: its actions begin right after the definitions.
        const auto* heading = EntryAs<CommentEntry>(&host.scene.At(2));
        ASSERT_NE(heading, nullptr);
        EXPECT_EQ(heading->text, "Screen saver actualy begins here");
    }
}

}  // namespace
}  // namespace vl
