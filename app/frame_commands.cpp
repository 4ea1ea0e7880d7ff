// The commands the main frame and the document carry out themselves.
#include "app/about_dialog.h"
#include "app/core/builder_settings.h"
#include "app/main_frame.h"

#include "wizard/run_wizard.h"
#include "app/resource.h"
#include "app/start_window.h"
#include "package/packager.h"
#include "framework/prompt.h"
#include "wizard/run_wizard.h"

namespace vl {

void CMainFrame::RegisterCommands() {
    CSceneDoc& document = services_.document;
    const auto context = [this] { return Context(); };
    const auto ruled = [&](CommandTarget& target, CommandId id, std::function<void()> execute) {
        target.RegisterRuled(id, context, std::move(execute));
    };

    ruled(documentCommands_, kCmdNew, [&document] { document.New(); });
    ruled(documentCommands_, kCmdOpen, [&document] { document.Open(); });
    ruled(documentCommands_, kCmdSave, [&document] { document.Save(); });
    ruled(documentCommands_, kCmdSaveAs, [&document] { document.SaveAs(); });
    for (int i = 0; i < kRecentFileCommands; ++i) {
        ruled(frameCommands_, static_cast<CommandId>(kCmdRecentFile1 + i), [this, i] {
            const auto& files = recent_.Entries();
            if (static_cast<std::size_t>(i) >= files.size())
                return;
            const std::string path = files[static_cast<std::size_t>(i)];
            if (!OpenDocumentFile(path) && services_.document.Path() != path) {
                // A file that is gone leaves the list, as the user cannot open it any more.
                recent_.Remove(path);
                recent_.Save(services_.settings);
            }
        });
    }
    ruled(frameCommands_, kCmdExit, [this] { PostMessageA(Handle(), WM_CLOSE, 0, 0); });
    RegisterPackagingCommands();
    RegisterListCommands();

    ruled(frameCommands_, kCmdReuse, [this] {
        reuse_ = !reuse_;
        WriteIntSetting(services_.settings, kReuseSetting, reuse_ ? 1 : 0);
    });
    ruled(frameCommands_, kCmdToolbar, [this] {
        toolbar_.Show(!toolbar_.IsVisible());
        OnSize();
    });
    ruled(frameCommands_, kCmdStatusBar, [this] {
        statusBar_.Show(!statusBar_.IsVisible());
        OnSize();
    });
    ruled(frameCommands_, kCmdWizard, [this] { StartWizard(); });
    ruled(frameCommands_, kCmdStartWindow, [this] { ShowStartWindow(); });
    ruled(frameCommands_, kCmdHelpTopics, [this] { ShowHelp(); });
    ruled(frameCommands_, kCmdAbout, [this] { AboutDialog().Run(Handle()); });
    ruled(frameCommands_, kCmdNextPane, [this] { SwitchPane(); });
    ruled(frameCommands_, kCmdPrevPane, [this] { SwitchPane(); });
}

void CMainFrame::RegisterPackagingCommands() {
    const auto context = [this] { return Context(); };
    const auto packager = [this] { return Packager(services_.document, services_.packaging); };
    frameCommands_.RegisterRuled(kCmdMakeSS, context,
                                 [packager] { packager().MakeScreenSaver(true); });
    frameCommands_.RegisterRuled(kCmdMakeInstall, context,
                                 [packager] { packager().MakeInstaller(true); });
    frameCommands_.RegisterRuled(kCmdSetSSAsDefault, context,
                                 [packager] { packager().SetDefaultScreenSaver(); });
    frameCommands_.RegisterRuled(kCmdMakeInstallForScr, context,
                                 [packager] { packager().MakeInstallerFromScr(); });
}

// The scene list's operations: the frame routes each to the list in the right pane, whichever
// pane has the focus.
void CMainFrame::RegisterListCommands() {
    const auto context = [this] { return Context(); };
    const auto ruled = [&](CommandId id, std::function<void()> execute) {
        frameCommands_.RegisterRuled(id, context, std::move(execute));
    };
    const auto insert = [this](CSceneView::Place place) {
        if (std::unique_ptr<SceneEntry> entry = palette_.TakeSelectedPrototype())
            sceneList_.InsertCommand(std::move(entry), place);
    };
    ruled(kCmdAdd, [insert] { insert(CSceneView::Place::kAppend); });
    ruled(kCmdInsert, [insert] { insert(CSceneView::Place::kBeforeCaret); });
    ruled(kCmdDelete, [this] { sceneList_.DeleteSelection(true); });
    ruled(kCmdCut, [this] { sceneList_.CutSelection(); });
    ruled(kCmdCopy, [this] { sceneList_.CopySelection(); });
    ruled(kCmdPaste, [this] { sceneList_.Paste(); });
    ruled(kCmdDeactivate, [this] { sceneList_.SetDisabled(true); });
    ruled(kCmdActivate, [this] { sceneList_.SetDisabled(false); });
    ruled(kCmdActivateAll, [this] { sceneList_.ActivateAll(); });
    ruled(kCmdSelectAll, [this] { sceneList_.SelectAll(); });
    ruled(kCmdRefresh, [this] { sceneList_.Refresh(); });
    ruled(kCmdAddAndEdit, [this] { palette_.EditSelectedPrototype(); });
    ruled(kCmdOptions, [this] { ChangeOptions(); });
    ruled(kCmdPreview, [this] { sceneList_.Preview(); });
}

void CMainFrame::ChangeOptions() {
    if (!services_.optionsEditor)
        return;
    EditorOptions options = services_.document.Store().Options();
    if (!services_.optionsEditor->Edit(Handle(), options))
        return;
    services_.document.Store().Options() = options;
    sceneList_.ApplyOptions(options);
}

void CMainFrame::ShowStartWindow() {
    StartWindow start;
    start.doNotShow = startDlg_;
    start.onDoNotShowChanged = [this](bool doNotShow) {
        startDlg_ = doNotShow;
        WriteIntSetting(services_.settings, kStartDlgSetting, doNotShow ? 1 : 0);
    };
    switch (start.Run(Handle())) {
        case IDC_START_WIZARD:
            PostMessageA(Handle(), WM_COMMAND, ID_WIZARD, 0);
            break;
        case IDC_START_OPEN:
            PostMessageA(Handle(), WM_COMMAND, ID_FILE_OPEN, 0);
            break;
        default:
            break;
    }
}

void CMainFrame::StartWizard() {
    if (!services_.document.SaveModified())
        return;
    WizardFrame wizard;
    wizard.mainWindow = Handle();
    wizard.scene = [this]() -> EntryList& { return services_.document.Entries(); };
    wizard.saveScene = [this](const std::string& path, const std::string&) {
        return services_.document.SaveTo(path);
    };
    // Changes the user chose not to save are not asked about a second time.
    wizard.newScene = [this] {
        services_.document.SetModified(false);
        SendMessageA(Handle(), WM_COMMAND, ID_FILE_NEW, 0);
    };
    wizard.pages.mainWindow = Handle();
    wizard.pages.programFolder = services_.folders.program;
    RunWizard(UserWizardFolder(), wizard);
}

void CMainFrame::ShowHelp() {
    const std::string index = services_.folders.program + "Help\\Index.html";
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(Handle(), "open", index.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED));
    if (result <= 32)
        CurrentPrompt().Message(index + "\ncannot be opened.", MessageIcon::Stop);
}

}  // namespace vl
