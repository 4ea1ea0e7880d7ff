// EditorOptions and the 240-byte "vlo.opt".
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/scene/hand_bytes.h"
#include "scene/editor_options.h"
#include "scene/scene_store.h"

namespace vl {
namespace {

using test::HandBytes;

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        int c;
        while ((c = std::fgetc(file)) != EOF) {
            bytes.push_back(static_cast<std::uint8_t>(c));
        }
        std::fclose(file);
    }
    return bytes;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::string TempPath(const char* name) {
    return testing::TempDir() + name;
}

// The default file, laid out by hand in the order of the options table.
std::vector<std::uint8_t> DefaultFile() {
    HandBytes b;
    b.Dwords({2, 10, 100, 100});
    for (int i = 0; i < 3; ++i) {
        HandBytes font;
        font.bytes = test::DefaultFontBytes();
        b.Append(font);
    }
    b.Dwords({0x000000, 0x008000, 0xC0C0C0, 0x00FFFF});
    b.Dwords({1, 1, 1, 0, 0, 1, 1});
    return b.bytes;
}

TEST(EditorOptions, DefaultsWriteTheHandLaidFile) {
    EditorOptions options;
    const auto bytes = options.ToBytes();
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), DefaultFile());
    EXPECT_EQ(DefaultFile().size(), 240u);
}

TEST(EditorOptions, FieldsLandInTheirPlaces) {
    std::vector<std::uint8_t> file = DefaultFile();
    file[0] = 4;                // tab size
    file[16 + 60 + 16] = 0xBC;  // Comment font weight 700
    file[16 + 60 + 17] = 0x02;
    file[196] = 0x11;  // Normal colour
    file[212] = 0;     // drag colour on
    file[236] = 0;     // splash
    EditorOptions options = EditorOptions::FromBytes(file.data());
    EXPECT_EQ(options.tabSize, 4);
    EXPECT_EQ(options.commentFont.weight, 700);
    EXPECT_EQ(options.normalFont.weight, 0);
    EXPECT_EQ(options.normalColour, 0x11u);
    EXPECT_EQ(options.dragColourOn, 0);
    EXPECT_EQ(options.splash, 0);
    EXPECT_EQ(options.showPreviewToolbar, 1);
    const auto back = options.ToBytes();
    EXPECT_EQ(std::vector<std::uint8_t>(back.begin(), back.end()), file);
}

TEST(EditorOptionsFile, MissingFileGivesDefaultsAndWritesNothing) {
    const std::string path = TempPath("vlo-missing.opt");
    std::remove(path.c_str());
    OptionsLoadResult result = LoadEditorOptions(path);
    EXPECT_EQ(result.status, OptionsLoad::kMissing);
    EXPECT_EQ(result.options, EditorOptions());
    EXPECT_TRUE(ReadFile(path).empty());
}

TEST(EditorOptionsFile, ShortFileRestoresDefaultsAndRewritesIt) {
    const std::string path = TempPath("vlo-short.opt");
    WriteFile(path, {9, 0, 0, 0, 1, 2, 3});
    OptionsLoadResult result = LoadEditorOptions(path);
    EXPECT_EQ(result.status, OptionsLoad::kRestored);
    EXPECT_TRUE(result.rewritten);
    EXPECT_EQ(result.options.tabSize, 2);
    EXPECT_EQ(ReadFile(path), DefaultFile());
    std::remove(path.c_str());
}

TEST(EditorOptionsFile, SaveAndLoadThroughTheStore) {
    const std::string path = TempPath("vlo-store.opt");
    SceneStore store;
    store.Options().tabSize = 7;
    store.Options().deleteClipboardOnExit = kAskClipboard;
    store.Options().disabledFont.SetFaceName("Courier New");
    ASSERT_TRUE(store.SaveOptions(path));
    EXPECT_EQ(ReadFile(path).size(), 240u);

    SceneStore other;
    OptionsLoadResult result = other.LoadOptions(path);
    EXPECT_EQ(result.status, OptionsLoad::kLoaded);
    EXPECT_EQ(other.Options().tabSize, 7);
    EXPECT_EQ(other.Options().deleteClipboardOnExit, 2);
    EXPECT_EQ(other.Options().disabledFont.FaceName(), "Courier New");
    std::remove(path.c_str());
}

}  // namespace
}  // namespace vl
