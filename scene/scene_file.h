// Scene files (".ssd"): reading every accepted version and writing version 2.2. The same bytes
// follow the runtime image in a made screen saver.
//
// Layout: signature (text), version (float bits), n (DWORD), n times kind (DWORD) and the kind's
// record, then for every Image and Multimedia in list order the count of its users and their list
// indices.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "scene/byte_stream.h"
#include "scene/entry.h"
#include "scene/entry_list.h"

namespace vl {

// The most bytes a scene's header (signature text and version) can take: a text with the longest
// length prefix, the 15 characters and the version.
inline constexpr std::size_t kLongestSceneHeader = 7 + 15 + 4;

// 1.0, 1.1, 2.1 and 2.2, compared as 32-bit floats.
bool IsAcceptedVersion(float version);

enum class SceneReadStatus {
    kOk,
    kRefused,    // wrong signature or version: nothing shown, the list left as it was
    kMalformed,  // the stream broke off or held an impossible value: the list is left empty
};

struct SceneReadResult {
    SceneReadStatus status = SceneReadStatus::kOk;
    float version = kSceneVersion;  // the file's version (2.2 for an empty file)
    std::string message;            // "Unexpected file format." when malformed, else empty

    bool ok() const { return status == SceneReadStatus::kOk; }
};

// The pre-check of opening: signature and version only, nothing changes. A file too short to
// hold them is refused like a wrong signature. An empty file passes (an empty scene).
SceneReadResult CheckSceneHeader(const std::uint8_t* data, std::size_t size);

// Reads the scene file that fills buffer from begin to its end into entries. Refused files leave
// entries unchanged; otherwise entries is cleared first and ends up holding the scene, or nothing
// when the stream is malformed. Lengths, counts and indices are checked against the bytes that
// remain, so a hostile file can neither overrun the buffer nor make the reader allocate more than
// it holds. Picture and media blocks share the buffer (see ByteBlock); bytes after the link
// section are ignored.
SceneReadResult ReadSceneFile(SharedBytes buffer, EntryList& entries, std::size_t begin = 0);
// The same while the file is still arriving: buffer has the file's size and `rest` fills it as
// the reader reaches it (a source that ends early makes the file malformed at that point). Bytes
// after the link section are never asked for.
SceneReadResult ReadSceneFile(SharedBytes buffer, ByteSource& rest, EntryList& entries,
                              std::size_t begin = 0);
// The same from bytes the caller keeps (they are copied first).
SceneReadResult ReadSceneFile(const std::uint8_t* data, std::size_t size, EntryList& entries);

// Renumbers the entries and writes the whole file as version 2.2. Returns out.ok() after the last
// byte; a sink failure or a text or block beyond 4 GB makes it false.
bool WriteSceneFile(EntryList& entries, ByteWriter& out);
// The file as bytes in memory; empty when writing failed.
std::vector<std::uint8_t> SaveSceneFile(EntryList& entries);

// One entry as files and clipboard blocks carry it: the kind DWORD, then the record.
void WriteEntryItem(const SceneEntry& entry, ByteWriter& out);
// Reads one kind-and-record pair in the layout of in.Version(). nullptr when the kind is outside
// 0..12 (the reader is then put into the failed state) or the record broke off.
std::unique_ptr<SceneEntry> ReadEntryItem(ByteReader& in);

}  // namespace vl
