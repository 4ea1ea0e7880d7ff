#include "framework/window.h"

#include "framework/control.h"

#include <exception>
#include <new>

namespace vl {
namespace {

ExceptionReporter g_reporter = nullptr;

}  // namespace

void SetExceptionReporter(ExceptionReporter reporter) {
    g_reporter = reporter;
}

std::string CurrentExceptionText() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return "Not enough memory.";
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "An unknown error occurred.";
    }
}

bool ReportCurrentException() {
    if (!g_reporter)
        return false;
    try {
        g_reporter(CurrentExceptionText());
    } catch (...) {
        // Reporting must not fail in turn; the program goes on either way.
    }
    return true;
}

Window::~Window() {
    if (!hwnd_)
        return;
    // Detach first: the messages of the destruction must not reach a half-destroyed object.
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    HWND hwnd = hwnd_;
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
}

bool Window::Register(const WindowClass& windowClass) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = windowClass.style;
    wc.lpfnWndProc = &Window::WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hIcon = windowClass.icon;
    wc.hIconSm = windowClass.smallIcon;
    wc.hCursor = windowClass.cursor ? windowClass.cursor : LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = windowClass.background;
    wc.lpszClassName = windowClass.name;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool Window::Create(const char* className, DWORD exStyle, const char* title, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU menu) {
    if (hwnd_)
        return false;
    return CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menu,
                           GetModuleHandleA(nullptr), this) != nullptr;
}

LRESULT Window::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(msg, wParam, lParam);
}

LRESULT Window::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

void Window::Destroy() {
    if (hwnd_)
        DestroyWindow(hwnd_);
}

void Window::OnException() {
    if (!ReportCurrentException())
        PostQuitMessage(1);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    // Messages before WM_NCCREATE (WM_GETMINMAXINFO) and after detaching have no object.
    if (!self)
        return DefWindowProcA(hwnd, msg, wParam, lParam);

    LRESULT result = 0;
    try {
        // What a child control tells about itself goes to the object that owns the control.
        if (Control::Reflect(hwnd, msg, wParam, lParam, result))
            return result;
        result = self->OnMessage(msg, wParam, lParam);
    } catch (...) {
        self->OnException();
        result = DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        try {
            self->OnFinalMessage();
        } catch (...) {
            PostQuitMessage(1);
        }
    }
    return result;
}

int RunMessageLoop() {
    MSG msg;
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return got < 0 ? 1 : static_cast<int>(msg.wParam);
}

}  // namespace vl
