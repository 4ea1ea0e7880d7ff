#include "editor/preview_frame.h"

#include <commctrl.h>

#include <vector>

#include "app/core/section_bar_state.h"
#include "editor/preview_frame_resources.h"
#include "engine/media/media_playback.h"
#include "framework/bar_state_store.h"
#include "framework/frame_layout.h"

namespace vl {
namespace {

constexpr int kViewId = 0xE900;
constexpr int kToolBarId = 0xE800;
constexpr SIZE kButtonImage = {16, 15};

// The toolbar's buttons in order; 0 is a separator. The images of bitmap 186 follow the buttons.
const std::vector<UINT> kToolBarCommands = {ID_PREVIEW_GO,
                                            ID_PREVIEW_STEP,
                                            ID_PREVIEW_PAUSE,
                                            ID_PREVIEW_STOP,
                                            0,
                                            ID_PREVIEW_SOUND,
                                            0,
                                            ID_PREVIEW_EXIT,
                                            0,
                                            ID_PREVIEW_KEEP_VISIBLE};

BitmapHandle LoadBitmapResource(int id) {
    return BitmapHandle(static_cast<HBITMAP>(LoadImageA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

}  // namespace

bool PreviewFrame::RegisterWindowClass() {
    WindowClass windowClass = {};
    windowClass.name = kPreviewClassName;
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    return Window::Register(windowClass);
}

PreviewFrame::PreviewFrame(const PreviewServices& services)
    : services_(services),
      times_(services.times),
      waitOptions_{services.options.waitSlice, services.options.beepOnWait} {}

PreviewFrame::~PreviewFrame() {
    // Being deleted already: the window's end must not delete the object again.
    deleteWhenClosed_ = false;
    Destroy();
    if (hooked_) {
        services_.loop.RemoveFilter(this);
        services_.loop.RemoveIdleHandler(this);
    }
}

bool PreviewFrame::Create() {
    if (!Window::Create(kPreviewClassName, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kPreviewTitle,
                        WS_POPUP | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                        GetSystemMetrics(SM_CYSCREEN), nullptr)) {
        return false;
    }
    // Placed once the frame is on the screen: a floating bar shown before its owner would appear
    // beneath it under Wine's X11 driver (see DockingToolBar::RestoreState).
    PlaceToolBar();
    toolbar_.Show(services_.options.showPreviewToolbar != 0);
    services_.loop.AddFilter(this);
    services_.loop.AddIdleHandler(this);
    hooked_ = true;
    OnIdle();
    return true;
}

LRESULT PreviewFrame::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CREATE:
            return OnCreate();
        case WM_SIZE:
            OnSize();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam));
            return 0;
        case kFinishedNotification:
            OnFinished();
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return DefaultProc(msg, wParam, lParam);
        default:
            return DefaultProc(msg, wParam, lParam);
    }
}

LRESULT PreviewFrame::OnCreate() {
    RECT client;
    GetClientRect(Handle(), &client);
    if (!view_.Create(Handle(), client, kViewId) || !CreateToolBar())
        return -1;
    ToggleKeepVisible();
    accelerators_.Reset(
        LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_PREVIEW_TOOLBAR)));
    EnableWindow(services_.mainWindow, FALSE);
    mainDisabled_ = true;
    return 0;
}

bool PreviewFrame::CreateToolBar() {
    const BitmapHandle images = LoadBitmapResource(IDR_PREVIEW_TOOLBAR);
    BitmapHandle keepVisibleOn = LoadBitmapResource(IDB_PREVIEW_KEEP_VISIBLE);
    if (!images || !keepVisibleOn)
        return false;
    DockingToolBar::Definition bar;
    bar.title = kPreviewTitle;
    bar.imageSize = kButtonImage;
    bar.normalImages = images.Get();
    bar.commands = kToolBarCommands;
    if (!toolbar_.Create(Handle(), kToolBarId, bar))
        return false;
    toolbar_.SetLayoutRequest([this] { OnSize(); });
    // The image Keep Visible shows when on comes after the buttons' own.
    auto list =
        reinterpret_cast<HIMAGELIST>(SendMessageA(toolbar_.ToolBar(), TB_GETIMAGELIST, 0, 0));
    return list && ImageList_AddMasked(list, keepVisibleOn.Get(), DockingToolBar::kMaskColour) ==
                       kKeepVisibleOffImage + 1;
}

void PreviewFrame::PlaceToolBar() {
    SectionBarState state(services_.settings, kPreviewBarSection);
    if (DockingToolBar::HasSavedState(state)) {
        toolbar_.RestoreState(state);
        return;
    }
    // The first time it floats near the top-right corner, kept clear of the edges by its own
    // height (twice at the side, where the floating window's border is).
    toolbar_.Float({0, -500});
    RECT window;
    GetWindowRect(toolbar_.FloatingWindow(), &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    toolbar_.Float({GetSystemMetrics(SM_CXSCREEN) - width - 2 * height, height});
    toolbar_.SaveState(state);
}

void PreviewFrame::OnSize() {
    if (!view_.Handle())
        return;
    RECT client;
    GetClientRect(Handle(), &client);
    const RECT view = LayoutFrameBars(client, toolbar_.Handle() ? &toolbar_ : nullptr, nullptr);
    MoveWindow(view_.Handle(), view.left, view.top, view.right - view.left, view.bottom - view.top,
               TRUE);
}

void PreviewFrame::OnCommand(UINT id) {
    switch (id) {
        case ID_PREVIEW_GO:
            Run(0);
            break;
        case ID_PREVIEW_STEP:
            Run(1);
            break;
        case ID_PREVIEW_PAUSE:
            if (thread_)
                thread_->RequestPause();
            break;
        case ID_PREVIEW_STOP:
            StopThread();
            break;
        case ID_PREVIEW_EXIT:
            SendMessageA(Handle(), WM_CLOSE, 0, 0);
            break;
        case ID_PREVIEW_KEEP_VISIBLE:
            ToggleKeepVisible();
            break;
        case ID_PREVIEW_SOUND:
            // Also releases a synchronous sound that holds the player.
            StopAllSounds();
            break;
        default:
            break;
    }
}

void PreviewFrame::Run(int step) {
    // A thread whose end is not handled yet is done with: Go plays the scene again.
    if (thread_ && thread_->HasEnded())
        thread_.reset();
    if (thread_) {
        thread_->SetStepMode(step);
        thread_->Continue();
    } else {
        auto thread = std::make_unique<CSceneThread>(
            view_, &times_, ScenePlay{services_.entries, waitOptions_, nullptr, true});
        if (!thread->Start(step))
            return;
        thread_ = std::move(thread);
    }
    if (!keepVisible_ && toolbar_.IsVisible())
        toolbar_.Show(false);
}

void PreviewFrame::StopThread() {
    if (!thread_)
        return;
    thread_->Stop();
    thread_.reset();
}

void PreviewFrame::OnFinished() {
    if (thread_) {
        // The end of a thread that Stop or a new Go has already replaced.
        if (!thread_->HasEnded())
            return;
        thread_.reset();
    }
    if (!keepVisible_ && !toolbar_.IsVisible())
        toolbar_.Show(true);
}

void PreviewFrame::ToggleKeepVisible() {
    if (!toolbar_.IsVisible()) {
        toolbar_.Show(true);
        return;
    }
    keepVisible_ = keepVisible_ ? 0 : 1;
    TBBUTTONINFOA button = {};
    button.cbSize = sizeof button;
    button.dwMask = TBIF_STYLE | TBIF_IMAGE | TBIF_STATE;
    button.fsStyle = BTNS_CHECK;
    button.iImage = kKeepVisibleOffImage + keepVisible_;
    button.fsState = TBSTATE_ENABLED | (keepVisible_ ? TBSTATE_CHECKED : 0);
    SendMessageA(toolbar_.ToolBar(), TB_SETBUTTONINFOA, ID_PREVIEW_KEEP_VISIBLE,
                 reinterpret_cast<LPARAM>(&button));
}

bool PreviewFrame::IsForPreview(const MSG& msg) const {
    const HWND floating = toolbar_.FloatingWindow();
    return msg.hwnd == Handle() || IsChild(Handle(), msg.hwnd) ||
           (floating && (msg.hwnd == floating || IsChild(floating, msg.hwnd)));
}

bool PreviewFrame::PreTranslate(MSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || !IsForPreview(msg))
        return false;
    const bool repeat = (msg.lParam & (1 << 30)) != 0;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && !repeat) {
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
        return true;
    }
    // The frame's own table rather than an AcceleratorFilter: the keys also count when the
    // floating toolbar, which is no child of the frame, has the focus.
    return accelerators_ && TranslateAcceleratorA(Handle(), accelerators_.Get(), &msg) != 0;
}

void PreviewFrame::OnIdle() {
    toolbar_.UpdateButtons([this](UINT command) {
        ButtonState state;
        if (command == ID_PREVIEW_PAUSE || command == ID_PREVIEW_STOP)
            state.enabled = thread_ != nullptr;
        if (command == ID_PREVIEW_KEEP_VISIBLE)
            state.checked = keepVisible_ != 0;
        return state;
    });
}

void PreviewFrame::OnClose() {
    if (toolbar_.Handle()) {
        SectionBarState state(services_.settings, kPreviewBarSection);
        toolbar_.SaveState(state);
    }
    EnableMainWindow();
    SetForegroundWindow(services_.mainWindow);
    Destroy();
}

void PreviewFrame::OnDestroy() {
    StopThread();
    if (hooked_) {
        services_.loop.RemoveFilter(this);
        services_.loop.RemoveIdleHandler(this);
        hooked_ = false;
    }
    // However the preview ends, the editor is not left disabled.
    EnableMainWindow();
}

void PreviewFrame::EnableMainWindow() {
    if (!mainDisabled_)
        return;
    mainDisabled_ = false;
    EnableWindow(services_.mainWindow, TRUE);
}

void PreviewFrame::OnFinalMessage() {
    if (deleteWhenClosed_)
        delete this;
}

PreviewFrame* StartPreview(const PreviewServices& services) {
    if (!PreviewFrame::RegisterWindowClass())
        return nullptr;
    auto frame = std::make_unique<PreviewFrame>(services);
    if (!frame->Create())
        return nullptr;
    if (services.options.previewAutoStart)
        PostMessageA(frame->Handle(), WM_COMMAND, ID_PREVIEW_GO, 0);
    frame->DeleteWhenClosed();
    return frame.release();
}

}  // namespace vl
