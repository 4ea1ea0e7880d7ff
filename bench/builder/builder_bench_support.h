// What the builder benchmarks share: the clock, a scene file on disk, a quiet start of the builder
// and finding its windows from outside.
#pragma once

#include <windows.h>

#include <shlobj.h>

#include <fstream>
#include <string>
#include <vector>

#include "scene/editor_options.h"
#include "scene/scene_file.h"

namespace vl_bench {

inline double Now() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline bool WriteScene(const std::string& path, vl::EntryList& entries) {
    const std::vector<std::uint8_t> bytes = vl::SaveSceneFile(entries);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// No splash and no start window, as for a user who turned them off; with previewAutoStart the
// preview starts playing by itself, as a user sets it who previews often.
inline void QuietBuilderStart(bool previewAutoStart) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Quillmark\\Screen Saver\\Vistaloom\\Settings",
                        0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
        const DWORD one = 1;
        RegSetValueExA(key, "StartDlg", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one),
                       sizeof one);
        RegCloseKey(key);
    }
    char appData[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
    const std::string folder = std::string(appData) + "\\Quillmark\\Screen Saver\\Vistaloom";
    SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    vl::EditorOptions options;
    options.splash = 0;
    options.previewAutoStart = previewAutoStart ? 1 : 0;
    const auto bytes = options.ToBytes();
    std::ofstream out(folder + "\\vlo.opt", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

struct FoundWindow {
    DWORD process;
    std::string title;
    const char* className;  // null: any
    HWND window = nullptr;
};

inline BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<FoundWindow*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char title[256] = "";
    GetWindowTextA(window, title, sizeof title);
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (process == found->process && IsWindowVisible(window) && found->title == title &&
        (!found->className || lstrcmpiA(name, found->className) == 0)) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

// The process's visible top-level window with this title (and class); null when none is shown.
inline HWND VisibleWindow(DWORD process, const std::string& title,
                          const char* className = nullptr) {
    FoundWindow found{process, title, className};
    EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&found));
    return found.window;
}

}  // namespace vl_bench
