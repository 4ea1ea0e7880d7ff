// The four most recently opened or saved scene files, most recent first, kept in the section
// "Recent File List" as "File1" .. "File4".
#pragma once

#include <string>
#include <vector>

#include "app/core/settings_store.h"

namespace vl {

inline constexpr char kRecentFileSection[] = "Recent File List";
inline constexpr std::size_t kRecentFileLimit = 4;

// Windows paths name the same file whatever the case of their letters.
bool SamePath(const std::string& a, const std::string& b);

class RecentFiles {
  public:
    // Puts `path` first; the same path listed further down (in any case) moves up instead of
    // appearing twice, and the oldest entry falls off a full list. An empty path is ignored.
    void Add(const std::string& path);
    // Drops `path` from the list (a file that could not be opened).
    void Remove(const std::string& path);

    const std::vector<std::string>& Entries() const { return entries_; }

    // Reads "File1" .. "File4" in order, skipping missing and empty values and repeats.
    void Load(const ISettingsStore& store);
    // Writes the entries as "File1" onwards and removes the numbers beyond them.
    bool Save(ISettingsStore& store) const;

  private:
    std::vector<std::string> entries_;
};

}  // namespace vl
