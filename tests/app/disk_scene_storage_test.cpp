#include "app/disk_scene_storage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "scene/entries.h"
#include "scene/scene_file.h"

namespace vl {
namespace {

namespace fs = std::filesystem;

class DiskSceneStorageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("vl-disk-storage-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string Path(const char* name) const { return (folder_ / name).string(); }
    static std::vector<char> Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Write(const std::string& path, const std::vector<char>& bytes) {
        std::ofstream(path, std::ios::binary).write(bytes.data(), bytes.size());
    }

    fs::path folder_;
    DiskSceneStorage storage;
};

TEST_F(DiskSceneStorageTest, SavesAndLoadsTheSceneFileFormat) {
    EntryList entries;
    auto comment = std::make_unique<CommentEntry>();
    comment->text = "on disk";
    entries.Append(std::move(comment));
    ASSERT_TRUE(storage.Save(entries, Path("a.ssd")));
    const std::vector<std::uint8_t> expected = SaveSceneFile(entries);
    const std::vector<char> written = Bytes(Path("a.ssd"));
    EXPECT_EQ(std::vector<std::uint8_t>(written.begin(), written.end()), expected);

    EntryList loaded;
    ASSERT_EQ(storage.Load(Path("a.ssd"), loaded), SceneLoadOutcome::kLoaded);
    ASSERT_EQ(loaded.Count(), 1u);
    EXPECT_EQ(static_cast<CommentEntry&>(loaded.At(0)).text, "on disk");
}

TEST_F(DiskSceneStorageTest, TellsMissingRefusedAndBrokenFilesApart) {
    EntryList entries;
    entries.Append(std::make_unique<CommentEntry>());
    EXPECT_EQ(storage.Load(Path("missing.ssd"), entries), SceneLoadOutcome::kUnreadable);
    Write(Path("picture.bmp"), {'B', 'M', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    EXPECT_EQ(storage.Load(Path("picture.bmp"), entries), SceneLoadOutcome::kRefused);
    EXPECT_EQ(entries.Count(), 1u);  // untouched by both

    ASSERT_TRUE(storage.Save(entries, Path("whole.ssd")));
    std::vector<char> broken = Bytes(Path("whole.ssd"));
    broken.resize(broken.size() - 2);
    Write(Path("broken.ssd"), broken);
    EXPECT_EQ(storage.Load(Path("broken.ssd"), entries), SceneLoadOutcome::kMalformed);
    EXPECT_EQ(entries.Count(), 0u);
}

TEST_F(DiskSceneStorageTest, AFailedSaveLeavesTheOldFileAndNoTemporaryFile) {
    EntryList entries;
    entries.Append(std::make_unique<CommentEntry>());
    ASSERT_TRUE(storage.Save(entries, Path("keep.ssd")));
    const std::vector<char> before = Bytes(Path("keep.ssd"));
    // A folder of that name stands where the file would go: the move into place fails.
    fs::create_directories(folder_ / "taken.ssd" / "inside");
    entries.Append(std::make_unique<CommentEntry>());
    EXPECT_FALSE(storage.Save(entries, Path("taken.ssd")));
    EXPECT_FALSE(storage.Save(entries, Path("no such folder/x.ssd")));
    EXPECT_EQ(Bytes(Path("keep.ssd")), before);
    std::size_t files = 0;
    for (const auto& item : fs::directory_iterator(folder_))
        files += item.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1u);  // keep.ssd alone
}

}  // namespace
}  // namespace vl
