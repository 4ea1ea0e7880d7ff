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
