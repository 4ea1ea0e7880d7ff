// The clipboard with the builder's registered formats: a guard that always closes what it
// opened, and byte blocks put on it and read from it whole.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace vl {

// Opens the clipboard for owner and closes it when the guard goes, on every path.
class ClipboardGuard {
  public:
    explicit ClipboardGuard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~ClipboardGuard() {
        if (open_)
            CloseClipboard();
    }
    ClipboardGuard(const ClipboardGuard&) = delete;
    ClipboardGuard& operator=(const ClipboardGuard&) = delete;

    bool IsOpen() const { return open_; }

  private:
    bool open_;
};

// The number of a format registered by name; the same in every process of the session.
UINT RegisteredFormat(const char* name);

// A shareable movable block holding bytes, its size rounded up to whole 4096-byte steps (the
// readers ignore what follows their data). Empty on failure.
HGLOBAL MakeShareableBlock(const std::vector<std::uint8_t>& bytes);

// Puts bytes on the open clipboard under format; returns the block the clipboard now owns, or
// null when it could not be placed (the block is then freed).
HGLOBAL PutClipboardBytes(UINT format, const std::vector<std::uint8_t>& bytes);

// The bytes under format on the clipboard (opened and closed here for owner); none when the
// clipboard cannot be opened or holds no such data.
std::optional<std::vector<std::uint8_t>> ReadClipboardBytes(HWND owner, UINT format);

// The bytes of a global block, none when it cannot be locked.
std::optional<std::vector<std::uint8_t>> GlobalBytes(HGLOBAL block);

}  // namespace vl
