#include "scene/byte_block.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "scene/byte_stream.h"

namespace vl {

ByteBlock ByteBlock::Adopt(std::vector<std::uint8_t> bytes) {
    if (bytes.empty()) {
        return {};
    }
    auto owner = std::make_shared<std::vector<std::uint8_t>>(std::move(bytes));
    const std::uint8_t* start = owner->data();
    std::size_t size = owner->size();
    return ByteBlock(std::shared_ptr<const std::uint8_t>(std::move(owner), start), size);
}

ByteBlock ByteBlock::Copy(const void* data, std::size_t size) {
    if (size == 0) {
        return {};
    }
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    return Adopt(std::vector<std::uint8_t>(bytes, bytes + size));
}

ByteBlock ByteBlock::KeptScrambled(std::shared_ptr<const std::uint8_t> data, std::size_t size) {
    ByteBlock block(std::move(data), size);
    block.scrambled_ = block.size_ != 0;
    return block;
}

ByteBlock ByteBlock::Plain() const {
    return scrambled_ ? PlainPrefix(size_) : *this;
}

ByteBlock ByteBlock::PlainPrefix(std::size_t count) const {
    count = std::min(count, size_);
    if (!scrambled_) {
        return count == size_ ? *this : ByteBlock(data_, count);
    }
    if (count == 0) {
        return {};
    }
    // The shift belongs to the whole block's size, not to the prefix's.
    std::shared_ptr<std::uint8_t> bytes(new (std::nothrow) std::uint8_t[count],
                                        std::default_delete<std::uint8_t[]>());
    if (!bytes) {
        return {};
    }
    RestoreScrambled(data(), bytes.get(), count, size_);
    return ByteBlock(std::move(bytes), count);
}

bool ByteBlock::SameBytes(const ByteBlock& other) const {
    if (scrambled_ || other.scrambled_) {
        return size_ == other.size_ && Plain().SameBytes(other.Plain());
    }
    return size_ == other.size_ && (size_ == 0 || std::memcmp(data(), other.data(), size_) == 0);
}

}  // namespace vl
