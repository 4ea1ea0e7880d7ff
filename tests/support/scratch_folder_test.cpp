// A test's own folders: a fresh one removed with its files, and the temporary folder pointed at
// one for a while.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/scratch_folder.h"

namespace vl::test {
namespace {

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string TemporaryFolder() {
    char path[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, path);
    return path;
}

TEST(ScratchFolder, IsFreshAndGoesWithItsFiles) {
    std::string path;
    {
        ScratchFolder folder;
        ScratchFolder other;
        path = folder.Path();
        ASSERT_TRUE(IsFolder(path));
        EXPECT_NE(other.Path(), path);
        EXPECT_EQ(path.rfind(TemporaryFolder(), 0), 0u) << path;
        EXPECT_TRUE(folder.Files().empty());

        EXPECT_EQ(folder.Write("b.bin", {1, 2, 3}), path + "\\b.bin");
        folder.Write("a.txt", {});
        CreateDirectoryA(folder.Path("inner").c_str(), nullptr);
        EXPECT_EQ(folder.Files(), (std::vector<std::string>{"a.txt", "b.bin"}));
        RemoveDirectoryA(folder.Path("inner").c_str());
        WIN32_FILE_ATTRIBUTE_DATA data = {};
        ASSERT_TRUE(
            GetFileAttributesExA(folder.Path("b.bin").c_str(), GetFileExInfoStandard, &data));
        EXPECT_EQ(data.nFileSizeLow, 3u);
    }
    EXPECT_FALSE(IsFolder(path));
}

TEST(TemporaryFolderOverride, PointsTheTemporaryFolderElsewhereForItsLifetime) {
    const std::string before = TemporaryFolder();
    ScratchFolder folder;
    {
        TemporaryFolderOverride override(folder.Path());
        EXPECT_EQ(TemporaryFolder(), folder.Path() + "\\");
    }
    EXPECT_EQ(TemporaryFolder(), before);
}

}  // namespace
}  // namespace vl::test
