// A whole file's bytes in one block, as the readers of scene files, screen savers and installers
// take them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace vl {

// The block is handed out uninitialised: a file read into it costs one copy, not a zero fill of
// the whole block followed by the copy (with pictures and media that is hundreds of megabytes).
// Blocks read from it (ByteBlock) share its ownership, so it lives as long as any of them.
class ByteBuffer {
  public:
    // nullptr when there is not enough memory; the bytes are undefined until written.
    static std::shared_ptr<ByteBuffer> Allocate(std::size_t size);
    static std::shared_ptr<ByteBuffer> Copy(const void* data, std::size_t size);

    ~ByteBuffer();
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;

    std::uint8_t* data() { return data_; }
    const std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }
    const std::uint8_t* begin() const { return data_; }
    const std::uint8_t* end() const { return data_ + size_; }

  private:
    ByteBuffer() = default;

    std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    bool mapped_ = false;  // from the system's page allocator rather than the heap
};

using SharedBytes = std::shared_ptr<ByteBuffer>;

}  // namespace vl
