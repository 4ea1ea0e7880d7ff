#include <windows.h>

#include "package/atomic_file.h"

namespace vl {
namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\/");
    if (separator == std::string::npos)
        return ".";
    // "C:\name" keeps the root's backslash.
    if (separator == 2 && path[1] == ':')
        return path.substr(0, 3);
    return path.substr(0, separator);
}

HANDLE AsHandle(void* handle) {
    return static_cast<HANDLE>(handle);
}

}  // namespace

AtomicFile::~AtomicFile() {
    Abandon();
}

bool AtomicFile::Begin(const std::string& target) {
    Abandon();
    target_ = target;
    char name[MAX_PATH];
    // Creates the empty file, which reserves the unique name.
    if (!GetTempFileNameA(FolderOf(target).c_str(), "vl", 0, name))
        return false;
    temporary_ = name;
    handle_ =
        CreateFileA(name, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (AsHandle(handle_) == INVALID_HANDLE_VALUE) {
        Abandon();
        return false;
    }
    size_ = position_ = 0;
    failed_ = false;
    return true;
}

bool AtomicFile::Seek(std::uint64_t offset) {
    if (position_ == offset)
        return true;
    LARGE_INTEGER to;
    to.QuadPart = static_cast<LONGLONG>(offset);
    if (!SetFilePointerEx(AsHandle(handle_), to, nullptr, FILE_BEGIN))
        return false;
    position_ = offset;
    return true;
}

bool AtomicFile::WriteRaw(const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        // One call for anything a DWORD can count, which is every file the builder makes.
        const DWORD wanted = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(AsHandle(handle_), bytes, wanted, &written, nullptr) || written != wanted)
            return false;
        bytes += written;
        size -= written;
        position_ += written;
    }
    return true;
}

bool AtomicFile::Append(const void* data, std::size_t size) {
    if (AsHandle(handle_) == INVALID_HANDLE_VALUE || failed_)
        return false;
    if (!Seek(size_) || !WriteRaw(data, size)) {
        failed_ = true;
        return false;
    }
    size_ += size;
    return true;
}

bool AtomicFile::WriteAt(std::uint64_t offset, const void* data, std::size_t size) {
    if (AsHandle(handle_) == INVALID_HANDLE_VALUE || failed_ || offset + size > size_)
        return false;
    if (!Seek(offset) || !WriteRaw(data, size)) {
        failed_ = true;
        return false;
    }
    return true;
}

void AtomicFile::Close() {
    if (AsHandle(handle_) != INVALID_HANDLE_VALUE)
        CloseHandle(AsHandle(handle_));
    handle_ = INVALID_HANDLE_VALUE;
}

CommitResult AtomicFile::Commit(bool replace, CommitCache cache) {
    if (AsHandle(handle_) == INVALID_HANDLE_VALUE || failed_) {
        Abandon();
        return CommitResult::kFailed;
    }
    const bool flushed =
        cache == CommitCache::kCached || FlushFileBuffers(AsHandle(handle_)) != FALSE;
    const bool closed = CloseHandle(AsHandle(handle_)) != FALSE;
    handle_ = INVALID_HANDLE_VALUE;
    if (!flushed || !closed) {
        Abandon();
        return CommitResult::kFailed;
    }
    const CommitResult result = MoveInPlace(replace, cache);
    Abandon();
    return result;
}

CommitResult AtomicFile::MoveInPlace(bool replace, CommitCache cache) {
    const DWORD flags = (cache == CommitCache::kWriteThrough ? MOVEFILE_WRITE_THROUGH : 0) |
                        (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (!MoveFileExA(temporary_.c_str(), target_.c_str(), flags)) {
        const DWORD error = GetLastError();
        return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS
                   ? CommitResult::kTargetExists
                   : CommitResult::kFailed;
    }
    temporary_.clear();  // it is the target now
    return CommitResult::kDone;
}

void AtomicFile::Abandon() {
    Close();
    if (!temporary_.empty())
        DeleteFileA(temporary_.c_str());
    temporary_.clear();
    size_ = position_ = 0;
    failed_ = false;
}

}  // namespace vl
