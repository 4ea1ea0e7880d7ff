// Reading a file into a buffer of its size while a ByteReader works through it.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

#include "package/c_files.h"
#include "scene/byte_stream.h"

namespace vl {

// The first half of a large file is read here as the reader asks for it, so its bytes are still
// in the processor's cache when the reader restores them; a helper thread reads the second half
// at the same time. Copying out of the system's file cache runs at one core's speed, so two
// readers fill the buffer in about half the time.
class FileSource : public ByteSource {
  public:
    // file is open at its start (not owned); buffer has the file's size. The helper opens path
    // again for itself.
    FileSource(const std::string& path, std::FILE* file, SharedBytes buffer);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    std::size_t Reach(std::size_t end) override;
    // Whether the file ended early or failed while being read.
    bool Short() const { return short_; }

  private:
    void ReadSecondHalf(const std::string& path);

    std::FILE* file_;
    SharedBytes buffer_;
    std::size_t middle_;  // where the helper's half begins; the size when there is no helper
    std::size_t filled_ = 0;
    bool short_ = false;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t helperFilled_ = 0;  // from middle_ on
    bool helperEnded_ = false;      // finished or failed; guarded by mutex_
    bool stop_ = false;             // guarded by mutex_
    std::thread helper_;
};

}  // namespace vl
