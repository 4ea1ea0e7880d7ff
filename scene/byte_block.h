// An immutable, shared block of bytes: the complete picture or media file inside an entry.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace vl {

// Copies share the bytes, so assigning an entry with a 100 MB video costs nothing. A block read
// from a scene file points into the file's buffer and keeps that buffer alive, which is what
// keeps reading a large scene within little more than the file's size.
class ByteBlock {
  public:
    ByteBlock() = default;
    ByteBlock(std::shared_ptr<const std::uint8_t> data, std::size_t size)
        : data_(size ? std::move(data) : nullptr), size_(data_ ? size : 0) {}

    static ByteBlock Adopt(std::vector<std::uint8_t> bytes);
    static ByteBlock Copy(const void* data, std::size_t size);

    const std::uint8_t* data() const { return data_.get(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const std::uint8_t* begin() const { return data_.get(); }
    const std::uint8_t* end() const { return data_.get() + size_; }

    bool SameBytes(const ByteBlock& other) const;

  private:
    std::shared_ptr<const std::uint8_t> data_;
    std::size_t size_ = 0;
};

}  // namespace vl
