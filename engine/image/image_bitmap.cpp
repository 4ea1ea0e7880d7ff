#include "engine/image/image_bitmap.h"

#include <cstring>

namespace vl {
namespace {

struct BitmapInfo256 {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

void FillInfo(const SECImage& image, BitmapInfo256& info) {
    std::memset(&info, 0, sizeof info);
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = image.Width();
    info.header.biHeight = image.Height();  // positive: rows bottom-up
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(image.BitsPerPixel());
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = static_cast<DWORD>(image.PaletteEntries());
    std::memcpy(info.colours, image.Palette(), 4 * image.PaletteEntries());
}

}  // namespace

BitmapHandle CreateBitmapFromImage(const SECImage& image) {
    if (image.IsEmpty())
        return BitmapHandle();
    BitmapInfo256 info;
    FillInfo(image, info);
    WindowDc screen(nullptr);
    if (!screen)
        return BitmapHandle();
    return BitmapHandle(CreateDIBitmap(screen.Get(), &info.header, CBM_INIT, image.Bits(),
                                       reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS));
}

BitmapHandle CreateStretchedBitmapFromImage(const SECImage& image, int width, int height) {
    if (image.IsEmpty() || width <= 0 || height <= 0)
        return BitmapHandle();
    BitmapInfo256 info;
    FillInfo(image, info);
    WindowDc screen(nullptr);
    if (!screen)
        return BitmapHandle();
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    MemoryDc dc(CreateCompatibleDC(screen.Get()));
    if (!bitmap || !dc)
        return BitmapHandle();
    {
        SelectGuard selected(dc.Get(), bitmap.Get());
        SetStretchBltMode(dc.Get(), COLORONCOLOR);
        if (StretchDIBits(dc.Get(), 0, 0, width, height, 0, 0, image.Width(), image.Height(),
                          image.Bits(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                          SRCCOPY) == 0) {
            return BitmapHandle();
        }
    }
    return bitmap;
}

bool CreateImageFromBitmap(SECImage& image, HBITMAP bitmap, HDC dc) {
    BITMAP description;
    if (!bitmap || !GetObjectA(bitmap, sizeof description, &description) ||
        !image.Create(description.bmWidth, description.bmHeight, 24)) {
        image.Clear();
        return false;
    }
    BitmapInfo256 info;
    FillInfo(image, info);
    if (GetDIBits(dc, bitmap, 0, static_cast<UINT>(image.Height()), image.Bits(),
                  reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) != image.Height()) {
        image.Clear();
        return false;
    }
    return true;
}

}  // namespace vl
