// The fonts of the scene list's lines, made from the editor options, with the height of "W" in
// each: a line is as high as its font, and at least as high as its icon.
#pragma once

#include <windows.h>

#include "editor/core/line_look.h"
#include "framework/handles.h"
#include "scene/editor_options.h"
#include "scene/entry.h"

namespace vl {

inline constexpr int kIconSize = 16;

// The state that picks the line's font and colour.
LineState StateOf(const SceneEntry& entry);

class SceneViewFonts {
  public:
    // Creates the three fonts and measures them on dc; a font that cannot be made falls back to
    // the default GUI font.
    void Build(const EditorOptions& options, HDC dc);
    HFONT Font(LineState state) const;
    // The height of "W" in the state's font.
    int Height(LineState state) const { return heights_[static_cast<int>(state)]; }
    COLORREF Colour(LineState state) const { return colours_[static_cast<int>(state)]; }
    COLORREF DragColour() const { return dragColour_; }

  private:
    FontHandle fonts_[3];
    int heights_[3] = {kIconSize, kIconSize, kIconSize};
    COLORREF colours_[3] = {};
    COLORREF dragColour_ = RGB(255, 255, 0);
};

// The kinds' icons composed once on the list's background, plain and blended as selected.
// Drawing from the image list costs Wine about half a millisecond an icon (masks and blending),
// which made a page of scrolling take several frames; a block transfer of the composed icon costs
// next to nothing.
class IconCache {
  public:
    // Composes every image of icons on the system window colour; false when that fails.
    bool Build(HIMAGELIST icons, HDC reference);
    // Draws image at (x, y); nothing when the cache is empty or image is outside it.
    void Draw(HDC dc, int image, int x, int y, bool selected) const;

  private:
    MemoryDc dcs_[2];  // plain, selected: each with its strip selected into it
    BitmapHandle strips_[2];
    int count_ = 0;
};

}  // namespace vl
