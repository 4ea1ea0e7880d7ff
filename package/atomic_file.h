// A file that appears at its target only once it is complete. The bytes go into a temporary file
// in the target's folder (so that the final move stays on one volume); Commit moves it into place
// in one step. Until then the target keeps its old content, and an uncommitted temporary file is
// removed when the object goes away.
#pragma once

#include <cstdint>
#include <string>

#include "package/output_file.h"

namespace vl {

// Whether Commit waits until the bytes are on the disk before moving the file into place. Made
// programs do: they must survive a power cut whole. Scene files the tool rewrites leave it to the
// system: they run to hundreds of megabytes, and the move alone already keeps a failed write
// from spoiling the old file.
enum class CommitCache {
    kWriteThrough,
    kCached,
};

enum class CommitResult {
    kDone,
    kTargetExists,  // refused: the target exists and replacing it was not allowed
    kFailed,
};

class AtomicFile : public OutputFile {
  public:
    AtomicFile() = default;
    ~AtomicFile() override;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the temporary file beside target; false when the folder takes no new file.
    bool Begin(const std::string& target);

    bool Append(const void* data, std::size_t size) override;
    bool WriteAt(std::uint64_t offset, const void* data, std::size_t size) override;
    std::uint64_t Size() const override { return size_; }

    // Closes the temporary file and moves it to the target, replacing an existing target only
    // when replace is true. After any result the temporary file is gone.
    CommitResult Commit(bool replace, CommitCache cache = CommitCache::kWriteThrough);
    // Drops the temporary file; the target stays as it was.
    void Abandon();

    const std::string& TemporaryPath() const { return temporary_; }

  private:
    bool Seek(std::uint64_t offset);
    bool WriteRaw(const void* data, std::size_t size);
    void Close();
    CommitResult MoveInPlace(bool replace, CommitCache cache);

    std::string target_;
    std::string temporary_;
    std::uint64_t size_ = 0;
    std::uint64_t position_ = 0;
    bool failed_ = false;  // a write failed: the file must not be committed
#ifdef _WIN32
    void* handle_ = reinterpret_cast<void*>(-1);  // owned: the temporary file's HANDLE
#else
    int descriptor_ = -1;  // owned: the temporary file
#endif
};

}  // namespace vl
