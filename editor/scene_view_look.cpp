#include "editor/scene_view_look.h"

#include <commctrl.h>

#include "engine/text/windows_log_font.h"

namespace vl {

LineState StateOf(const SceneEntry& entry) {
    return LineStateOf(entry.Kind(), entry.IsDisabled() != 0);
}

void SceneViewFonts::Build(const EditorOptions& options, HDC dc) {
    const LogFont* logFonts[3] = {&options.normalFont, &options.commentFont, &options.disabledFont};
    const std::uint32_t colours[3] = {options.normalColour, options.commentColour,
                                      options.disabledColour};
    for (int i = 0; i < 3; ++i) {
        const LOGFONTA logFont = ToLogFontA(*logFonts[i]);
        fonts_[i].Reset(CreateFontIndirectA(&logFont));
        colours_[i] = static_cast<COLORREF>(colours[i]);
        const HGDIOBJ old = SelectObject(dc, Font(static_cast<LineState>(i)));
        SIZE size{};
        heights_[i] = GetTextExtentPoint32A(dc, "W", 1, &size) ? static_cast<int>(size.cy) : 0;
        SelectObject(dc, old);
    }
    dragColour_ = static_cast<COLORREF>(options.dragColour);
}

HFONT SceneViewFonts::Font(LineState state) const {
    const HFONT font = fonts_[static_cast<int>(state)].Get();
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

bool IconCache::Build(HIMAGELIST icons, HDC reference) {
    count_ = 0;
    const int count = icons ? ImageList_GetImageCount(icons) : 0;
    if (count <= 0)
        return false;
    for (int variant = 0; variant < 2; ++variant) {
        // The DC goes before its bitmap: a bitmap selected into a DC cannot be deleted.
        dcs_[variant].Reset();
        strips_[variant].Reset(CreateCompatibleBitmap(reference, kIconSize * count, kIconSize));
        dcs_[variant].Reset(CreateCompatibleDC(reference));
        if (!strips_[variant] || !dcs_[variant])
            return false;
        HDC dc = dcs_[variant].Get();
        SelectObject(dc, strips_[variant].Get());
        const RECT all{0, 0, kIconSize * count, kIconSize};
        FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOW));
        const UINT style = variant == 1 ? ILD_TRANSPARENT | ILD_SELECTED : ILD_TRANSPARENT;
        for (int image = 0; image < count; ++image)
            ImageList_Draw(icons, image, dc, image * kIconSize, 0, style);
    }
    count_ = count;
    return true;
}

void IconCache::Draw(HDC dc, int image, int x, int y, bool selected) const {
    if (image < 0 || image >= count_)
        return;
    BitBlt(dc, x, y, kIconSize, kIconSize, dcs_[selected ? 1 : 0].Get(), image * kIconSize, 0,
           SRCCOPY);
}

}  // namespace vl
