#include "support/screen.h"

#include "framework/dib_section.h"

namespace vl::test {

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
}

int CountOnScreen(const RECT& area, const std::function<bool(COLORREF)>& matches) {
    // Only what is on the screen: a copy from outside it fails whole.
    const RECT screenRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT part{};
    if (!IntersectRect(&part, &area, &screenRect))
        return 0;
    const int width = part.right - part.left;
    const int height = part.bottom - part.top;
    HDC screen = GetDC(nullptr);
    HDC copy = CreateCompatibleDC(screen);
    const DibSection area32 = MakeTopDownDib(screen, width, height);
    int count = 0;
    if (area32) {
        HGDIOBJ old = SelectObject(copy, area32.bitmap.Get());
        BitBlt(copy, 0, 0, width, height, screen, part.left, part.top, SRCCOPY);
        GdiFlush();
        for (int i = 0; i < width * height; ++i) {
            const std::uint32_t pixel = area32.pixels[i];  // 0x00RRGGBB
            count += matches(RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF)) ? 1 : 0;
        }
        SelectObject(copy, old);
    }
    DeleteDC(copy);
    ReleaseDC(nullptr, screen);
    return count;
}

bool ScreenShows(const std::vector<ExpectedPixel>& pixels, DWORD timeoutMs) {
    return PumpUntil(
        [&] {
            for (const ExpectedPixel& pixel : pixels) {
                if (ScreenPixel(pixel.x, pixel.y) != pixel.colour)
                    return false;
            }
            return true;
        },
        timeoutMs);
}

}  // namespace vl::test
