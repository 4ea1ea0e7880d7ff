// CMainFrame, the builder's one main window (class "Vistaloom2.2"): the menu, accelerators,
// toolbar, status bar and the splitter with the palette and the scene list, the routing of every
// command, the private messages of a second start and of the wizard, and what is kept when it
// closes.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>

#include "app/core/builder_settings.h"
#include "app/core/command_router.h"
#include "app/core/recent_files.h"
#include "app/core/startup_args.h"
#include "app/core/user_files.h"
#include "app/scene_doc.h"
#include "framework/docking_toolbar.h"
#include "editor/comm_view.h"
#include "editor/options_editor.h"
#include "editor/scene_view.h"
#include "engine/image/core/picture_verifier.h"
#include "engine/player/calibration.h"
#include "framework/profile_settings.h"
#include "framework/handles.h"
#include "framework/message_loop.h"
#include "framework/static_splitter.h"
#include "framework/status_bar.h"
#include "framework/window.h"

namespace vl {

class PackagingSystem;

// Sent by the wizard: append the entry in lParam (a SceneEntry*, whose ownership passes to the
// scene); make the screen saver; make the installer. The last two answer 1 when the file was made.
inline constexpr UINT kAppendEntryMessage = 0x8028;
inline constexpr UINT kMakeScreenSaverMessage = 0x8029;
inline constexpr UINT kMakeInstallerMessage = 0x802A;

class CMainFrame final : public Window, private IMessageFilter, private IIdleHandler {
  public:
    struct Services {
        CSceneDoc& document;
        ISettingsStore& settings;
        PackagingSystem& packaging;
        MessageLoop& loop;
        BuilderFolders folders;
        std::string optionsPath;  // where the options file is written on close
        // Shows an exported text file; none: the shell's default action.
        std::function<void(const std::string& path)> openFile;
        // The property dialogs and the Options dialog (not owned); none: their commands do
        // nothing.
        EntryEditor* entryEditor = nullptr;
        OptionsEditor* optionsEditor = nullptr;
        // The pictures that decoded in this session (not owned); none: the scene list's own.
        VerifiedPictures* verifiedPictures = nullptr;
        // Decodes the scene's pictures into verifiedPictures while the builder is idle (not
        // owned); none: the check before a preview decodes them all.
        PictureVerifier* pictureVerifier = nullptr;
    };
    explicit CMainFrame(Services services);
    ~CMainFrame() override;

    // Adds entry at the end of the scene list, selected; returns it (owned by the scene now).
    SceneEntry* AppendEntry(std::unique_ptr<SceneEntry> entry);

    // Creates the window at `place` (not shown yet), its bars, panes and menus.
    bool Create(const WindowPlace& place, const BuilderSettings& settings);
    // After the first show: the toolbar's saved place, then the splash or start window.
    void AfterShown(const StartupArgs& args);

    // Opens a file as a recent file, a dropped file or a second start does: asks to save changes
    // first; a failure says so with the file's name.
    bool OpenDocumentFile(const std::string& path);

    CommandRouter& Router() { return router_; }
    CommandContext Context() const;
    const RecentFiles& Recent() const { return recent_; }

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    bool PreTranslate(MSG& msg) override;
    void OnIdle() override;
    // Hands the scene's pictures to the background verifier when the scene has changed.
    void OfferPictures();

    void OnSize();
    void OnCommand(int id);
    void OnInitMenuPopup(HMENU menu);
    void OnSysCommand(WPARAM wParam, LPARAM lParam);
    void OnDropFiles(HDROP drop);
    void OnClose();
    void OnHandoff();
    void OnAppendEntry(LPARAM entry);
    void OnNotify(const NMHDR& header);

    void RegisterCommands();
    void RegisterPackagingCommands();
    void RegisterListCommands();
    // Change options: the Options dialog on a copy; confirmed, the copy replaces the options and
    // the list is rebuilt with them.
    void ChangeOptions();
    void UpdateTitle();
    void RefreshViews();
    void FillRecentFiles(HMENU fileMenu);
    void SetAlwaysOnTop(bool on);
    // Tab, F6 and Shift+F6: the other pane takes the focus and its commands come first.
    void SwitchPane();
    void ShowStartWindow();
    // Asks to save changes, then runs the wizard from the user's wizard folder.
    void StartWizard();
    void ShowHelp();
    void StoreOnClose();
    bool CreateBars(const BuilderSettings& settings);

    Services services_;
    CommandRouter router_;
    CommandTarget frameCommands_;
    CommandTarget documentCommands_;
    RecentFiles recent_;
    std::unique_ptr<AcceleratorFilter> accelerators_;
    ProfileSettings profile_;
    ProfileCalibrationStore calibration_;
    StaticSplitter splitter_;
    CCommView palette_;
    CSceneView sceneList_;
    DockingToolBar toolbar_;
    StatusBar statusBar_;
    BitmapHandle toolbarImages_;
    BitmapHandle toolbarDisabledImages_;
    bool alwaysOnTop_ = false;
    bool startDlg_ = false;
    bool reuse_ = false;
    bool closing_ = false;
    // What the scene was when its pictures were last offered to the verifier: its first entry,
    // its size and whether it was modified. Any open, paste, drop or edit changes one of them.
    struct OfferedScene {
        const SceneEntry* first = nullptr;
        std::size_t count = 0;
        bool modified = false;
        bool operator==(const OfferedScene& o) const {
            return first == o.first && count == o.count && modified == o.modified;
        }
    } offered_;
};

}  // namespace vl
