#include "wizard/core/wizard_driver.h"

#include "framework/prompt.h"

namespace vl {

namespace {

void EnsureFolder(const WizardData& data, WizardHost& host) {
    if (!host.FolderExists(data.folder))
        host.CreateFolder(data.folder);
}

// Returns whether the scene was saved and every file asked for was made.
bool Finish(WizardData& data, WizardHost& host) {
    host.NewScene();
    data.images.clear();
    data.media.clear();
    data.texts.clear();
    GenerateScene(data.sequences, data.repeatForever != 0, GeneratedForm::kFinal, host.Screen(),
                  host.Scene());
    const bool saved = host.SaveScene(WizardScenePath(data), data.name);
    data.sceneWritten = data.sceneWritten || saved;
    // The makers save the scene again first: after a failed save they would only repeat its
    // message.
    bool made = saved;
    if (saved && data.makeScreenSaver)
        made = host.MakeScreenSaver() && made;
    if (saved && data.makeInstaller)
        made = host.MakeInstaller() && made;
    data.sequences.clear();
    return made;
}

}  // namespace

WizardOutcome RunWizard(WizardData& data, WizardHost& host) {
    WizardPage page = WizardPage::kGeneral;
    for (;;) {
        const std::int32_t result = host.ShowPage(page, data);
        if (page == WizardPage::kGeneral && result == kPageNext)
            EnsureFolder(data, host);
        if (page == WizardPage::kSequences && result == kPagePrevious)
            ForgetPreviewScene(data, host);
        const WizardPage next = PageAfter(page, result, data);
        if (next == WizardPage::kCancelled)
            return WizardOutcome::kCancelled;
        if (next == WizardPage::kFinished) {
            if (Finish(data, host))
                CurrentPrompt().Message(kWizardFinishedMessage, MessageIcon::Plain);
            return WizardOutcome::kFinished;
        }
        page = next;
    }
}

void PreviewWizardScene(WizardData& data, WizardHost& host) {
    host.NewScene();
    GenerateScene(data.sequences, data.repeatForever != 0, GeneratedForm::kPreview, host.Screen(),
                  host.Scene());
    if (host.SaveScene(WizardScenePath(data), data.name))
        data.sceneWritten = true;
    host.Preview();
}

void ForgetPreviewScene(WizardData& data, WizardHost& host) {
    if (!data.sceneWritten)
        return;
    const std::string path = WizardScenePath(data);
    if (host.FileExists(path))
        host.DeleteFile(path);
    data.sceneWritten = false;
}

}  // namespace vl
