// Scene files that embed a lot of pictures and media: reading and writing them against a plain copy
// of a file of the same size, measured side by side, and the peak memory of reading (measured in a
// fresh child process so that nothing of this one counts).
//
//   scene_file_bench [--size-mb N] [--dir DIR] [--rounds N]
//
// Goals: (read + write) takes at most twice the copy's time (ratio copy / (read + write) >= 0.5),
// and reading needs less than 1.3 times the file's size of memory. Exit status 1 when one is
// missed.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "package/c_files.h"
#include "package/scene_saving.h"
#include "cli/scene_source.h"
#include "scene/entries.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kMb = 1024.0 * 1024.0;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

// ---- plain copies of a file ----

bool CopyFile(const std::string& from, const std::string& to) {
    std::FILE* in = std::fopen(from.c_str(), "rb");
    std::FILE* out = std::fopen(to.c_str(), "wb");
    bool ok = in && out;
    std::vector<char> piece(1 << 20);
    std::size_t got;
    while (ok && (got = std::fread(piece.data(), 1, piece.size(), in)) > 0) {
        ok = std::fwrite(piece.data(), 1, got, out) == got;
    }
    if (in) {
        std::fclose(in);
    }
    if (out) {
        ok = std::fclose(out) == 0 && ok;
    }
    return ok;
}

// The way the suite's programs copy a file: all of it into one block, written in one call.
bool CopyFileInOneBlock(const std::string& from, const std::string& to) {
    vl::SharedBytes buffer;
    return vl::ReadWholeFile(from, buffer) &&
           vl::WriteWholeFile(to, buffer->data(), buffer->size());
}

std::uint64_t FileSize(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        return 0;
    }
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::fclose(file);
    return static_cast<std::uint64_t>(size);
}

// ---- the scene ----

vl::ByteBlock Noise(std::size_t size, std::uint64_t seed, const char* magic) {
    std::vector<std::uint8_t> bytes(size);
    std::uint64_t x = seed * 0x9E3779B97F4A7C15ull + 1;
    for (std::size_t i = 0; i + 8 <= size; i += 8) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        std::memcpy(&bytes[i], &x, 8);
    }
    std::memcpy(bytes.data(), magic, std::min(size, std::strlen(magic)));
    return vl::ByteBlock::Adopt(std::move(bytes));
}

// Pictures of 4 MB and media of 8 MB, about two pictures per medium, with commands using them.
std::size_t BuildScene(vl::EntryList& entries, std::size_t totalBytes) {
    const std::size_t picture = 4u << 20;
    const std::size_t media = 8u << 20;
    std::size_t embedded = 0;
    for (int i = 0; embedded < totalBytes; ++i) {
        const bool isMedia = i % 3 == 2;
        const std::size_t size = std::min(isMedia ? media : picture, totalBytes - embedded);
        if (isMedia) {
            auto entry = std::make_unique<vl::MultimediaEntry>();
            entry->fileName = "clip" + std::to_string(i) + ".avi";
            entry->mediaType = vl::MultimediaEntry::kTypeAvi;
            entry->data = Noise(size, i, "RIFF");
            auto play = std::make_unique<vl::PlayEntry>();
            play->SetObject(entry.get());
            entries.Append(std::move(entry));
            entries.Append(std::move(play));
        } else {
            auto entry = std::make_unique<vl::ImageEntry>();
            entry->fileName = "picture" + std::to_string(i) + ".jpg";
            entry->data = Noise(size, i, "\xFF\xD8\xFF");
            auto show = std::make_unique<vl::ShowEntry>();
            show->SetObject(entry.get());
            entries.Append(std::move(entry));
            entries.Append(std::move(show));
        }
        embedded += size;
    }
    return embedded;
}

// ---- peak memory of reading, in a child ----

long StatusKb(const char* field) {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) {
        return -1;
    }
    char line[256];
    long value = -1;
    const std::size_t length = std::strlen(field);
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            value = std::strtol(line + length + 1, nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return value;
}

// Child: reads the scene and prints the high-water mark before and after, in kB.
int MeasureRead(const std::string& path) {
    const long before = StatusKb("VmHWM");
    vl::EntryList entries;
    if (vl::cli::LoadScene(path, entries).exitCode != vl::cli::kExitOk) {
        return 2;
    }
    const long after = StatusKb("VmHWM");
    std::printf("%ld %ld %zu\n", before, after, entries.Count());
    return 0;
}

bool RunMeasureChild(const std::string& path, long& before, long& after) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::string self = "/proc/self/exe";
    std::string flag = "--measure-read";
    std::string file = path;
    char* argv[] = {self.data(), flag.data(), file.data(), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return false;
    }
    char text[128] = {};
    const ssize_t got = read(pipeFds[0], text, sizeof text - 1);
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    unsigned long count = 0;
    return got > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
           std::sscanf(text, "%ld %ld %lu", &before, &after, &count) == 3;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--measure-read") {
        return MeasureRead(argv[2]);
    }
    std::size_t sizeMb = 200;
    std::string dir = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp";
    int rounds = 3;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--size-mb") {
            sizeMb = static_cast<std::size_t>(std::atoi(argv[i + 1]));
        } else if (option == "--dir") {
            dir = argv[i + 1];
        } else if (option == "--rounds") {
            rounds = std::max(1, std::atoi(argv[i + 1]));
        }
    }
    const std::string base = dir + "/vl-scene-bench-" + std::to_string(getpid());
    const std::string scenePath = base + ".ssd";
    const std::string savedPath = base + "-saved.ssd";
    const std::string copyPath = base + "-copy.ssd";

    std::size_t embedded = 0;
    {
        vl::EntryList entries;
        embedded = BuildScene(entries, sizeMb << 20);
        if (!vl::SaveSceneAtomically(entries, scenePath)) {
            std::fprintf(stderr, "cannot write %s\n", scenePath.c_str());
            return 2;
        }
    }
    const std::uint64_t fileSize = FileSize(scenePath);
    std::printf("scene: %.1f MB of pictures and media, file %.1f MB (%s)\n", embedded / kMb,
                fileSize / kMb, dir.c_str());

    // Each round: read the scene, write it again, copy the file; the best of the rounds counts.
    double bestRead = 1e9, bestWrite = 1e9, bestCopy = 1e9, bestBlockCopy = 1e9;
    double bestFresh = 1e9;
    for (int round = 0; round < rounds; ++round) {
        // What a buffer of the file's size costs before a byte is read into it.
        auto start = Clock::now();
        {
            vl::SharedBytes fresh = vl::ByteBuffer::Allocate(static_cast<std::size_t>(fileSize));
            for (std::size_t at = 0; fresh && at < fresh->size(); at += 4096) {
                fresh->data()[at] = 1;
            }
        }
        bestFresh = std::min(bestFresh, Seconds(start));

        vl::EntryList entries;
        start = Clock::now();
        if (vl::cli::LoadScene(scenePath, entries).exitCode != vl::cli::kExitOk) {
            std::fprintf(stderr, "cannot read the scene back\n");
            return 2;
        }
        bestRead = std::min(bestRead, Seconds(start));

        start = Clock::now();
        if (!vl::SaveSceneAtomically(entries, savedPath)) {
            std::fprintf(stderr, "cannot write %s\n", savedPath.c_str());
            return 2;
        }
        bestWrite = std::min(bestWrite, Seconds(start));
        entries.Clear();

        start = Clock::now();
        if (!CopyFile(scenePath, copyPath)) {
            std::fprintf(stderr, "cannot copy to %s\n", copyPath.c_str());
            return 2;
        }
        bestCopy = std::min(bestCopy, Seconds(start));

        start = Clock::now();
        if (!CopyFileInOneBlock(scenePath, copyPath)) {
            std::fprintf(stderr, "cannot copy to %s\n", copyPath.c_str());
            return 2;
        }
        bestBlockCopy = std::min(bestBlockCopy, Seconds(start));
    }
    const bool same = FileSize(savedPath) == fileSize;

    long before = 0, after = 0;
    const bool measured = RunMeasureChild(scenePath, before, after);
    std::remove(scenePath.c_str());
    std::remove(savedPath.c_str());
    std::remove(copyPath.c_str());

    const double ratio = bestCopy / (bestRead + bestWrite);
    const auto rate = [&](double seconds) { return fileSize / kMb / seconds; };
    std::printf("read scene:  %.3f s (%.0f MB/s)\n", bestRead, rate(bestRead));
    std::printf("  of which a fresh buffer of the file's size, every page touched: %.3f s\n",
                bestFresh);
    std::printf("write scene: %.3f s (%.0f MB/s)%s\n", bestWrite, rate(bestWrite),
                same ? "" : "  [saved size differs!]");
    std::printf("plain copy in 1 MB pieces: %.3f s (%.0f MB/s)\n", bestCopy, rate(bestCopy));
    std::printf("plain copy through one block: %.3f s (%.0f MB/s)\n", bestBlockCopy,
                rate(bestBlockCopy));
    std::printf("speed ratio copy in pieces / (read + write): %.2f (goal >= 0.50): %s\n", ratio,
                ratio >= 0.5 ? "met" : "MISSED");
    std::printf("speed ratio copy through one block / (read + write): %.2f\n",
                bestBlockCopy / (bestRead + bestWrite));
    if (!measured) {
        std::printf("peak memory while reading: not measured\n");
        return 1;
    }
    const double peak = (after - before) * 1024.0;
    const double memoryRatio = peak / static_cast<double>(fileSize);
    std::printf("peak memory while reading: %.1f MB = %.3f x file size (goal < 1.3): %s\n",
                peak / kMb, memoryRatio, memoryRatio < 1.3 ? "met" : "MISSED");
    return ratio >= 0.5 && memoryRatio < 1.3 && same ? 0 : 1;
}
