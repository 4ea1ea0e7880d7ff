#include "runtime/run_window.h"

#include "engine/player/scene_thread.h"
#include "runtime/glint_resources.h"
#include "runtime/glint_settings.h"
#include "framework/handles.h"
#include "runtime/password_dialogs.h"

namespace vl {
namespace {

// The system's "close" and "start the screen saver" are no ways out of a run.
bool IsSystemCommandSwallowed(WPARAM wParam) {
    const UINT command = static_cast<UINT>(wParam & 0xFFF0);
    return command == SC_SCREENSAVE || command == SC_CLOSE;
}

}  // namespace

// A black topmost window over one of the other monitors; its input goes to the run window.
class CoverWindow : public Window {
  public:
    explicit CoverWindow(RunWindow& run) : run_(run) {}
    bool Create(const RECT& area) {
        return Window::Create(kClass, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "", WS_POPUP | WS_VISIBLE,
                              area.left, area.top, area.right - area.left, area.bottom - area.top,
                              run_.Handle());
    }
    static constexpr char kClass[] = "GlintCoverWindow";

  protected:
    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (run_.OnInputEvent(Handle(), msg, wParam, lParam))
            return 0;
        if (msg == WM_SYSCOMMAND && IsSystemCommandSwallowed(wParam))
            return 0;
        return DefaultProc(msg, wParam, lParam);
    }

  private:
    RunWindow& run_;
};

namespace {

const char kRunWindowClass[] = "GlintRunWindow";

struct MonitorList {
    RECT primary;
    std::vector<RECT> others;
};

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT area, LPARAM data) {
    auto* list = reinterpret_cast<MonitorList*>(data);
    if (!EqualRect(area, &list->primary) && !IsRectEmpty(area))
        list->others.push_back(*area);
    return TRUE;
}

}  // namespace

RunWindow::RunWindow() = default;

RunWindow::~RunWindow() {
    // Destroyed here rather than by the base, so that OnDestroy still finds this object whole:
    // the player stops and the system's screen-saver state is put back on every way out.
    if (Handle())
        DestroyWindow(Handle());
    player_.reset();
}

bool RunWindow::Create(const ExitSettings& settings) {
    settings_ = settings;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    cursor_ = LoadCursorA(
        instance, MAKEINTRESOURCEA(settings.showCursor ? IDC_VISIBLE_ARROW : IDC_TRANSPARENT));
    WindowClass windowClass = {};
    windowClass.name = kRunWindowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.background = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.cursor = cursor_;
    if (!Window::Register(windowClass))
        return false;
    if (!Window::Create(kRunWindowClass, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "",
                        WS_POPUP | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                        GetSystemMetrics(SM_CYSCREEN), nullptr)) {
        return false;
    }
    CoverOtherMonitors();
    // The keys that end the run must come here, whatever was active before.
    SetForegroundWindow(Handle());
    SetFocus(Handle());
    UpdateWindow(Handle());
    if (!settings.sysKeyComb) {
        // Blocks the system key combinations on the systems that honour it.
        screenSaverRunningSet_ =
            SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, TRUE, nullptr, 0) != FALSE;
    }
    return true;
}

void RunWindow::CoverOtherMonitors() {
    MonitorList monitors;
    SetRect(&monitors.primary, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    CoverAreas(monitors.others);
}

void RunWindow::CoverAreas(const std::vector<RECT>& areas) {
    if (areas.empty() || !Handle())
        return;
    WindowClass windowClass = {};
    windowClass.name = CoverWindow::kClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.background = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.cursor = cursor_;
    if (!Window::Register(windowClass))
        return;
    for (const RECT& area : areas) {
        auto cover = std::make_unique<CoverWindow>(*this);
        if (cover->Create(area))
            covers_.push_back(std::move(cover));
    }
}

bool RunWindow::StartPlayer(EntryList& entries, std::uint32_t* times) {
    player_ = std::make_unique<CSceneThread>(*this, times,
                                             ScenePlay{entries, WaitOptions{}, nullptr, true});
    return player_->Start(0);
}

void RunWindow::Redraw(std::uint32_t colour, std::uint32_t) {
    RepaintWith(Handle(), colour);
}

bool RunWindow::OnInputEvent(HWND source, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_MOUSEMOVE: {
            // Screen positions, so that the covers and the run window measure alike.
            POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            ClientToScreen(source, &point);
            if (pointer_.Moved(point.x, point.y))
                OnEvent(ExitEvent::MouseMove);
            return true;
        }
        case WM_LBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_RBUTTONDOWN:
            OnEvent(ExitEvent::ButtonDown);
            return true;
        case WM_LBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
            OnEvent(ExitEvent::DoubleClick);
            return true;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (KeyEndsRun(settings_, msg == WM_KEYDOWN && wParam == VK_ESCAPE))
                PostMessageA(Handle(), WM_CLOSE, 0, 0);
            return true;
        case WM_ACTIVATEAPP:
            if (!wParam)
                OnEvent(ExitEvent::Deactivate);
            return false;
        default:
            return false;
    }
}

void RunWindow::OnEvent(ExitEvent event) {
    if (EndsRun(settings_, event))
        PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

LRESULT RunWindow::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (OnInputEvent(Handle(), msg, wParam, lParam))
        return 0;
    switch (msg) {
        case WM_ERASEBKGND:
            return EraseWithBackground(reinterpret_cast<HDC>(wParam));
        case WM_SYSCOMMAND:
            if (IsSystemCommandSwallowed(wParam))
                return 0;
            return DefaultProc(msg, wParam, lParam);
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            OnDestroy();
            return 0;
        default:
            return DefaultProc(msg, wParam, lParam);
    }
}

void RunWindow::OnClose() {
    // Events that came while the password is asked for find the question already open.
    if (checkingPassword_)
        return;
    if (PasswordNeededToClose()) {
        checkingPassword_ = true;
        const bool confirmed = ConfirmPasswordToClose(Handle(), ReadPasswordRecordText());
        checkingPassword_ = false;
        if (!confirmed) {
            // The run goes on; the next move counts from where the pointer is now.
            POINT point;
            GetCursorPos(&point);
            pointer_.Reset(point.x, point.y);
            return;
        }
    }
    DestroyWindow(Handle());
}

void RunWindow::OnDestroy() {
    player_.reset();
    covers_.clear();
    if (screenSaverRunningSet_)
        SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, FALSE, nullptr, 0);
    PostQuitMessage(0);
}

}  // namespace vl
