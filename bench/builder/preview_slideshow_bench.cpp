// The builder's preview of a slideshow of camera photos: N JPEGs of 4000 x 3000 (12 MP), each
// shown with Stretch and followed by a Wait, as in slideshow_bench. For each N it writes the scene,
// starts "Vistaloom.exe scene", sends the Preview command to the main window as the menu does and
// reports, read from outside the builder: the time from the command to the preview window (the
// scene check and the window's creation), from the window to the first photo on the screen (the
// preview's own start), the largest delay of a photo behind the end of the Wait before it, and the
// builder's peak private memory. Then it closes the preview and previews the same scene again in
// the same builder, timed the same way.
// With --settle=S the first preview comes S seconds after the builder's window instead of half a
// second: a user who looks at the scene first, while the builder checks its pictures in the
// background.
// Run: tools/wine-run build/win64/bin/preview_slideshow_bench.exe [--settle=S] [N ...]
//      (default 5 20 50)
#include <windows.h>

#include <psapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/resource.h"
#include "bench/support/screen_photos.h"
#include "bench_paths.h"
#include "scene/editor_options.h"
#include "scene/entries.h"
#include "scene/scene_file.h"

namespace {

using vl_bench::Near;
using vl_bench::Pump;
using vl_bench::WindowsPath;

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr int kWaitMs = 1000;
constexpr int kPatchWidth = 1200;
constexpr int kPatchHeight = 900;
constexpr char kSettingsKey[] = "Software\\Quillmark\\Screen Saver\\Vistaloom\\Settings";
constexpr char kSceneName[] = "Slides.ssd";
constexpr char kPreviewClass[] = "SSTESTWND1.0";

double Now() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Photo k's patch colour: five levels a channel, 40 apart, so no two photos look alike.
COLORREF PatchColour(int k) {
    const auto level = [](int value) { return static_cast<BYTE>(30 + 40 * (value % 5)); };
    return RGB(level(k), level(k / 5), level(k / 25));
}

std::vector<std::uint8_t> MakePhoto(int k) {
    const RECT patch{(kWidth - kPatchWidth) / 2, (kHeight - kPatchHeight) / 2,
                     (kWidth + kPatchWidth) / 2, (kHeight + kPatchHeight) / 2};
    return vl_bench::TexturedJpeg(kWidth, kHeight, 12345u + static_cast<unsigned>(k), patch,
                                  PatchColour(k));
}

// Images 1..N, then Show k (Stretch) and Wait for each photo in turn.
bool WriteScene(const std::string& path, const std::vector<std::vector<std::uint8_t>>& photos,
                int count) {
    vl::EntryList entries;
    std::vector<vl::ImageEntry*> objects;
    for (int k = 0; k < count; ++k) {
        auto image = std::make_unique<vl::ImageEntry>();
        image->fileName = "photo" + std::to_string(k + 1) + ".jpg";
        image->data = vl::ByteBlock::Copy(photos[k].data(), photos[k].size());
        objects.push_back(image.get());
        entries.Append(std::move(image));
    }
    for (int k = 0; k < count; ++k) {
        auto show = std::make_unique<vl::ShowEntry>();
        show->SetObject(objects[k]);
        show->params.motion.effect = vl::kEffectStretch;
        entries.Append(std::move(show));
        auto wait = std::make_unique<vl::WaitEntry>();
        wait->duration.milliseconds = kWaitMs;
        entries.Append(std::move(wait));
    }
    const std::vector<std::uint8_t> bytes = vl::SaveSceneFile(entries);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// No splash and no start window; the preview starts playing by itself, as a user sets it who
// previews often.
void PrepareSettings() {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &key, nullptr) == ERROR_SUCCESS) {
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
    options.previewAutoStart = 1;
    const auto bytes = options.ToBytes();
    std::ofstream out(folder + "\\vlo.opt", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

struct Found {
    DWORD process;
    std::string title;
    const char* className;  // null: any
    HWND window = nullptr;
};

BOOL CALLBACK FindWindowOf(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<Found*>(data);
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

HWND VisibleWindow(DWORD process, const std::string& title, const char* className = nullptr) {
    Found found{process, title, className};
    EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&found));
    return found.window;
}

struct Preview {
    bool complete = false;   // every photo appeared
    int seen = 0;            // photos that appeared
    double check = -1;       // seconds from the command to the preview window
    double firstFrame = -1;  // seconds from the command to photo 1
    double worstDelay = 0;   // seconds of the latest photo behind its Wait's end
    SIZE_T peakPrivate = 0;  // the builder's peak so far, after this preview
};

// One Preview command on the builder's main window, watched until every photo has appeared; the
// preview is closed afterwards.
Preview RunPreview(HWND frame, HANDLE process, DWORD processId, int count, HDC screen) {
    Preview result;
    const int probeX = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int probeY = GetSystemMetrics(SM_CYSCREEN) / 2;
    const double begin = Now();
    PostMessageA(frame, WM_COMMAND, ID_PREVIEW, 0);
    HWND preview = nullptr;
    double previous = begin;
    while (result.seen < count) {
        const double now = Now();
        if (now - previous > 60 || WaitForSingleObject(process, 0) == WAIT_OBJECT_0)
            break;
        if (!preview) {
            // The frame, not its floating toolbar, which bears the same title.
            preview = VisibleWindow(processId, "Preview", kPreviewClass);
            if (preview)
                result.check = Now() - begin;
            else
                Sleep(1);
            continue;
        }
        if (!Near(GetPixel(screen, probeX, probeY), PatchColour(result.seen)))
            continue;
        if (result.seen == 0)
            result.firstFrame = now - begin;
        else
            result.worstDelay = std::max(result.worstDelay, now - previous - kWaitMs / 1000.0);
        previous = now;
        ++result.seen;
    }
    result.complete = result.seen == count;
    if (preview)
        PostMessageA(preview, WM_CLOSE, 0, 0);
    const double closing = Now();
    while (preview && IsWindow(preview) && Now() - closing < 20)
        Sleep(10);
    // The main window is enabled again once the preview has gone.
    while (!IsWindowEnabled(frame) && Now() - closing < 20)
        Sleep(10);
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, &memory, sizeof memory))
        result.peakPrivate = memory.PeakPagefileUsage;
    return result;
}

void PrintPreview(int count, const char* which, const Preview& run) {
    // SIZE_T is unsigned long on i686, not size_t: the megabytes fit an unsigned.
    std::printf("%6d %-7s %9.3f s %9.3f s %9.3f s %9.3f s %9u MB%s\n", count, which, run.check,
                run.firstFrame - run.check, run.firstFrame, run.worstDelay,
                static_cast<unsigned>(run.peakPrivate >> 20),
                run.complete ? "" : "  (not every photo appeared)");
    if (!run.complete)
        std::printf("       photos seen: %d of %d\n", run.seen, count);
    std::fflush(stdout);
}

// Starts the builder on the scene, previews it `previews` times and closes it. Prints one line a
// preview when `count` > 0; false when the builder's window did not come.
bool PreviewInBuilder(const std::string& scene, int count, int previews, HDC screen,
                      DWORD settleMs) {
    std::string commandLine = "\"" + WindowsPath(VL_VISTALOOM_PATH) + "\" \"" + scene + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return false;
    }
    const std::string title = std::string(kSceneName) + " - Vistaloom";
    HWND frame = nullptr;
    const double begin = Now();
    while (!frame && Now() - begin < 60 && WaitForSingleObject(info.hProcess, 10) != WAIT_OBJECT_0)
        frame = VisibleWindow(info.dwProcessId, title);
    if (frame) {
        WaitForInputIdle(info.hProcess, 10000);
        // The builder's window settles (the list paints) before the command, as for a user.
        Sleep(settleMs);
        PROCESS_MEMORY_COUNTERS memory = {};
        memory.cb = sizeof memory;
        if (count > 0 && GetProcessMemoryInfo(info.hProcess, &memory, sizeof memory)) {
            std::printf("%6d opened  %47s %9u MB\n", count, "",
                        static_cast<unsigned>(memory.PeakPagefileUsage >> 20));
        }
        for (int i = 0; i < previews; ++i) {
            const Preview run =
                RunPreview(frame, info.hProcess, info.dwProcessId, std::max(count, 1), screen);
            if (count > 0)
                PrintPreview(count, i == 0 ? "first" : "again", run);
        }
        PostMessageA(frame, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(info.hProcess, 20000) != WAIT_OBJECT_0)
        TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    Pump();
    Sleep(300);
    return frame != nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> counts;
    DWORD settleMs = 500;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--settle=", 9) == 0)
            settleMs = static_cast<DWORD>(std::atof(argv[i] + 9) * 1000);
        else
            counts.push_back(std::max(1, std::atoi(argv[i])));
    }
    if (counts.empty())
        counts = {5, 20, 50};
    const int most = *std::max_element(counts.begin(), counts.end());
    std::printf("making %d photos of %d x %d ...\n", most, kWidth, kHeight);
    std::fflush(stdout);
    std::vector<std::vector<std::uint8_t>> photos;
    std::size_t bytes = 0;
    for (int k = 0; k < most; ++k) {
        photos.push_back(MakePhoto(k));
        bytes += photos.back().size();
    }
    std::printf("photos: %zu bytes on average; Wait %d ms after each Show\n", bytes / most,
                kWaitMs);
    const std::string path = WindowsPath(VL_BENCH_DIR) + "\\" + kSceneName;
    PrepareSettings();
    HDC screen = GetDC(nullptr);
    // The first start measures and stores the speed calibration; not counted.
    if (!WriteScene(path, photos, 1) || !PreviewInBuilder(path, 0, 1, screen, 500)) {
        std::printf("cannot write the scene or start the builder\n");
        return 1;
    }
    std::printf("%6s %-7s %11s %11s %11s %11s %12s\n", "N", "preview", "check", "own start",
                "first photo", "worst delay", "peak private");
    for (const int count : counts) {
        if (!WriteScene(path, photos, count)) {
            std::printf("cannot write the scene\n");
            return 1;
        }
        if (!PreviewInBuilder(path, count, 2, screen, settleMs))
            std::printf("%6d the builder did not show the scene\n", count);
    }
    ReleaseDC(nullptr, screen);
    std::printf(
        "check: command to the preview window; own start: window to the first photo; first "
        "photo: command to the first photo (goal 0.5 s); worst delay: latest photo behind its "
        "Wait's end (goal 0); peak private: the builder's peak so far\n");
    return 0;
}
