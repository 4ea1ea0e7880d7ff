// vistaloom-cli run as a program: outputs, exit statuses and files, on scenes the tests make.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/scene/hand_bytes.h"
#include "package/fixed_images.h"
#include "tests/cli/run_cli.h"
#include "tests/cli/test_scenes.h"
#include "tests/image/bmp_vectors.h"

namespace vl::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Save(EntryList& list) {
    return SaveSceneFile(list);
}

// A made screen saver: a stand-in runtime image, the lead word 1, the scene.
Bytes ScreenSaver(const Bytes& scene) {
    Bytes file(kRuntimeImageSize, 0x90);
    file[0] = 'M';
    file[1] = 'Z';
    const Bytes lead = HandBytes().Dword(1).bytes;
    file.insert(file.end(), lead.begin(), lead.end());
    file.insert(file.end(), scene.begin(), scene.end());
    return file;
}

Bytes Installer(const Bytes& scene) {
    Bytes file(kStubImageSize, 0xCC);
    file[0] = 'M';
    file[1] = 'Z';
    const Bytes saver = ScreenSaver(scene);
    file.insert(file.end(), saver.begin(), saver.end());
    return file;
}

std::string SaveTo(const TempDir& dir, const std::string& name, EntryList& list) {
    const std::string path = dir / name;
    WriteBytes(path, Save(list));
    return path;
}

TEST(CliDescribe, PrintsTheTextExportWithRecomputedIndentation) {
    EntryList list;
    Add<CommentEntry>(list).text = "Start";
    Add<RepeatEntry>(list).description.text = "outer";
    ImageEntry& image = Add<ImageEntry>(list);
    image.isText = 1;
    image.text = "Hello world";
    image.textColour = 0;
    image.backgroundColour = 0x00FFFFFF;
    ShowEntry& show = Add<ShowEntry>(list);
    show.SetObject(&image);
    Add<WaitEntry>(list).duration.milliseconds = 1500;
    Add<UntilEntry>(list).repeat.count = 2;
    Add<HideEntry>(list);
    for (std::size_t i = 0; i < list.Count(); ++i) {
        list.At(i).indentation = 9;  // stale: the builder re-indents when it fills its list
    }
    TempDir dir;
    const std::string path = SaveTo(dir, "demo.ssd", list);

    const std::string image2 =
        "Image [Hello w..., TextColour: RGB(0, 0, 0), BkColour: RGB(255, 255, 255), BkMode: "
        "Transparent, Font: MS Sans Serif, ...]\r\n";
    const std::string show2 =
        "Show [Hello w..., Position: (0, 0), Colour: RGB(0, 0, 0), Mixing: No Mixing, "
        "Background: Yes]\r\n";
    CliResult result = RunCli({"describe", path});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "Start\r\nRepeat (outer)\r\n  " + image2 + "  " + show2 +
                              "  Wait [Duration: 1.5 sec]\r\nUntil [2 times]\r\nHide [?]\r\n");

    result = RunCli({"describe", "--tab-size", "0", path});
    EXPECT_EQ(result.out, "Start\r\nRepeat (outer)\r\n" + image2 + show2 +
                              "Wait [Duration: 1.5 sec]\r\nUntil [2 times]\r\nHide [?]\r\n");
    result = RunCli({"describe", path, "--tab-size", "4"});
    EXPECT_EQ(result.out.substr(0, 35), "Start\r\nRepeat (outer)\r\n    Image [H");

    EXPECT_EQ(RunCli({"describe", "--tab-size", "101", path}).status, 64);
    EXPECT_EQ(RunCli({"describe"}).status, 64);
}

// A picture of the fuzzers' corpora (under Wine the host's root is drive Z:).
ByteBlock CorpusFile(const std::string& name) {
#ifdef _WIN32
    const std::string root = "Z:";
#else
    const std::string root;
#endif
    return ByteBlock::Adopt(ReadBytes(root + VL_FUZZ_CORPUS + "/" + name));
}

struct CheckCase {
    const char* name;
    std::function<void(EntryList&)> build;
    const char* json;
    const char* text;
};

TEST(CliCheck, ReportsTheMessageAndTheLineTheBuilderWouldSelect) {
    const std::vector<CheckCase> cases = {
        {"balanced loop",
         [](EntryList& l) {
             Add<RepeatEntry>(l);
             Add<WaitEntry>(l);
             Add<UntilEntry>(l);
         },
         R"({"ok": true})", "OK"},
        {"lone Until", [](EntryList& l) { Add<UntilEntry>(l); },
         R"({"ok": false, "index": 0, "message": "Missing repeat command."})",
         "Line 1: Missing repeat command."},
        {"lone Repeat",
         [](EntryList& l) {
             Add<CommentEntry>(l);
             Add<RepeatEntry>(l);
             Add<WaitEntry>(l);
         },
         R"({"ok": false, "index": 2, "message": "Missing until command."})",
         "Line 3: Missing until command."},
        {"deactivated Until",
         [](EntryList& l) {
             Add<RepeatEntry>(l);
             Add<UntilEntry>(l).disabled = 1;
         },
         R"({"ok": false, "index": 1, "message": "Missing until command."})",
         "Line 2: Missing until command."},
        {"unlinked Show",
         [](EntryList& l) {
             Add<CommentEntry>(l);
             Add<ShowEntry>(l);
         },
         R"({"ok": false, "index": 1, "message": "You have to choose the image."})",
         "Line 2: You have to choose the image."},
        {"deactivated unlinked Hide", [](EntryList& l) { Add<HideEntry>(l).disabled = 1; },
         R"({"ok": true})", "OK"},
        {"picture of unknown bytes",
         [](EntryList& l) {
             ImageEntry& image = Add<ImageEntry>(l);
             image.fileName = "x\xE9.gif";
             image.data = Block("GIF89a");
         },
         "{\"ok\": false, \"index\": 0, \"message\": \"x\xC3\xA9.gif\\ncannot be loaded.\"}",
         "Line 1: x\xE9.gif\ncannot be loaded."},
        {"damaged bitmap after a whole one: only decoding tells them apart",
         [](EntryList& l) {
             ImageEntry& good = Add<ImageEntry>(l);
             good.fileName = "good.bmp";
             good.data = ByteBlock::Copy(kBmp24BottomUp.data(), kBmp24BottomUp.size());
             Add<ShowEntry>(l).SetObject(&good);
             ImageEntry& cut = Add<ImageEntry>(l);
             cut.fileName = "cut.bmp";
             cut.data = ByteBlock::Copy(kBmp24BottomUp.data(), kBmp24BottomUp.size() - 4);
         },
         R"({"ok": false, "index": 2, "message": "cut.bmp\ncannot be loaded."})",
         "Line 3: cut.bmp\ncannot be loaded."},
        {"12-bit and arithmetic-coded JPEGs, which the screen saver cannot read",
         [](EntryList& l) {
             ImageEntry& deep = Add<ImageEntry>(l);
             deep.fileName = "deep.jpg";
             deep.data = CorpusFile("jpeg_decode/libjpeg-testorig12.jpg");
             ImageEntry& arithmetic = Add<ImageEntry>(l);
             arithmetic.disabled = 1;
             arithmetic.fileName = "ari.jpg";
             arithmetic.data = CorpusFile("jpeg_decode/libjpeg-testimgari.jpg");
         },
         R"({"ok": false, "index": 0, "message": "deep.jpg\ncannot be loaded."})",
         "Line 1: deep.jpg\ncannot be loaded."},
        {"arithmetic-coded JPEG used by an active Show",
         [](EntryList& l) {
             ImageEntry& arithmetic = Add<ImageEntry>(l);
             arithmetic.disabled = 1;
             arithmetic.fileName = "ari.jpg";
             arithmetic.data = CorpusFile("jpeg_decode/libjpeg-testimgari.jpg");
             Add<ShowEntry>(l).SetObject(&arithmetic);
         },
         R"({"ok": false, "index": 0, "message": "ari.jpg\ncannot be loaded."})",
         "Line 1: ari.jpg\ncannot be loaded."},
        {"text of line breaks only",
         [](EntryList& l) {
             ImageEntry& image = Add<ImageEntry>(l);
             image.isText = 1;
             image.text = "\r\n";
         },
         R"({"ok": false, "index": 0, "message": "\r\n\ntext bitmap cannot be made."})",
         "Line 1: \r\n\ntext bitmap cannot be made."},
        {"deactivated empty Image used by an active Show",
         [](EntryList& l) {
             ImageEntry& image = Add<ImageEntry>(l);
             image.disabled = 1;
             Add<ShowEntry>(l).SetObject(&image);
         },
         R"({"ok": false, "index": 0, "message": "You have to choose the image."})",
         "Line 1: You have to choose the image."},
    };
    TempDir dir;
    for (const CheckCase& c : cases) {
        EntryList list;
        c.build(list);
        const std::string path = SaveTo(dir, "check.ssd", list);
        const int status = std::string(c.text) == "OK" ? 0 : 1;
        CliResult result = RunCli({"check", "--json", path});
        EXPECT_EQ(result.status, status) << c.name;
        EXPECT_EQ(result.out, std::string(c.json) + "\n") << c.name;
        result = RunCli({"check", path});
        EXPECT_EQ(result.status, status) << c.name;
        EXPECT_EQ(result.out, std::string(c.text) + "\n") << c.name;
        EXPECT_EQ(result.err, "") << c.name;
    }
}

TEST(CliInfo, ListsVersionEntriesPicturesAndMedia) {
    EntryList list;
    ImageEntry& picture = Add<ImageEntry>(list);
    picture.fileName = "a.bmp";
    picture.data = Block("BM0123456789");
    ImageEntry& text = Add<ImageEntry>(list);
    text.isText = 1;
    text.text = "t";
    MultimediaEntry& video = Add<MultimediaEntry>(list);
    video.fileName = "v.avi";
    video.mediaType = MultimediaEntry::kTypeAvi;
    video.data = EveryByte(100);
    MultimediaEntry& sound = Add<MultimediaEntry>(list);
    sound.fileName = "s.wav";
    sound.data = EveryByte(20);
    Add<ShowEntry>(list);
    TempDir dir;
    const Bytes scene = Save(list);
    WriteBytes(dir / "a.ssd", scene);
    WriteBytes(dir / "a.exe", Installer(scene));

    const std::string listing =
        "Version: 2.2\nEntries: 5\nPictures: 1, 12 bytes\n  line 1: a.bmp, 12 bytes\n"
        "Media: 2, 120 bytes\n  line 3: v.avi, 100 bytes, AVI\n  line 4: s.wav, 20 bytes\n";
    CliResult result = RunCli({"info", dir / "a.ssd"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Container: scene file\n" + listing);
    result = RunCli({"info", dir / "a.exe"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Container: installer, scene at offset " +
                              std::to_string(kInstallerSceneOffset) + "\n" + listing);
}

TEST(CliResave, WritesVersion22FromAnyAcceptedVersionAndContainer) {
    // A version 1.0 Multimedia (no media type) with a Play of four DWORDs linked to it.
    const HandBytes v10 = HandBytes()
                              .Header(kV10)
                              .Dword(2)
                              .Dword(9)
                              .Base()
                              .Dword(2)
                              .ScrambledShortText("s.wav")
                              .Scrambled({1, 2})
                              .Dword(10)
                              .Base()
                              .Dwords({3, 0, 1, 0})
                              .Dwords({1, 1});
    const Bytes v22 = HandBytes()
                          .Header(kV22)
                          .Dword(2)
                          .Dword(9)
                          .Base()
                          .Dword(2)
                          .ScrambledShortText("s.wav")
                          .Dword(0)
                          .Scrambled({1, 2})
                          .Dword(10)
                          .Base()
                          .Dwords({3, 0, 1, 0, 0, 0})
                          .Dwords({1, 1})
                          .bytes;
    TempDir dir;
    WriteBytes(dir / "old.ssd", v10.bytes);
    CliResult result = RunCli({"resave", dir / "old.ssd", dir / "new.ssd"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(ReadBytes(dir / "new.ssd"), v22);

    WriteBytes(dir / "old.scr", ScreenSaver(v10.bytes));
    EXPECT_EQ(RunCli({"resave", dir / "old.scr", dir / "from-scr.ssd"}).status, 0);
    EXPECT_EQ(ReadBytes(dir / "from-scr.ssd"), v22);

    // In place: the file read is the file written.
    EXPECT_EQ(RunCli({"resave", dir / "old.ssd", dir / "old.ssd"}).status, 0);
    EXPECT_EQ(ReadBytes(dir / "old.ssd"), v22);
}

TEST(CliJson, RoundTripGivesTheSameBytes) {
    EntryList rich;
    BuildRichScene(rich);
    EntryList large;
    for (int i = 0; i < 500; ++i) {
        ImageEntry& image = Add<ImageEntry>(large);
        image.isText = 1;
        image.text = "text " + std::to_string(i);
        Add<ShowEntry>(large).SetObject(&image);
        Add<WaitEntry>(large).duration.milliseconds = i;
        Add<HideEntry>(large).SetObject(&image);
    }
    EntryList empty;
    TempDir dir;
    for (EntryList* list : {&rich, &large, &empty}) {
        const Bytes scene = Save(*list);
        WriteBytes(dir / "in.ssd", scene);
        CliResult result = RunCli({"to-json", dir / "in.ssd", dir / "json"});
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "");
        result = RunCli({"from-json", dir / "json", dir / "out.ssd"});
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(ReadBytes(dir / "out.ssd"), scene) << list->Count();
    }
    // The rich scene's picture lies beside the JSON under its file name.
    const Bytes picture = ReadBytes(dir / "json/F_r Sie.jpg");
    EXPECT_EQ(picture.size(), 70000u);
}

TEST(CliJson, WritesTheDocumentedForm) {
    EntryList list;
    ImageEntry& image = Add<ImageEntry>(list);
    image.fileName = "p\xE9.bmp";
    image.data = Block("BM!");
    ShowEntry& show = Add<ShowEntry>(list);
    show.params.motion.startX = -5;
    show.params.colour.colour = 0x00FF8040;
    show.SetObject(&image);
    Add<CommentEntry>(list).text = "caf\xE9\r\n";
    TempDir dir;
    const std::string path = SaveTo(dir, "doc.ssd", list);
    ASSERT_EQ(RunCli({"to-json", path, dir / "json"}).status, 0);
    EXPECT_EQ(ReadText(dir / "json/p_.bmp"), "BM!");
    EXPECT_EQ(ReadText(dir / "json/scene.json"), R"({
  "format": "Vistaloom scene",
  "formatVersion": 1,
  "version": "2.2",
  "entries": [
    {
      "kind": "Image",
      "description": "",
      "indentation": 0,
      "disabled": 0,
      "isText": 0,
      "opaque": 0,
      "source": 1,
      "fileName": "pé.bmp",
      "file": "p_.bmp",
      "users": [
        1
      ]
    },
    {
      "kind": "Show",
      "description": "",
      "indentation": 0,
      "disabled": 0,
      "motion": {
        "randomStartX": 0,
        "randomStartY": 0,
        "randomEndX": 0,
        "randomEndY": 0,
        "centreStartX": 0,
        "centreStartY": 0,
        "centreEndX": 0,
        "centreEndY": 0,
        "startX": -5,
        "startY": 0,
        "endX": 0,
        "endY": 0,
        "stepX": 1,
        "stepY": 1,
        "stepAxis": 1,
        "xComparison": 0,
        "untilX": 0,
        "untilY": 0,
        "join": 0,
        "yComparison": 0,
        "stepMode": 0,
        "speed": 100000,
        "letterSpeed": 2000,
        "letterByLetter": 0,
        "keepWhileMoving": 1,
        "restoreAfterHide": 1,
        "effect": 0
      },
      "colour": {
        "colour": 16744512,
        "mixing": 0,
        "random": 0,
        "background": 1
      }
    },
    {
      "kind": "Comment",
      "description": "",
      "indentation": 0,
      "disabled": 0,
      "text": "café\r\n"
    }
  ]
}
)");
}

TEST(CliJson, HandWrittenFormWithDefaults) {
    TempDir dir;
    WriteText(dir / "scene.json", R"({"entries": [
        {"kind": "Wait"},
        {"kind": "Image", "isText": 1, "text": "Hi", "users": [2]},
        {"kind": "Hide", "disabled": 4294967295}]})");
    CliResult result = RunCli({"from-json", dir.Path(), dir / "made.ssd"});
    ASSERT_EQ(result.status, 0) << result.err;
    const Bytes expected = HandBytes()
                               .Header(kV22)
                               .Dword(3)
                               .Dword(4)
                               .Base()
                               .Dwords({0, 0})
                               .Dword(0)
                               .Base()
                               .Dwords({1, 0, 1, 0, 0x00FFFFFF})
                               .ScrambledShortText("Hi")
                               .Scrambled(DefaultFontBytes())
                               .Dword(3)
                               .Base("", 0, -1)
                               .Dwords({0, 0, 0, 0, 0, 0, 0, 0,      0,    0, 0, 0, 1, 1,
                                        1, 0, 0, 0, 0, 0, 0, 100000, 2000, 0, 1, 1, 0})
                               .Dwords({0, 0, 0, 1})
                               .Dwords({1, 2})
                               .bytes;
    EXPECT_EQ(ReadBytes(dir / "made.ssd"), expected);
}

TEST(CliJson, OlderVersionGetsANoteAndComesBackAs22) {
    const HandBytes v11 =
        HandBytes().Header(kV11).Dword(1).Dword(0).Base().Dwords({0, 0, 1}).Dword(0).Dword(0);
    TempDir dir;
    WriteBytes(dir / "v11.ssd", v11.bytes);
    CliResult result = RunCli({"to-json", dir / "v11.ssd", dir / "json"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "Note: the scene has version 1.1; from-json writes version 2.2.\n");
    ASSERT_EQ(RunCli({"from-json", dir / "json", dir / "v22.ssd"}).status, 0);
    EXPECT_EQ(ReadBytes(dir / "v22.ssd"),
              HandBytes().Header(kV22).Dword(1).Dword(0).Base().Dwords({0, 0, 2, 0, 0}).bytes);
}

TEST(CliJson, FromJsonErrors) {
    TempDir dir;
    CliResult result = RunCli({"from-json", dir.Path(), dir / "x.ssd"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, dir / "scene.json" + "\nCannot be read data.\n");

    WriteText(dir / "scene.json", "{\"entries\": [");
    result = RunCli({"from-json", dir.Path(), dir / "x.ssd"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err.rfind("Unexpected file format.\n" + dir / "scene.json" + ": ", 0), 0u)
        << result.err;

    WriteText(dir / "scene.json", R"({"entries": [{"kind": "Wait", "speed": 3}]})");
    result = RunCli({"from-json", dir.Path(), dir / "x.ssd"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "Unexpected file format.\n" + dir / "scene.json" +
                              ": entries[0]: unknown field \"speed\"\n");

    WriteText(dir / "scene.json", R"({"entries": [{"kind": "Multimedia", "file": "gone.wav"}]})");
    result = RunCli({"from-json", dir.Path(), dir / "x.ssd"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, dir / "gone.wav" + "\nCannot be read data.\n");
    EXPECT_TRUE(ReadBytes(dir / "x.ssd").empty());
}

TEST(CliExtract, WritesEmbeddedFilesFromSceneScreenSaverAndInstaller) {
    EntryList list;
    ImageEntry& a = Add<ImageEntry>(list);
    a.fileName = "C:\\pics\\a.bmp";
    a.data = Block("BM first");
    ImageEntry& b = Add<ImageEntry>(list);
    b.fileName = "A.BMP";
    b.data = Block("BM second");
    MultimediaEntry& media = Add<MultimediaEntry>(list);
    media.data = EveryByte(1000);
    Add<ImageEntry>(list).fileName = "no data.bmp";
    const Bytes scene = Save(list);
    TempDir dir;
    WriteBytes(dir / "s.ssd", scene);
    WriteBytes(dir / "s.scr", ScreenSaver(scene));
    WriteBytes(dir / "s.exe", Installer(scene));
    for (const char* file : {"s.ssd", "s.scr", "s.exe"}) {
        const std::string out = dir / (std::string(file) + "-out");
        CliResult result = RunCli({"extract", dir / file, out});
        EXPECT_EQ(result.status, 0) << file;
        EXPECT_EQ(result.out, "a.bmp\n1-A.BMP\nentry2.bin\n") << file;
        EXPECT_EQ(ReadText(out + "/a.bmp"), "BM first") << file;
        EXPECT_EQ(ReadText(out + "/1-A.BMP"), "BM second") << file;
        EXPECT_EQ(ReadBytes(out + "/entry2.bin"), Bytes(media.data.begin(), media.data.end()))
            << file;
    }
}

TEST(CliExtract, NeverWritesOverTheFileItReads) {
    EntryList list;
    ImageEntry& image = Add<ImageEntry>(list);
    image.fileName = "scene.json";
    image.data = Block("BM");
    TempDir dir;
    // A scene file that happens to be called like its own picture, and one called scene.json.
    const Bytes scene = Save(list);
    WriteBytes(dir / "scene.json", scene);
    CliResult result = RunCli({"extract", dir / "scene.json", dir.Path()});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "0-scene.json\n");
    EXPECT_EQ(ReadBytes(dir / "scene.json"), scene);
    result = RunCli({"to-json", dir / "scene.json", dir.Path()});
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.err,
              "An unexpected error occurred while writing " + dir / "scene.json" + ".\n");
    EXPECT_EQ(ReadBytes(dir / "scene.json"), scene);
}

TEST(CliErrors, UnreadableRefusedAndBrokenFiles) {
    TempDir dir;
    const std::string missing = dir / "missing.ssd";
    for (const char* command : {"describe", "check", "info"}) {
        CliResult result = RunCli({command, missing});
        EXPECT_EQ(result.status, 2) << command;
        EXPECT_EQ(result.err, missing + "\nCannot be read data.\n") << command;
        EXPECT_EQ(result.out, "") << command;
    }
    EXPECT_EQ(RunCli({"check", "--json", missing}).status, 2);

    WriteBytes(dir / "v20.ssd", HandBytes().Header(kV20).Dword(0).bytes);
    CliResult result = RunCli({"info", dir / "v20.ssd"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "Failed to open document.\n");

    // Kind 13, a link index outside the list, a picture cut short.
    const std::vector<HandBytes> broken = {
        HandBytes().Header(kV22).Dword(1).Dword(13).Base(),
        HandBytes().Header(kV22).Dword(1).Dword(0).Base().Dwords({0, 0, 1, 0}).Dwords({1, 5}),
        HandBytes().Header(kV22).Dword(1).Dword(0).Base().Dwords({0, 0, 1, 100}).ShortText("a"),
    };
    for (const HandBytes& bytes : broken) {
        WriteBytes(dir / "broken.ssd", bytes.bytes);
        result = RunCli({"to-json", dir / "broken.ssd", dir / "json"});
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, "Unexpected file format.\n");
    }

    EntryList list;
    Add<WaitEntry>(list);
    const std::string good = SaveTo(dir, "good.ssd", list);
    const std::string unwritable = dir / "no/such/folder/out.ssd";
    result = RunCli({"resave", good, unwritable});
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.err, "An unexpected error occurred while writing " + unwritable + ".\n");
    EXPECT_EQ(RunCli({"frobnicate", good}).status, 64);
    EXPECT_EQ(RunCli({}).status, 64);
    EXPECT_EQ(RunCli({"resave", good}).status, 64);
    EXPECT_EQ(RunCli({"help"}).status, 0);
}

}  // namespace
}  // namespace vl::test
