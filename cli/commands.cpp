#include "cli/commands.h"

#include <cstdint>
#include <exception>
#include <new>

#include "package/c_files.h"
#include "cli/embedded_names.h"
#include "cli/make_commands.h"
#include "cli/scene_json.h"
#include "cli/scene_source.h"
#include "package/scene_saving.h"
#include "scene/entries.h"
#include "scene/messages.h"
#include "scene/nesting.h"
#include "engine/image/core/decoding_preparer.h"
#include "scene/scene_check.h"
#include "scene/scene_file.h"

namespace vl::cli {

namespace {

constexpr char kUsage[] =
    "usage: vistaloom-cli COMMAND ARGUMENTS\n"
    "  describe [--tab-size N] FILE  print the scene's text export (tab size 0..100, default 2)\n"
    "  check [--json] FILE           run the scene check; exit status 1 when it fails\n"
    "  info FILE                     version, entry count, embedded pictures and media\n"
    "  resave IN OUT                 write the scene of IN to OUT as a version 2.2 scene file\n"
    "  to-json FILE DIR              write DIR/scene.json and the embedded files beside it\n"
    "  from-json DIR FILE            make a scene file from DIR/scene.json and its files\n"
    "  extract FILE DIR              write the embedded pictures and media into DIR\n" VL_MAKE_USAGE
    "FILE may be a scene file (.ssd), or a screen saver (.scr) or installer (.exe) made from one.\n"
    "Exit status: 0 done, 1 the scene check failed, 2 a file cannot be read, 3 a file cannot be\n"
    "written, 64 wrong arguments.\n";

int Usage() {
    WriteErr(kUsage);
    return kExitUsage;
}

// Loads the scene of path; on failure reports and returns false with code set.
bool Load(const std::string& path, EntryList& entries, LoadedScene& loaded, int& code) {
    loaded = LoadScene(path, entries);
    if (loaded.exitCode != kExitOk) {
        WriteErr(loaded.error + "\n");
        code = loaded.exitCode;
        return false;
    }
    return true;
}

int WriteFailed(const std::string& path) {
    WriteErr(ErrorWhileWriting(path) + "\n");
    return kExitUnwritable;
}

bool WriteEmbeddedFiles(const EntryList& entries, const std::vector<std::string>& names,
                        const std::string& dir, std::string& failed) {
    for (std::size_t i = 0; i < entries.Count(); ++i) {
        const ByteBlock* data = EmbeddedData(entries.At(i));
        if (!data) {
            continue;
        }
        const std::string path = JoinPath(dir, names[i]);
        if (!WriteWholeFile(path, data->data(), data->size())) {
            failed = path;
            return false;
        }
    }
    return true;
}

bool IsAbsolute(const std::string& path) {
    return (!path.empty() && (path[0] == '/' || path[0] == '\\')) ||
           (path.size() >= 2 && path[1] == ':');
}

bool ParseTabSize(const std::string& text, int& tabSize) {
    if (text.empty() || text.size() > 3) {
        return false;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    if (value > 100) {
        return false;
    }
    tabSize = value;
    return true;
}

std::string ContainerText(const SceneLocation& location) {
    switch (location.container) {
        case Container::kScreenSaver:
            return "screen saver, scene at offset " + std::to_string(location.offset);
        case Container::kInstaller:
            return "installer, scene at offset " + std::to_string(location.offset);
        default:
            return "scene file";
    }
}

}  // namespace

int Describe(const Arguments& args) {
    int tabSize = 2;
    std::string path;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--tab-size" && i + 1 < args.size()) {
            if (!ParseTabSize(args[++i], tabSize)) {
                return Usage();
            }
        } else if (path.empty() && args[i].rfind("--", 0) != 0) {
            path = args[i];
        } else {
            return Usage();
        }
    }
    if (path.empty()) {
        return Usage();
    }
    EntryList entries;
    LoadedScene loaded;
    int code = kExitOk;
    if (!Load(path, entries, loaded, code)) {
        return code;
    }
    // The builder re-indents every line when it fills its list.
    ComputeNesting(entries, tabSize);
    WriteOut(ExportSceneText(entries));
    return kExitOk;
}

int Check(const Arguments& args) {
    bool json = false;
    std::string path;
    for (const std::string& arg : args) {
        if (arg == "--json" && !json) {
            json = true;
        } else if (path.empty() && arg.rfind("--", 0) != 0) {
            path = arg;
        } else {
            return Usage();
        }
    }
    if (path.empty()) {
        return Usage();
    }
    EntryList entries;
    LoadedScene loaded;
    int code = kExitOk;
    if (!Load(path, entries, loaded, code)) {
        return code;
    }
    DecodingPreparer preparer;
    const SceneCheckResult result = CheckScene(entries, preparer);
    if (json) {
        if (result.ok) {
            WriteOut("{\"ok\": true}\n");
        } else {
            WriteOut("{\"ok\": false, \"index\": " + std::to_string(result.index) +
                     ", \"message\": " + Json(Latin1ToUtf8(result.message)).dump() + "}\n");
        }
    } else if (result.ok) {
        WriteOut("OK\n");
    } else {
        WriteOut("Line " + std::to_string(result.index + 1) + ": " + result.message + "\n");
    }
    return result.ok ? kExitOk : kExitCheckFailed;
}

int Info(const Arguments& args) {
    if (args.size() != 1) {
        return Usage();
    }
    EntryList entries;
    LoadedScene loaded;
    int code = kExitOk;
    if (!Load(args[0], entries, loaded, code)) {
        return code;
    }
    std::string pictures;
    std::string media;
    std::uint64_t pictureBytes = 0;
    std::uint64_t mediaBytes = 0;
    int pictureCount = 0;
    int mediaCount = 0;
    for (std::size_t i = 0; i < entries.Count(); ++i) {
        const SceneEntry& entry = entries.At(i);
        const ByteBlock* data = EmbeddedData(entry);
        if (!data) {
            continue;
        }
        std::string line = "  line " + std::to_string(i + 1) + ": " + EmbeddedFileName(entry) +
                           ", " + std::to_string(data->size()) + " bytes";
        if (entry.Kind() == kImage) {
            pictures += line + "\n";
            pictureBytes += data->size();
            ++pictureCount;
        } else {
            if (static_cast<const MultimediaEntry&>(entry).mediaType == MultimediaEntry::kTypeAvi) {
                line += ", AVI";
            }
            media += line + "\n";
            mediaBytes += data->size();
            ++mediaCount;
        }
    }
    WriteOut("Container: " + ContainerText(loaded.location) + "\n" +
             "Version: " + VersionText(loaded.version) + "\n" +
             "Entries: " + std::to_string(entries.Count()) + "\n" +
             "Pictures: " + std::to_string(pictureCount) + ", " + std::to_string(pictureBytes) +
             " bytes\n" + pictures + "Media: " + std::to_string(mediaCount) + ", " +
             std::to_string(mediaBytes) + " bytes\n" + media);
    return kExitOk;
}

int Resave(const Arguments& args) {
    if (args.size() != 2) {
        return Usage();
    }
    EntryList entries;
    LoadedScene loaded;
    int code = kExitOk;
    if (!Load(args[0], entries, loaded, code)) {
        return code;
    }
    return SaveSceneAtomically(entries, args[1]) ? kExitOk : WriteFailed(args[1]);
}

int ToJson(const Arguments& args) {
    if (args.size() != 2) {
        return Usage();
    }
    const std::string& path = args[0];
    const std::string& dir = args[1];
    EntryList entries;
    LoadedScene loaded;
    int code = kExitOk;
    if (!Load(path, entries, loaded, code)) {
        return code;
    }
    if (!MakeDirectories(dir)) {
        return WriteFailed(dir);
    }
    // Neither the JSON file nor an embedded file may land on the scene being converted.
    const std::string jsonPath = JoinPath(dir, kSceneJsonFile);
    if (SameFile(jsonPath, path)) {
        return WriteFailed(jsonPath);
    }
    const std::vector<std::string> names =
        EmbeddedFileNames(entries, {kSceneJsonFile, BaseName(path)});
    std::string failed;
    if (!WriteEmbeddedFiles(entries, names, dir, failed)) {
        return WriteFailed(failed);
    }
    const std::string text =
        SceneToJson(entries, VersionText(loaded.version), names).dump(2) + "\n";
    if (!WriteWholeFile(jsonPath, text.data(), text.size())) {
        return WriteFailed(jsonPath);
    }

    // from-json writes what the builder writes; say so when that is not this file's bytes.
    CompareSink compare(path, loaded.location.offset);
    ByteWriter out(compare);
    WriteSceneFile(entries, out);
    if (!compare.Same()) {
        if (loaded.version != kSceneVersion) {
            WriteErr("Note: the scene has version " + VersionText(loaded.version) +
                     "; from-json writes version 2.2.\n");
        } else {
            WriteErr(
                "Note: the scene is not stored as the builder stores it; from-json writes "
                "the builder's form of it.\n");
        }
    }
    return kExitOk;
}

int FromJson(const Arguments& args) {
    if (args.size() != 2) {
        return Usage();
    }
    const std::string& dir = args[0];
    const std::string& path = args[1];
    const std::string jsonPath = JoinPath(dir, kSceneJsonFile);
    SharedBytes bytes;
    if (!ReadWholeFile(jsonPath, bytes)) {
        WriteErr(CannotBeRead(jsonPath) + "\n");
        return kExitUnreadable;
    }
    Json document;
    try {
        document = Json::parse(bytes->begin(), bytes->end());
    } catch (const Json::exception& error) {
        WriteErr(std::string(msg::kUnexpectedFileFormat) + "\n" + jsonPath + ": " + error.what() +
                 "\n");
        return kExitUnreadable;
    }
    bytes.reset();

    std::string unreadable;
    const EmbeddedReader readFile = [&](const std::string& file, ByteBlock& data) {
        const std::string filePath = IsAbsolute(file) ? file : JoinPath(dir, file);
        SharedBytes fileBytes;
        if (!ReadWholeFile(filePath, fileBytes)) {
            unreadable = filePath;
            return false;
        }
        const std::uint8_t* start = fileBytes->data();
        const std::size_t size = fileBytes->size();
        data = ByteBlock(std::shared_ptr<const std::uint8_t>(std::move(fileBytes), start), size);
        return true;
    };
    EntryList entries;
    const JsonSceneResult result = SceneFromJson(document, entries, readFile);
    if (!result.ok) {
        if (result.unreadableFile) {
            WriteErr(CannotBeRead(unreadable) + "\n");
        } else {
            WriteErr(std::string(msg::kUnexpectedFileFormat) + "\n" + jsonPath + ": " +
                     result.error + "\n");
        }
        return kExitUnreadable;
    }
    return SaveSceneAtomically(entries, path) ? kExitOk : WriteFailed(path);
}

int Extract(const Arguments& args) {
    if (args.size() != 2) {
        return Usage();
    }
    const std::string& dir = args[1];
    EntryList entries;
    LoadedScene loaded;
    int code = kExitOk;
    if (!Load(args[0], entries, loaded, code)) {
        return code;
    }
    if (!MakeDirectories(dir)) {
        return WriteFailed(dir);
    }
    // An embedded file never lands on the file it is extracted from.
    const std::vector<std::string> names = EmbeddedFileNames(entries, {BaseName(args[0])});
    std::string failed;
    if (!WriteEmbeddedFiles(entries, names, dir, failed)) {
        return WriteFailed(failed);
    }
    std::string listing;
    for (const std::string& name : names) {
        if (!name.empty()) {
            listing += name + "\n";
        }
    }
    WriteOut(listing);
    return kExitOk;
}

int Run(const Arguments& args) {
    if (args.empty()) {
        return Usage();
    }
    const std::string& command = args[0];
    const Arguments rest(args.begin() + 1, args.end());
    using Command = int (*)(const Arguments&);
    static const struct {
        const char* name;
        Command run;
    } kCommands[] = {
        {"describe", Describe},
        {"check", Check},
        {"info", Info},
        {"resave", Resave},
        {"to-json", ToJson},
        {"from-json", FromJson},
        {"extract", Extract},
        {"make-scr", [](const Arguments& a) { return MakeScr(a); }},
        {"make-exe", [](const Arguments& a) { return MakeExe(a); }},
        {"make-exe-from-scr", [](const Arguments& a) { return MakeExeFromScr(a); }},
    };
    try {
        for (const auto& known : kCommands) {
            if (command == known.name) {
                return known.run(rest);
            }
        }
        if (command == "help" || command == "--help" || command == "-h") {
            WriteOut(kUsage);
            return kExitOk;
        }
    } catch (const std::bad_alloc&) {
        WriteErr(std::string(msg::kNoMemory) + "\n");
        return kExitUnreadable;
    }
    return Usage();
}

}  // namespace vl::cli
