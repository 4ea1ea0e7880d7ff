#include "runtime/payload_file.h"

#include <windows.h>

#include <cstdint>
#include <memory>

#include "framework/handles.h"
#include "package/fixed_images.h"

namespace vl {
namespace {

class MappedFile final : public ByteBuffer::Keeper {
  public:
    MappedFile(FileHandle file, KernelObject mapping, const void* view)
        : file_(std::move(file)), mapping_(std::move(mapping)), view_(view) {}
    ~MappedFile() override { UnmapViewOfFile(view_); }

  private:
    FileHandle file_;
    KernelObject mapping_;
    const void* view_;
};

}  // namespace

SharedBytes MapPayloadBytes(const std::string& path) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return nullptr;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        static_cast<std::uint64_t>(size.QuadPart) <= kRuntimeImageSize) {
        return nullptr;
    }
    // A file the address space cannot hold is no scene this program can play.
    if (static_cast<std::uint64_t>(size.QuadPart) > PTRDIFF_MAX / 2)
        return nullptr;
    KernelObject mapping(CreateFileMappingA(file.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!mapping)
        return nullptr;
    // The whole file: a view must start on the allocation granularity, the payload does not.
    const void* view = MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, 0);
    if (!view)
        return nullptr;
    auto keeper = std::make_unique<MappedFile>(std::move(file), std::move(mapping), view);
    return ByteBuffer::ReadOnly(static_cast<const std::uint8_t*>(view) + kRuntimeImageSize,
                                static_cast<std::size_t>(size.QuadPart) - kRuntimeImageSize,
                                std::move(keeper));
}

}  // namespace vl
