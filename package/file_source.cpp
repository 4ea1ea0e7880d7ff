#include "package/file_source.h"

#include <algorithm>
#include <system_error>

namespace vl {

namespace {

// Smaller files are read by this thread alone: a thread costs more than it saves there.
constexpr std::size_t kSplitFrom = 16u << 20;
constexpr std::size_t kPiece = 1u << 20;

}  // namespace

FileSource::FileSource(const std::string& path, std::FILE* file, SharedBytes buffer)
    : file_(file), buffer_(std::move(buffer)), middle_(buffer_->size()) {
    if (buffer_->size() < kSplitFrom) {
        return;
    }
    middle_ = buffer_->size() / 2;
    try {
        helper_ = std::thread([this, path] { ReadSecondHalf(path); });
    } catch (const std::system_error&) {
        middle_ = buffer_->size();  // no thread to be had: this one reads everything
    }
}

FileSource::~FileSource() {
    if (helper_.joinable()) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        helper_.join();
    }
}

void FileSource::ReadSecondHalf(const std::string& path) {
    File file(path, "rb");
    bool ok = file && Seek(file.get(), middle_, SEEK_SET);
    std::size_t done = 0;
    const std::size_t size = buffer_->size() - middle_;
    while (ok && done < size) {
        const std::size_t want = std::min(kPiece, size - done);
        const std::size_t got = std::fread(buffer_->data() + middle_ + done, 1, want, file.get());
        ok = got == want;
        done += got;
        std::lock_guard<std::mutex> lock(mutex_);
        helperFilled_ = done;
        ok = ok && !stop_;
        changed_.notify_all();
    }
    std::lock_guard<std::mutex> lock(mutex_);
    helperEnded_ = true;
    changed_.notify_all();
}

std::size_t FileSource::Reach(std::size_t end) {
    end = std::min(end, buffer_->size());
    while (filled_ < std::min(end, middle_) && !short_) {
        const std::size_t want = std::min(middle_ - filled_, std::max(end - filled_, kPiece));
        const std::size_t got = std::fread(buffer_->data() + filled_, 1, want, file_);
        short_ = got < want;
        filled_ += got;
    }
    if (filled_ < middle_) {
        return filled_;
    }
    // The rest is the helper's: wait until it got that far, or ended.
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return middle_ + helperFilled_ >= end || helperEnded_; });
    if (middle_ + helperFilled_ < end) {
        short_ = true;
    }
    return middle_ + helperFilled_;
}

}  // namespace vl
