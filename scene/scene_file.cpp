#include "scene/scene_file.h"

#include <cstring>

#include "scene/entries.h"
#include "scene/messages.h"

namespace vl {

namespace {

constexpr std::size_t kSignatureLength = sizeof msg::kSceneSignature - 1;
static_assert(kSignatureLength == 15, "the scene signature has 15 characters");

SceneReadResult Refused() {
    SceneReadResult result;
    result.status = SceneReadStatus::kRefused;
    result.version = 0.0f;
    return result;
}

std::uint32_t LoadDword(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
           (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

// Reads the signature and the version from raw bytes without copying the (maybe large) file.
bool ParseHeader(const std::uint8_t* data, std::size_t size, float* version) {
    std::size_t pos = 0;
    auto have = [&](std::size_t count) { return count <= size - pos; };
    if (!have(1)) {
        return false;
    }
    std::uint64_t length = data[pos++];
    if (length == 0xFF) {
        if (!have(2)) {
            return false;
        }
        length = data[pos] | (static_cast<std::uint32_t>(data[pos + 1]) << 8);
        pos += 2;
        if (length == 0xFFFF) {
            if (!have(4)) {
                return false;
            }
            length = LoadDword(data + pos);
            pos += 4;
        }
    }
    if (length != kSignatureLength || !have(kSignatureLength + 4) ||
        std::memcmp(data + pos, msg::kSceneSignature, kSignatureLength) != 0) {
        return false;
    }
    pos += kSignatureLength;
    const std::uint32_t bits = LoadDword(data + pos);
    std::memcpy(version, &bits, sizeof *version);
    return true;
}

}  // namespace

bool IsAcceptedVersion(float version) {
    return version == 1.0f || version == 1.1f || version == 2.1f || version == 2.2f;
}

SceneReadResult CheckSceneHeader(const std::uint8_t* data, std::size_t size) {
    SceneReadResult result;
    if (size == 0) {
        return result;
    }
    float version = 0.0f;
    if (!ParseHeader(data, size, &version) || !IsAcceptedVersion(version)) {
        return Refused();
    }
    result.version = version;
    return result;
}

std::unique_ptr<SceneEntry> ReadEntryItem(ByteReader& in) {
    const std::uint32_t kind = in.ReadDword();
    if (!in.ok()) {
        return nullptr;
    }
    if (!IsValidKind(kind)) {
        in.Fail();
        return nullptr;
    }
    std::unique_ptr<SceneEntry> entry = CreateEntry(static_cast<std::int32_t>(kind));
    entry->Read(in);
    if (!in.ok()) {
        return nullptr;
    }
    return entry;
}

namespace {

static_assert(kLongestSceneHeader == 7 + kSignatureLength + 4, "the header's longest form");

SceneReadResult ReadScene(ByteReader& in, EntryList& entries) {
    std::size_t available = 0;
    const std::uint8_t* head = in.Peek(kLongestSceneHeader, available);
    // Nothing arrived of a file that is not empty: as short as a file can be, so refused.
    if (!in.ok() || (available == 0 && in.Remaining() != 0)) {
        return Refused();
    }
    const SceneReadResult header = CheckSceneHeader(head, available);
    if (!header.ok()) {
        return header;
    }
    entries.Clear();
    if (in.Remaining() == 0) {
        return header;
    }

    in.ReadText();
    in.SetVersion(in.ReadFloat());
    // Every item takes at least a few bytes, so a huge count ends when the bytes do.
    const std::uint32_t count = in.ReadDword();
    for (std::uint32_t i = 0; i < count && in.ok(); ++i) {
        std::unique_ptr<SceneEntry> entry = ReadEntryItem(in);
        if (entry) {
            entries.Append(std::move(entry));
        }
    }
    for (std::size_t i = 0; i < entries.Count() && in.ok(); ++i) {
        SceneEntry& object = entries.At(i);
        if (!object.IsObjectDefinition()) {
            continue;
        }
        const std::uint32_t users = in.ReadDword();
        for (std::uint32_t j = 0; j < users && in.ok(); ++j) {
            const std::uint32_t user = in.ReadDword();
            // An index outside the list, or a link between kinds that do not fit (which no
            // builder writes), is a format error: a wrong link would make the object's name and
            // the player read the wrong kind of entry.
            if (in.ok() && (user >= entries.Count() || !entries.At(user).SetObject(&object))) {
                in.Fail();
            }
        }
    }
    if (!in.ok()) {
        entries.Clear();
        SceneReadResult result;
        result.status = SceneReadStatus::kMalformed;
        result.version = header.version;
        result.message = msg::kUnexpectedFileFormat;
        return result;
    }
    entries.Renumber();
    return header;
}

}  // namespace

SceneReadResult ReadSceneFile(SharedBytes buffer, EntryList& entries, std::size_t begin) {
    if (!buffer || begin > buffer->size()) {
        return Refused();
    }
    ByteReader in(std::move(buffer), begin);
    return ReadScene(in, entries);
}

SceneReadResult ReadSceneFile(SharedBytes buffer, ByteSource& rest, EntryList& entries,
                              std::size_t begin) {
    if (!buffer || begin > buffer->size()) {
        return Refused();
    }
    ByteReader in(std::move(buffer), begin, rest);
    return ReadScene(in, entries);
}

SceneReadResult ReadSceneFile(const std::uint8_t* data, std::size_t size, EntryList& entries) {
    return ReadSceneFile(ByteBuffer::Copy(data, size), entries);
}

}  // namespace vl
