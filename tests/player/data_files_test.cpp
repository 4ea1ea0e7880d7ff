// ReadWholeFile and WriteTempDataFile: the bytes, the temporary names, and the exact messages of
// their failures through the prompt.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/data_files.h"
#include "framework/handles.h"
#include "tests/player/player_support.h"
#include "framework/scripted_prompt.h"

namespace vl::testing {
namespace {

std::vector<std::uint8_t> ReadBack(const std::string& path) {
    std::vector<std::uint8_t> bytes(1 << 16);
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                0, nullptr));
    DWORD got = 0;
    ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    bytes.resize(got);
    return bytes;
}

TEST(ReadWholeFile, ReadsEveryByte) {
    PrivateTempFolder folder;
    ScriptedPrompt prompt;
    ScopedPromptOverride scope(prompt);
    const std::vector<std::uint8_t> bytes = {'R', 'I', 'F', 'F', 0, 1, 2, 255};
    const std::string path = folder.Write("sound.wav", bytes);

    const FileBlock block = ReadWholeFile(path);
    EXPECT_TRUE(block.read);
    EXPECT_EQ(block.bytes, bytes);
    EXPECT_TRUE(prompt.Shown().empty());
}

TEST(ReadWholeFile, EmptyFileIsReadAsNoBytes) {
    PrivateTempFolder folder;
    ScriptedPrompt prompt;
    ScopedPromptOverride scope(prompt);
    const FileBlock block = ReadWholeFile(folder.Write("empty.wav", {}));
    EXPECT_TRUE(block.read);
    EXPECT_TRUE(block.bytes.empty());
    EXPECT_TRUE(prompt.Shown().empty());
}

TEST(ReadWholeFile, MissingFileShowsItsPathAndTheMessage) {
    PrivateTempFolder folder;
    ScriptedPrompt prompt;
    ScopedPromptOverride scope(prompt);
    const std::string path = folder.Path("gone.avi");

    const FileBlock block = ReadWholeFile(path);
    EXPECT_FALSE(block.read);
    EXPECT_TRUE(block.bytes.empty());
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_EQ(prompt.Shown()[0].kind, PromptKind::Message);
    EXPECT_EQ(prompt.Shown()[0].text, path + "\nCannot be read data.");
    EXPECT_EQ(prompt.Shown()[0].icon, MessageIcon::Plain);
}

TEST(ReadWholeFile, FileOpenElsewhereWithoutSharingCannotBeRead) {
    PrivateTempFolder folder;
    ScriptedPrompt prompt;
    ScopedPromptOverride scope(prompt);
    const std::string path = folder.Write("busy.wav", {1, 2, 3});
    FileHandle holder(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder.Valid());

    EXPECT_FALSE(ReadWholeFile(path).read);
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{path + "\nCannot be read data."});
}

TEST(WriteTempDataFile, WritesTheBlockToANewSsdFileInTheTemporaryFolder) {
    PrivateTempFolder folder;
    ScriptedPrompt prompt;
    ScopedPromptOverride scope(prompt);
    const std::vector<std::uint8_t> bytes = {'A', 'V', 'I', ' ', 0, 0, 7};

    const std::string path = WriteTempDataFile(bytes.data(), bytes.size());
    ASSERT_FALSE(path.empty());
    const std::vector<std::string> files = folder.Files();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].substr(0, 3), "Ssd");
    EXPECT_EQ(files[0].substr(files[0].size() - 4), ".tmp");
    EXPECT_EQ(FileNamePart(path), files[0]);
    EXPECT_EQ(ReadBack(path), bytes);
    EXPECT_TRUE(prompt.Shown().empty());

    // Each call makes a file of its own.
    const std::string second = WriteTempDataFile(bytes.data(), bytes.size());
    EXPECT_NE(second, path);
    EXPECT_EQ(folder.Files().size(), 2u);
}

TEST(WriteTempDataFile, MissingTemporaryFolderShowsTheMessageAndLeavesNothing) {
    PrivateTempFolder folder;
    test::TemporaryFolderOverride missing(folder.Path("no such folder"));
    ScriptedPrompt prompt;
    ScopedPromptOverride scope(prompt);
    const std::uint8_t byte = 1;

    EXPECT_EQ(WriteTempDataFile(&byte, 1), "");
    EXPECT_EQ(prompt.Texts(), std::vector<std::string>{"It cannot be made data file."});
    EXPECT_EQ(prompt.Shown()[0].icon, MessageIcon::Plain);
    EXPECT_TRUE(folder.Files().empty());
}

}  // namespace
}  // namespace vl::testing
