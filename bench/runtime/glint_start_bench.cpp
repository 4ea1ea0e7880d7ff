// Starts a screen saver whose scene shows one 1600 x 1250 JPEG (2 megapixels) at (0, 0), and
// measures the time from CreateProcess("... /s") until the picture's marked patch is on the
// screen. The first start stores the calibration and is not counted; each further start begins
// over a white screen and ends with a key. Prints every time and the median.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "saver_bench_support.h"

namespace {

using vl_bench::Near;
using vl_bench::Pump;
using vl_bench::TexturedJpeg;
using vl_bench::WhiteScreen;
using vl_bench::WindowsPath;

constexpr int kWidth = 1600;
constexpr int kHeight = 1250;
// A uniform patch around this point, so that the JPEG keeps its colour exactly enough.
constexpr int kProbeX = 300;
constexpr int kProbeY = 200;
constexpr int kPatch = 48;
const COLORREF kPatchColour = RGB(250, 120, 10);
constexpr int kRuns = 7;

// A picture with texture everywhere (so the decoder does real work) and the patch.
std::vector<std::uint8_t> MakeJpeg() {
    const RECT patch{kProbeX - kPatch / 2, kProbeY - kPatch / 2, kProbeX + kPatch / 2,
                     kProbeY + kPatch / 2};
    return TexturedJpeg(kWidth, kHeight, 12345u, patch, kPatchColour);
}

bool WriteSaver(const std::string& path, const std::vector<std::uint8_t>& jpeg) {
    vl::EntryList entries;
    auto image = std::make_unique<vl::ImageEntry>();
    image->fileName = "large.jpg";
    image->data = vl::ByteBlock::Copy(jpeg.data(), jpeg.size());
    vl::ImageEntry* object = image.get();
    entries.Append(std::move(image));
    auto show = std::make_unique<vl::ShowEntry>();
    show->SetObject(object);
    entries.Append(std::move(show));
    return vl_bench::WriteSaver(path, entries);
}

struct Start {
    double seconds = -1;
    bool ended = false;
};

// Starts the saver, waits for the patch, then ends the run with a key.
Start TimeOneStart(const std::string& path, HDC screen) {
    Start result;
    std::string commandLine = "\"" + path + "\" /s";
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    LARGE_INTEGER frequency, begin, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return result;
    }
    for (;;) {
        QueryPerformanceCounter(&now);
        const double elapsed = static_cast<double>(now.QuadPart - begin.QuadPart) /
                               static_cast<double>(frequency.QuadPart);
        if (Near(GetPixel(screen, kProbeX, kProbeY), kPatchColour)) {
            result.seconds = elapsed;
            break;
        }
        if (elapsed > 20 || WaitForSingleObject(info.hProcess, 1) == WAIT_OBJECT_0)
            break;
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

}  // namespace

int main() {
    const std::vector<std::uint8_t> jpeg = MakeJpeg();
    const std::string path = WindowsPath(VL_BENCH_DIR) + "\\bench.scr";
    if (jpeg.empty() || !WriteSaver(path, jpeg)) {
        std::printf("cannot write the screen saver\n");
        return 1;
    }
    std::printf("scene: one %d x %d JPEG of %zu bytes\n", kWidth, kHeight, jpeg.size());
    HDC screen = GetDC(nullptr);
    std::vector<double> times;
    for (int run = 0; run <= kRuns; ++run) {
        HWND white = WhiteScreen();
        const Start start = TimeOneStart(path, screen);
        DestroyWindow(white);
        Pump();
        if (start.seconds < 0) {
            std::printf("start %d: the picture never appeared\n", run);
            return 1;
        }
        if (run == 0) {
            std::printf("first start (stores the calibration when missing): %.3f s\n",
                        start.seconds);
            continue;
        }
        std::printf("start %d: %.3f s%s\n", run, start.seconds,
                    start.ended ? "" : " (did not end)");
        times.push_back(start.seconds);
        Sleep(200);
    }
    ReleaseDC(nullptr, screen);
    std::sort(times.begin(), times.end());
    std::printf("start to first frame: median %.3f s, best %.3f s, worst %.3f s (%zu starts)\n",
                times[times.size() / 2], times.front(), times.back(), times.size());
    return 0;
}
