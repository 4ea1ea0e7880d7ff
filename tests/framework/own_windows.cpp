#include "own_windows.h"

#include <cstring>

namespace vl {
namespace {

struct Search {
    const std::string* title;
    HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window))
        return TRUE;
    char className[64] = "";
    GetClassNameA(window, className, sizeof(className));
    if (std::strcmp(className, "#32770") != 0 || TextOf(window) != *search->title)
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

HWND WaitForOwnDialog(const std::string& title, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        Search search{&title, nullptr};
        EnumWindows(&Visit, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (GetTickCount() - start > timeoutMs)
            return nullptr;
        Sleep(20);
    }
}

void PressButton(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

}  // namespace vl
