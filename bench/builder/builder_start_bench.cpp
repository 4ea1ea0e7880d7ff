// The builder's start: from CreateProcess("Vistaloom.exe scene") until its window shows the scene
// with nothing left to paint, for a generated scene of 10,000 entries (every kind, loops nested
// five deep) and for a scene with 200 MB of pictures; and, as the baseline of the second, the run
// of "vistaloom-cli info" on the same file. Opening the large scene is the difference between
// that start and a start with a one-line scene, compared with the whole run of the tool, its own
// start included. The first start stores the speed calibration and is not counted. Prints every
// time and the medians.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/builder/builder_bench_support.h"
#include "bench/support/long_scene.h"
#include "bench_paths.h"
#include "scene/entries.h"
#include "scene/scene_file.h"

namespace {

using vl_bench::Now;
using vl_bench::QuietBuilderStart;
using vl_bench::VisibleWindow;
using vl_bench::WriteScene;

constexpr int kRuns = 5;

std::string WindowsPath(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

// 10,000 entries and a few: blocks of five nested loops around one entry of every other kind.
// Returns the number of entries, 0 when the file could not be written.
LRESULT WriteLongScene(const std::string& path) {
    vl::EntryList entries;
    vl::bench::MakeLongScene(entries, 10000);
    return WriteScene(path, entries) ? static_cast<LRESULT>(entries.Count()) : 0;
}

// Twenty pictures of 10 MB each (their bytes are only carried, never decoded, when opening).
bool WriteLargeScene(const std::string& path) {
    vl::EntryList entries;
    std::vector<std::uint8_t> bytes(10u << 20);
    unsigned noise = 7;
    for (int i = 0; i < 20; ++i) {
        for (auto& byte : bytes) {
            noise = noise * 1103515245u + 12345u;
            byte = static_cast<std::uint8_t>(noise >> 24);
        }
        auto image = std::make_unique<vl::ImageEntry>();
        image->fileName = "picture" + std::to_string(i) + ".bmp";
        image->data = vl::ByteBlock::Copy(bytes.data(), bytes.size());
        entries.Append(std::move(image));
    }
    return WriteScene(path, entries);
}

struct ListSearch {
    LRESULT lines;
    HWND list = nullptr;
};

// The scene list: the list box holding as many lines as the scene has entries.
BOOL CALLBACK FindSceneList(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<ListSearch*>(data);
    char name[16] = "";
    GetClassNameA(child, name, sizeof name);
    DWORD_PTR count = 0;
    if (lstrcmpiA(name, "ListBox") == 0 &&
        SendMessageTimeoutA(child, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 1000, &count) &&
        static_cast<LRESULT>(count) == search->lines) {
        search->list = child;
        return FALSE;
    }
    return TRUE;
}

// The frame is up when its list holds the scene and nothing is left to paint.
bool Painted(HWND frame, LRESULT lines) {
    ListSearch search{lines};
    EnumChildWindows(frame, FindSceneList, reinterpret_cast<LPARAM>(&search));
    return search.list && !GetUpdateRect(search.list, nullptr, FALSE) &&
           !GetUpdateRect(frame, nullptr, FALSE);
}

// One start of the builder on the scene; -1 when its window did not come within 60 s.
double TimeBuilderStart(const std::string& scene, const char* title, LRESULT lines) {
    std::string commandLine = "\"" + WindowsPath(VL_VISTALOOM_PATH) + "\" \"" + scene + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    const double begin = Now();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return -1;
    }
    double seconds = -1;
    HWND frame = nullptr;
    while (Now() - begin < 60) {
        if (!frame)
            frame = VisibleWindow(info.dwProcessId, title);
        if (frame && Painted(frame, lines)) {
            seconds = Now() - begin;
            break;
        }
        if (WaitForSingleObject(info.hProcess, 1) == WAIT_OBJECT_0)
            break;
    }
    if (frame)
        PostMessageA(frame, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info.hProcess, 20000) != WAIT_OBJECT_0)
        TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return seconds;
}

double TimeToolInfo(const std::string& scene) {
    std::string commandLine = "\"" + WindowsPath(VL_CLI_PATH) + "\" info \"" + scene + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    HANDLE nul =
        CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = nul;
    const double begin = Now();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &info)) {
        CloseHandle(nul);
        return -1;
    }
    WaitForSingleObject(info.hProcess, INFINITE);
    const double seconds = Now() - begin;
    DWORD code = 1;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    CloseHandle(nul);
    return code == 0 ? seconds : -1;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times.empty() ? -1 : times[times.size() / 2];
}

template <typename Run>
double Report(const char* what, Run run) {
    std::vector<double> times;
    std::printf("%-44s", what);
    for (int i = 0; i < kRuns; ++i) {
        const double seconds = run();
        std::printf(" %.3f", seconds);
        if (seconds >= 0)
            times.push_back(seconds);
    }
    const double median = Median(times);
    std::printf("  median %.3f s\n", median);
    return median;
}

}  // namespace

int main() {
    const std::string folder = WindowsPath(VL_BENCH_DIR);
    const std::string longScene = folder + "\\Long.ssd";
    const std::string largeScene = folder + "\\Large.ssd";
    const std::string smallScene = folder + "\\Small.ssd";
    vl::EntryList one;
    one.Append(vl::CreateEntry(vl::kComment));
    const LRESULT lines = WriteLongScene(longScene);
    if (lines == 0 || !WriteLargeScene(largeScene) || !WriteScene(smallScene, one)) {
        std::fprintf(stderr, "cannot write the scenes in %s\n", folder.c_str());
        return 1;
    }
    QuietBuilderStart(false);
    // The first start measures and stores the calibration.
    if (TimeBuilderStart(longScene, "Long.ssd - Vistaloom", lines) < 0) {
        std::fprintf(stderr, "the builder did not show the scene\n");
        return 1;
    }
    Report("builder start, 10,000 entries (goal < 1 s):",
           [&] { return TimeBuilderStart(longScene, "Long.ssd - Vistaloom", lines); });
    const double start = Report("builder start, one line:", [&] {
        return TimeBuilderStart(smallScene, "Small.ssd - Vistaloom", 1);
    });
    const double large = Report("builder start, 200 MB of pictures:", [&] {
        return TimeBuilderStart(largeScene, "Large.ssd - Vistaloom", 20);
    });
    const double info =
        Report("vistaloom-cli info, same file:", [&] { return TimeToolInfo(largeScene); });
    if (start > 0 && large > 0 && info > 0) {
        std::printf("opening 200 MB in the builder: %.3f s, %.2f x the tool's run (goal < 1.5)\n",
                    large - start, (large - start) / info);
    }
    return 0;
}
