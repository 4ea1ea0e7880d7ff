#include "scene/entry_list.h"

namespace vl {

void EntryList::Append(std::unique_ptr<SceneEntry> entry) {
    entries_.push_back(std::move(entry));
}

void EntryList::Insert(std::size_t index, std::unique_ptr<SceneEntry> entry) {
    if (index > entries_.size()) {
        index = entries_.size();
    }
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(index), std::move(entry));
}

std::unique_ptr<SceneEntry> EntryList::Detach(std::size_t index) {
    std::unique_ptr<SceneEntry> entry = std::move(entries_[index]);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    return entry;
}

void EntryList::Destroy(std::size_t index) {
    Detach(index).reset();
}

void EntryList::Clear() {
    // In list order, as the document's DeleteContents does; either order of object and user is
    // safe because each side unlinks the other.
    for (std::unique_ptr<SceneEntry>& entry : entries_) {
        entry.reset();
    }
    entries_.clear();
}

void EntryList::Renumber() {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        entries_[i]->index = static_cast<std::int32_t>(i);
    }
}

std::ptrdiff_t EntryList::Find(const SceneEntry* entry) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].get() == entry) {
            return static_cast<std::ptrdiff_t>(i);
        }
    }
    return -1;
}

}  // namespace vl
