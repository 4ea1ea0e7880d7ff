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
//
// A block read from a file that is only mapped for reading (a screen saver's own file) is left
// scrambled where it lies: a slideshow's photos are then neither read nor restored before play,
// and only the picture being decoded is held in memory. Such a block is Scrambled(); whoever
// reads its bytes takes Plain() (or PlainPrefix()) first. Blocks of every other origin are plain,
// and for them both cost nothing.
class ByteBlock {
  public:
    ByteBlock() = default;
    ByteBlock(std::shared_ptr<const std::uint8_t> data, std::size_t size)
        : data_(size ? std::move(data) : nullptr), size_(data_ ? size : 0) {}

    static ByteBlock Adopt(std::vector<std::uint8_t> bytes);
    static ByteBlock Copy(const void* data, std::size_t size);
    // Bytes as a scene file stores them, restored only when read.
    static ByteBlock KeptScrambled(std::shared_ptr<const std::uint8_t> data, std::size_t size);

    bool Scrambled() const { return scrambled_; }
    // The block's own bytes in a block of their own; the block itself when it is plain. Empty
    // when there is no memory for them.
    ByteBlock Plain() const;
    // At most the first `count` bytes, plain; for judging a picture by its header.
    ByteBlock PlainPrefix(std::size_t count) const;

    // The stored bytes: scrambled ones when Scrambled().
    const std::uint8_t* data() const { return data_.get(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const std::uint8_t* begin() const { return data_.get(); }
    const std::uint8_t* end() const { return data_.get() + size_; }

    // Compares the plain bytes.
    bool SameBytes(const ByteBlock& other) const;
    // Follows the bytes without keeping them alive.
    std::weak_ptr<const std::uint8_t> Watch() const { return data_; }

  private:
    std::shared_ptr<const std::uint8_t> data_;
    std::size_t size_ = 0;
    bool scrambled_ = false;
};

}  // namespace vl
