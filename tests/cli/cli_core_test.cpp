// The tool's pieces in process: byte-string texts, embedded file names, finding the scene in a
// made file, and what the JSON reader refuses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/embedded_names.h"
#include "cli/scene_json.h"
#include "cli/scene_source.h"
#include "tests/scene/hand_bytes.h"
#include "tests/cli/test_scenes.h"

namespace vl::cli {
namespace {

using test::Add;
using test::HandBytes;
using Bytes = std::vector<std::uint8_t>;

TEST(CliTexts, EveryByteMapsToOneCharacterAndBack) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string utf8 = Latin1ToUtf8(all);
    EXPECT_EQ(utf8.size(), 128u + 2 * 128u);
    EXPECT_EQ(Latin1ToUtf8("\xE9"), "\xC3\xA9");
    EXPECT_EQ(Latin1ToUtf8("\x80"), "\xC2\x80");
    std::string back;
    ASSERT_TRUE(Utf8ToLatin1(utf8, back));
    EXPECT_EQ(back, all);
    for (const char* refused : {"\xC4\x80", "\xE2\x82\xAC", "\xC3", "\xC3(", "\xFF", "\x80"}) {
        EXPECT_FALSE(Utf8ToLatin1(refused, back)) << refused;
    }
}

TEST(CliNames, SafeFileNames) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a.bmp", "a.bmp"},
        {"C:\\pics\\a.bmp", "a.bmp"},
        {"dir/sub/b.jpg", "b.jpg"},
        {"a:b.wav", "b.wav"},
        {"x<y>|?*\"z.bmp", "x_y_____z.bmp"},
        {"\xE9t\xE9.bmp", "_t_.bmp"},
        {"tab\there\x7F.bmp", "tab_here_.bmp"},
        {"name. . ", "name"},
        {"CON", "_CON"},
        {"nul.txt", "_nul.txt"},
        {"com1.wav", "_com1.wav"},
        {"Lpt9", "_Lpt9"},
        {"com10.wav", "com10.wav"},
        {"console.bmp", "console.bmp"},
        {"", ""},
        {"..", ""},
        {"dir\\", ""},
    };
    for (const auto& [stored, safe] : cases) {
        EXPECT_EQ(SafeFileName(stored), safe) << stored;
    }
}

TEST(CliNames, UniqueWithoutRegardToCase) {
    EntryList list;
    const auto picture = [&](const std::string& name) {
        ImageEntry& image = Add<ImageEntry>(list);
        image.fileName = name;
        image.data = test::Block("BM");
    };
    picture("a.bmp");                                       // 0
    picture("A.BMP");                                       // 1
    Add<ImageEntry>(list).isText = 1;                       // 2: a text has no file
    Add<MultimediaEntry>(list).data = test::Block("RIFF");  // 3: no name
    picture("Scene.JSON");                                  // 4: the JSON's own name
    Add<MultimediaEntry>(list).fileName = "a.bmp";          // 5: no data
    picture("1-a.bmp");                                     // 6
    picture("C:\\x\\a.bmp");                                // 7
    picture("8-a.bmp");                                     // 8
    picture("a.bmp");                                       // 9
    picture("9-A.bmp");                                     // 10
    const std::vector<std::string> expected = {"a.bmp",        "1-A.BMP", "",          "entry3.bin",
                                               "4-Scene.JSON", "",        "6-1-a.bmp", "7-a.bmp",
                                               "8-a.bmp",      "9-a.bmp", "10-9-A.bmp"};
    EXPECT_EQ(EmbeddedFileNames(list, {kSceneJsonFile}), expected);
    // A name that is taken with the index too gets a counter.
    picture("11-a.bmp");  // 11
    picture("a.bmp");     // 12
    picture("12-a.bmp");  // 13
    std::vector<std::string> names = EmbeddedFileNames(list, {kSceneJsonFile});
    EXPECT_EQ(names[12], "12-a.bmp");
    EXPECT_EQ(names[13], "13-12-a.bmp");
    // The file the scene comes from is reserved too.
    names = EmbeddedFileNames(list, {kSceneJsonFile, "A.bmp"});
    EXPECT_EQ(names[0], "0-a.bmp");
}

TEST(CliLocate, SceneFileScreenSaverAndInstaller) {
    const Bytes scene = HandBytes().Header(test::kV22).Dword(0).bytes;
    const Bytes lead = HandBytes().Dword(1).bytes;
    Bytes saver(kRuntimeImageSize, 0);
    saver[0] = 'M';
    saver.insert(saver.end(), lead.begin(), lead.end());
    Bytes emptySaver = saver;
    saver.insert(saver.end(), scene.begin(), scene.end());
    Bytes installer = saver;
    installer.insert(installer.begin(), kStubImageSize, 0);

    const auto locate = [](const Bytes& bytes) { return LocateScene(bytes.data(), bytes.size()); };
    SceneLocation at = locate(scene);
    EXPECT_TRUE(at.found);
    EXPECT_EQ(at.container, Container::kSceneFile);
    EXPECT_EQ(at.offset, 0u);
    EXPECT_TRUE(LocateScene(nullptr, 0).found);
    at = locate(saver);
    EXPECT_TRUE(at.found);
    EXPECT_EQ(at.container, Container::kScreenSaver);
    EXPECT_EQ(at.offset, kScreenSaverSceneOffset);
    at = locate(installer);
    EXPECT_TRUE(at.found);
    EXPECT_EQ(at.container, Container::kInstaller);
    EXPECT_EQ(at.offset, kInstallerSceneOffset);
    at = locate(emptySaver);
    EXPECT_TRUE(at.found);
    EXPECT_EQ(at.offset, kScreenSaverSceneOffset);

    Bytes noLead = emptySaver;
    noLead[kRuntimeImageSize] = 0;
    EXPECT_FALSE(locate(noLead).found);
    Bytes wrongVersion = saver;
    wrongVersion[kScreenSaverSceneOffset + 16 + 3] = 0x41;  // the version's high byte
    EXPECT_FALSE(locate(wrongVersion).found);
    EXPECT_FALSE(locate(Bytes(100, 7)).found);
}

struct JsonCase {
    const char* json;
    const char* error;
};

TEST(CliJsonReader, RefusesWhatWouldBeLostOrImpossible) {
    const std::vector<JsonCase> cases = {
        {"[]", "scene: expected an object"},
        {"{}", "scene.entries: expected a list of entries"},
        {R"({"entries": [], "extra": 1})", "scene: unknown field \"extra\""},
        {R"({"format": "other", "entries": []})", "scene.format: expected \"Vistaloom scene\""},
        {R"({"formatVersion": 2, "entries": []})", "scene.formatVersion: expected 1"},
        {R"({"entries": [{}]})", "entries[0]: missing \"kind\""},
        {R"({"entries": [{"kind": "Picture"}]})",
         "entries[0].kind: expected one of Image, Show, Move, Hide, Wait, Cls, Repeat, Until, "
         "Line, Multimedia, Play, Stop, Comment"},
        {R"({"entries": [{"kind": "Wait", "colour": {}}]})",
         "entries[0]: unknown field \"colour\""},
        {R"({"entries": [{"kind": "Image", "text": "t"}]})", "entries[0]: unknown field \"text\""},
        {R"({"entries": [{"kind": "Image", "isText": 1, "file": "a.bmp"}]})",
         "entries[0]: unknown field \"file\""},
        {R"({"entries": [{"kind": "Move", "motion": {"speed": 1.5}}]})",
         "entries[0].motion.speed: expected a whole number from -2147483648 to 4294967295"},
        {R"({"entries": [{"kind": "Move", "motion": {"spede": 1}}]})",
         "entries[0].motion: unknown field \"spede\""},
        {R"({"entries": [{"kind": "Cls", "colour": {"colour": 4294967296}}]})",
         "entries[0].colour.colour: expected a whole number from -2147483648 to 4294967295"},
        {R"({"entries": [{"kind": "Wait", "disabled": -2147483649}]})",
         "entries[0].disabled: expected a whole number from -2147483648 to 4294967295"},
        {R"({"entries": [{"kind": "Wait", "disabled": true}]})",
         "entries[0].disabled: expected a whole number from -2147483648 to 4294967295"},
        {R"({"entries": [{"kind": "Comment", "text": "€"}]})",
         "entries[0].text: expected a text of characters U+0000 to U+00FF"},
        {R"({"entries": [{"kind": "Image", "isText": 1, "font": {"italic": 256}}]})",
         "entries[0].font.italic: expected a whole number from 0 to 255"},
        {R"({"entries": [{"kind": "Image", "isText": 1,
                          "font": {"faceName": "123456789012345678901234567890123"}}]})",
         "entries[0].font.faceName: longer than 32 characters"},
        {R"({"entries": [{"kind": "Image", "users": [1]}]})",
         "entries[0].users[0]: expected the index of an entry"},
        {R"({"entries": [{"kind": "Image", "users": [-1]}]})",
         "entries[0].users[0]: expected the index of an entry"},
        {R"({"entries": [{"kind": "Image", "users": 1}]})",
         "entries[0].users: expected a list of entry indices"},
        {R"({"entries": [{"kind": "Image", "users": [0]}]})",
         "entries[0].users[0]: Image cannot use Image"},
        {R"({"entries": [{"kind": "Multimedia", "users": [1]}, {"kind": "Show"}]})",
         "entries[0].users[0]: Show cannot use Multimedia"},
        {R"({"entries": [{"kind": "Image", "users": [2]}, {"kind": "Image", "users": [2]},
                         {"kind": "Hide"}]})",
         "entries[1].users[0]: entry 2 already uses entry 0"},
        {R"({"entries": [{"kind": "Show", "users": []}]})", "entries[0]: unknown field \"users\""},
        {R"({"entries": [{"kind": "Multimedia", "file": ""}]})",
         "entries[0].file: expected a file name"},
        {R"({"entries": [{"kind": "Multimedia", "file": 7}]})",
         "entries[0].file: expected a text of characters U+0000 to U+00FF"},
    };
    const EmbeddedReader noFiles = [](const std::string&, ByteBlock&) { return false; };
    for (const JsonCase& c : cases) {
        EntryList entries;
        Add<CommentEntry>(entries);
        const JsonSceneResult result = SceneFromJson(Json::parse(c.json), entries, noFiles);
        EXPECT_FALSE(result.ok) << c.json;
        EXPECT_FALSE(result.unreadableFile) << c.json;
        EXPECT_EQ(result.error, c.error) << c.json;
        EXPECT_TRUE(entries.Empty()) << c.json;
    }
}

TEST(CliJsonReader, ReadsFilesAndKeepsThirtyTwoBits) {
    std::vector<std::string> asked;
    const EmbeddedReader reader = [&](const std::string& file, ByteBlock& data) {
        asked.push_back(file);
        if (file == "missing.wav") {
            return false;
        }
        data = test::Block("bytes of " + file);
        return true;
    };
    EntryList entries;
    JsonSceneResult result = SceneFromJson(Json::parse(R"({"entries": [
        {"kind": "Image", "fileName": "P\u00e9.bmp", "file": "p.bmp", "users": [1]},
        {"kind": "Show", "motion": {"startX": 4294967295, "startY": -1}},
        {"kind": "Multimedia", "file": "m\u00e9.avi", "mediaType": 1}]})"),
                                           entries, reader);
    ASSERT_TRUE(result.ok) << result.error;
    ASSERT_EQ(entries.Count(), 3u);
    const auto* image = EntryAs<ImageEntry>(&entries.At(0));
    EXPECT_EQ(image->fileName, "P\xE9.bmp");
    EXPECT_EQ(std::string(image->data.begin(), image->data.end()), "bytes of p.bmp");
    const auto* show = EntryAs<ShowEntry>(&entries.At(1));
    EXPECT_EQ(show->params.motion.startX, -1);
    EXPECT_EQ(show->params.motion.startY, -1);
    EXPECT_EQ(show->GetLinkedObject(), image);
    EXPECT_EQ(EntryAs<MultimediaEntry>(&entries.At(2))->mediaType, 1);
    // File names are byte strings like every other text.
    EXPECT_EQ(asked, (std::vector<std::string>{"p.bmp", "m\xE9.avi"}));

    result = SceneFromJson(
        Json::parse(R"({"entries": [{"kind": "Multimedia", "file": "missing.wav"}]})"), entries,
        reader);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.unreadableFile);
    EXPECT_EQ(result.error, "missing.wav");
    EXPECT_TRUE(entries.Empty());
}

}  // namespace
}  // namespace vl::cli
