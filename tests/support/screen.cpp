#include "support/screen.h"

namespace vl::test {

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return colour;
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
