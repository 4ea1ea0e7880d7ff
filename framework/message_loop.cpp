#include "framework/message_loop.h"

#include <algorithm>

#include "framework/window.h"

namespace vl {
namespace {

template <class T>
void RemoveFrom(std::vector<T*>& list, T* item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

void MessageLoop::AddFilter(IMessageFilter* filter) {
    filters_.push_back(filter);
}

void MessageLoop::RemoveFilter(IMessageFilter* filter) {
    RemoveFrom(filters_, filter);
}

void MessageLoop::AddIdleHandler(IIdleHandler* handler) {
    idleHandlers_.push_back(handler);
}

void MessageLoop::RemoveIdleHandler(IIdleHandler* handler) {
    RemoveFrom(idleHandlers_, handler);
}

void MessageLoop::Dispatch(MSG& msg) {
    // A copy: a filter may remove itself (or another) while it runs.
    const std::vector<IMessageFilter*> filters = filters_;
    for (IMessageFilter* filter : filters) {
        if (std::find(filters_.begin(), filters_.end(), filter) == filters_.end())
            continue;
        if (filter->PreTranslate(msg))
            return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void MessageLoop::Idle() {
    const std::vector<IIdleHandler*> handlers = idleHandlers_;
    for (IIdleHandler* handler : handlers) {
        if (std::find(idleHandlers_.begin(), idleHandlers_.end(), handler) != idleHandlers_.end())
            handler->OnIdle();
    }
}

int MessageLoop::Run() {
    MSG msg;
    for (;;) {
        try {
            // Idle once each time the queue runs dry, then sleep until the next message.
            if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
                Idle();
            const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
            if (got == 0)
                return static_cast<int>(msg.wParam);
            if (got < 0)
                return 1;
            Dispatch(msg);
        } catch (...) {
            if (!ReportCurrentException())
                return 1;
        }
    }
}

bool AcceleratorFilter::PreTranslate(MSG& msg) {
    if (!window_ || !table_ || msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    // Only for keys meant for the window or its children, never for other top-level windows
    // (a modeless tool window, a message box).
    if (msg.hwnd != window_ && !IsChild(window_, msg.hwnd))
        return false;
    return TranslateAcceleratorA(window_, table_, &msg) != 0;
}

bool ModelessDialogFilter::PreTranslate(MSG& msg) {
    return dialog_ && IsWindow(dialog_) && IsDialogMessageA(dialog_, &msg);
}

}  // namespace vl
