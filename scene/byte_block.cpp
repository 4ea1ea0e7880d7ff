#include "scene/byte_block.h"

#include <cstring>

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

bool ByteBlock::SameBytes(const ByteBlock& other) const {
    return size_ == other.size_ && (size_ == 0 || std::memcmp(data(), other.data(), size_) == 0);
}

}  // namespace vl
