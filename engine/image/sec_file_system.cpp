#include "engine/image/sec_file_system.h"

#include <cstdio>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

bool SECFileSystem::ReadFileBytes(const std::string& path, std::vector<std::uint8_t>& out) {
    out.clear();
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return false;
    if (std::fseek(file.get(), 0, SEEK_END) != 0)
        return false;
    const long length = std::ftell(file.get());
    if (length < 0 || static_cast<unsigned long>(length) > kMaxFileBytes)
        return false;
    if (std::fseek(file.get(), 0, SEEK_SET) != 0)
        return false;
    out.resize(static_cast<std::size_t>(length));
    if (length > 0 && std::fread(out.data(), 1, out.size(), file.get()) != out.size()) {
        out.clear();
        return false;
    }
    return true;
}

bool SECFileSystem::WriteFileBytes(const std::string& path,
                                   const std::vector<std::uint8_t>& bytes) {
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return false;
    return std::fclose(file.release()) == 0;
}

std::string SECFileSystem::GetExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/:");
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string extension = path.substr(dot + 1);
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return extension;
}
