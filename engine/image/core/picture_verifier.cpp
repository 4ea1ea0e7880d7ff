#include "engine/image/core/picture_verifier.h"

#include <algorithm>
#include <utility>

#include "engine/image/core/decoding_preparer.h"
#include "scene/entries.h"

namespace vl {

PictureVerifier::PictureVerifier(VerifiedPictures& verified, std::function<void()> onThreadStart)
    : verified_(verified), onThreadStart_(std::move(onThreadStart)) {}

PictureVerifier::~PictureVerifier() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
        queue_.clear();
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void PictureVerifier::Offer(const EntryList& entries) {
    bool added = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        // Last picture first: a check started at once goes from the first, and the two meet
        // halfway instead of decoding the same pictures side by side.
        for (std::size_t i = entries.Count(); i-- > 0;) {
            const auto* image = EntryAs<ImageEntry>(&entries.At(i));
            if (!image || image->IsTextObject() || image->data.empty() ||
                verified_.Contains(image->data))
                continue;
            const ByteBlock& data = image->data;
            const bool waiting = std::any_of(queue_.begin(), queue_.end(), [&](const Pending& p) {
                return p.at == data.data() && p.size == data.size() && !p.bytes.expired();
            });
            if (!waiting) {
                queue_.push_back(Pending{data.Watch(), data.size(), data.data()});
                added = true;
            }
        }
        if (added && !thread_.joinable())
            thread_ = std::thread([this] { Run(); });
    }
    if (added)
        wake_.notify_one();
}

void PictureVerifier::WaitUntilIdle() {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return queue_.empty() && !busy_; });
}

void PictureVerifier::Run() {
    if (onThreadStart_)
        onThreadStart_();
    DecodingPreparer preparer(&verified_);
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        if (queue_.empty())
            idle_.notify_all();
        wake_.wait(lock, [this] { return stop_ || !queue_.empty(); });
        if (stop_)
            return;
        Pending next = std::move(queue_.front());
        queue_.pop_front();
        std::shared_ptr<const std::uint8_t> bytes = next.bytes.lock();
        if (!bytes)
            continue;  // deleted before its turn
        busy_ = true;
        lock.unlock();
        {
            // The preparer decodes as the check does and remembers the block when it decodes;
            // a failure is left for the check to report.
            ImageEntry picture;
            picture.data = ByteBlock(std::move(bytes), next.size);
            preparer.PrepareImage(picture);
        }
        lock.lock();
        busy_ = false;
    }
}

}  // namespace vl
