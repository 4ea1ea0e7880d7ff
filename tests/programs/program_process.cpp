#include "program_process.h"

#include <cstring>
#include <vector>

namespace vl {
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
    char text[256] = "";
    if (search->className) {
        GetClassNameA(window, text, sizeof(text));
        if (std::strcmp(text, search->className) != 0)
            return TRUE;
    }
    if (search->title) {
        GetWindowTextA(window, text, sizeof(text));
        if (std::strcmp(text, search->title) != 0)
            return TRUE;
    }
    search->found = window;
    return FALSE;
}

}  // namespace

std::string WindowsPath(const std::string& hostPath) {
    std::string path = hostPath;
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    return path.size() > 1 && path[1] == ':' ? path : "Z:" + path;
}

ProgramProcess::ProgramProcess(const std::string& path, const std::string& arguments) {
    std::string commandLine = "\"" + path + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(path.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return;
    }
    CloseHandle(info.hThread);
    process_.Reset(info.hProcess);
    id_ = info.dwProcessId;
    WaitForInputIdle(info.hProcess, 5000);
}

ProgramProcess::~ProgramProcess() {
    if (process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.Get(), 99);
        WaitForSingleObject(process_.Get(), 5000);
    }
}

HWND ProgramProcess::WaitForWindow(const char* className, const char* title,
                                   DWORD timeoutMs) const {
    const DWORD start = GetTickCount();
    for (;;) {
        Search search{id_, className, title, nullptr};
        EnumWindows(&Visit, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        if (GetTickCount() - start > timeoutMs)
            return nullptr;
        Sleep(25);
    }
}

bool ProgramProcess::WaitForExit(DWORD timeoutMs, DWORD* code) {
    if (!process_ || WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0)
        return false;
    GetExitCodeProcess(process_.Get(), code);
    return true;
}

}  // namespace vl
