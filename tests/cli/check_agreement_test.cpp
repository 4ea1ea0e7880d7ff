// The same scenes through vistaloom-cli's check and through the builder's own, whose preparer
// makes the bitmaps and text bitmaps the screen saver draws (under Wine): every picture of the
// fuzzers' corpora, damaged, hostile and refused ones included, and texts. Both must pass, or
// both must stop at the same line with the same message.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/text/engine_preparer.h"
#include "scene/scene_check.h"
#include "tests/cli/run_cli.h"
#include "tests/cli/test_scenes.h"

namespace vl::test {
namespace {

// The builder's verdict written as the tool writes it with --json (file names here are ASCII).
std::string AsJson(const SceneCheckResult& result) {
    if (result.ok)
        return "{\"ok\": true}\n";
    std::string message;
    for (char c : result.message) {
        if (c == '\n')
            message += "\\n";
        else if (c == '\r')
            message += "\\r";
        else if (c == '"' || c == '\\')
            message += std::string("\\") + c;
        else
            message += c;
    }
    return "{\"ok\": false, \"index\": " + std::to_string(result.index) + ", \"message\": \"" +
           message + "\"}\n";
}

// A comment, then the picture or text, then a Show of it.
void BuildScene(EntryList& list, const std::string& fileName, const ByteBlock& data,
                const std::string& text) {
    Add<CommentEntry>(list);
    ImageEntry& image = Add<ImageEntry>(list);
    if (data.empty()) {
        image.isText = 1;
        image.text = text;
    } else {
        image.fileName = fileName;
        image.data = data;
    }
    Add<ShowEntry>(list).SetObject(&image);
}

void ExpectSameVerdict(const TempDir& dir, const std::string& fileName, const ByteBlock& data,
                       const std::string& text, int& refused) {
    EntryList forTool;
    BuildScene(forTool, fileName, data, text);
    const std::string path = dir / "scene.ssd";
    WriteBytes(path, SaveSceneFile(forTool));
    const CliResult tool = RunCli({"check", "--json", path});

    EntryList forBuilder;
    BuildScene(forBuilder, fileName, data, text);
    EngineObjectPreparer preparer;
    const SceneCheckResult builder = CheckScene(forBuilder, preparer);
    EXPECT_EQ(tool.out, AsJson(builder)) << (data.empty() ? "text " + text : fileName);
    refused += builder.ok ? 0 : 1;
}

TEST(CheckAgreement, ToolAndBuilderGiveTheSameVerdictOnEveryCorpusPicture) {
    TempDir dir;
    int pictures = 0, refused = 0;
    for (const char* target : {"bmp_reader", "icon_reader", "jpeg_decode"}) {
        const std::filesystem::path folder =
            std::filesystem::path("Z:" + std::string(VL_FUZZ_CORPUS)) / target;
        for (const auto& item : std::filesystem::directory_iterator(folder)) {
            const std::string name = item.path().filename().string();
            ExpectSameVerdict(dir, name, ByteBlock::Adopt(ReadBytes(item.path().string())), "",
                              refused);
            ++pictures;
        }
    }
    for (const char* text : {"Hello", "two\r\nlines", "\r\n", "\n\n", " "})
        ExpectSameVerdict(dir, "", ByteBlock(), text, refused);
    // The set must hold both outcomes, or agreement proves nothing.
    EXPECT_GT(pictures, 40);
    EXPECT_GT(refused, 10);
    EXPECT_LT(refused, pictures);
}

}  // namespace
}  // namespace vl::test
