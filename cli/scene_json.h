// The JSON form of a scene (docs/scene-json.md): every stored field of every entry, the links as
// entry indices, the embedded files by name beside the JSON file. Texts are byte strings: each
// byte is the character with the same code (ISO-8859-1), so any scene round-trips exactly.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "scene/byte_block.h"
#include "scene/entry_list.h"

namespace vl::cli {

using Json = nlohmann::ordered_json;

inline constexpr char kJsonFormatName[] = "Vistaloom scene";
inline constexpr int kJsonFormatVersion = 1;
inline constexpr char kSceneJsonFile[] = "scene.json";

// Bytes as ISO-8859-1 characters, written as UTF-8.
std::string Latin1ToUtf8(std::string_view bytes);
// The reverse; false when the text holds a character above U+00FF or is not UTF-8.
bool Utf8ToLatin1(std::string_view utf8, std::string& bytes);

// version: the version the scene was read in, as "2.2" (informational). fileNames: per entry the
// name of its embedded file (EmbeddedFileNames).
Json SceneToJson(const EntryList& entries, const std::string& version,
                 const std::vector<std::string>& fileNames);

// Reads the bytes of an embedded file named in the JSON; false when it cannot be read.
using EmbeddedReader = std::function<bool(const std::string& file, ByteBlock& data)>;

struct JsonSceneResult {
    bool ok = true;
    bool unreadableFile = false;  // an embedded file could not be read; error holds its name
    std::string error;            // where and what, e.g. "entries[2].motion.speed: ..."
};

// Builds entries (cleared first) from the JSON form. Missing fields keep the defaults of a new
// entry; unknown fields, wrong types, values outside 32 bits, characters above U+00FF and
// impossible links are errors. On failure entries is left empty.
JsonSceneResult SceneFromJson(const Json& document, EntryList& entries,
                              const EmbeddedReader& readFile);

}  // namespace vl::cli
