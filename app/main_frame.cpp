#include "app/main_frame.h"

#include "app/core/section_bar_state.h"
#include "app/core/title_text.h"
#include "app/core/window_place.h"
#include "app/resource.h"
#include "app/single_instance.h"
#include "app/splash_window.h"
#include "app/start_window.h"
#include "editor/preview_frame.h"
#include "framework/bar_state_store.h"
#include "framework/frame_layout.h"
#include "package/packager.h"
#include "framework/prompt.h"

namespace vl {
namespace {

constexpr int kSplitterId = 0xE900;
constexpr int kPaletteId = 0xE901;
constexpr int kSceneListId = 0xE902;
constexpr int kToolbarId = 0xE800;
constexpr int kStatusBarId = 0xE801;
constexpr int kButtonSize = 48;
constexpr char kToolbarSection[] = "Toolbar";

// The toolbar's buttons in order; 0 is a separator.
const std::vector<UINT> kToolbarCommands = {ID_FILE_NEW,
                                            ID_FILE_OPEN,
                                            ID_FILE_SAVE,
                                            0,
                                            ID_EDIT_CUT,
                                            ID_EDIT_COPY,
                                            ID_EDIT_PASTE,
                                            0,
                                            ID_CURRENT,
                                            ID_ADD,
                                            ID_INSERT,
                                            ID_DELETE,
                                            0,
                                            ID_PREVIEW,
                                            0,
                                            ID_WIZARD,
                                            ID_START_WINDOW};

bool KeyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

CMainFrame::CMainFrame(Services services)
    : services_(std::move(services)),
      profile_(kBuilderSettingsKey),
      calibration_(profile_),
      palette_(services_.document.Store().Prototypes(), services_.entryEditor),
      sceneList_(CSceneView::Services{
          services_.document.Entries(), [this] { services_.document.SetModified(); },
          [this](CommandId id) { SendMessageA(Handle(), WM_COMMAND, static_cast<WPARAM>(id), 0); },
          [this] { return services_.document.Path(); },
          [this] {
              splitter_.ActivatePane(1);
              router_.SetFocusedView(nullptr);
          },
          [this] { return services_.document.IsModified(); }, services_.entryEditor, &calibration_,
          [this](std::uint32_t times) {
              StartPreview({Handle(), services_.document.Entries(),
                            services_.document.Store().Options(), times, services_.loop,
                            services_.settings});
          },
          services_.openFile, [this] { router_.SetFocusedView(nullptr); }, nullptr,
          services_.verifiedPictures}),
      statusBar_("Ready") {}

CMainFrame::~CMainFrame() {
    services_.loop.RemoveFilter(this);
    services_.loop.RemoveIdleHandler(this);
    Destroy();
}

bool CMainFrame::Create(const WindowPlace& place, const BuilderSettings& settings) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WindowClass windowClass = {};
    windowClass.name = kFrameClassName;
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.icon = LoadIconA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    if (!Window::Register(windowClass))
        return false;
    startDlg_ = settings.startDlg;
    reuse_ = settings.reuse;
    recent_.Load(services_.settings);

    HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    if (!Window::Create(kFrameClassName, 0, kProgramTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                        place.x, place.y, place.width, place.height, nullptr, menu)) {
        return false;
    }
    if (!CreateBars(settings))
        return false;
    if (HACCEL table = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME)))
        accelerators_ = std::make_unique<AcceleratorFilter>(Handle(), table);
    services_.loop.AddFilter(this);
    services_.loop.AddIdleHandler(this);

    // "&Always On Top" below a separator of the system menu.
    HMENU system = GetSystemMenu(Handle(), FALSE);
    AppendMenuA(system, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(system, MF_STRING, ID_ALWAYS_ON_TOP, "&Always On Top");
    SetAlwaysOnTop(settings.alwaysOnTop);
    DragAcceptFiles(Handle(), TRUE);

    CSceneDoc& document = services_.document;
    document.onTitleChanged = [this] { UpdateTitle(); };
    document.onContentsChanged = [this] { RefreshViews(); };
    // Before packaging too, a failed check shows its line in the list.
    document.checkScene = [this] { return sceneList_.CheckScene(); };
    document.onFileUsed = [this](const std::string& path) {
        recent_.Add(path);
        recent_.Save(services_.settings);
    };
    RegisterCommands();
    router_.SetFrame(&frameCommands_);
    router_.SetDocument(&documentCommands_);
    router_.SetFocusedView(nullptr);
    UpdateTitle();
    return true;
}

bool CMainFrame::CreateBars(const BuilderSettings& settings) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!statusBar_.Create(Handle(), kStatusBarId))
        return false;
    toolbarImages_.Reset(static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(IDB_TOOLBAR),
                                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    toolbarDisabledImages_.Reset(
        static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(IDB_TOOLBAR_DISABLED),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    DockingToolBar::Definition bar;
    bar.title = kProgramTitle;
    bar.imageSize = {kButtonSize, kButtonSize};
    bar.normalImages = toolbarImages_.Get();
    bar.disabledImages = toolbarDisabledImages_.Get();
    bar.commands = kToolbarCommands;
    if (!toolbar_.Create(Handle(), kToolbarId, bar))
        return false;
    toolbar_.SetStatusBar(&statusBar_);
    toolbar_.SetLayoutRequest([this] { OnSize(); });

    RECT client;
    GetClientRect(Handle(), &client);
    if (!splitter_.Create(Handle(), kSplitterId, client) ||
        !palette_.Create(splitter_.Handle(), kPaletteId) ||
        !sceneList_.Create(splitter_.Handle(), kSceneListId,
                           &services_.document.Store().Options())) {
        return false;
    }
    splitter_.SetPane(0, palette_.Handle());
    splitter_.SetPane(1, sceneList_.Handle());
    splitter_.SetLeftWidth(settings.splitter);
    OnSize();
    return true;
}

void CMainFrame::AfterShown(const StartupArgs& args) {
    SectionBarState state(services_.settings, kToolbarSection);
    toolbar_.RestoreState(state);
    splitter_.ActivatePane(1);
    switch (ChooseFirstWindow(services_.document.Store().Options().splash != 0, startDlg_, args)) {
        case FirstWindow::kSplash: {
            auto splash = std::make_unique<SplashWindow>();
            const bool startWindowAfter = StartWindowAfterSplash(startDlg_, args);
            HWND frame = Handle();
            splash->onClosed = [frame, startWindowAfter] {
                if (startWindowAfter)
                    PostMessageA(frame, WM_COMMAND, ID_START_WINDOW, 0);
            };
            if (splash->Show(Handle()))
                splash.release();  // it deletes itself when it closes
            break;
        }
        case FirstWindow::kStartWindow:
            PostMessageA(Handle(), WM_COMMAND, ID_START_WINDOW, 0);
            break;
        case FirstWindow::kNone:
            break;
    }
}

LRESULT CMainFrame::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_SIZE:
            OnSize();
            return 0;
        case WM_SETFOCUS:
            splitter_.ActivatePane(splitter_.ActivePane() == 0 ? 0 : 1);
            return 0;
        case WM_COMMAND:
            // The panes' own notifications are not commands.
            if (lParam != 0 && HIWORD(wParam) != 0)
                return 0;
            OnCommand(LOWORD(wParam));
            return 0;
        case WM_NOTIFY:
            OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
            return 0;
        case WM_INITMENUPOPUP:
            if (!HIWORD(lParam))
                OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
            return 0;
        case WM_MENUSELECT:
            statusBar_.OnMenuSelect(wParam, lParam);
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == ID_ALWAYS_ON_TOP) {
                SetAlwaysOnTop(!alwaysOnTop_);
                services_.settings.SetInt(kSettingsSection, kAlwaysOnTopSetting.name,
                                          alwaysOnTop_ ? 1 : 0);
                return 0;
            }
            return DefaultProc(msg, wParam, lParam);
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case kHandoffMessage:
            OnHandoff();
            return 0;
        case kAppendEntryMessage:
            OnAppendEntry(lParam);
            return 0;
        case kMakeScreenSaverMessage:
            return Packager(services_.document, services_.packaging).MakeScreenSaver(false) ? 1 : 0;
        case kMakeInstallerMessage:
            return Packager(services_.document, services_.packaging).MakeInstaller(false) ? 1 : 0;
        default:
            return DefaultProc(msg, wParam, lParam);
    }
}

void CMainFrame::OnSize() {
    if (!splitter_.Handle())
        return;
    RECT client;
    GetClientRect(Handle(), &client);
    const RECT view = LayoutFrameBars(client, &toolbar_, &statusBar_);
    RECT before;
    GetWindowRect(splitter_.Handle(), &before);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&before), 2);
    MoveWindow(splitter_.Handle(), view.left, view.top, view.right - view.left,
               view.bottom - view.top, TRUE);
    // When a bar appears, goes or changes its edge, the panes move: the bits the system copies
    // along leave the list partly unpainted under Wine, so the panes paint afresh.
    if (before.left != view.left || before.top != view.top)
        RedrawWindow(splitter_.Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void CMainFrame::OnCommand(int id) {
    router_.Execute(static_cast<CommandId>(id));
}

void CMainFrame::OnNotify(const NMHDR& header) {
    // The palette's tree says when it takes the focus as a tree does.
    if (header.code == static_cast<UINT>(NM_SETFOCUS) && header.idFrom == kPaletteId)
        router_.SetFocusedView(&palette_.Commands());
}

void CMainFrame::OnInitMenuPopup(HMENU menu) {
    if (GetMenuState(menu, ID_FILE_MRU_FILE1, MF_BYCOMMAND) != 0xFFFFFFFF ||
        GetMenuState(menu, ID_APP_EXIT, MF_BYCOMMAND) != 0xFFFFFFFF) {
        FillRecentFiles(menu);
    }
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(menu, i);
        if (id == 0 || id == 0xFFFFFFFF)
            continue;
        const CommandUpdate update = router_.Query(static_cast<CommandId>(id));
        EnableMenuItem(menu, i, MF_BYPOSITION | (update.enabled ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(menu, i, MF_BYPOSITION | (update.checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

void CMainFrame::FillRecentFiles(HMENU fileMenu) {
    // The recent files stand between the separators around the first of them.
    int first = -1;
    const int count = GetMenuItemCount(fileMenu);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(fileMenu, i);
        if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE4) {
            if (first < 0)
                first = i;
        }
    }
    if (first < 0)
        return;
    while (true) {
        const UINT id = GetMenuItemID(fileMenu, first);
        if (id < ID_FILE_MRU_FILE1 || id > ID_FILE_MRU_FILE4)
            break;
        DeleteMenu(fileMenu, first, MF_BYPOSITION);
    }
    const auto& files = recent_.Entries();
    if (files.empty()) {
        InsertMenuA(fileMenu, first, MF_BYPOSITION | MF_STRING | MF_GRAYED, ID_FILE_MRU_FILE1,
                    "Recent File");
        return;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::string label = "&" + std::to_string(i + 1) + " ";
        // An ampersand in a path is shown, not taken as a mnemonic.
        for (char c : files[i]) {
            label += c;
            if (c == '&')
                label += '&';
        }
        InsertMenuA(fileMenu, first + static_cast<int>(i), MF_BYPOSITION | MF_STRING,
                    ID_FILE_MRU_FILE1 + i, label.c_str());
    }
}

bool CMainFrame::PreTranslate(MSG& msg) {
    if (!IsWindowEnabled(Handle()))
        return false;
    if (msg.message == WM_KEYDOWN && (msg.hwnd == Handle() || IsChild(Handle(), msg.hwnd))) {
        if (msg.wParam == VK_TAB) {
            SwitchPane();
            return true;
        }
        const bool repeat = (msg.lParam & (1 << 30)) != 0;
        if (msg.wParam == VK_OEM_PLUS && KeyDown(VK_CONTROL) && KeyDown(VK_SHIFT) && !repeat) {
            sceneList_.ExportText();
            return true;
        }
    }
    return accelerators_ && accelerators_->PreTranslate(msg);
}

void CMainFrame::SwitchPane() {
    splitter_.ActivateOtherPane();
    router_.SetFocusedView(splitter_.ActivePane() == 0 ? &palette_.Commands() : nullptr);
}

void CMainFrame::OnIdle() {
    toolbar_.UpdateButtons([this](UINT command) {
        const CommandUpdate update = router_.Query(static_cast<CommandId>(command));
        return ButtonState{update.enabled, update.checked};
    });
    statusBar_.UpdateIndicators();
    OfferPictures();
}

void CMainFrame::OfferPictures() {
    if (!services_.pictureVerifier)
        return;
    const EntryList& entries = services_.document.Entries();
    const OfferedScene now{entries.Empty() ? nullptr : &entries.At(0), entries.Count(),
                           services_.document.IsModified()};
    if (now == offered_)
        return;
    offered_ = now;
    services_.pictureVerifier->Offer(entries);
}

void CMainFrame::OnDropFiles(HDROP drop) {
    char path[MAX_PATH] = "";
    const UINT length = DragQueryFileA(drop, 0, path, MAX_PATH);
    DragFinish(drop);
    if (length == 0 || length >= MAX_PATH)
        return;
    SetForegroundWindow(Handle());
    OpenDocumentFile(path);
}

void CMainFrame::OnHandoff() {
    const std::string file = TakeHandedOverFile();
    if (!file.empty())
        OpenDocumentFile(file);
}

void CMainFrame::OnAppendEntry(LPARAM entry) {
    AppendEntry(std::unique_ptr<SceneEntry>(reinterpret_cast<SceneEntry*>(entry)));
}

SceneEntry* CMainFrame::AppendEntry(std::unique_ptr<SceneEntry> entry) {
    SceneEntry* appended = entry.get();
    if (appended)
        sceneList_.InsertCommand(std::move(entry), CSceneView::Place::kAppend);
    return appended;
}

bool CMainFrame::OpenDocumentFile(const std::string& path) {
    CSceneDoc& document = services_.document;
    return document.SaveModified() && document.OpenPath(path);
}

void CMainFrame::OnClose() {
    if (closing_)
        return;
    StoreOnClose();
    if (!services_.document.SaveModified())
        return;
    sceneList_.CleanUpClipboardAtExit();
    closing_ = true;
    Destroy();
}

void CMainFrame::StoreOnClose() {
    WindowAtClose window;
    window.minimised = IsIconic(Handle()) != FALSE;
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    if (GetWindowPlacement(Handle(), &placement)) {
        const RECT& normal = placement.rcNormalPosition;
        window.normalPlace = {normal.left, normal.top, normal.right - normal.left,
                              normal.bottom - normal.top};
        window.showState = static_cast<std::int32_t>(placement.showCmd);
    }
    window.paletteClientWidth = splitter_.LeftWidth();
    StoreWindowAtClose(services_.settings, window);
    if (!window.minimised) {
        SectionBarState state(services_.settings, kToolbarSection);
        toolbar_.SaveState(state);
    }
    if (!services_.optionsPath.empty()) {
        CreateDirectoryA(UserFolder(services_.folders).c_str(), nullptr);
        SaveEditorOptions(services_.optionsPath, services_.document.Store().Options());
    }
}

void CMainFrame::UpdateTitle() {
    SetWindowTextA(Handle(), TitleBarText(services_.document.Path()).c_str());
}

void CMainFrame::RefreshViews() {
    sceneList_.Fill();
}

void CMainFrame::SetAlwaysOnTop(bool on) {
    alwaysOnTop_ = on;
    SetWindowPos(Handle(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    CheckMenuItem(GetSystemMenu(Handle(), FALSE), ID_ALWAYS_ON_TOP,
                  MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

CommandContext CMainFrame::Context() const {
    CommandContext context;
    context.listEmpty = services_.document.Entries().Empty();
    context.selection = sceneList_.SelectedCount() > 0;
    context.clipboardData = sceneList_.CanPaste();
    context.kindSelected = palette_.HasKindSelected();
    context.caretSet = sceneList_.Caret() >= 0;
    context.reuse = reuse_;
    context.alwaysOnTop = alwaysOnTop_;
    context.toolbarVisible = toolbar_.IsVisible();
    context.statusBarVisible = statusBar_.IsVisible();
    context.recentFiles = static_cast<int>(recent_.Entries().size());
    return context;
}

}  // namespace vl
