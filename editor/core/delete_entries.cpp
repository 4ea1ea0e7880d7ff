#include "editor/core/delete_entries.h"

#include <cstddef>
#include <memory>
#include <unordered_set>

#include "scene/entry.h"

namespace vl {

void DeleteEntries(EntryList& list, const std::vector<int>& positions) {
    const std::size_t count = list.Count();
    std::vector<bool> doomed(count, false);
    std::unordered_set<const SceneEntry*> doomedEntries;
    for (int position : positions) {
        if (position >= 0 && static_cast<std::size_t>(position) < count &&
            !doomed[static_cast<std::size_t>(position)]) {
            doomed[static_cast<std::size_t>(position)] = true;
            doomedEntries.insert(&list.At(static_cast<std::size_t>(position)));
        }
    }
    if (doomedEntries.empty()) {
        return;
    }
    const auto isDoomed = [&](const SceneEntry& entry) { return doomedEntries.count(&entry) != 0; };

    // Links first, each in one pass, so that destroying an entry afterwards touches no other: a
    // destroyed object lets go of all its users; a surviving object of destroyed commands drops
    // just those.
    std::vector<SceneEntry*> survivingObjects;
    std::unordered_set<const SceneEntry*> listed;
    for (std::size_t i = 0; i < count; ++i) {
        if (!doomed[i]) {
            continue;
        }
        SceneEntry& entry = list.At(i);
        if (entry.IsObjectDefinition()) {
            entry.RemoveUsersIf([](const SceneEntry&) { return true; });
            continue;
        }
        SceneEntry* object = entry.GetLinkedObject();
        if (object && !isDoomed(*object) && listed.insert(object).second) {
            survivingObjects.push_back(object);
        }
    }
    for (SceneEntry* object : survivingObjects) {
        object->RemoveUsersIf(isDoomed);
    }

    // Taking entries from the end of the list costs no shifting; the doomed ones are destroyed on
    // the way, the highest first, and the others go back in their order.
    std::vector<std::unique_ptr<SceneEntry>> kept;
    kept.reserve(count - doomedEntries.size());
    for (std::size_t i = count; i-- > 0;) {
        std::unique_ptr<SceneEntry> entry = list.Detach(i);
        if (!doomed[i]) {
            kept.push_back(std::move(entry));
        }
    }
    for (std::size_t i = kept.size(); i-- > 0;) {
        list.Append(std::move(kept[i]));
    }
}

}  // namespace vl
