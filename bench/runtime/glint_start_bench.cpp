// Starts a screen saver whose scene shows one 1600 x 1250 JPEG (2 megapixels) at (0, 0), and
// measures the time from CreateProcess("... /s") until the picture's marked patch is on the
// screen. The first start stores the calibration and is not counted; each further start begins
// over a white screen and ends with a key. Prints every time and the median.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench_paths.h"
#include "engine/image/jpeg_codec.h"
#include "package/fixed_images.h"
#include "scene/entries.h"
#include "scene/scene_file.h"
#include "engine/image/sec_dib.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1250;
// A uniform patch around this point, so that the JPEG keeps its colour exactly enough.
constexpr int kProbeX = 300;
constexpr int kProbeY = 200;
constexpr int kPatch = 48;
const COLORREF kPatchColour = RGB(250, 120, 10);
constexpr int kRuns = 7;

std::string WindowsPath(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

// A picture with texture everywhere (so the decoder does real work) and the patch.
std::vector<std::uint8_t> MakeJpeg() {
    SECDib image;
    image.Create(kWidth, kHeight, 24);
    unsigned noise = 12345;
    for (int row = 0; row < kHeight; ++row) {
        const int y = kHeight - 1 - row;
        std::uint8_t* pixel = image.Row(row);
        for (int x = 0; x < kWidth; ++x, pixel += 3) {
            noise = noise * 1103515245u + 12345u;
            const bool patch = x >= kProbeX - kPatch / 2 && x < kProbeX + kPatch / 2 &&
                               y >= kProbeY - kPatch / 2 && y < kProbeY + kPatch / 2;
            if (patch) {
                pixel[0] = GetBValue(kPatchColour);
                pixel[1] = GetGValue(kPatchColour);
                pixel[2] = GetRValue(kPatchColour);
            } else {
                pixel[0] = static_cast<std::uint8_t>((x + (noise >> 24)) & 0xFF);
                pixel[1] = static_cast<std::uint8_t>((y / 3 + (noise >> 16)) & 0xFF);
                pixel[2] = static_cast<std::uint8_t>(((x ^ y) + (noise >> 8)) & 0xFF);
            }
        }
    }
    std::vector<std::uint8_t> jpeg;
    vl::EncodeJpeg(image, 85, jpeg);
    return jpeg;
}

bool WriteSaver(const std::string& path, const std::vector<std::uint8_t>& jpeg) {
    std::ifstream in(WindowsPath(VL_GLINT_PATH), std::ios::binary);
    std::vector<std::uint8_t> file(std::istreambuf_iterator<char>(in), {});
    if (file.size() != vl::kRuntimeImageSize)
        return false;
    vl::EntryList entries;
    auto image = std::make_unique<vl::ImageEntry>();
    image->fileName = "large.jpg";
    image->data = vl::ByteBlock::Copy(jpeg.data(), jpeg.size());
    vl::ImageEntry* object = image.get();
    entries.Append(std::move(image));
    auto show = std::make_unique<vl::ShowEntry>();
    show->SetObject(object);
    entries.Append(std::move(show));
    const std::vector<std::uint8_t> scene = vl::SaveSceneFile(entries);
    const std::uint8_t lead[4] = {1, 0, 0, 0};
    file.insert(file.end(), lead, lead + 4);
    file.insert(file.end(), scene.begin(), scene.end());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}

bool Near(COLORREF a, COLORREF b) {
    const auto close = [](int x, int y) { return x - y < 12 && y - x < 12; };
    return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) &&
           close(GetBValue(a), GetBValue(b));
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// A white window over the screen, so that the patch colour can only come from the saver.
HWND WhiteScreen() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "VlGlintBenchWhite";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "VlGlintBenchWhite", "", WS_POPUP | WS_VISIBLE, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                  nullptr, nullptr, nullptr, nullptr);
    UpdateWindow(window);
    Pump();
    return window;
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
