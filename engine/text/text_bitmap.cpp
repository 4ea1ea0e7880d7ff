#include "engine/text/text_bitmap.h"

#include <algorithm>
#include <cstring>

#include "engine/image/image_runtime.h"
#include "engine/text/text_lines.h"
#include "engine/text/windows_log_font.h"
#include "framework/handles.h"

namespace vl {

namespace {

int ExtentWidth(HDC dc, const char* text, std::size_t length) {
    if (length == 0)
        return 0;
    SIZE size{};
    if (!GetTextExtentPoint32A(dc, text, static_cast<int>(length), &size))
        return 0;
    return size.cx;
}

}  // namespace

TextExtent MeasureText(HDC dc, std::string_view text) {
    TextExtent extent;
    const std::vector<TextLine> lines = SplitTextLines(text);
    for (const TextLine& line : lines)
        extent.width =
            std::max(extent.width, ExtentWidth(dc, text.data() + line.start, line.length));
    SIZE letter{};
    GetTextExtentPoint32A(dc, "W", 1, &letter);
    extent.height = letter.cy * static_cast<int>(lines.size());
    extent.ok = extent.width != 0 && extent.height > 0;
    return extent;
}

COLORREF TransparentTextKey() {
    return GetSysColor(COLOR_WINDOW);
}

bool RenderText(ImageEntry& image, std::string_view text) {
    if (text.empty())
        text = image.text;
    const bool opaque = image.opaque != 0;

    WindowDc screen(nullptr);
    if (!screen)
        return false;
    MemoryDc dc(CreateCompatibleDC(screen.Get()));
    if (!dc)
        return false;
    LOGFONTA logFont = ToLogFontA(image.font);
    // Smoothed edges would blend the glyphs with the key colour and leave a fringe of it around
    // a transparent text; its pixels must be either text or key.
    if (!opaque && logFont.lfQuality == DEFAULT_QUALITY)
        logFont.lfQuality = NONANTIALIASED_QUALITY;
    FontHandle font(CreateFontIndirectA(&logFont));
    if (!font)
        return false;
    SelectGuard fontSelection(dc.Get(), font.Get());

    const TextExtent extent = MeasureText(dc.Get(), text);
    if (!extent.ok)
        return false;
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), extent.width, extent.height));
    if (!bitmap)
        return false;
    {
        SelectGuard bitmapSelection(dc.Get(), bitmap.Get());
        const COLORREF paper = opaque ? image.backgroundColour : TransparentTextKey();
        RECT area{0, 0, extent.width, extent.height};
        SetBkColor(dc.Get(), paper);
        ExtTextOutA(dc.Get(), 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
        SetTextColor(dc.Get(), image.textColour);
        SetBkMode(dc.Get(), opaque ? OPAQUE : TRANSPARENT);
        // No prefix processing: an ampersand in a message is shown, not turned into an underline.
        DrawTextA(dc.Get(), text.data(), static_cast<int>(text.size()), &area, DT_NOPREFIX);
    }
    ImageRuntimeOf(image).picture.Set(std::move(bitmap), IconHandle(), extent.width, extent.height);
    return true;
}

}  // namespace vl
