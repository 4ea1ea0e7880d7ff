// Base of every window the programs create: one static window procedure keeps `this` in the
// window's user data from WM_NCCREATE on and hands each message to OnMessage, where a derived
// class has its one switch.
#pragma once

#include <windows.h>

#include <string>

namespace vl {

struct WindowClass {
    const char* name;
    UINT style = 0;
    HBRUSH background = nullptr;  // not owned: a stock or system-colour brush
    HCURSOR cursor = nullptr;     // nullptr: the arrow
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
};

class Window {
  public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Registers a class whose procedure is Window's; false when that fails for another reason
    // than the class existing already.
    static bool Register(const WindowClass& windowClass);

    bool Create(const char* className, DWORD exStyle, const char* title, DWORD style, int x, int y,
                int width, int height, HWND parent, HMENU menu = nullptr);

    HWND Handle() const { return hwnd_; }

    // Destroys the window while this object is whole, so that the most derived class sees its
    // own WM_DESTROY. A class that handles WM_DESTROY calls it in its destructor: by the time
    // ~Window runs, the derived part is gone and the window is destroyed unseen.
    void Destroy();

  protected:
    // One switch over msg in each derived class; unhandled messages go to DefaultProc.
    virtual LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Called inside the handler of an exception that reached the window procedure; it must not
    // cross into the system. The default hands it to the process's exception reporter, or ends
    // the message loop with a failure exit code when the program has none.
    virtual void OnException();
    // The window is gone (WM_NCDESTROY has been handled); Handle() is null from here on.
    virtual void OnFinalMessage() {}

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;  // owned: destroyed with the object when still alive
};

// Runs the thread's message loop until WM_QUIT and returns its exit code.
int RunMessageLoop();

// What a program does with an exception that reached one of its window procedures or its
// message loop: the builder tells the user and goes on, so that no unsaved work is lost.
using ExceptionReporter = void (*)(const std::string& what);
void SetExceptionReporter(ExceptionReporter reporter);
// Reports the exception being handled (call inside a catch block); false when no reporter is set.
bool ReportCurrentException();
// The message of the exception being handled, or a general text for one without.
std::string CurrentExceptionText();

}  // namespace vl
