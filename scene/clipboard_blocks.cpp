#include "scene/clipboard_blocks.h"

#include <algorithm>
#include <chrono>
#include <utility>

#include "scene/scene_file.h"

namespace vl {

namespace {

// Every command of a copy block takes at least this many bytes, so counts are checked against
// what remains before anything is reserved: kind, the shortest record (empty description,
// indentation, disabled) and its inside/target pair.
constexpr std::size_t kSmallestCommand = 4 + 1 + 4 + 4 + 8;

struct BlockHead {
    ClipboardReadStatus status = ClipboardReadStatus::kOk;
    float version = 0.0f;
};

BlockHead ReadVersion(ByteReader& in) {
    BlockHead head;
    head.version = in.ReadFloat();
    if (!in.ok()) {
        head.status = ClipboardReadStatus::kMalformed;
    } else if (!IsAcceptedVersion(head.version)) {
        head.status = ClipboardReadStatus::kRefused;
    }
    return head;
}

// The target's index field as the block stores it.
struct Target {
    std::int32_t inside = 0;
    std::int32_t index = -1;
};

Target FindTarget(const EntryList& list,
                  const std::vector<std::pair<const SceneEntry*, std::int32_t>>& blockIndex,
                  const SceneEntry* object) {
    Target target;
    if (!object) {
        return target;
    }
    const auto found = std::lower_bound(
        blockIndex.begin(), blockIndex.end(), std::make_pair(object, std::int32_t{-1}),
        [](const auto& a, const auto& b) { return std::less<>()(a.first, b.first); });
    if (found != blockIndex.end() && found->first == object) {
        target.inside = 1;
        target.index = found->second;
        return target;
    }
    // The index field is the list position after the last renumbering; look the object up when
    // the list has changed since.
    const std::int32_t hint = object->index;
    if (hint >= 0 && static_cast<std::size_t>(hint) < list.Count() &&
        &list.At(static_cast<std::size_t>(hint)) == object) {
        target.index = hint;
    } else {
        target.index = static_cast<std::int32_t>(list.Find(object));
    }
    return target;
}

}  // namespace

// ---- "CopyScene1.0" ----

bool WriteCopyBlock(const EntryList& list, const std::vector<const SceneEntry*>& commands,
                    ByteWriter& out) {
    out.WriteFloat(kSceneVersion);
    out.WriteInt(static_cast<std::int32_t>(commands.size()));
    std::vector<std::pair<const SceneEntry*, std::int32_t>> blockIndex;
    blockIndex.reserve(commands.size());
    for (std::size_t i = 0; i < commands.size(); ++i) {
        WriteEntryItem(*commands[i], out);
        blockIndex.emplace_back(commands[i], static_cast<std::int32_t>(i));
    }
    // A command copied twice keeps its first block index.
    std::stable_sort(blockIndex.begin(), blockIndex.end(),
                     [](const auto& a, const auto& b) { return std::less<>()(a.first, b.first); });
    for (const SceneEntry* command : commands) {
        const Target target = FindTarget(list, blockIndex, command->GetLinkedObject());
        out.WriteInt(target.inside);
        out.WriteInt(target.index);
    }
    return out.Flush();
}

std::vector<std::uint8_t> WriteCopyBlock(const EntryList& list,
                                         const std::vector<const SceneEntry*>& commands) {
    ByteWriter out;
    if (!WriteCopyBlock(list, commands, out)) {
        return {};
    }
    return out.TakeBytes();
}

CopyBlockContents ReadCopyBlock(const std::uint8_t* data, std::size_t size, EntryList& list) {
    CopyBlockContents contents;
    ByteReader in = ByteReader::Copying(data, size);
    const BlockHead head = ReadVersion(in);
    contents.version = head.version;
    if (head.status != ClipboardReadStatus::kOk) {
        contents.status = head.status;
        return contents;
    }
    in.SetVersion(head.version);
    const std::int32_t count = in.ReadInt();
    if (!in.ok() || count < 0 ||
        static_cast<std::size_t>(count) > in.Remaining() / kSmallestCommand) {
        contents.status = ClipboardReadStatus::kMalformed;
        return contents;
    }

    std::vector<std::unique_ptr<SceneEntry>> commands;
    commands.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count && in.ok(); ++i) {
        std::unique_ptr<SceneEntry> command = ReadEntryItem(in);
        if (command) {
            commands.push_back(std::move(command));
        }
    }
    std::vector<Target> targets(in.ok() ? commands.size() : 0);
    for (Target& target : targets) {
        target.inside = in.ReadInt();
        target.index = in.ReadInt();
    }
    if (!in.ok()) {
        contents.status = ClipboardReadStatus::kMalformed;
        return contents;
    }

    for (std::size_t i = 0; i < commands.size(); ++i) {
        SceneEntry& command = *commands[i];
        const Target& target = targets[i];
        if (target.index < 0) {
            continue;
        }
        const auto at = static_cast<std::size_t>(target.index);
        if (target.inside == 1) {
            // SetObject itself refuses an object of the wrong kind.
            if (at < commands.size()) {
                command.SetObject(commands[at].get());
            }
        } else if (target.inside == 0 && at < list.Count()) {
            SceneEntry& object = list.At(at);
            if (KindsFit(command.Kind(), object.Kind())) {
                command.SetObject(&object);
            }
        }
    }
    contents.commands = std::move(commands);
    return contents;
}

// ---- "MoveScene1.0" ----

std::vector<std::uint8_t> WriteMoveBlock(const std::vector<std::int32_t>& indices) {
    ByteWriter out;
    out.WriteFloat(kSceneVersion);
    out.WriteInt(static_cast<std::int32_t>(indices.size()));
    for (auto it = indices.rbegin(); it != indices.rend(); ++it) {
        out.WriteInt(*it);
    }
    return out.TakeBytes();
}

MoveBlockContents ReadMoveBlock(const std::uint8_t* data, std::size_t size, std::size_t listCount) {
    MoveBlockContents contents;
    ByteReader in = ByteReader::Copying(data, size);
    const BlockHead head = ReadVersion(in);
    contents.version = head.version;
    if (head.status != ClipboardReadStatus::kOk) {
        contents.status = head.status;
        return contents;
    }
    const std::int32_t count = in.ReadInt();
    if (!in.ok() || count < 0 || static_cast<std::size_t>(count) > in.Remaining() / 4) {
        contents.status = ClipboardReadStatus::kMalformed;
        return contents;
    }
    std::vector<std::int32_t> indices;
    indices.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t index = in.ReadInt();
        const bool inList = index >= 0 && static_cast<std::size_t>(index) < listCount;
        const bool falling = indices.empty() || index < indices.back();
        if (!inList || !falling) {
            contents.status = ClipboardReadStatus::kMalformed;
            return contents;
        }
        indices.push_back(index);
    }
    contents.indices = std::move(indices);
    return contents;
}

// ---- "LinkScene1.0" ----

std::vector<std::uint8_t> WriteLinkBlock(std::uint32_t reference) {
    ByteWriter out;
    out.WriteFloat(kSceneVersion);
    out.WriteDword(reference);
    return out.TakeBytes();
}

LinkBlockContents ReadLinkBlock(const std::uint8_t* data, std::size_t size) {
    LinkBlockContents contents;
    ByteReader in = ByteReader::Copying(data, size);
    const BlockHead head = ReadVersion(in);
    contents.version = head.version;
    if (head.status != ClipboardReadStatus::kOk) {
        contents.status = head.status;
        return contents;
    }
    contents.reference = in.ReadDword();
    if (!in.ok()) {
        contents.status = ClipboardReadStatus::kMalformed;
        contents.reference = 0;
    }
    return contents;
}

EntryReferences::EntryReferences() {
    // Differs between processes (start time, and the address where this object lives).
    const auto ticks =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    const auto address = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(this));
    const std::uint64_t mixed = (ticks ^ (address >> 4)) * 0x9E3779B97F4A7C15ull;
    next_ = static_cast<std::uint32_t>(mixed >> 32);
}

std::uint32_t EntryReferences::Register(const SceneEntry& entry) {
    ++next_;
    if (next_ == 0) {
        ++next_;
    }
    current_ = next_;
    entry_ = &entry;
    return current_;
}

SceneEntry* EntryReferences::Resolve(std::uint32_t reference, EntryList& list) const {
    if (!entry_ || reference == 0 || reference != current_) {
        return nullptr;
    }
    const std::ptrdiff_t at = list.Find(entry_);
    return at < 0 ? nullptr : &list.At(static_cast<std::size_t>(at));
}

void EntryReferences::Clear() {
    current_ = 0;
    entry_ = nullptr;
}

}  // namespace vl
