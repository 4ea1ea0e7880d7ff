// Vistaloom, the screen-saver builder.
#include <windows.h>

#include "main_frame.h"
#include "prompt.h"
#include "win32_prompt.h"

namespace {

int Main(int show) {
    vl::Win32Prompt prompt("Vistaloom");
    vl::SetDefaultPrompt(&prompt);
    vl::CMainFrame frame;
    int result = 1;
    if (frame.Create()) {
        prompt.SetOwner(frame.Handle());
        ShowWindow(frame.Handle(), show);
        UpdateWindow(frame.Handle());
        result = vl::RunMessageLoop();
    }
    vl::SetDefaultPrompt(nullptr);
    return result;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    try {
        return Main(show);
    } catch (...) {
        return 1;
    }
}
