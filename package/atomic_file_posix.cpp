#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "package/atomic_file.h"

namespace vl {
namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool Exists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

}  // namespace

AtomicFile::~AtomicFile() {
    Abandon();
}

bool AtomicFile::Begin(const std::string& target) {
    Abandon();
    target_ = target;
    // A hidden name beside the target: same folder, same volume, no clash with real files.
    std::string pattern = FolderOf(target) + "/.vl-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    descriptor_ = mkstemp(name.data());
    if (descriptor_ < 0)
        return false;
    // mkstemp makes it private; a made file should carry the usual permissions.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor_, 0666 & ~mask);
    temporary_ = name.data();
    size_ = position_ = 0;
    failed_ = false;
    return true;
}

bool AtomicFile::Seek(std::uint64_t offset) {
    if (position_ == offset)
        return true;
    if (lseek(descriptor_, static_cast<off_t>(offset), SEEK_SET) < 0)
        return false;
    position_ = offset;
    return true;
}

bool AtomicFile::WriteRaw(const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = write(descriptor_, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
        position_ += static_cast<std::uint64_t>(written);
    }
    return true;
}

bool AtomicFile::Append(const void* data, std::size_t size) {
    if (descriptor_ < 0 || failed_)
        return false;
    if (!Seek(size_) || !WriteRaw(data, size)) {
        failed_ = true;
        return false;
    }
    size_ += size;
    return true;
}

bool AtomicFile::WriteAt(std::uint64_t offset, const void* data, std::size_t size) {
    if (descriptor_ < 0 || failed_ || offset + size > size_)
        return false;
    if (!Seek(offset) || !WriteRaw(data, size)) {
        failed_ = true;
        return false;
    }
    return true;
}

void AtomicFile::Close() {
    if (descriptor_ >= 0)
        close(descriptor_);
    descriptor_ = -1;
}

CommitResult AtomicFile::Commit(bool replace, CommitCache cache) {
    if (descriptor_ < 0 || failed_) {
        Abandon();
        return CommitResult::kFailed;
    }
    const bool synced = cache == CommitCache::kCached || fsync(descriptor_) == 0;
    const bool closed = close(descriptor_) == 0;
    descriptor_ = -1;
    if (!synced || !closed) {
        Abandon();
        return CommitResult::kFailed;
    }
    CommitResult result = CommitResult::kDone;
    if (replace) {
        result = MoveInPlace(true, cache);
    } else if (link(temporary_.c_str(), target_.c_str()) != 0) {
        // link never replaces; where the file system has no links, check and rename instead.
        if (errno == EEXIST || Exists(target_))
            result = CommitResult::kTargetExists;
        else
            result = MoveInPlace(true, cache);
    }
    Abandon();
    return result;
}

CommitResult AtomicFile::MoveInPlace(bool, CommitCache) {
    // Only reached when replacing is allowed or the target was found missing.
    if (rename(temporary_.c_str(), target_.c_str()) != 0)
        return CommitResult::kFailed;
    temporary_.clear();  // it is the target now
    return CommitResult::kDone;
}

void AtomicFile::Abandon() {
    Close();
    if (!temporary_.empty())
        unlink(temporary_.c_str());
    temporary_.clear();
    size_ = position_ = 0;
    failed_ = false;
}

}  // namespace vl
