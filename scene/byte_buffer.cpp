#include "scene/byte_buffer.h"

#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace vl {

namespace {

#if defined(__linux__)
// From this size on the block comes straight from the kernel and asks for huge pages: a fresh
// 4 KB page costs a fault and a zero fill each, which for a block of hundreds of megabytes takes
// longer than reading the file into it.
constexpr std::size_t kMappedFrom = 2u << 20;

std::uint8_t* MapPages(std::size_t size) {
    void* pages = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED) {
        return nullptr;
    }
    // Only advice: without huge pages the block works the same, just slower to fill.
    madvise(pages, size, MADV_HUGEPAGE);
    return static_cast<std::uint8_t*>(pages);
}
#endif

}  // namespace

std::shared_ptr<ByteBuffer> ByteBuffer::Allocate(std::size_t size) {
    // The small part first, so that nothing is left to give back if it throws.
    std::shared_ptr<ByteBuffer> buffer(new ByteBuffer());
#if defined(__linux__)
    if (size >= kMappedFrom) {
        buffer->data_ = MapPages(size);
        buffer->mapped_ = buffer->data_ != nullptr;
    }
#endif
    if (!buffer->data_) {
        // new[] of a byte array leaves the bytes uninitialised; one byte for an empty buffer
        // keeps data() a valid pointer.
        buffer->data_ = new (std::nothrow) std::uint8_t[size ? size : 1];
    }
    if (!buffer->data_) {
        return nullptr;
    }
    buffer->size_ = size;
    return buffer;
}

std::shared_ptr<ByteBuffer> ByteBuffer::Copy(const void* data, std::size_t size) {
    std::shared_ptr<ByteBuffer> buffer = Allocate(size);
    if (buffer && size) {
        std::memcpy(buffer->data(), data, size);
    }
    return buffer;
}

std::shared_ptr<ByteBuffer> ByteBuffer::ReadOnly(const std::uint8_t* data, std::size_t size,
                                                 std::unique_ptr<Keeper> keeper) {
    std::shared_ptr<ByteBuffer> buffer(new ByteBuffer());
    // Never written through: readers look at writable() first.
    buffer->data_ = const_cast<std::uint8_t*>(data);
    buffer->size_ = size;
    buffer->readOnly_ = true;
    buffer->keeper_ = std::move(keeper);
    return buffer;
}

ByteBuffer::~ByteBuffer() {
    if (readOnly_) {
        return;  // the keeper gives the bytes back
    }
#if defined(__linux__)
    if (mapped_) {
        munmap(data_, size_);
        return;
    }
#endif
    delete[] data_;
}

}  // namespace vl
