#include "tests/programs/program_process.h"

#include <vector>

#include "support/top_windows.h"

namespace vl {

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
    return test::WaitForTopWindow(id_, className, title, timeoutMs);
}

bool ProgramProcess::WaitForExit(DWORD timeoutMs, DWORD* code) {
    if (!process_ || !test::PumpUntilSignalled(process_.Get(), timeoutMs))
        return false;
    GetExitCodeProcess(process_.Get(), code);
    return true;
}

bool ProgramProcess::KeepsRunning(DWORD ms) {
    DWORD code = 0;
    return process_ && !WaitForExit(ms, &code);
}

}  // namespace vl
