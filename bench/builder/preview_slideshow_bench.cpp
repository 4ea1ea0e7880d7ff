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

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/resource.h"
#include "bench/builder/builder_bench_support.h"
#include "bench/support/photo_slideshow.h"
#include "bench_paths.h"
#include "scene/entries.h"
#include "scene/scene_file.h"

namespace {

using vl_bench::kSlideWaitMs;
using vl_bench::MakePhoto;
using vl_bench::Near;
using vl_bench::Now;
using vl_bench::PatchColour;
using vl_bench::Pump;
using vl_bench::VisibleWindow;
using vl_bench::WindowsPath;

// The slideshow as a scene file, sharing the photos' bytes.
bool WriteSlideshow(const std::string& path, const std::vector<vl::ByteBlock>& photos, int count) {
    vl::EntryList entries;
    vl_bench::AppendSlideshow(entries, photos, count);
    return vl_bench::WriteScene(path, entries);
}

constexpr char kSceneName[] = "Slides.ssd";
constexpr char kPreviewClass[] = "SSTESTWND1.0";

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
            result.worstDelay = std::max(result.worstDelay, now - previous - kSlideWaitMs / 1000.0);
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
    std::printf("making %d photos of %d x %d ...\n", most, vl_bench::kPhotoWidth,
                vl_bench::kPhotoHeight);
    std::fflush(stdout);
    std::vector<vl::ByteBlock> photos;
    std::size_t bytes = 0;
    for (int k = 0; k < most; ++k) {
        photos.push_back(MakePhoto(k));
        bytes += photos.back().size();
    }
    std::printf("photos: %zu bytes on average; Wait %d ms after each Show\n", bytes / most,
                kSlideWaitMs);
    const std::string path = WindowsPath(VL_BENCH_DIR) + "\\" + kSceneName;
    vl_bench::QuietBuilderStart(true);
    HDC screen = GetDC(nullptr);
    // The first start measures and stores the speed calibration; not counted.
    if (!WriteSlideshow(path, photos, 1) || !PreviewInBuilder(path, 0, 1, screen, 500)) {
        std::printf("cannot write the scene or start the builder\n");
        return 1;
    }
    std::printf("%6s %-7s %11s %11s %11s %11s %12s\n", "N", "preview", "check", "own start",
                "first photo", "worst delay", "peak private");
    for (const int count : counts) {
        if (!WriteSlideshow(path, photos, count)) {
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
