// Writing scene files: only the builder and the tools write; Glint reads.
#include "scene/messages.h"
#include "scene/scene_file.h"

namespace vl {

void WriteEntryItem(const SceneEntry& entry, ByteWriter& out) {
    out.WriteInt(entry.Kind());
    entry.Write(out);
}

bool WriteSceneFile(EntryList& entries, ByteWriter& out) {
    entries.Renumber();
    out.WriteText(msg::kSceneSignature);
    out.WriteFloat(kSceneVersion);
    out.WriteDword(static_cast<std::uint32_t>(entries.Count()));
    for (std::size_t i = 0; i < entries.Count(); ++i) {
        WriteEntryItem(entries.At(i), out);
    }
    std::vector<std::int32_t> indices;
    for (std::size_t i = 0; i < entries.Count(); ++i) {
        const SceneEntry& object = entries.At(i);
        if (!object.IsObjectDefinition()) {
            continue;
        }
        // Only users that stand in this list can be written as indices.
        indices.clear();
        for (const SceneEntry* user : object.Users()) {
            if (user->index >= 0 && static_cast<std::size_t>(user->index) < entries.Count() &&
                &entries.At(static_cast<std::size_t>(user->index)) == user) {
                indices.push_back(user->index);
            }
        }
        out.WriteDword(static_cast<std::uint32_t>(indices.size()));
        for (std::int32_t index : indices) {
            out.WriteInt(index);
        }
    }
    return out.Flush();
}

std::vector<std::uint8_t> SaveSceneFile(EntryList& entries) {
    ByteWriter out;
    if (!WriteSceneFile(entries, out)) {
        return {};
    }
    return out.TakeBytes();
}

}  // namespace vl
