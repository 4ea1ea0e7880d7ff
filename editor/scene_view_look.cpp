#include "editor/scene_view_look.h"

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

}  // namespace vl
