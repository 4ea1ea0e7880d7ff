#include "package/c_files.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#ifdef _WIN32
#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <sys/stat.h>
#include <sys/types.h>
#endif

namespace vl {

bool Seek(std::FILE* file, std::uint64_t offset, int origin) {
#ifdef _WIN32
    return _fseeki64(file, static_cast<__int64>(offset), origin) == 0;
#else
    return fseeko(file, static_cast<off_t>(offset), origin) == 0;
#endif
}

namespace {

bool FileSize(std::FILE* file, std::uint64_t& size) {
    if (!Seek(file, 0, SEEK_END)) {
        return false;
    }
#ifdef _WIN32
    const __int64 end = _ftelli64(file);
#else
    const off_t end = ftello(file);
#endif
    if (end < 0 || !Seek(file, 0, SEEK_SET)) {
        return false;
    }
    size = static_cast<std::uint64_t>(end);
    return true;
}

bool IsDirectory(const std::string& path) {
#ifdef _WIN32
    struct _stat64 info;
    return _stat64(path.c_str(), &info) == 0 && (info.st_mode & _S_IFDIR) != 0;
#else
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
#endif
}

bool MakeOneDirectory(const std::string& path) {
#ifdef _WIN32
    const int result = _mkdir(path.c_str());
#else
    const int result = mkdir(path.c_str(), 0777);
#endif
    return result == 0 || (errno == EEXIST && IsDirectory(path));
}

bool IsSeparator(char c) {
#ifdef _WIN32
    return c == '/' || c == '\\';
#else
    return c == '/';
#endif
}

}  // namespace

bool File::Close() {
    if (!file_) {
        return true;
    }
    const bool ok = std::ferror(file_) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    return ok && closed;
}

bool BeginReading(const std::string& path, File& file, SharedBytes& buffer) {
    file = File(path, "rb");
    std::uint64_t size = 0;
    if (!file || !FileSize(file.get(), size) || size > SIZE_MAX / 2) {
        return false;
    }
    buffer = ByteBuffer::Allocate(static_cast<std::size_t>(size));
    return buffer != nullptr;
}

bool ReadWholeFile(const std::string& path, SharedBytes& out) {
    File file;
    SharedBytes buffer;
    if (!BeginReading(path, file, buffer)) {
        return false;
    }
    if (buffer->size() != 0 &&
        std::fread(buffer->data(), 1, buffer->size(), file.get()) != buffer->size()) {
        return false;
    }
    // A file that grew while being read is read again rather than cut short.
    if (std::fgetc(file.get()) != EOF) {
        return false;
    }
    out = std::move(buffer);
    return true;
}

bool WriteWholeFile(const std::string& path, const void* data, std::size_t size) {
    File file(path, "wb");
    if (!file) {
        return false;
    }
    const bool written = size == 0 || std::fwrite(data, 1, size, file.get()) == size;
    return file.Close() && written;
}

CompareSink::CompareSink(const std::string& path, std::uint64_t offset) : file_(path, "rb") {
    same_ = file_ && Seek(file_.get(), offset, SEEK_SET);
}

bool CompareSink::Put(const std::uint8_t* data, std::size_t size) {
    std::uint8_t piece[64 * 1024];
    while (same_ && size > 0) {
        const std::size_t want = size < sizeof piece ? size : sizeof piece;
        if (std::fread(piece, 1, want, file_.get()) != want || std::memcmp(piece, data, want)) {
            same_ = false;
        }
        data += want;
        size -= want;
    }
    // The writer goes on either way; the answer is in Same().
    return true;
}

bool CompareSink::Same() {
    return same_ && std::fgetc(file_.get()) == EOF;
}

bool SameFile(const std::string& a, const std::string& b) {
#ifdef _WIN32
    char fullA[_MAX_PATH];
    char fullB[_MAX_PATH];
    struct _stat64 info;
    if (_stat64(a.c_str(), &info) != 0 || !_fullpath(fullA, a.c_str(), sizeof fullA) ||
        !_fullpath(fullB, b.c_str(), sizeof fullB)) {
        return false;
    }
    return _stricmp(fullA, fullB) == 0;
#else
    struct stat infoA;
    struct stat infoB;
    return stat(a.c_str(), &infoA) == 0 && stat(b.c_str(), &infoB) == 0 &&
           infoA.st_dev == infoB.st_dev && infoA.st_ino == infoB.st_ino;
#endif
}

bool MakeDirectories(const std::string& dir) {
    if (dir.empty() || IsDirectory(dir)) {
        return !dir.empty();
    }
    // Create every prefix that ends before a separator, then the whole path.
    for (std::size_t i = 1; i < dir.size(); ++i) {
        if (IsSeparator(dir[i]) && !IsSeparator(dir[i - 1]) && dir[i - 1] != ':') {
            const std::string prefix = dir.substr(0, i);
            if (!IsDirectory(prefix) && !MakeOneDirectory(prefix)) {
                return false;
            }
        }
    }
    return MakeOneDirectory(dir);
}

std::string JoinPath(const std::string& dir, const std::string& name) {
    if (dir.empty()) {
        return name;
    }
    if (IsSeparator(dir.back())) {
        return dir + name;
    }
    return dir + '/' + name;
}

void RemoveFile(const std::string& path) {
    std::remove(path.c_str());
}

void SetBinaryStdout() {
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
}

void WriteOut(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void WriteErr(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
}

}  // namespace vl
