// The three private data formats that carry commands through the clipboard and drag-and-drop:
// "CopyScene1.0" (commands with their links), "MoveScene1.0" (list indices of dragged lines) and
// "LinkScene1.0" (the identity of one dragged command). Pure functions on bytes: the clipboard
// and the drag loop only move the blocks these functions write and read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "scene/byte_stream.h"
#include "scene/entry.h"
#include "scene/entry_list.h"

namespace vl {

inline constexpr char kCopySceneFormat[] = "CopyScene1.0";
inline constexpr char kMoveSceneFormat[] = "MoveScene1.0";
inline constexpr char kLinkSceneFormat[] = "LinkScene1.0";

enum class ClipboardReadStatus {
    kOk,
    kRefused,    // the leading version is not 1.0, 1.1, 2.1 or 2.2: the paste or drop beeps
    kMalformed,  // too short, or holding impossible values: nothing is pasted or dropped
};

// Whether a command of commandKind may use an object definition of objectKind: Show, Move and
// Hide an Image, Play and Stop a Multimedia.
inline constexpr bool KindsFit(std::int32_t commandKind, std::int32_t objectKind) {
    return LinkedObjectKind(commandKind) >= 0 && LinkedObjectKind(commandKind) == objectKind;
}

// ---- "CopyScene1.0" ----

// Writes the block for commands (in list order): version 2.2, n, the n kind-and-record pairs,
// then per command inside (1 when its target is among commands) and target (its block index when
// inside, else its index in list, -1 without a target or when the target stands in neither).
// The commands themselves need not stand in list (palette drags carry a prototype). Returns
// out.ok() after the last byte.
bool WriteCopyBlock(const EntryList& list, const std::vector<const SceneEntry*>& commands,
                    ByteWriter& out);
std::vector<std::uint8_t> WriteCopyBlock(const EntryList& list,
                                         const std::vector<const SceneEntry*>& commands);

struct CopyBlockContents {
    ClipboardReadStatus status = ClipboardReadStatus::kOk;
    float version = 0.0f;
    // New commands, read in the layout of the block's version and linked by paste's rules; not
    // yet in any list. Empty unless status is kOk.
    std::vector<std::unique_ptr<SceneEntry>> commands;

    bool ok() const { return status == ClipboardReadStatus::kOk; }
};

// Reads a block as Paste does. Links: a negative target is skipped; inside 1 links to the pasted
// command at that block index; inside 0 links to the line of list at that index (list as it is
// before the insertion) only when the kinds fit; targets outside the block or the list, links
// between kinds that do not fit, and inside values other than 0 and 1 leave the command unlinked.
// A block that breaks off anywhere, or holds a kind outside 0..12 or a negative count, yields
// kMalformed and links nothing. Bytes after the last pair are ignored (clipboard memory is
// handed out in whole pages).
CopyBlockContents ReadCopyBlock(const std::uint8_t* data, std::size_t size, EntryList& list);

// ---- "MoveScene1.0" ----

// indices: the list indices of the dragged commands in list order (ascending). The block holds
// version 2.2, n and the indices from the last to the first.
std::vector<std::uint8_t> WriteMoveBlock(const std::vector<std::int32_t>& indices);

struct MoveBlockContents {
    ClipboardReadStatus status = ClipboardReadStatus::kOk;
    float version = 0.0f;
    std::vector<std::int32_t> indices;  // as stored: highest first

    bool ok() const { return status == ClipboardReadStatus::kOk; }
};

// Accepts the indices only when each one names a line of a list of listCount lines and they fall
// strictly from first to last, which is what makes removing them one by one in that order safe.
MoveBlockContents ReadMoveBlock(const std::uint8_t* data, std::size_t size, std::size_t listCount);

// ---- "LinkScene1.0" ----

std::vector<std::uint8_t> WriteLinkBlock(std::uint32_t reference);

struct LinkBlockContents {
    ClipboardReadStatus status = ClipboardReadStatus::kOk;
    float version = 0.0f;
    std::uint32_t reference = 0;

    bool ok() const { return status == ClipboardReadStatus::kOk; }
};

LinkBlockContents ReadLinkBlock(const std::uint8_t* data, std::size_t size);

// The 32-bit references "LinkScene1.0" carries. A pointer does not fit into 32 bits in a 64-bit
// build, so the source registers the dragged command here and gets a number; the drop resolves
// the number back, but only to a command that still stands in the list. One drag runs at a time,
// so one entry is remembered; every registration gets a fresh number, and numbers start from a
// per-process value so that a block from another running instance is unlikely to resolve.
class EntryReferences {
  public:
    EntryReferences();
    // For tests: a fixed starting value.
    explicit EntryReferences(std::uint32_t start) : next_(start) {}

    // Remembers entry and returns its number (never 0).
    std::uint32_t Register(const SceneEntry& entry);
    // The registered entry when reference is its current number and it stands in list; nullptr
    // otherwise. The remembered address is only compared, never followed, until it is found in
    // list.
    SceneEntry* Resolve(std::uint32_t reference, EntryList& list) const;
    // Forgets the registered entry (the drag loop has ended).
    void Clear();

  private:
    std::uint32_t next_;
    std::uint32_t current_ = 0;
    const SceneEntry* entry_ = nullptr;  // not owned; may be gone, see Resolve
};

}  // namespace vl
