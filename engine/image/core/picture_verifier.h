// Decodes a scene's pictures in the background, one at a time, into the session's set of verified
// pictures: the check before the first preview of a scene just opened then finds them decoded
// already, and a scene of a hundred photos previews at once instead of after decoding them all.
// The check still decodes whatever is not done yet, so nothing is previewed or packaged unchecked.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "engine/image/core/verified_pictures.h"
#include "scene/entry_list.h"

namespace vl {

class PictureVerifier {
  public:
    // `onThreadStart` runs first on the worker (the builder lowers its priority there).
    explicit PictureVerifier(VerifiedPictures& verified,
                             std::function<void()> onThreadStart = nullptr);
    // Finishes the picture being decoded, if any, and drops the rest.
    ~PictureVerifier();
    PictureVerifier(const PictureVerifier&) = delete;
    PictureVerifier& operator=(const PictureVerifier&) = delete;

    // Queues every picture of entries that is neither verified nor waiting already. Waiting
    // blocks are held weakly: a picture deleted before its turn is skipped, its bytes not kept.
    void Offer(const EntryList& entries);
    // Blocks until nothing waits or is being decoded.
    void WaitUntilIdle();

  private:
    struct Pending {
        std::weak_ptr<const std::uint8_t> bytes;
        std::size_t size;
        const std::uint8_t* at;  // for telling queued blocks apart, never read through
    };
    void Run();

    VerifiedPictures& verified_;
    std::function<void()> onThreadStart_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Pending> queue_;
    bool busy_ = false;
    bool stop_ = false;
    std::thread thread_;  // started with the first picture offered
};

}  // namespace vl
