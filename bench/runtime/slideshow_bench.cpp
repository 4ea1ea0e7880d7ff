// A slideshow of camera photos, the commonest screen saver: N JPEGs of 4000 x 3000 (12 MP), each
// shown with Stretch and followed by a Wait. For each N it makes the screen saver, starts it with
// "/s" and reports, read from the display: the time from CreateProcess to the first photo, and
// the largest delay of a photo behind the end of the Wait before it (when photo k appears later
// than photo k - 1 + the Wait); and, from the system, the peak memory of the Glint process.
// Run: tools/wine-run build/win64/bin/slideshow_bench.exe [N ...]   (default 5 20 50 100); the
// 32-bit one: WINEARCH=win32 tools/wine-run build/win32/bin/slideshow_bench.exe
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench/support/photo_slideshow.h"
#include "saver_bench_support.h"

namespace {

using vl_bench::kSlideWaitMs;
using vl_bench::MakePhoto;
using vl_bench::Near;
using vl_bench::PatchColour;
using vl_bench::Pump;
using vl_bench::WhiteScreen;
using vl_bench::WindowsPath;

// Glint's screen saver of the slideshow, sharing the photos' bytes.
bool WriteSaver(const std::string& path, const std::vector<vl::ByteBlock>& photos, int count) {
    vl::EntryList entries;
    vl_bench::AppendSlideshow(entries, photos, count);
    return vl_bench::WriteSaver(path, entries);
}

struct Run {
    bool complete = false;   // every photo appeared
    int seen = 0;            // photos that appeared
    double firstFrame = -1;  // seconds from start to photo 1
    double worstDelay = 0;   // seconds of the latest photo behind its Wait's end
    SIZE_T peakWorkingSet = 0;
    SIZE_T peakPrivate = 0;
    bool ended = false;
};

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to, const LARGE_INTEGER& frequency) {
    return static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

Run PlayOnce(const std::string& path, int count, HDC screen) {
    Run result;
    std::string commandLine = "\"" + path + "\" /s";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    LARGE_INTEGER frequency, begin, now, previous;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return result;
    }
    const int probeX = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int probeY = GetSystemMetrics(SM_CYSCREEN) / 2;
    previous = begin;
    while (result.seen < count) {
        QueryPerformanceCounter(&now);
        if (Near(GetPixel(screen, probeX, probeY), PatchColour(result.seen))) {
            if (result.seen == 0) {
                result.firstFrame = Seconds(begin, now, frequency);
            } else {
                const double late = Seconds(previous, now, frequency) - kSlideWaitMs / 1000.0;
                result.worstDelay = std::max(result.worstDelay, late);
            }
            previous = now;
            ++result.seen;
            continue;
        }
        if (Seconds(previous, now, frequency) > 60 ||
            WaitForSingleObject(info.hProcess, 1) == WAIT_OBJECT_0) {
            break;
        }
    }
    result.complete = result.seen == count;
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    if (GetProcessMemoryInfo(info.hProcess, &memory, sizeof(memory))) {
        result.peakWorkingSet = memory.PeakWorkingSetSize;
        result.peakPrivate = memory.PeakPagefileUsage;
    }
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_SHIFT;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
    result.ended = WaitForSingleObject(info.hProcess, 10000) == WAIT_OBJECT_0;
    if (!result.ended)
        TerminateProcess(info.hProcess, 1);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return result;
}

Run PlayOnWhite(const std::string& path, int count, HDC screen) {
    HWND white = WhiteScreen();
    const Run run = PlayOnce(path, count, screen);
    DestroyWindow(white);
    Pump();
    Sleep(300);
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i)
        counts.push_back(std::max(1, std::atoi(argv[i])));
    if (counts.empty())
        counts = {5, 20, 50, 100};
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
    const std::string path = WindowsPath(VL_BENCH_DIR) + "\\slideshow.scr";
    HDC screen = GetDC(nullptr);
    // The first start stores the calibration when it is missing; not counted.
    if (!WriteSaver(path, photos, 1)) {
        std::printf("cannot write the screen saver\n");
        return 1;
    }
    PlayOnWhite(path, 1, screen);
    std::printf("%6s %12s %14s %16s %16s\n", "N", "first frame", "worst delay", "peak working set",
                "peak private");
    for (const int count : counts) {
        if (!WriteSaver(path, photos, count)) {
            std::printf("cannot write the screen saver\n");
            return 1;
        }
        const Run run = PlayOnWhite(path, count, screen);
        // SIZE_T is unsigned long on i686, not size_t: the megabytes fit an unsigned.
        std::printf("%6d %10.3f s %12.3f s %13u MB %13u MB%s%s\n", count, run.firstFrame,
                    run.worstDelay, static_cast<unsigned>(run.peakWorkingSet >> 20),
                    static_cast<unsigned>(run.peakPrivate >> 20),
                    run.complete ? "" : "  (not every photo appeared)",
                    run.ended ? "" : "  (did not end)");
        if (!run.complete)
            std::printf("       photos seen: %d of %d\n", run.seen, count);
        std::fflush(stdout);
    }
    ReleaseDC(nullptr, screen);
    std::printf(
        "goals: first frame within 0.5 s after Wine's own start; peak below the payload + "
        "8 screen bitmaps + 64 MB; no Show later than its Wait's end\n");
    return 0;
}
