#include "app/core/recent_files.h"

#include <algorithm>

namespace vl {

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string ValueName(std::size_t index) {
    return "File" + std::to_string(index + 1);
}

}  // namespace

bool SamePath(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

void RecentFiles::Remove(const std::string& path) {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                  [&](const std::string& entry) { return SamePath(entry, path); }),
                   entries_.end());
}

void RecentFiles::Add(const std::string& path) {
    if (path.empty())
        return;
    Remove(path);
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > kRecentFileLimit)
        entries_.resize(kRecentFileLimit);
}

void RecentFiles::Load(const ISettingsStore& store) {
    entries_.clear();
    for (std::size_t i = 0; i < kRecentFileLimit; ++i) {
        const auto path = store.GetText(kRecentFileSection, ValueName(i));
        if (!path || path->empty())
            continue;
        const bool listed = std::any_of(entries_.begin(), entries_.end(),
                                        [&](const std::string& e) { return SamePath(e, *path); });
        if (!listed)
            entries_.push_back(*path);
    }
}

bool RecentFiles::Save(ISettingsStore& store) const {
    bool written = true;
    for (std::size_t i = 0; i < kRecentFileLimit; ++i) {
        if (i < entries_.size())
            written &= store.SetText(kRecentFileSection, ValueName(i), entries_[i]);
        else
            written &= store.Remove(kRecentFileSection, ValueName(i));
    }
    return written;
}

}  // namespace vl
