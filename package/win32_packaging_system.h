// The packaging commands' view of Windows: the images carried as resources of the running
// program, files, the system folder and WinExec. The builder adds what its settings decide.
#pragma once

#include <windows.h>

#include <string>

#include "package/packaging_seams.h"

namespace vl {

class Win32PackagingSystem : public PackagingSystem {
  public:
    // module holds the resources "FILE" "#271" and "#274"; nullptr means the program itself.
    explicit Win32PackagingSystem(HMODULE module = nullptr);

    ByteView RuntimeImage() override;
    ByteView StubImage() override;
    bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes) override;
    bool ReadFileQuietly(const std::string& path, std::vector<std::uint8_t>& bytes) override;
    bool FileExists(const std::string& path) override;
    // The builder's settings and folders answer CustomImageEnabled and CustomImageFolder.
    std::string SystemFolder() override;
    void StartCommand(const std::string& commandLine) override;

  private:
    ByteView Resource(const char* name);

    HMODULE module_;  // not owned
};

}  // namespace vl
