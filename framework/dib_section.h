// 32-bit top-down DIB sections, for code that reads or writes a bitmap's pixels directly: rows
// from the top, each pixel 0x00RRGGBB.
#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/handles.h"

namespace vl {

struct DibSection {
    BitmapHandle bitmap;
    std::uint32_t* pixels = nullptr;  // width * height, owned by the bitmap

    explicit operator bool() const { return bitmap && pixels; }
};

inline BITMAPINFO TopDown32BitInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// dc may be null (the screen's format); a failure gives an empty section.
inline DibSection MakeTopDownDib(HDC dc, int width, int height) {
    const BITMAPINFO info = TopDown32BitInfo(width, height);
    void* bits = nullptr;
    DibSection section;
    section.bitmap.Reset(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (section.bitmap && bits)
        section.pixels = static_cast<std::uint32_t*>(bits);
    return section;
}

}  // namespace vl
