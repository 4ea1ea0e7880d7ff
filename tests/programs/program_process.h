// Starting one of the suite's programs in its own process and finding its windows.
#pragma once

#include <windows.h>

#include <string>

#include "framework/handles.h"
#include "support/waits.h"

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
    HWND WaitForWindow(const char* className, const char* title,
                       DWORD timeoutMs = test::kDeadlineMs) const;
    // True when the process ended within timeoutMs; its exit code goes to *code. Serves this
    // thread's messages meanwhile (the program may send to the test's windows).
    bool WaitForExit(DWORD timeoutMs, DWORD* code);
    // True when the process still runs once ms has passed: how a test tells that the program
    // ignored what the test just did (test::kReactionTimeMs unless the event needs longer).
    bool KeepsRunning(DWORD ms = test::kReactionTimeMs);

  private:
    ProcessHandle process_;
    DWORD id_ = 0;
};

}  // namespace vl
