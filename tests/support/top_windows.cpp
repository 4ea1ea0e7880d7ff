#include "support/top_windows.h"

#include <cstring>

namespace vl::test {
namespace {

struct Search {
    DWORD process;
    const char* className;
    const char* title;
    HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window))
        return TRUE;
    if (search->className) {
        char name[256] = "";
        GetClassNameA(window, name, sizeof(name));
        if (std::strcmp(name, search->className) != 0)
            return TRUE;
    }
    if (search->title && TextOf(window) != search->title)
        return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

std::string TextOf(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

HWND FindTopWindow(DWORD processId, const char* className, const char* title) {
    Search search{processId, className, title, nullptr};
    EnumWindows(&Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForTopWindow(DWORD processId, const char* className, const char* title, DWORD timeoutMs) {
    HWND found = nullptr;
    PumpUntil([&] { return (found = FindTopWindow(processId, className, title)) != nullptr; },
              timeoutMs);
    return found;
}

HWND WaitForOwnDialog(const std::string& title, DWORD timeoutMs) {
    return WaitForTopWindow(GetCurrentProcessId(), "#32770", title.c_str(), timeoutMs);
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
    return PumpUntil([window] { return !IsWindow(window); }, timeoutMs);
}

std::string MessageBoxText(HWND box) {
    return TextOf(GetDlgItem(box, 0xFFFF));
}

void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

}  // namespace vl::test
