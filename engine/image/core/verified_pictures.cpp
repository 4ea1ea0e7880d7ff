#include "engine/image/core/verified_pictures.h"

#include <algorithm>

namespace vl {

namespace {

bool SameOwner(const std::weak_ptr<const std::uint8_t>& a,
               const std::weak_ptr<const std::uint8_t>& b) {
    return !a.owner_before(b) && !b.owner_before(a);
}

}  // namespace

bool VerifiedPictures::Holds(const ByteBlock& block,
                             const std::weak_ptr<const std::uint8_t>& owner) const {
    const auto range = blocks_.equal_range(block.data());
    return std::any_of(range.first, range.second, [&](const auto& item) {
        return item.second.size == block.size() && !item.second.owner.expired() &&
               SameOwner(item.second.owner, owner);
    });
}

bool VerifiedPictures::Contains(const ByteBlock& block) const {
    if (block.empty())
        return false;
    std::lock_guard<std::mutex> lock(mutex_);
    return Holds(block, block.Watch());
}

void VerifiedPictures::Add(const ByteBlock& block) {
    if (block.empty())
        return;
    const std::weak_ptr<const std::uint8_t> owner = block.Watch();
    std::lock_guard<std::mutex> lock(mutex_);
    if (Holds(block, owner))
        return;
    // Sweeping when the count doubles keeps the set near the live pictures' count at a constant
    // cost per addition.
    if (blocks_.size() >= sweepAt_) {
        DropDeadBlocks();
        sweepAt_ = std::max(kFirstSweep, 2 * blocks_.size());
    }
    blocks_.emplace(block.data(), Watched{owner, block.size()});
}

std::size_t VerifiedPictures::LiveCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<std::size_t>(
        std::count_if(blocks_.begin(), blocks_.end(),
                      [](const auto& item) { return !item.second.owner.expired(); }));
}

void VerifiedPictures::DropDeadBlocks() {
    for (auto item = blocks_.begin(); item != blocks_.end();) {
        if (item->second.owner.expired())
            item = blocks_.erase(item);
        else
            ++item;
    }
}

}  // namespace vl
