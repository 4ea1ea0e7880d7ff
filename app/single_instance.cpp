#include "app/single_instance.h"

#include <cstring>

#include "framework/handles.h"

namespace vl {
namespace {

// Unmaps a view of a file mapping.
class MappedView {
  public:
    explicit MappedView(void* view) : view_(view) {}
    ~MappedView() {
        if (view_)
            UnmapViewOfFile(view_);
    }
    MappedView(const MappedView&) = delete;
    MappedView& operator=(const MappedView&) = delete;
    char* Bytes() const { return static_cast<char*>(view_); }

  private:
    void* view_;
};

}  // namespace

HWND FindRunningBuilder() {
    HWND running = FindWindowA(kFrameClassName, nullptr);
    return running && IsWindowEnabled(running) ? running : nullptr;
}

bool HandOverFile(HWND running, const std::string& file) {
    const DWORD size = static_cast<DWORD>(file.size() + 1);
    MappingHandle mapping(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size,
                                             kHandoffMemoryName));
    if (!mapping)
        return false;
    {
        MappedView view(MapViewOfFile(mapping.Get(), FILE_MAP_WRITE, 0, 0, size));
        if (!view.Bytes())
            return false;
        std::memcpy(view.Bytes(), file.c_str(), size);
    }
    SetForegroundWindow(running);
    if (IsIconic(running))
        ShowWindow(running, SW_RESTORE);
    UpdateWindow(running);
    // Sent, not posted: the block lives until the running window has read it.
    SendMessageA(running, kHandoffMessage, 0, 0);
    return true;
}

std::string TakeHandedOverFile() {
    MappingHandle mapping(
        OpenFileMappingA(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, kHandoffMemoryName));
    if (!mapping)
        return std::string();
    MappedView view(MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, 0));
    if (!view.Bytes())
        return std::string();
    // The block is whole pages; a name without its NUL ends at the block's end.
    MEMORY_BASIC_INFORMATION region = {};
    if (!VirtualQuery(view.Bytes(), &region, sizeof region))
        return std::string();
    const char* text = view.Bytes();
    return std::string(text, strnlen(text, region.RegionSize));
}

}  // namespace vl
