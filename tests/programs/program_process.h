// Starting one of the suite's programs in its own process and finding its windows.
#pragma once

#include <windows.h>

#include <string>

#include "handles.h"

namespace vl {

// A host path ("/work/.../Glint.scr") as Windows programs under Wine see it.
std::string WindowsPath(const std::string& hostPath);

class ProgramProcess {
  public:
    // Starts path with the given argument text; Started() tells whether that worked.
    ProgramProcess(const std::string& path, const std::string& arguments);
    // Ends the process when a test left it running.
    ~ProgramProcess();

    bool Started() const { return process_.Valid(); }
    DWORD Id() const { return id_; }
    // A visible top-level window of the process whose class (when given) and title match.
    HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs = 10000) const;
    // True when the process ended within timeoutMs; its exit code goes to *code.
    bool WaitForExit(DWORD timeoutMs, DWORD* code);

  private:
    ProcessHandle process_;
    DWORD id_ = 0;
};

}  // namespace vl
