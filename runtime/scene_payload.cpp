#include "runtime/scene_payload.h"

#include <utility>

#include "scene/scene_file.h"

namespace vl {
namespace {

constexpr std::size_t kLeadWordBytes = 4;

}  // namespace

bool ReadScenePayload(SharedBytes bytes, EntryList& entries, ScenePayload& payload) {
    entries.Clear();
    // The reader takes an empty file for an empty scene; after the lead word the builder always
    // writes a whole scene file, so nothing there means no payload.
    if (!bytes || bytes->size() <= kLeadWordBytes)
        return false;
    const std::uint8_t* lead = bytes->data();
    payload.leadWord =
        static_cast<std::uint32_t>(lead[0]) | static_cast<std::uint32_t>(lead[1]) << 8 |
        static_cast<std::uint32_t>(lead[2]) << 16 | static_cast<std::uint32_t>(lead[3]) << 24;
    if (!ReadSceneFile(std::move(bytes), entries, kLeadWordBytes).ok()) {
        entries.Clear();
        return false;
    }
    return true;
}

}  // namespace vl
