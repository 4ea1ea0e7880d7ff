// Loading "vlo.opt" from the user folder or, once, from the Windows directory, on real files.
#include "app/core/options_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <vector>

namespace vl {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes ReadBytes(const std::string& path) {
    Bytes bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        int c;
        while ((c = std::fgetc(file)) != EOF)
            bytes.push_back(static_cast<std::uint8_t>(c));
        std::fclose(file);
    }
    return bytes;
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

Bytes OptionsWithTabSize(int tabSize) {
    EditorOptions options;
    options.tabSize = tabSize;
    const auto bytes = options.ToBytes();
    return Bytes(bytes.begin(), bytes.end());
}

Bytes DefaultBytes() {
    const auto bytes = EditorOptions().ToBytes();
    return Bytes(bytes.begin(), bytes.end());
}

// A user folder, a Windows directory and a program folder of their own for each test.
class OptionsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Ends with '/': on Linux a backslash separates nothing, and every path stays inside.
        root_ = ::testing::TempDir() + "app_core_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name() + "/";
        fs::remove_all(root_);
        folders_ = {root_ + "appdata", root_ + "windows", root_ + "program"};
        fs::create_directories(UserFolder(folders_));
        fs::create_directories(folders_.windows);
    }
    void TearDown() override { fs::remove_all(root_); }

    std::string UserPath() const { return UserFilePath(UserFile::kOptions, folders_); }
    std::string OldPath() const { return OldFilePath(UserFile::kOptions, folders_); }

    std::string root_;
    BuilderFolders folders_;
};

TEST_F(OptionsFileTest, NoFileAnywhereGivesTheDefaultsAndWritesNothing) {
    const OptionsFileLoad load = LoadOptionsFile(folders_);
    EXPECT_EQ(load.result.status, OptionsLoad::kMissing);
    EXPECT_EQ(load.result.options, EditorOptions());
    EXPECT_EQ(load.paths.writePath, UserPath());
    EXPECT_FALSE(FileReadable(UserPath()));
    EXPECT_FALSE(FileReadable(OldPath()));
}

TEST_F(OptionsFileTest, AnEarlierVersionsFileIsReadFromTheWindowsDirectory) {
    WriteBytes(OldPath(), OptionsWithTabSize(7));
    const OptionsFileLoad load = LoadOptionsFile(folders_);
    EXPECT_EQ(load.result.status, OptionsLoad::kLoaded);
    EXPECT_EQ(load.result.options.tabSize, 7);
    EXPECT_TRUE(load.paths.fromOldPlace);
    EXPECT_EQ(load.paths.writePath, UserPath());
    EXPECT_FALSE(FileReadable(UserPath()));  // written when the window closes
    EXPECT_EQ(ReadBytes(OldPath()), OptionsWithTabSize(7));
}

TEST_F(OptionsFileTest, ADamagedOldFileIsReplacedInTheUserFolderOnly) {
    const Bytes damaged{9, 0, 0, 0, 1, 2, 3};
    WriteBytes(OldPath(), damaged);
    const OptionsFileLoad load = LoadOptionsFile(folders_);
    EXPECT_EQ(load.result.status, OptionsLoad::kRestored);
    EXPECT_TRUE(load.result.rewritten);
    EXPECT_EQ(load.result.options, EditorOptions());
    EXPECT_EQ(ReadBytes(UserPath()), DefaultBytes());
    EXPECT_EQ(ReadBytes(OldPath()), damaged);
}

TEST_F(OptionsFileTest, TheUserFoldersFileWinsOverTheOldOne) {
    WriteBytes(OldPath(), OptionsWithTabSize(7));
    WriteBytes(UserPath(), OptionsWithTabSize(4));
    const OptionsFileLoad load = LoadOptionsFile(folders_);
    EXPECT_EQ(load.result.status, OptionsLoad::kLoaded);
    EXPECT_EQ(load.result.options.tabSize, 4);
    EXPECT_FALSE(load.paths.fromOldPlace);
}

TEST_F(OptionsFileTest, ADamagedUserFileIsRestoredEvenWhenAnOldOneExists) {
    WriteBytes(OldPath(), OptionsWithTabSize(7));
    WriteBytes(UserPath(), Bytes(239, 1));
    const OptionsFileLoad load = LoadOptionsFile(folders_);
    EXPECT_EQ(load.result.status, OptionsLoad::kRestored);
    EXPECT_EQ(load.result.options.tabSize, 2);
    EXPECT_EQ(ReadBytes(UserPath()), DefaultBytes());
    EXPECT_EQ(ReadBytes(OldPath()), OptionsWithTabSize(7));
}

}  // namespace
}  // namespace vl
