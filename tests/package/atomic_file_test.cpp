#include "package/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/package/package_test_support.h"

namespace vl {
namespace {

using ptest::Bytes;
using ptest::ReadBytes;
using ptest::TestFolder;
using ptest::WriteBytes;

bool AppendAll(AtomicFile& file, const Bytes& bytes) {
    return file.Append(bytes.data(), bytes.size());
}

TEST(AtomicFile, TheTargetAppearsOnlyAtCommitAndNothingElseStays) {
    TestFolder folder;
    const std::string target = folder / "Night.scr";
    const Bytes bytes = ptest::Pattern(70000, 5);
    AtomicFile file;
    ASSERT_TRUE(file.Begin(target));
    ASSERT_TRUE(AppendAll(file, bytes));
    EXPECT_FALSE(ptest::Exists(target));
    // The bytes wait beside the target, in the same folder.
    ASSERT_EQ(folder.Names().size(), 1u);
    EXPECT_EQ(std::filesystem::path(file.TemporaryPath()).parent_path(),
              std::filesystem::path(target).parent_path());

    EXPECT_EQ(file.Commit(true), CommitResult::kDone);
    EXPECT_EQ(ReadBytes(target), bytes);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Night.scr"});
}

TEST(AtomicFile, AnAbandonedFileLeavesTheOldTargetAsItWas) {
    TestFolder folder;
    const std::string target = folder / "Night.scr";
    const Bytes old = ptest::Pattern(100, 1);
    WriteBytes(target, old);
    {
        AtomicFile file;
        ASSERT_TRUE(file.Begin(target));
        ASSERT_TRUE(AppendAll(file, ptest::Pattern(5000, 2)));
        // Gone out of scope without a commit, as on any failure part-way.
    }
    EXPECT_EQ(ReadBytes(target), old);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Night.scr"});
}

TEST(AtomicFile, ReplacingIsAllowedOrRefusedAsAsked) {
    TestFolder folder;
    const std::string target = folder / "saver.exe";
    const Bytes old = ptest::Pattern(100, 1);
    const Bytes fresh = ptest::Pattern(300, 2);
    WriteBytes(target, old);

    AtomicFile refused;
    ASSERT_TRUE(refused.Begin(target));
    ASSERT_TRUE(AppendAll(refused, fresh));
    EXPECT_EQ(refused.Commit(false), CommitResult::kTargetExists);
    EXPECT_EQ(ReadBytes(target), old);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"saver.exe"});

    AtomicFile replacing;
    ASSERT_TRUE(replacing.Begin(target));
    ASSERT_TRUE(AppendAll(replacing, fresh));
    EXPECT_EQ(replacing.Commit(true), CommitResult::kDone);
    EXPECT_EQ(ReadBytes(target), fresh);

    const std::string other = folder / "other.exe";
    AtomicFile fresh_name;
    ASSERT_TRUE(fresh_name.Begin(other));
    ASSERT_TRUE(AppendAll(fresh_name, old));
    EXPECT_EQ(fresh_name.Commit(false), CommitResult::kDone);
    EXPECT_EQ(ReadBytes(other), old);
}

TEST(AtomicFile, PatchesLandInsideWhatWasAppended) {
    TestFolder folder;
    const std::string target = folder / "patched.bin";
    AtomicFile file;
    ASSERT_TRUE(file.Begin(target));
    ASSERT_TRUE(AppendAll(file, Bytes(10, 0xAA)));
    const Bytes patch = {1, 2, 3};
    EXPECT_TRUE(file.WriteAt(4, patch.data(), patch.size()));
    EXPECT_FALSE(file.WriteAt(8, patch.data(), patch.size())) << "would run past the end";
    ASSERT_TRUE(AppendAll(file, Bytes{0xBB}));
    EXPECT_EQ(file.Size(), 11u);
    EXPECT_EQ(file.Commit(true), CommitResult::kDone);
    EXPECT_EQ(ReadBytes(target), (Bytes{0xAA, 0xAA, 0xAA, 0xAA, 1, 2, 3, 0xAA, 0xAA, 0xAA, 0xBB}));
}

TEST(AtomicFile, AFolderThatIsMissingTakesNothing) {
    TestFolder folder;
    const std::string target = ptest::Join(folder / "missing", "Night.scr");
    AtomicFile file;
    EXPECT_FALSE(file.Begin(target));
    EXPECT_FALSE(AppendAll(file, Bytes{1}));
    EXPECT_EQ(file.Commit(true), CommitResult::kFailed);
    EXPECT_TRUE(folder.Names().empty());
}

TEST(AtomicFile, AFailedMoveLeavesTheTargetAndNoTemporaryFile) {
    TestFolder folder;
    // A folder of the target's name cannot be replaced by a file.
    const std::string target = folder / "Night.scr";
    std::filesystem::create_directory(target);
    WriteBytes(ptest::Join(folder / "Night.scr", "inside"), Bytes{7});
    AtomicFile file;
    ASSERT_TRUE(file.Begin(target));
    ASSERT_TRUE(AppendAll(file, Bytes(50, 1)));
    EXPECT_EQ(file.Commit(true), CommitResult::kFailed);
    EXPECT_TRUE(std::filesystem::is_directory(target));
    EXPECT_EQ(ReadBytes(ptest::Join(folder / "Night.scr", "inside")), Bytes{7});
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"Night.scr"});
}

TEST(AtomicFile, ANewBeginDropsTheUnfinishedFile) {
    TestFolder folder;
    AtomicFile file;
    ASSERT_TRUE(file.Begin(folder / "first.scr"));
    ASSERT_TRUE(AppendAll(file, Bytes(20, 1)));
    ASSERT_TRUE(file.Begin(folder / "second.scr"));
    EXPECT_EQ(file.Size(), 0u);
    ASSERT_TRUE(AppendAll(file, Bytes(5, 2)));
    EXPECT_EQ(file.Commit(true), CommitResult::kDone);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"second.scr"});
    EXPECT_EQ(ReadBytes(folder / "second.scr"), Bytes(5, 2));
}

}  // namespace
}  // namespace vl
