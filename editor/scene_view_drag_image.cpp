// The drag image of the scene list: the strip drawn for a line when a drag starts, written to
// "ImageCursor.tmp" for every target, and shown over the list while a drag is over it.
#include <algorithm>
#include <cstdio>

#include "editor/drag_image_store.h"
#include "editor/scene_view.h"
#include "scene/nesting.h"
#include <cstring>

namespace vl {
namespace {

constexpr COLORREF kStripMask = RGB(0, 128, 128);
constexpr int kStripHeight = 16;
constexpr int kMaxStripWidth = 32000;

}  // namespace

bool CSceneView::WriteDragImageFile(int line, POINT press) {
    EntryList& entries = services_.entries;
    if (line < 0 || static_cast<std::size_t>(line) >= entries.Count())
        return false;
    const SceneEntry& entry = entries.At(static_cast<std::size_t>(line));
    SYSTEMTIME now;
    GetLocalTime(&now);
    char time[32];
    std::snprintf(time, sizeof time, " %02u:%02u:%02u  ", now.wHour, now.wMinute, now.wSecond);
    const std::string description = DescribeEntry(entry);

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    FontHandle font(CreateFontA(11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_SWISS, "MS Sans Serif"));
    const HGDIOBJ oldFont = SelectObject(dc, font.Get());
    SIZE timeSize{}, textSize{};
    GetTextExtentPoint32A(dc, time, static_cast<int>(std::strlen(time)), &timeSize);
    GetTextExtentPoint32A(dc, description.c_str(), static_cast<int>(description.size()), &textSize);
    const int width =
        static_cast<int>(std::min<LONG>(kIconSize + 3 + timeSize.cx + textSize.cx, kMaxStripWidth));

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -kStripHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    BitmapHandle strip(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bool written = false;
    if (strip && bits) {
        const HGDIOBJ oldBitmap = SelectObject(dc, strip.Get());
        RECT all{0, 0, width, kStripHeight};
        BrushHandle mask(CreateSolidBrush(kStripMask));
        FillRect(dc, &all, mask.Get());
        iconCache_.Draw(dc, entry.Kind() + 2, 0, 0, false);
        SetBkMode(dc, TRANSPARENT);
        const int y = (kStripHeight - timeSize.cy) / 2;
        SetTextColor(dc, RGB(255, 0, 0));
        TextOutA(dc, kIconSize + 3, y, time, static_cast<int>(std::strlen(time)));
        const bool dragColour = options_.dragColourOn && !options_.softDragging;
        SetTextColor(dc, dragColour ? fonts_.DragColour() : fonts_.Colour(StateOf(entry)));
        TextOutA(dc, kIconSize + 3 + timeSize.cx, y, description.c_str(),
                 static_cast<int>(description.size()));
        GdiFlush();
        DragImage image;
        image.width = width;
        image.height = kStripHeight;
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        image.pixels.reserve(static_cast<std::size_t>(width) * kStripHeight);
        for (int i = 0; i < width * kStripHeight; ++i)
            image.pixels.push_back(pixels[i] & 0x00FFFFFF);
        RECT rect{};
        SendMessageA(Handle(), LB_GETITEMRECT, line, reinterpret_cast<LPARAM>(&rect));
        image.hotX = press.x - rect.left;
        image.hotY = press.y - rect.top;
        SelectObject(dc, oldBitmap);
        written = SaveDragImage(image);
    }
    SelectObject(dc, oldFont);
    DeleteDC(dc);
    return written;
}

void CSceneView::DeleteDragImageFile() {
    DeleteDragImage();
}

void CSceneView::ShowDragImage(POINT point, DWORD sourceProcess) {
    dragImage_.Reset();
    // A missing, damaged or foreign file leaves the drag without a picture; it works as usual.
    const auto image = LoadDragImage(sourceProcess);
    if (!image)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image->width;
    info.bmiHeader.biHeight = -image->height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        return;
    std::copy(image->pixels.begin(), image->pixels.end(), static_cast<std::uint32_t*>(bits));
    dragImage_.Reset(ImageList_Create(image->width, image->height, ILC_COLOR24 | ILC_MASK, 1, 0));
    if (!dragImage_ || ImageList_AddMasked(dragImage_.Get(), bitmap.Get(), kStripMask) < 0) {
        dragImage_.Reset();
        return;
    }
    dragHot_ = {image->hotX, image->hotY};
    if (!ImageList_BeginDrag(dragImage_.Get(), 0, 0, 0)) {
        dragImage_.Reset();
        return;
    }
    ImageList_DragEnter(Handle(), point.x - dragHot_.x, point.y - dragHot_.y);
}

void CSceneView::MoveDragImage(POINT point) {
    if (dragImage_)
        ImageList_DragMove(point.x - dragHot_.x, point.y - dragHot_.y);
}

void CSceneView::HideDragImage(bool hide) {
    if (dragImage_)
        ImageList_DragShowNolock(hide ? FALSE : TRUE);
}

void CSceneView::EndDragImage() {
    if (!dragImage_)
        return;
    ImageList_DragLeave(Handle());
    ImageList_EndDrag();
    dragImage_.Reset();
}

}  // namespace vl
