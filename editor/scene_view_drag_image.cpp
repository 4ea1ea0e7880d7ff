// The drag image of the scene list: the strip drawn for a line when a drag starts, written to
// "ImageCursor.tmp" for every target, and shown over the list while a drag is over it.
#include <algorithm>
#include <cstdio>

#include "editor/drag_image_store.h"
#include "editor/scene_view.h"
#include "framework/dib_section.h"
#include "scene/nesting.h"
#include <cstring>

namespace vl {
namespace {

constexpr COLORREF kStripMask = RGB(0, 128, 128);  // as the image view reads it
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

    const DibSection strip = MakeTopDownDib(dc, width, kStripHeight);
    bool written = false;
    if (strip) {
        const HGDIOBJ oldBitmap = SelectObject(dc, strip.bitmap.Get());
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
        const std::uint32_t* pixels = strip.pixels;
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

}  // namespace vl
