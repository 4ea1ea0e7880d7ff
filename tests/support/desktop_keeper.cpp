// Keeps Wine's desktop up for a whole test run. Wine starts its desktop process (explorer.exe)
// for the first program that needs a desktop and ends it a second after the last such program has
// gone. That process inherits the starting program's output, so CTest waited the second out after
// every Windows test, and a program starting meanwhile could lose its activation to it. Started
// before the first Windows test (by wine-desktop), this program brings the desktop up, reports it
// by creating the file named by its argument, and keeps it until it is ended.
#include <windows.h>

int main(int argc, char** argv) {
    if (argc != 2 || !GetDesktopWindow())
        return 1;
    HANDLE ready = CreateFileA(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (ready == INVALID_HANDLE_VALUE)
        return 1;
    CloseHandle(ready);
    // A thread with a message queue counts as a user of the desktop for as long as it runs.
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
