#include "support/scratch_folder.h"

#include <algorithm>

namespace vl::test {
namespace {

std::string Environment(const char* name) {
    char value[MAX_PATH] = "";
    const DWORD length = GetEnvironmentVariableA(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? value : "";
}

void Restore(const char* name, const std::string& value) {
    SetEnvironmentVariableA(name, value.empty() ? nullptr : value.c_str());
}

}  // namespace

ScratchFolder::ScratchFolder() {
    char base[MAX_PATH] = "";
    char unique[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, base);
    GetTempFileNameA(base, "vlt", 0, unique);  // a unique name, made as a file
    DeleteFileA(unique);
    CreateDirectoryA(unique, nullptr);
    path_ = unique;
}

ScratchFolder::~ScratchFolder() {
    for (const std::string& file : Files())
        DeleteFileA(Path(file).c_str());
    RemoveDirectoryA(path_.c_str());
}

std::string ScratchFolder::Write(const std::string& file,
                                 const std::vector<std::uint8_t>& bytes) const {
    const std::string path = Path(file);
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(handle);
    }
    return path;
}

std::vector<std::string> ScratchFolder::Files() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(Path("*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

TemporaryFolderOverride::TemporaryFolderOverride(const std::string& folder)
    : oldTmp_(Environment("TMP")), oldTemp_(Environment("TEMP")) {
    SetEnvironmentVariableA("TMP", folder.c_str());
    SetEnvironmentVariableA("TEMP", folder.c_str());
}

TemporaryFolderOverride::~TemporaryFolderOverride() {
    Restore("TMP", oldTmp_);
    Restore("TEMP", oldTemp_);
}

}  // namespace vl::test
