// Glint, the screen-saver runtime: Windows starts it with a letter that says what to do.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "command_line.h"
#include "run_window.h"

namespace {

int RunFullScreen() {
    vl::RunWindow window;
    if (!window.Create())
        return 1;
    return vl::RunMessageLoop();
}

int Main() {
    const std::vector<std::string> args(__argv + (__argc > 0 ? 1 : 0), __argv + __argc);
    const vl::CommandLine commandLine = vl::ParseCommandLine(args);
    switch (commandLine.mode) {
        case vl::RunMode::Run:
            return RunFullScreen();
        default:
            // Settings, preview and password change come later; nothing to do yet.
            return 0;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        return Main();
    } catch (...) {
        return 1;
    }
}
