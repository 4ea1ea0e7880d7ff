#include "support/dialog_script.h"

#include <algorithm>
#include <utility>

#include "support/top_windows.h"

namespace vl::test {
namespace {

// The script playing on this thread; the hooks are the thread's own.
thread_local DialogScript* tPlaying = nullptr;

UINT TurnMessage() {
    static const UINT message = RegisterWindowMessageA("VistaloomTestDialogScriptTurn");
    return message;
}

std::string Quoted(HWND dialog) {
    return "\"" + TextOf(dialog) + "\"";
}

std::string ControlName(int id) {
    return "control " + std::to_string(id);
}

}  // namespace

DialogScript& DialogScript::Add(std::string what, Step step) {
    steps_.push_back({std::move(what), std::move(step)});
    return *this;
}

HWND DialogScript::Reachable(HWND dialog, int id, const char* action) {
    HWND control = GetDlgItem(dialog, id);
    const char* why = nullptr;
    if (!control)
        why = "there is none";
    else if (!(GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE))
        why = "it is hidden";
    else if (!IsWindowEnabled(control))
        why = "it is disabled";
    if (!why)
        return control;
    failures_.push_back(std::string(action) + " " + ControlName(id) + " of " + Quoted(dialog) +
                        ": " + why);
    return nullptr;
}

DialogScript& DialogScript::SetText(int id, const std::string& text) {
    return Add("set the text of " + ControlName(id), [this, id, text](HWND dialog) {
        HWND control = Reachable(dialog, id, "cannot type into");
        if (!control)
            return;
        char className[16] = "";
        GetClassNameA(control, className, sizeof(className));
        if (lstrcmpiA(className, "Edit") == 0 &&
            (GetWindowLongA(control, GWL_STYLE) & ES_READONLY)) {
            failures_.push_back("cannot type into " + ControlName(id) + " of " + Quoted(dialog) +
                                ": it is read-only");
            return;
        }
        SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    });
}

DialogScript& DialogScript::Click(int id) {
    return Add("click " + ControlName(id), [this, id](HWND dialog) {
        if (HWND control = Reachable(dialog, id, "cannot click"))
            SendMessageA(control, BM_CLICK, 0, 0);
    });
}

DialogScript& DialogScript::Check(int id, UINT state) {
    return Add("check " + ControlName(id), [this, id, state](HWND dialog) {
        HWND control = Reachable(dialog, id, "cannot check");
        if (!control)
            return;
        // A three-state box comes round to every state within three clicks.
        for (int click = 0; click < 3; ++click) {
            if (static_cast<UINT>(SendMessageA(control, BM_GETCHECK, 0, 0)) == state)
                return;
            SendMessageA(control, BM_CLICK, 0, 0);
        }
        if (static_cast<UINT>(SendMessageA(control, BM_GETCHECK, 0, 0)) != state) {
            failures_.push_back("clicking " + ControlName(id) + " of " + Quoted(dialog) +
                                " never gives state " + std::to_string(state));
        }
    });
}

DialogScript& DialogScript::ReadText(int id, std::string& text) {
    return Add("read the text of " + ControlName(id), [this, id, &text](HWND dialog) {
        HWND control = GetDlgItem(dialog, id);
        if (!control) {
            failures_.push_back("cannot read " + ControlName(id) + " of " + Quoted(dialog) +
                                ": there is none");
            return;
        }
        std::string read(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
        read.resize(static_cast<std::size_t>(
            GetWindowTextA(control, read.data(), static_cast<int>(read.size()))));
        text = read;
    });
}

DialogScript& DialogScript::ReadCheck(int id, UINT& state) {
    return Add("read the state of " + ControlName(id), [this, id, &state](HWND dialog) {
        HWND control = GetDlgItem(dialog, id);
        if (!control) {
            failures_.push_back("cannot read " + ControlName(id) + " of " + Quoted(dialog) +
                                ": there is none");
            return;
        }
        state = static_cast<UINT>(SendMessageA(control, BM_GETCHECK, 0, 0));
    });
}

DialogScript& DialogScript::Do(Step step) {
    return Add("a step of the test's own", std::move(step));
}

INT_PTR DialogScript::Play(const std::function<INT_PTR()>& show) {
    if (tPlaying) {
        failures_.push_back("another script is playing on this thread");
        return show();
    }
    tPlaying = this;
    HHOOK after =
        SetWindowsHookExA(WH_CALLWNDPROCRET, &AfterMessage, nullptr, GetCurrentThreadId());
    HHOOK before = SetWindowsHookExA(WH_GETMESSAGE, &BeforeDispatch, nullptr, GetCurrentThreadId());
    if (!after || !before)
        failures_.push_back("cannot watch this thread's dialogs");
    const INT_PTR result = show();
    if (before)
        UnhookWindowsHookEx(before);
    if (after)
        UnhookWindowsHookEx(after);
    tPlaying = nullptr;
    open_.clear();
    turnPostedTo_ = nullptr;
    if (next_ < steps_.size()) {
        failures_.push_back("steps not played: " + std::to_string(steps_.size() - next_) +
                            ", from: " + steps_[next_].what);
    }
    return result;
}

LRESULT CALLBACK DialogScript::AfterMessage(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && tPlaying) {
        const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (sent->message == WM_INITDIALOG)
            tPlaying->OnDialogOpened(sent->hwnd);
        else if (sent->message == WM_DESTROY)
            tPlaying->OnDialogClosed(sent->hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK DialogScript::BeforeDispatch(int code, WPARAM wParam, LPARAM lParam) {
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && tPlaying && msg->message == TurnMessage()) {
        // Nobody else is to see it; the step may run a modal loop of its own.
        msg->message = WM_NULL;
        if (msg->hwnd == tPlaying->turnPostedTo_ && msg->wParam == tPlaying->turn_) {
            tPlaying->turnPostedTo_ = nullptr;
            tPlaying->PlayNext();
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void DialogScript::OnDialogOpened(HWND dialog) {
    // A dialog inside another (a file dialog's own part, a page) is part of that one.
    if (GetWindowLongA(dialog, GWL_STYLE) & WS_CHILD)
        return;
    open_.push_back(dialog);
    turnPostedTo_ =
        nullptr;  // the turn goes to the new dialog; a message still on its way is stale
    Schedule();
}

void DialogScript::OnDialogClosed(HWND dialog) {
    const auto found = std::find(open_.begin(), open_.end(), dialog);
    if (found == open_.end())
        return;
    open_.erase(found);
    if (turnPostedTo_ == dialog) {
        turnPostedTo_ = nullptr;
        Schedule();
    }
}

HWND DialogScript::Innermost() {
    while (!open_.empty() && !IsWindow(open_.back()))
        open_.pop_back();
    return open_.empty() ? nullptr : open_.back();
}

void DialogScript::Schedule() {
    if (turnPostedTo_)
        return;
    HWND dialog = Innermost();
    if (dialog && PostMessageA(dialog, TurnMessage(), ++turn_, 0))
        turnPostedTo_ = dialog;
}

void DialogScript::PlayNext() {
    HWND dialog = Innermost();
    if (!dialog)
        return;
    if (next_ == steps_.size()) {
        failures_.push_back("the script ended with " + Quoted(dialog) + " still open");
        EndDialog(dialog, IDCANCEL);
        return;
    }
    const Entry& entry = steps_[next_++];
    entry.step(dialog);
    Schedule();
}

}  // namespace vl::test
