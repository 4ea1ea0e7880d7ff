// Folders of a test's own: a fresh one under the temporary folder, and the temporary folder
// pointed somewhere else for the programs and code that write there.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vl::test {

// A fresh folder under the temporary folder, removed with its files at the end.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string Path(const std::string& file) const { return path_ + "\\" + file; }
    // Writes the file in the folder; returns its path.
    std::string Write(const std::string& file, const std::vector<std::uint8_t>& bytes) const;
    // The names of the files in it, sorted.
    std::vector<std::string> Files() const;

  private:
    std::string path_;
};

// Points the temporary folder (TMP and TEMP) of this process, and of the programs it starts, at
// folder for its lifetime.
class TemporaryFolderOverride {
  public:
    explicit TemporaryFolderOverride(const std::string& folder);
    ~TemporaryFolderOverride();
    TemporaryFolderOverride(const TemporaryFolderOverride&) = delete;
    TemporaryFolderOverride& operator=(const TemporaryFolderOverride&) = delete;

  private:
    std::string oldTmp_;
    std::string oldTemp_;
};

}  // namespace vl::test
