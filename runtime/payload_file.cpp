#include "runtime/payload_file.h"

#include <windows.h>

#include <cstdint>
#include <memory>

#include "framework/handles.h"
#include "runtime/scene_payload.h"

namespace vl {

SharedBytes ReadPayloadBytes(const std::string& path) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file)
        return nullptr;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        static_cast<std::uint64_t>(size.QuadPart) <= kRuntimeImageSize) {
        return nullptr;
    }
    const std::uint64_t remainder = static_cast<std::uint64_t>(size.QuadPart) - kRuntimeImageSize;
    // A payload the address space cannot hold is no scene this program can play.
    if (remainder > PTRDIFF_MAX / 2)
        return nullptr;
    LARGE_INTEGER offset;
    offset.QuadPart = static_cast<LONGLONG>(kRuntimeImageSize);
    if (!SetFilePointerEx(file.Get(), offset, nullptr, FILE_BEGIN))
        return nullptr;

    SharedBytes bytes = ByteBuffer::Allocate(static_cast<std::size_t>(remainder));
    if (!bytes)
        return nullptr;
    std::size_t done = 0;
    while (done < bytes->size()) {
        const std::size_t left = bytes->size() - done;
        const DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
        DWORD read = 0;
        if (!ReadFile(file.Get(), bytes->data() + done, chunk, &read, nullptr) || read == 0)
            return nullptr;
        done += read;
    }
    return bytes;
}

}  // namespace vl
