// The scene list with a generated scene of 10,000 entries (every kind, loops nested five deep),
// in a window on the screen: filling it up to the first painted list, Select All + Delete,
// changing the options (a rebuild keeping selection and scroll), one page of scrolling with its
// repaint, and the text export. Each is timed several times; the medians are printed with the
// goals. Run: tools/wine-run build/<dir>/bin/scene_view_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/support/long_scene.h"
#include "editor/scene_view.h"
#include "framework/window.h"
#include "scene/entries.h"

namespace {

constexpr int kRuns = 5;

class BenchWindow final : public vl::Window {};

double Now() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Generate(vl::EntryList& entries) {
    vl::bench::MakeLongScene(entries, 10000);
}

// Times `step` after `prepare` (not timed) kRuns times; prints every time and the median.
void Report(const char* what, const char* goal, const std::function<void()>& prepare,
            const std::function<void()>& step) {
    std::vector<double> times;
    std::printf("%-34s", what);
    for (int i = 0; i < kRuns; ++i) {
        prepare();
        const double begin = Now();
        step();
        times.push_back(Now() - begin);
        std::printf(" %7.4f", times.back());
    }
    std::sort(times.begin(), times.end());
    std::printf("  median %.4f s (goal %s)\n", times[times.size() / 2], goal);
}

}  // namespace

int main() {
    char folder[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, folder);
    const std::string scene = std::string(folder) + "vl-scene-view-bench.ssd";

    vl::EntryList entries;
    vl::CSceneView view(vl::CSceneView::Services{
        entries, [] {}, [](vl::CommandId) {}, [&] { return scene; }, [] {}, [] { return false; },
        nullptr, nullptr, nullptr, [](const std::string&) {}, nullptr, nullptr});
    BenchWindow window;
    if (!vl::Window::Register({"VistaloomSceneViewBench"}) ||
        !window.Create("VistaloomSceneViewBench", 0, "Scene list", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                       0, 0, 800, 700, nullptr) ||
        !view.Create(window.Handle(), 100)) {
        std::fprintf(stderr, "cannot create the list\n");
        return 1;
    }
    MoveWindow(view.Handle(), 0, 0, 780, 660, TRUE);
    HWND list = view.Handle();
    const auto paint = [&] { UpdateWindow(list); };
    const auto filled = [&] {
        Generate(entries);
        view.Fill();
        paint();
    };

    Report(
        "open: fill to the painted list", "< 0.5 s", [&] { Generate(entries); },
        [&] {
            view.Fill();
            paint();
        });
    Report("Select All + Delete", "< 0.5 s", filled, [&] {
        view.SelectAll();
        view.DeleteSelection(false);
        paint();
    });
    Report(
        "Change options (rebuild)", "< 0.5 s",
        [&] {
            filled();
            SendMessageA(list, LB_SETTOPINDEX, 5000, 0);
            SendMessageA(list, LB_SETSEL, TRUE, 5003);
        },
        [&] {
            vl::EditorOptions options;
            options.tabSize = 4;
            view.ApplyOptions(options);
            paint();
        });
    filled();
    int top = 0;
    Report(
        "one page of scrolling (repaint)", "< 0.016 s", [] {},
        [&] {
            SendMessageA(list, WM_VSCROLL, SB_PAGEDOWN, 0);
            paint();
            top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
        });
    Report(
        "Export as text", "< 0.5 s", [] {}, [&] { view.ExportText(); });
    DeleteFileA((scene + ".txt").c_str());
    return top > 0 ? 0 : 1;
}
