// Reading files as the scene reader reaches them: both halves of a large file arrive whole, a
// file that shrank ends short, and scenes read this way are the scenes that were saved. Saving
// replaces a file only when the new one is complete.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#endif

#include <algorithm>
#include <string>
#include <vector>

#include "package/c_files.h"
#include "package/scene_saving.h"
#include "package/file_source.h"
#include "cli/scene_source.h"
#include "tests/cli/run_cli.h"
#include "scene/messages.h"
#include "tests/cli/test_scenes.h"

namespace vl::cli {
namespace {

using test::Add;
using test::TempDir;
using Bytes = std::vector<std::uint8_t>;

// Large enough to be read in two halves by two threads.
constexpr std::size_t kLarge = (20u << 20) + 3;

Bytes Pattern(std::size_t size) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 13 + (i >> 16));
    }
    return bytes;
}

bool Holds(const SharedBytes& buffer, const Bytes& expected, std::size_t count) {
    return std::equal(buffer->data(), buffer->data() + count, expected.begin());
}

TEST(CliFileSource, BothHalvesOfALargeFileArriveWhole) {
    TempDir dir;
    const Bytes content = Pattern(kLarge);
    test::WriteBytes(dir / "large.bin", content);

    // Asked a little at a time, then straight to the end; and straight to the end at once.
    for (const std::vector<std::size_t>& steps :
         {std::vector<std::size_t>{1, 5u << 20, kLarge / 2, kLarge / 2 + 1, kLarge},
          std::vector<std::size_t>{kLarge}}) {
        File file;
        SharedBytes buffer;
        ASSERT_TRUE(BeginReading(dir / "large.bin", file, buffer));
        ASSERT_EQ(buffer->size(), kLarge);
        FileSource source(dir / "large.bin", file.get(), buffer);
        for (std::size_t end : steps) {
            const std::size_t reached = source.Reach(end);
            ASSERT_GE(reached, end);
            ASSERT_TRUE(Holds(buffer, content, reached)) << end;
        }
        EXPECT_FALSE(source.Short());
    }
}

TEST(CliFileSource, StopsItsHelperWhenReadingEndsEarly) {
    TempDir dir;
    test::WriteBytes(dir / "large.bin", Pattern(kLarge));
    File file;
    SharedBytes buffer;
    ASSERT_TRUE(BeginReading(dir / "large.bin", file, buffer));
    {
        FileSource source(dir / "large.bin", file.get(), buffer);
        EXPECT_GE(source.Reach(100), 100u);
    }  // must come back without the second half having been asked for
    EXPECT_EQ(buffer.use_count(), 1);
}

TEST(CliFileSource, AFileThatShrankAfterOpeningEndsShort) {
    TempDir dir;
    const Bytes content = Pattern(kLarge);
    // Cut inside the helper's half, and inside the first half.
    for (std::size_t left : {std::size_t{15u << 20}, std::size_t{5u << 20}}) {
        test::WriteBytes(dir / "shrinking.bin", content);
        File file;
        SharedBytes buffer;
        ASSERT_TRUE(BeginReading(dir / "shrinking.bin", file, buffer));
        test::WriteBytes(dir / "shrinking.bin", Bytes(content.begin(), content.begin() + left));
        FileSource source(dir / "shrinking.bin", file.get(), buffer);
        EXPECT_EQ(source.Reach(kLarge), left);
        EXPECT_TRUE(source.Short());
        EXPECT_TRUE(Holds(buffer, content, left));
    }
}

TEST(CliFileSource, SmallFileIsReadByOneThreadAlone) {
    TempDir dir;
    const Bytes content = Pattern(3000);
    test::WriteBytes(dir / "small.bin", content);
    File file;
    SharedBytes buffer;
    ASSERT_TRUE(BeginReading(dir / "small.bin", file, buffer));
    FileSource source(dir / "small.bin", file.get(), buffer);
    EXPECT_EQ(source.Reach(10), 3000u);  // a piece ahead, up to the end
    EXPECT_EQ(source.Reach(5000), 3000u);
    EXPECT_FALSE(source.Short());
    EXPECT_TRUE(Holds(buffer, content, 3000));
}

TEST(CliLoadScene, LargeScenesInEveryContainerComeBackAsSaved) {
    TempDir dir;
    EntryList list;
    MultimediaEntry& clip = Add<MultimediaEntry>(list);
    clip.fileName = "long.avi";
    clip.mediaType = MultimediaEntry::kTypeAvi;
    clip.data = test::EveryByte(18u << 20);
    ImageEntry& picture = Add<ImageEntry>(list);
    picture.fileName = "p.bmp";
    picture.data = test::EveryByte(3u << 20);
    Add<PlayEntry>(list).SetObject(&clip);
    const Bytes scene = SaveSceneFile(list);

    // A screen saver: the runtime image, the lead word 1, the scene; an installer: the stub first.
    Bytes saver(kScreenSaverSceneOffset + scene.size(), 0);
    saver[0] = 'M';
    saver[kRuntimeImageSize] = 1;
    std::copy(scene.begin(), scene.end(), saver.begin() + kScreenSaverSceneOffset);
    Bytes installer(kStubImageSize + saver.size(), 0);
    std::copy(saver.begin(), saver.end(), installer.begin() + kStubImageSize);

    for (const auto& [name, bytes] : {std::pair<const char*, const Bytes&>{"big.ssd", scene},
                                      {"big.scr", saver},
                                      {"big.exe", installer}}) {
        test::WriteBytes(dir / name, bytes);
        EntryList read;
        const LoadedScene loaded = LoadScene(dir / name, read);
        ASSERT_EQ(loaded.exitCode, kExitOk) << name << ": " << loaded.error;
        EXPECT_EQ(loaded.fileSize, bytes.size());
        ASSERT_EQ(read.Count(), 3u) << name;
        EXPECT_EQ(SaveSceneFile(read), scene) << name;
    }

    // Cut off inside the large block: a broken scene, not an unreadable file.
    test::WriteBytes(dir / "cut.ssd", Bytes(scene.begin(), scene.begin() + (12u << 20)));
    EntryList read;
    const LoadedScene loaded = LoadScene(dir / "cut.ssd", read);
    EXPECT_EQ(loaded.exitCode, kExitUnreadable);
    EXPECT_EQ(loaded.error, msg::kUnexpectedFileFormat);
    EXPECT_EQ(read.Count(), 0u);
}

#ifndef _WIN32
// A write that fails half-way (here: a file size limit, as a full disk would) must leave the old
// file whole, also when it is the scene that was read, and no temporary file behind.
TEST(CliSaveScene, AFailedWriteKeepsTheOldFile) {
    TempDir dir;
    EntryList list;
    Add<ImageEntry>(list).data = test::EveryByte(1u << 20);
    const std::string path = dir / "kept.ssd";
    const Bytes old = Pattern(5000);
    test::WriteBytes(path, old);

    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = limit;
    lowered.rlim_cur = 256u << 10;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &lowered), 0);
    const bool written = SaveSceneAtomically(list, path);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(test::ReadBytes(path), old);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        ++files;
    }
    EXPECT_EQ(files, 1u);

    ASSERT_TRUE(SaveSceneAtomically(list, path));
    EXPECT_EQ(test::ReadBytes(path), SaveSceneFile(list));
}
#endif

}  // namespace
}  // namespace vl::cli
