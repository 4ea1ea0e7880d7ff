// The wizard's run from the first page to Finish or Cancel, and the whole-scene preview of the
// sequences page, decided here without windows; the builder supplies the pages, the open document
// and the file system through WizardHost.
#pragma once

#include <cstdint>
#include <string>

#include "wizard/core/page_flow.h"
#include "wizard/core/scene_generator.h"
#include "wizard/core/wizard_data.h"

namespace vl {

inline constexpr char kWizardFinishedMessage[] = "Wizard finished succesfully.";

class WizardHost {
  public:
    virtual ~WizardHost() = default;
    // Shows the page on data and returns how it closed (kPageNext, kPageCancel, kPagePrevious).
    virtual std::int32_t ShowPage(WizardPage page, WizardData& data) = 0;

    virtual bool FolderExists(const std::string& folder) = 0;
    // One level; a failure is not reported here (saving reports it later).
    virtual void CreateFolder(const std::string& folder) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    virtual void DeleteFile(const std::string& path) = 0;

    // A new, empty scene in the open document, without asking to save the one open.
    virtual void NewScene() = 0;
    // Where the generated entries go: the open scene.
    virtual WizardSceneTarget& Scene() = 0;
    virtual ScreenSize Screen() = 0;
    // Gives the open document path and title and writes it there; false when it could not be
    // written (the failure is reported by the saving).
    virtual bool SaveScene(const std::string& path, const std::string& title) = 0;
    // Beside the saved scene, without asking for a name; false when it was not made (reported by
    // the making).
    virtual bool MakeScreenSaver() = 0;
    virtual bool MakeInstaller() = 0;
    // Plays the open scene.
    virtual void Preview() = 0;
};

enum class WizardOutcome { kCancelled, kFinished };

// Runs the pages from the first on data (made with MakeWizardData) until Cancel or Finish.
// Finish generates the scene, saves it and makes what was asked for; "Wizard finished
// succesfully." is shown only when all of that succeeded. Cancel leaves the open scene alone.
WizardOutcome RunWizard(WizardData& data, WizardHost& host);

// The sequences page's "Preview SS": a throw-away scene of the sequences, written to the
// wizard's scene file and played. The page stays open.
void PreviewWizardScene(WizardData& data, WizardHost& host);

// Going back from the sequences page: the scene file goes when this run wrote it.
void ForgetPreviewScene(WizardData& data, WizardHost& host);

}  // namespace vl
