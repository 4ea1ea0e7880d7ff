#include "cli/scene_json.h"

#include <cstring>
#include <set>
#include <unordered_map>

#include "scene/entries.h"

namespace vl::cli {

namespace {

// ---- field tables, in stored order ----

struct MotionField {
    const char* name;
    std::int32_t MotionParam::*member;
};
const MotionField kMotionFields[] = {
    {"randomStartX", &MotionParam::randomStartX},
    {"randomStartY", &MotionParam::randomStartY},
    {"randomEndX", &MotionParam::randomEndX},
    {"randomEndY", &MotionParam::randomEndY},
    {"centreStartX", &MotionParam::centreStartX},
    {"centreStartY", &MotionParam::centreStartY},
    {"centreEndX", &MotionParam::centreEndX},
    {"centreEndY", &MotionParam::centreEndY},
    {"startX", &MotionParam::startX},
    {"startY", &MotionParam::startY},
    {"endX", &MotionParam::endX},
    {"endY", &MotionParam::endY},
    {"stepX", &MotionParam::stepX},
    {"stepY", &MotionParam::stepY},
    {"stepAxis", &MotionParam::stepAxis},
    {"xComparison", &MotionParam::xComparison},
    {"untilX", &MotionParam::untilX},
    {"untilY", &MotionParam::untilY},
    {"join", &MotionParam::join},
    {"yComparison", &MotionParam::yComparison},
    {"stepMode", &MotionParam::stepMode},
    {"speed", &MotionParam::speed},
    {"letterSpeed", &MotionParam::letterSpeed},
    {"letterByLetter", &MotionParam::letterByLetter},
    {"keepWhileMoving", &MotionParam::keepWhileMoving},
    {"restoreAfterHide", &MotionParam::restoreAfterHide},
    {"effect", &MotionParam::effect},
};

struct FontIntField {
    const char* name;
    std::int32_t LogFont::*member;
};
const FontIntField kFontInts[] = {
    {"height", &LogFont::height},         {"width", &LogFont::width},
    {"escapement", &LogFont::escapement}, {"orientation", &LogFont::orientation},
    {"weight", &LogFont::weight},
};
struct FontByteField {
    const char* name;
    std::uint8_t LogFont::*member;
};
const FontByteField kFontBytes[] = {
    {"italic", &LogFont::italic},
    {"underline", &LogFont::underline},
    {"strikeOut", &LogFont::strikeOut},
    {"charSet", &LogFont::charSet},
    {"outPrecision", &LogFont::outPrecision},
    {"clipPrecision", &LogFont::clipPrecision},
    {"quality", &LogFont::quality},
    {"pitchAndFamily", &LogFont::pitchAndFamily},
};

// ---- writing ----

Json Text(const std::string& bytes) {
    return Latin1ToUtf8(bytes);
}

Json MotionToJson(const MotionParam& motion) {
    Json json = Json::object();
    for (const MotionField& field : kMotionFields) {
        json[field.name] = motion.*field.member;
    }
    return json;
}

Json ColourToJson(const ColourParam& colour) {
    return Json{{"colour", colour.colour},
                {"mixing", colour.mixing},
                {"random", colour.random},
                {"background", colour.background}};
}

Json FontToJson(const LogFont& font) {
    Json json = Json::object();
    for (const FontIntField& field : kFontInts) {
        json[field.name] = font.*field.member;
    }
    for (const FontByteField& field : kFontBytes) {
        json[field.name] = font.*field.member;
    }
    // All 32 bytes, less trailing NULs: bytes after an earlier NUL survive as \u0000.
    std::size_t length = LogFont::kFaceSize;
    while (length > 0 && font.faceName[length - 1] == '\0') {
        --length;
    }
    json["faceName"] = Text(std::string(font.faceName.data(), length));
    return json;
}

void EntryRecordToJson(const SceneEntry& entry, const std::string& file, Json& json) {
    switch (entry.Kind()) {
        case kImage: {
            const auto& image = static_cast<const ImageEntry&>(entry);
            json["isText"] = image.isText;
            json["opaque"] = image.opaque;
            json["source"] = image.source;
            if (image.IsTextObject()) {
                json["textColour"] = image.textColour;
                json["backgroundColour"] = image.backgroundColour;
                json["text"] = Text(image.text);
                json["font"] = FontToJson(image.font);
            } else if (!image.data.empty()) {
                json["fileName"] = Text(image.fileName);
                json["file"] = file;
            }
            break;
        }
        case kShow:
        case kMove:
        case kHide: {
            const auto& command = static_cast<const ImageCommandEntry&>(entry);
            json["motion"] = MotionToJson(command.params.motion);
            json["colour"] = ColourToJson(command.params.colour);
            break;
        }
        case kWait: {
            const auto& wait = static_cast<const WaitEntry&>(entry);
            json["duration"] = Json{{"milliseconds", wait.duration.milliseconds},
                                    {"random", wait.duration.random}};
            break;
        }
        case kCls:
            json["colour"] = ColourToJson(static_cast<const ClsEntry&>(entry).colour);
            break;
        case kUntil: {
            const auto& until = static_cast<const UntilEntry&>(entry);
            json["repeat"] =
                Json{{"count", until.repeat.count}, {"infinite", until.repeat.infinite}};
            break;
        }
        case kLine: {
            const auto& line = static_cast<const LineEntry&>(entry);
            json["colour"] = ColourToJson(line.colour);
            json["motion"] = MotionToJson(line.motion);
            json["penStyle"] = line.penStyle;
            json["penWidth"] = line.penWidth;
            break;
        }
        case kMultimedia: {
            const auto& media = static_cast<const MultimediaEntry&>(entry);
            if (!media.data.empty()) {
                json["fileName"] = Text(media.fileName);
                json["mediaType"] = media.mediaType;
                json["file"] = file;
            }
            break;
        }
        case kPlay: {
            const PlayModeParam& mode = static_cast<const PlayEntry&>(entry).params.mode;
            json["mode"] = Json{{"count", mode.count},   {"infinite", mode.infinite},
                                {"wait", mode.wait},     {"endless", mode.endless},
                                {"videoX", mode.videoX}, {"videoY", mode.videoY}};
            break;
        }
        case kComment:
            json["text"] = Text(static_cast<const CommentEntry&>(entry).text);
            break;
        default:  // Repeat and Stop store nothing of their own
            break;
    }
}

// ---- reading ----

struct JsonError {
    std::string message;
};
struct UnreadableFile {
    std::string name;
};

// Reads the members of one JSON object, remembering which were used so that unknown ones can be
// refused at the end.
class Fields {
  public:
    Fields(const Json& object, std::string where) : object_(object), where_(std::move(where)) {
        if (!object_.is_object()) {
            Fail(where_, "expected an object");
        }
    }

    [[noreturn]] static void Fail(const std::string& where, const std::string& what) {
        throw JsonError{where + ": " + what};
    }

    const std::string& Where() const { return where_; }
    std::string Path(const char* key) const { return where_ + "." + key; }

    const Json* Take(const char* key) {
        const auto found = object_.find(key);
        if (found == object_.end()) {
            return nullptr;
        }
        used_.insert(key);
        return &*found;
    }

    // Any whole number that fits 32 bits, signed or unsigned; kept as its bits.
    bool Bits(const char* key, std::uint32_t& bits) {
        const Json* value = Take(key);
        if (!value) {
            return false;
        }
        bits = ToBits(*value, Path(key));
        return true;
    }
    void Int(const char* key, std::int32_t& field) {
        std::uint32_t bits;
        if (Bits(key, bits)) {
            field = static_cast<std::int32_t>(bits);
        }
    }
    void Uint(const char* key, std::uint32_t& field) { Bits(key, field); }
    void Byte(const char* key, std::uint8_t& field) {
        const Json* value = Take(key);
        if (!value) {
            return;
        }
        if (!value->is_number_unsigned() || value->get<std::uint64_t>() > 0xFF) {
            Fail(Path(key), "expected a whole number from 0 to 255");
        }
        field = static_cast<std::uint8_t>(value->get<std::uint64_t>());
    }
    void Text(const char* key, std::string& field) {
        const Json* value = Take(key);
        if (value) {
            field = ToBytes(*value, Path(key));
        }
    }

    void Finish() const {
        for (auto it = object_.begin(); it != object_.end(); ++it) {
            if (used_.count(it.key()) == 0) {
                Fail(where_, "unknown field \"" + it.key() + "\"");
            }
        }
    }

    static std::uint32_t ToBits(const Json& value, const std::string& where) {
        if (value.is_number_unsigned()) {
            const auto number = value.get<std::uint64_t>();
            if (number <= 0xFFFFFFFFu) {
                return static_cast<std::uint32_t>(number);
            }
        } else if (value.is_number_integer()) {
            const auto number = value.get<std::int64_t>();
            if (number >= INT32_MIN && number <= static_cast<std::int64_t>(0xFFFFFFFFu)) {
                return static_cast<std::uint32_t>(number);
            }
        }
        Fail(where, "expected a whole number from -2147483648 to 4294967295");
    }

    static std::string ToBytes(const Json& value, const std::string& where) {
        std::string bytes;
        if (!value.is_string() || !Utf8ToLatin1(value.get_ref<const std::string&>(), bytes)) {
            Fail(where, "expected a text of characters U+0000 to U+00FF");
        }
        return bytes;
    }

  private:
    const Json& object_;
    std::string where_;
    std::set<std::string> used_;
};

void MotionFromJson(Fields& parent, const char* key, MotionParam& motion) {
    const Json* json = parent.Take(key);
    if (!json) {
        return;
    }
    Fields fields(*json, parent.Path(key));
    for (const MotionField& field : kMotionFields) {
        fields.Int(field.name, motion.*field.member);
    }
    fields.Finish();
}

void ColourFromJson(Fields& parent, const char* key, ColourParam& colour) {
    const Json* json = parent.Take(key);
    if (!json) {
        return;
    }
    Fields fields(*json, parent.Path(key));
    fields.Uint("colour", colour.colour);
    fields.Int("mixing", colour.mixing);
    fields.Int("random", colour.random);
    fields.Int("background", colour.background);
    fields.Finish();
}

void FontFromJson(Fields& parent, const char* key, LogFont& font) {
    const Json* json = parent.Take(key);
    if (!json) {
        return;
    }
    Fields fields(*json, parent.Path(key));
    for (const FontIntField& field : kFontInts) {
        fields.Int(field.name, font.*field.member);
    }
    for (const FontByteField& field : kFontBytes) {
        fields.Byte(field.name, font.*field.member);
    }
    if (const Json* face = fields.Take("faceName")) {
        const std::string path = fields.Path("faceName");
        const std::string bytes = Fields::ToBytes(*face, path);
        if (bytes.size() > LogFont::kFaceSize) {
            Fields::Fail(path, "longer than 32 characters");
        }
        font.faceName.fill('\0');
        std::memcpy(font.faceName.data(), bytes.data(), bytes.size());
    }
    fields.Finish();
}

ByteBlock ReadEmbedded(Fields& fields, const EmbeddedReader& readFile) {
    ByteBlock data;
    if (const Json* file = fields.Take("file")) {
        // A path like every other text: its characters are its bytes.
        const std::string name = Fields::ToBytes(*file, fields.Path("file"));
        if (name.empty()) {
            Fields::Fail(fields.Path("file"), "expected a file name");
        }
        if (!readFile(name, data)) {
            throw UnreadableFile{name};
        }
    }
    return data;
}

std::int32_t KindFromJson(Fields& fields) {
    const Json* kind = fields.Take("kind");
    if (!kind) {
        Fields::Fail(fields.Where(), "missing \"kind\"");
    }
    if (kind->is_string()) {
        for (std::int32_t k = 0; k < kKindCount; ++k) {
            if (kind->get_ref<const std::string&>() == KindName(k)) {
                return k;
            }
        }
    }
    Fields::Fail(fields.Path("kind"),
                 "expected one of Image, Show, Move, Hide, Wait, Cls, "
                 "Repeat, Until, Line, Multimedia, Play, Stop, Comment");
}

void EntryRecordFromJson(Fields& fields, SceneEntry& entry, const EmbeddedReader& readFile) {
    switch (entry.Kind()) {
        case kImage: {
            auto& image = static_cast<ImageEntry&>(entry);
            fields.Int("isText", image.isText);
            fields.Int("opaque", image.opaque);
            fields.Int("source", image.source);
            if (image.IsTextObject()) {
                fields.Uint("textColour", image.textColour);
                fields.Uint("backgroundColour", image.backgroundColour);
                fields.Text("text", image.text);
                FontFromJson(fields, "font", image.font);
            } else {
                fields.Text("fileName", image.fileName);
                image.data = ReadEmbedded(fields, readFile);
            }
            break;
        }
        case kShow:
        case kMove:
        case kHide: {
            auto& command = static_cast<ImageCommandEntry&>(entry);
            MotionFromJson(fields, "motion", command.params.motion);
            ColourFromJson(fields, "colour", command.params.colour);
            break;
        }
        case kWait:
            if (const Json* json = fields.Take("duration")) {
                auto& duration = static_cast<WaitEntry&>(entry).duration;
                Fields child(*json, fields.Path("duration"));
                child.Int("milliseconds", duration.milliseconds);
                child.Int("random", duration.random);
                child.Finish();
            }
            break;
        case kCls:
            ColourFromJson(fields, "colour", static_cast<ClsEntry&>(entry).colour);
            break;
        case kUntil:
            if (const Json* json = fields.Take("repeat")) {
                auto& repeat = static_cast<UntilEntry&>(entry).repeat;
                Fields child(*json, fields.Path("repeat"));
                child.Uint("count", repeat.count);
                child.Int("infinite", repeat.infinite);
                child.Finish();
            }
            break;
        case kLine: {
            auto& line = static_cast<LineEntry&>(entry);
            ColourFromJson(fields, "colour", line.colour);
            MotionFromJson(fields, "motion", line.motion);
            fields.Int("penStyle", line.penStyle);
            fields.Int("penWidth", line.penWidth);
            break;
        }
        case kMultimedia: {
            auto& media = static_cast<MultimediaEntry&>(entry);
            fields.Text("fileName", media.fileName);
            fields.Int("mediaType", media.mediaType);
            media.data = ReadEmbedded(fields, readFile);
            break;
        }
        case kPlay:
            if (const Json* json = fields.Take("mode")) {
                auto& mode = static_cast<PlayEntry&>(entry).params.mode;
                Fields child(*json, fields.Path("mode"));
                child.Uint("count", mode.count);
                child.Int("infinite", mode.infinite);
                child.Int("wait", mode.wait);
                child.Int("endless", mode.endless);
                child.Int("videoX", mode.videoX);
                child.Int("videoY", mode.videoY);
                child.Finish();
            }
            break;
        case kComment:
            fields.Text("text", static_cast<CommentEntry&>(entry).text);
            break;
        default:
            break;
    }
}

void LinkUsers(const Json& users, const std::string& where, std::size_t objectIndex,
               EntryList& entries) {
    if (!users.is_array()) {
        Fields::Fail(where, "expected a list of entry indices");
    }
    SceneEntry& object = entries.At(objectIndex);
    for (std::size_t j = 0; j < users.size(); ++j) {
        const std::string at = where + "[" + std::to_string(j) + "]";
        const Json& user = users[j];
        if (!user.is_number_unsigned() || user.get<std::uint64_t>() >= entries.Count()) {
            Fields::Fail(at, "expected the index of an entry");
        }
        SceneEntry& command = entries.At(static_cast<std::size_t>(user.get<std::uint64_t>()));
        if (LinkedObjectKind(command.Kind()) != object.Kind()) {
            Fields::Fail(at, std::string(KindName(command.Kind())) + " cannot use " +
                                 KindName(object.Kind()));
        }
        if (command.GetLinkedObject()) {
            Fields::Fail(at, "entry " + std::to_string(user.get<std::uint64_t>()) +
                                 " already uses entry " +
                                 std::to_string(entries.Find(command.GetLinkedObject())));
        }
        command.SetObject(&object);
    }
}

void ReadDocument(const Json& document, EntryList& entries, const EmbeddedReader& readFile) {
    Fields top(document, "scene");
    if (const Json* format = top.Take("format")) {
        if (*format != kJsonFormatName) {
            Fields::Fail(top.Path("format"), std::string("expected \"") + kJsonFormatName + "\"");
        }
    }
    if (const Json* formatVersion = top.Take("formatVersion")) {
        if (*formatVersion != kJsonFormatVersion) {
            Fields::Fail(top.Path("formatVersion"), "expected 1");
        }
    }
    if (const Json* version = top.Take("version"); version && !version->is_string()) {
        Fields::Fail(top.Path("version"), "expected a text");
    }
    const Json* list = top.Take("entries");
    if (!list || !list->is_array()) {
        Fields::Fail(top.Path("entries"), "expected a list of entries");
    }
    top.Finish();

    // Users are linked once every entry exists; remember where each list stands.
    std::vector<std::pair<std::size_t, const Json*>> users;
    for (std::size_t i = 0; i < list->size(); ++i) {
        Fields fields((*list)[i], "entries[" + std::to_string(i) + "]");
        std::unique_ptr<SceneEntry> entry = CreateEntry(KindFromJson(fields));
        fields.Text("description", entry->description.text);
        fields.Int("indentation", entry->indentation);
        fields.Int("disabled", entry->disabled);
        EntryRecordFromJson(fields, *entry, readFile);
        if (entry->IsObjectDefinition()) {
            if (const Json* objectUsers = fields.Take("users")) {
                users.emplace_back(i, objectUsers);
            }
        }
        fields.Finish();
        entries.Append(std::move(entry));
    }
    for (const auto& [index, objectUsers] : users) {
        LinkUsers(*objectUsers, "entries[" + std::to_string(index) + "].users", index, entries);
    }
}

}  // namespace

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

bool Utf8ToLatin1(std::string_view utf8, std::string& bytes) {
    bytes.clear();
    bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            bytes += static_cast<char>(lead);
            continue;
        }
        // Only two-byte sequences for U+0080..U+00FF (leads C2 and C3) map to bytes.
        if ((lead != 0xC2 && lead != 0xC3) || i + 1 >= utf8.size()) {
            return false;
        }
        const auto next = static_cast<unsigned char>(utf8[i + 1]);
        if ((next & 0xC0) != 0x80) {
            return false;
        }
        bytes += static_cast<char>(((lead & 0x03) << 6) | (next & 0x3F));
        ++i;
    }
    return true;
}

Json SceneToJson(const EntryList& entries, const std::string& version,
                 const std::vector<std::string>& fileNames) {
    std::unordered_map<const SceneEntry*, std::size_t> positions;
    for (std::size_t i = 0; i < entries.Count(); ++i) {
        positions.emplace(&entries.At(i), i);
    }
    Json list = Json::array();
    for (std::size_t i = 0; i < entries.Count(); ++i) {
        const SceneEntry& entry = entries.At(i);
        Json json = Json::object();
        json["kind"] = KindName(entry.Kind());
        json["description"] = Text(entry.description.text);
        json["indentation"] = entry.indentation;
        json["disabled"] = entry.disabled;
        EntryRecordToJson(entry, i < fileNames.size() ? fileNames[i] : std::string(), json);
        if (entry.IsObjectDefinition()) {
            // As the file's link section: users in the object's order, only those in the list.
            Json users = Json::array();
            for (const SceneEntry* user : entry.Users()) {
                const auto found = positions.find(user);
                if (found != positions.end()) {
                    users.push_back(found->second);
                }
            }
            json["users"] = std::move(users);
        }
        list.push_back(std::move(json));
    }
    Json document = Json::object();
    document["format"] = kJsonFormatName;
    document["formatVersion"] = kJsonFormatVersion;
    document["version"] = version;
    document["entries"] = std::move(list);
    return document;
}

JsonSceneResult SceneFromJson(const Json& document, EntryList& entries,
                              const EmbeddedReader& readFile) {
    JsonSceneResult result;
    entries.Clear();
    try {
        ReadDocument(document, entries, readFile);
    } catch (const JsonError& error) {
        entries.Clear();
        result.ok = false;
        result.error = error.message;
    } catch (const UnreadableFile& file) {
        entries.Clear();
        result.ok = false;
        result.unreadableFile = true;
        result.error = file.name;
    }
    return result;
}

}  // namespace vl::cli
