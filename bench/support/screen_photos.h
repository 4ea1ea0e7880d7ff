// What the benchmarks that read a program's pictures from the screen share: textured JPEGs with a
// uniform patch to look for, the colour match, and a white screen to start over.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/image/jpeg_codec.h"
#include "engine/image/sec_dib.h"

namespace vl_bench {

inline std::string WindowsPath(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return "Z:" + path;
}

// Texture everywhere (so the decoder does real work) and a uniform patch of `colour` over the
// columns [left, right) and rows [top, bottom), counted from the top.
inline std::vector<std::uint8_t> TexturedJpeg(int width, int height, unsigned seed, RECT patch,
                                              COLORREF colour) {
    SECDib image;
    image.Create(width, height, 24);
    unsigned noise = seed;
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;
        const bool patchRow = y >= patch.top && y < patch.bottom;
        std::uint8_t* pixel = image.Row(row);
        for (int x = 0; x < width; ++x, pixel += 3) {
            noise = noise * 1103515245u + 12345u;
            if (patchRow && x >= patch.left && x < patch.right) {
                pixel[0] = GetBValue(colour);
                pixel[1] = GetGValue(colour);
                pixel[2] = GetRValue(colour);
            } else {
                pixel[0] = static_cast<std::uint8_t>((x + (noise >> 24)) & 0xFF);
                pixel[1] = static_cast<std::uint8_t>((y / 3 + (noise >> 16)) & 0xFF);
                pixel[2] = static_cast<std::uint8_t>(((x ^ y) + (noise >> 8)) & 0xFF);
            }
        }
    }
    std::vector<std::uint8_t> jpeg;
    vl::EncodeJpeg(image, 85, jpeg);
    return jpeg;
}

inline bool Near(COLORREF a, COLORREF b) {
    const auto close = [](int x, int y) { return x - y < 12 && y - x < 12; };
    return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) &&
           close(GetBValue(a), GetBValue(b));
}

inline void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// A white window over the screen, so that a patch colour can only come from the saver.
inline HWND WhiteScreen() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "VlSaverBenchWhite";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "VlSaverBenchWhite", "", WS_POPUP | WS_VISIBLE, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                  nullptr, nullptr, nullptr, nullptr);
    UpdateWindow(window);
    Pump();
    return window;
}

}  // namespace vl_bench
