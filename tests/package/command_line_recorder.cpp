// Stands in for a program an installer starts: writes the command line it was started with into
// a file beside itself, named like it with ".txt" appended, and ends.
#include <windows.h>

#include "framework/handles.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char record[MAX_PATH + 8];
    const DWORD length = GetModuleFileNameA(nullptr, record, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    lstrcpyA(record + length, ".txt");
    char part[MAX_PATH + 16];
    lstrcpyA(part, record);
    lstrcatA(part, ".part");
    // Written beside and renamed, so that a reader never sees half of it.
    {
        vl::FileHandle file(
            CreateFileA(part, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        const char* line = GetCommandLineA();
        DWORD written = 0;
        if (!file || !WriteFile(file.Get(), line, lstrlenA(line), &written, nullptr))
            return 1;
    }
    return MoveFileExA(part, record, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
