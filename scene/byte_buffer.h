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
    // What holds bytes the buffer does not own (a file mapped for reading); destroyed with the
    // buffer, it gives them back.
    class Keeper {
      public:
        virtual ~Keeper() = default;
    };

    // nullptr when there is not enough memory; the bytes are undefined until written.
    static std::shared_ptr<ByteBuffer> Allocate(std::size_t size);
    static std::shared_ptr<ByteBuffer> Copy(const void* data, std::size_t size);
    // Bytes that must not be written, kept by keeper. Readers leave the scrambled blocks of such
    // a buffer as they are (see ByteBlock).
    static std::shared_ptr<ByteBuffer> ReadOnly(const std::uint8_t* data, std::size_t size,
                                                std::unique_ptr<Keeper> keeper);

    ~ByteBuffer();
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;

    bool writable() const { return !readOnly_; }
    // Not to be written through when !writable().
    std::uint8_t* data() { return data_; }
    const std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }
    const std::uint8_t* begin() const { return data_; }
    const std::uint8_t* end() const { return data_ + size_; }

  private:
    ByteBuffer() = default;

    std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    bool mapped_ = false;    // from the system's page allocator rather than the heap
    bool readOnly_ = false;  // not ours: keeper_ gives the bytes back
    std::unique_ptr<Keeper> keeper_;
};

using SharedBytes = std::shared_ptr<ByteBuffer>;

}  // namespace vl
