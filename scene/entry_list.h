// The scene's entry list: owns its entries, in scene order.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "scene/entry.h"

namespace vl {

class EntryList {
  public:
    EntryList() = default;
    ~EntryList() { Clear(); }
    EntryList(const EntryList&) = delete;
    EntryList& operator=(const EntryList&) = delete;

    std::size_t Count() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }
    SceneEntry& At(std::size_t index) { return *entries_[index]; }
    const SceneEntry& At(std::size_t index) const { return *entries_[index]; }

    void Append(std::unique_ptr<SceneEntry> entry);
    // index may be Count() (append).
    void Insert(std::size_t index, std::unique_ptr<SceneEntry> entry);
    // Takes the entry out of the list without destroying it; its links stay.
    std::unique_ptr<SceneEntry> Detach(std::size_t index);
    // Destroys the entry: a command leaves its object's users, an object unlinks its users.
    void Destroy(std::size_t index);
    // Destroys every entry in list order.
    void Clear();
    // Exchanges the entries of the two lists; links between entries stay as they are.
    void Swap(EntryList& other) { entries_.swap(other.entries_); }
    // index := list position for every entry.
    void Renumber();
    // The position of entry in this list, or -1.
    std::ptrdiff_t Find(const SceneEntry* entry) const;

  private:
    std::vector<std::unique_ptr<SceneEntry>> entries_;
};

}  // namespace vl
