/* A stand-in for the display control panel's preview: a 32-bit window for Glint /p.
 *   preview_host.exe HANDLE_FILE CHILD_FILE QUIT_FILE
 * Writes its window handle to HANDLE_FILE; once a child window is over its client area, writes
 * "WIDTH HEIGHT LEFT TOP CHILD CLIENT_WIDTH CLIENT_HEIGHT" (the child's size, its place relative
 * to the client area, 1 when it has WS_CHILD) to CHILD_FILE; destroys its window when QUIT_FILE
 * exists, which is what ends a preview. Built by the test itself: the win32 flavour has no tests.
 */
#include <windows.h>
#include <stdio.h>

static const char* child_file;
static const char* quit_file;
static int reported;

static void write_text(const char* path, const char* text) {
    char temporary[MAX_PATH + 8];
    FILE* f;
    /* Whole or not at all: the test reads the file as soon as it appears. */
    snprintf(temporary, sizeof(temporary), "%s.tmp", path);
    f = fopen(temporary, "w");
    if (!f)
        return;
    fputs(text, f);
    fclose(f);
    MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING);
}

static LRESULT CALLBACK host_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_TIMER) {
        HWND child = FindWindowExA(window, NULL, NULL, NULL);
        if (child && !reported) {
            RECT area, client;
            POINT origin = {0, 0};
            char text[128];
            GetWindowRect(child, &area);
            GetClientRect(window, &client);
            ClientToScreen(window, &origin);
            snprintf(text, sizeof(text), "%ld %ld %ld %ld %d %ld %ld\n", area.right - area.left,
                     area.bottom - area.top, area.left - origin.x, area.top - origin.y,
                     (GetWindowLongA(child, GWL_STYLE) & WS_CHILD) ? 1 : 0, client.right,
                     client.bottom);
            write_text(child_file, text);
            reported = 1;
        }
        if (GetFileAttributesA(quit_file) != INVALID_FILE_ATTRIBUTES)
            DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

int main(int argc, char** argv) {
    WNDCLASSA type = {0};
    HWND window;
    MSG message;
    char text[32];
    RECT frame = {0, 0, 152, 112};
    if (argc != 4)
        return 64;
    child_file = argv[2];
    quit_file = argv[3];
    type.lpfnWndProc = host_proc;
    type.hInstance = GetModuleHandleA(NULL);
    type.hbrBackground = (HBRUSH)GetStockObject(BLACK_BRUSH);
    type.lpszClassName = "PreviewHost";
    if (!RegisterClassA(&type))
        return 1;
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    window = CreateWindowA("PreviewHost", "Preview host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           300, 200, frame.right - frame.left, frame.bottom - frame.top, NULL, NULL,
                           type.hInstance, NULL);
    if (!window)
        return 1;
    ShowWindow(window, SW_SHOWNOACTIVATE);
    SetTimer(window, 1, 100, NULL);
    snprintf(text, sizeof(text), "%lu\n", (unsigned long)(ULONG_PTR)window);
    write_text(argv[1], text);
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
