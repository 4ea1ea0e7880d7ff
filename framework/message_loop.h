// A thread's message loop with the two hooks a document window needs: filters that may take a
// message before it is translated and dispatched (the frame's accelerators, the dialog keys of
// modeless windows, keys the frame handles itself), and idle handlers that run whenever the
// queue has been emptied (the enabled state of toolbar buttons, the status-bar indicators).
#pragma once

#include <windows.h>

#include <vector>

namespace vl {

class IMessageFilter {
  public:
    virtual ~IMessageFilter() = default;
    // True when the message has been handled and must not be translated or dispatched.
    virtual bool PreTranslate(MSG& msg) = 0;
};

class IIdleHandler {
  public:
    virtual ~IIdleHandler() = default;
    virtual void OnIdle() = 0;
};

class MessageLoop {
  public:
    // Filters run in the order they were added; none is owned. A filter or idle handler may be
    // removed while the loop runs (also from inside a message it handles).
    void AddFilter(IMessageFilter* filter);
    void RemoveFilter(IMessageFilter* filter);
    void AddIdleHandler(IIdleHandler* handler);
    void RemoveIdleHandler(IIdleHandler* handler);

    // Runs until WM_QUIT and returns its exit code. An exception from a filter or an idle
    // handler goes to the exception reporter and the loop goes on; without a reporter the loop
    // ends with exit code 1.
    int Run();

    // Filters, translates and dispatches one message taken from the queue.
    void Dispatch(MSG& msg);
    // Runs every idle handler once.
    void Idle();

  private:
    std::vector<IMessageFilter*> filters_;
    std::vector<IIdleHandler*> idleHandlers_;
};

// Translates the accelerators of one table for one window. Neither handle is owned.
class AcceleratorFilter final : public IMessageFilter {
  public:
    AcceleratorFilter(HWND window, HACCEL table) : window_(window), table_(table) {}
    bool PreTranslate(MSG& msg) override;

  private:
    HWND window_;
    HACCEL table_;
};

// Gives a modeless dialog its keyboard navigation (Tab, arrows, Enter, Esc). Not owned.
class ModelessDialogFilter final : public IMessageFilter {
  public:
    explicit ModelessDialogFilter(HWND dialog) : dialog_(dialog) {}
    bool PreTranslate(MSG& msg) override;

  private:
    HWND dialog_;
};

}  // namespace vl
