// One step of a Move of a 128 x 128 picture against one block transfer of the union rectangle of
// that step, measured side by side on a real window, each handed to the display as the player
// does after every step. Run it under Wine:
//   tools/wine-run build/<dir>/bench/draw/draw_bench.exe [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/draw/draw_target.h"
#include "engine/draw/image_drawing.h"
#include "engine/draw/move_canvas.h"
#include "engine/draw/work_surface.h"
#include "engine/image/image_runtime.h"

namespace {

using namespace vl;

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kSide = 128;
constexpr int kStepX = 3;
constexpr int kStepY = 2;

LRESULT CALLBACK BenchWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND)
        return 1;
    if (message == WM_PAINT) {
        ValidateRect(window, nullptr);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

BitmapHandle MakePicture(HDC like) {
    WorkSurface surface(like, kSide, kSide);
    for (int y = 0; y < kSide; y += 8) {
        for (int x = 0; x < kSide; x += 8)
            FillArea(surface.Dc(), Rect{x, y, x + 8, y + 8}, RGB(x * 2, y * 2, (x + y) & 0xFF));
    }
    return surface.TakeBitmap();
}

struct Timing {
    std::vector<double> step;
    std::vector<double> blit;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = BenchWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "VlDrawBench";
    RegisterClassA(&windowClass);
    WindowHandle window(CreateWindowExA(WS_EX_TOPMOST, "VlDrawBench", "bench",
                                        WS_POPUP | WS_VISIBLE, 0, 0, kScreenWidth, kScreenHeight,
                                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    if (!window) {
        std::fprintf(stderr, "cannot create the window\n");
        return 1;
    }
    WindowDc dc(window.Get());
    DrawTarget target(dc.Get(), {kScreenWidth, kScreenHeight});
    FillArea(dc.Get(), Rect{0, 0, kScreenWidth, kScreenHeight}, RGB(20, 40, 80));

    ImageEntry image;
    ImageRuntimeOf(image).picture.Set(MakePicture(dc.Get()), IconHandle(), kSide, kSide);
    image.drawColour.background = 0;
    image.currentPlacement.currentX = 100;
    image.currentPlacement.currentY = 100;

    WorkSurface unionSource(dc.Get(), kSide + kStepX, kSide + kStepY);
    BitBlt(unionSource.Dc(), 0, 0, kSide + kStepX, kSide + kStepY, dc.Get(), 0, 0, SRCCOPY);
    Draw(image, target);

    for (int keep : {1, 0}) {
        // As a Move does: the snapshot and the work bitmap are made once, before the first step.
        MoveCanvas canvas(target, ImageRuntimeOf(image).picture.Bitmap());
        Timing timing;
        int direction = 1;
        for (int round = 0; round < rounds; ++round) {
            MotionParam next = image.currentPlacement;
            if (next.currentX + direction * kStepX < 0 ||
                next.currentX + direction * kStepX + kSide > kScreenWidth ||
                next.currentY + direction * kStepY + kSide > kScreenHeight ||
                next.currentY + direction * kStepY < 0)
                direction = -direction;
            next.currentX += direction * kStepX;
            next.currentY += direction * kStepY;
            next.keepWhileMoving = keep;

            LARGE_INTEGER t0, t1, t2;
            QueryPerformanceCounter(&t0);
            StepDraw(image, target, next, canvas);
            target.Present();
            QueryPerformanceCounter(&t1);
            BitBlt(dc.Get(), next.currentX, next.currentY, kSide + kStepX, kSide + kStepY,
                   unionSource.Dc(), 0, 0, SRCCOPY);
            target.Present();
            QueryPerformanceCounter(&t2);
            timing.step.push_back(Seconds(t0, t1) * 1e6);
            timing.blit.push_back(Seconds(t1, t2) * 1e6);
        }
        const double step = Median(timing.step);
        const double blit = Median(timing.blit);
        std::printf(
            "keep while moving %d: Move step %.1f us, block transfer of the union %.1f us, "
            "ratio %.2f (median of %d)\n",
            keep, step, blit, step / blit, rounds);
    }
    return 0;
}
