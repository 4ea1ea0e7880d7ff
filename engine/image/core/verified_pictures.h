// The picture blocks that decoded in this builder session, so that the check before a preview or
// a package decodes each picture once instead of every time. A block's bytes never change and are
// shared, so the block itself is the key: held weakly, it keeps no deleted picture's bytes alive,
// and a new block at a freed address is a different owner, never mistaken for the old one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "scene/byte_block.h"

namespace vl {

class VerifiedPictures {
  public:
    // True when these very bytes decoded before; equal bytes in another block do not count.
    bool Contains(const ByteBlock& block) const;
    // Remembers a block that decoded; call it only after a successful decode.
    void Add(const ByteBlock& block);
    // Blocks remembered whose bytes are still alive.
    std::size_t LiveCount() const;

  private:
    struct Watched {
        std::weak_ptr<const std::uint8_t> owner;
        std::size_t size;
    };
    bool Holds(const ByteBlock& block, const std::weak_ptr<const std::uint8_t>& owner) const;
    void DropDeadBlocks();

    // The picture dialog and the wizard may add from their own threads.
    mutable std::mutex mutex_;
    std::unordered_multimap<const std::uint8_t*, Watched> blocks_;
    std::size_t sweepAt_ = kFirstSweep;
    static constexpr std::size_t kFirstSweep = 64;
};

}  // namespace vl
