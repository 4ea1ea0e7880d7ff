#include "framework/clipboard.h"

#include <cstring>

#include "framework/handles.h"

namespace vl {

namespace {
constexpr std::size_t kBlockStep = 4096;
}  // namespace

UINT RegisteredFormat(const char* name) {
    return RegisterClipboardFormatA(name);
}

HGLOBAL MakeShareableBlock(const std::vector<std::uint8_t>& bytes) {
    const std::size_t size = (bytes.size() / kBlockStep + 1) * kBlockStep;
    GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
    if (!block)
        return nullptr;
    {
        GlobalLockGuard lock(block.Get());
        if (!lock.Data())
            return nullptr;
        if (!bytes.empty())
            std::memcpy(lock.Data(), bytes.data(), bytes.size());
    }
    return block.Release();
}

HGLOBAL PutClipboardBytes(UINT format, const std::vector<std::uint8_t>& bytes) {
    GlobalMemory block(MakeShareableBlock(bytes));
    if (!block || format == 0)
        return nullptr;
    if (!SetClipboardData(format, block.Get()))
        return nullptr;
    // The clipboard owns it now.
    return block.Release();
}

std::optional<std::vector<std::uint8_t>> GlobalBytes(HGLOBAL block) {
    if (!block)
        return std::nullopt;
    GlobalLockGuard lock(block);
    if (!lock.Data())
        return std::nullopt;
    const auto* data = static_cast<const std::uint8_t*>(lock.Data());
    return std::vector<std::uint8_t>(data, data + GlobalSize(block));
}

std::optional<std::vector<std::uint8_t>> ReadClipboardBytes(HWND owner, UINT format) {
    if (format == 0 || !IsClipboardFormatAvailable(format))
        return std::nullopt;
    ClipboardGuard clipboard(owner);
    if (!clipboard.IsOpen())
        return std::nullopt;
    return GlobalBytes(static_cast<HGLOBAL>(GetClipboardData(format)));
}

}  // namespace vl
