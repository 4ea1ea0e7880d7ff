// Deleting every second line of scenes of growing length, where one Image is used by every Show:
// the one-pass deletion against deleting line by line from the highest position down.
//
//   delete_entries_bench [--lines N]
//
// Goal: the one-pass deletion grows linearly: doubling the lines at most multiplies its time by
// 3.5, which leaves room for the caches and the noise (one at a time grows by 4), and on N lines
// it is faster than line by line.
// Exit status 1 when either is missed.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "editor/core/delete_entries.h"
#include "scene/entries.h"

namespace {

using Clock = std::chrono::steady_clock;

void MakeScene(vl::EntryList& list, int lines) {
    list.Append(vl::CreateEntry(vl::kImage));
    vl::SceneEntry& image = list.At(0);
    for (int i = 1; i < lines; ++i) {
        list.Append(vl::CreateEntry(i % 3 == 0 ? vl::kWait : vl::kShow));
        image.AddUser(list.At(list.Count() - 1));
    }
}

std::vector<int> EverySecond(int lines) {
    std::vector<int> positions;
    for (int i = 1; i < lines; i += 2)
        positions.push_back(i);
    return positions;
}

// Seconds the deletion takes on a fresh scene of the given length (the best of three).
double Time(int lines, const std::function<void(vl::EntryList&, const std::vector<int>&)>& run) {
    double best = 1e9;
    for (int round = 0; round < 3; ++round) {
        vl::EntryList list;
        MakeScene(list, lines);
        const std::vector<int> positions = EverySecond(lines);
        const auto start = Clock::now();
        run(list, positions);
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    int lines = 40000;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--lines") == 0)
            lines = std::atoi(argv[i + 1]);
    }
    const auto onePass = [](vl::EntryList& list, const std::vector<int>& positions) {
        vl::DeleteEntries(list, positions);
    };
    const auto lineByLine = [](vl::EntryList& list, const std::vector<int>& positions) {
        for (auto it = positions.rbegin(); it != positions.rend(); ++it)
            list.Destroy(static_cast<std::size_t>(*it));
    };

    bool met = true;
    std::printf("%10s %14s\n", "lines", "one pass (ms)");
    double previous = 0;
    for (int n = lines / 4; n <= lines * 4; n *= 2) {
        const double seconds = Time(n, onePass);
        std::printf("%10d %14.3f", n, seconds * 1000);
        if (previous > 0) {
            const double growth = seconds / previous;
            std::printf("   x%.2f for twice the lines", growth);
            // Below a millisecond the clock's noise decides.
            if (growth > 3.5 && seconds > 0.001)
                met = false;
        }
        std::printf("\n");
        previous = seconds;
    }
    const double byLine = Time(lines, lineByLine);
    const double once = Time(lines, onePass);
    std::printf("%d lines: line by line %.3f ms, one pass %.3f ms\n", lines, byLine * 1000,
                once * 1000);
    met = met && once < byLine;
    std::printf("goal (linear growth, faster than line by line): %s\n", met ? "met" : "MISSED");
    return met ? 0 : 1;
}
