// SECFileSystem: the file helpers the image library needs: whole files in and out of memory,
// and the name arithmetic used for pictures.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class SECFileSystem {
  public:
    // Files larger than this are not read into memory.
    static constexpr std::size_t kMaxFileBytes = std::size_t{512} << 20;

    static bool ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& out);
    // Creates or replaces the file.
    static bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
    // The extension after the file name's last dot, in lower case; empty when there is none.
    static std::string GetExtension(const std::string& path);
};
