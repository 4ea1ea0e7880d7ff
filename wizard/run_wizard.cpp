#include "wizard/run_wizard.h"

#include <shlobj.h>

#include <memory>

#include "wizard/general_page.h"
#include "wizard/insert_sequence_dialog.h"
#include "wizard/object_pages.h"
#include "wizard/preview_sequence_dialog.h"
#include "wizard/sequences_page.h"
#include "wizard/texts_page.h"

namespace vl {

namespace {

constexpr WPARAM kFileNewCommand = 57600;
constexpr WPARAM kPreviewCommand = 32793;
constexpr UINT kAppendEntry = 0x8028;
constexpr UINT kMakeScreenSaver = 0x8029;
constexpr UINT kMakeInstaller = 0x802A;

class FrameSceneTarget final : public WizardSceneTarget {
  public:
    explicit FrameSceneTarget(WizardFrame& frame) : frame_(frame) {}
    EntryList& Scene() override { return frame_.scene(); }
    void Append(std::unique_ptr<SceneEntry> entry) override {
        // The main window takes the entry over.
        SendMessageA(frame_.mainWindow, kAppendEntry, 0, reinterpret_cast<LPARAM>(entry.release()));
    }

  private:
    WizardFrame& frame_;
};

class FrameHost final : public WizardHost {
  public:
    explicit FrameHost(WizardFrame& frame) : frame_(frame), target_(frame) {}

    std::int32_t ShowPage(WizardPage page, WizardData& data) override {
        if (frame_.showPage)
            return frame_.showPage(page, data);
        switch (page) {
            case WizardPage::kGeneral:
                return CGeneralPage(data, frame_.pages).Show(frame_.mainWindow);
            case WizardPage::kImages:
                return CImagesPage(data, frame_.pages).Show(frame_.mainWindow);
            case WizardPage::kMedia:
                return CMediaPage(data, frame_.pages).Show(frame_.mainWindow);
            case WizardPage::kTexts:
                return CTextsPage(data, frame_.pages).Show(frame_.mainWindow);
            case WizardPage::kSequences: {
                WizardPageServices services = frame_.pages;
                services.previewScene = [this](WizardData& shared) {
                    PreviewWizardScene(shared, *this);
                };
                if (!services.previewSequence) {
                    services.previewSequence = [](const WizardSequence& sequence) {
                        PreviewSequence(GetActiveWindow(), sequence);
                    };
                }
                if (!services.chooseObject) {
                    services.chooseObject = [](std::int32_t kind, const WizardData& shared) {
                        // Over the page, which is the active window while it asks.
                        return ChooseSequenceObject(GetActiveWindow(), kind, shared);
                    };
                }
                return CSequencesPage(data, services).Show(frame_.mainWindow);
            }
            default:
                return kPageCancel;
        }
    }
    bool FolderExists(const std::string& folder) override {
        const DWORD attributes = GetFileAttributesA(folder.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    void CreateFolder(const std::string& folder) override {
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    bool FileExists(const std::string& path) override {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    // windows.h makes this method DeleteFileA: the system's function needs its scope, or the call
    // would be this method again, for ever.
    void DeleteFile(const std::string& path) override { ::DeleteFileA(path.c_str()); }
    void NewScene() override {
        if (frame_.newScene) {
            frame_.newScene();
            return;
        }
        SendMessageA(frame_.mainWindow, WM_COMMAND, kFileNewCommand, 0);
    }
    WizardSceneTarget& Scene() override { return target_; }
    ScreenSize Screen() override {
        HDC screen = GetDC(nullptr);
        const ScreenSize size{GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES)};
        ReleaseDC(nullptr, screen);
        return size;
    }
    bool SaveScene(const std::string& path, const std::string& title) override {
        return frame_.saveScene && frame_.saveScene(path, title);
    }
    bool MakeScreenSaver() override {
        return SendMessageA(frame_.mainWindow, kMakeScreenSaver, 0, 0) != 0;
    }
    bool MakeInstaller() override {
        return SendMessageA(frame_.mainWindow, kMakeInstaller, 0, 0) != 0;
    }
    void Preview() override { SendMessageA(frame_.mainWindow, WM_COMMAND, kPreviewCommand, 0); }

  private:
    WizardFrame& frame_;
    FrameSceneTarget target_;
};

}  // namespace

WizardOutcome RunWizard(const std::string& folder, WizardFrame& frame) {
    WizardData data = MakeWizardData(folder);
    FrameHost host(frame);
    return RunWizard(data, host);
}

std::string UserWizardFolder() {
    char documents[MAX_PATH] = "";
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents)))
        return std::string();
    return DefaultWizardFolder(documents);
}

}  // namespace vl
