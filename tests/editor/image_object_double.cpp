// Stands in for the Image object dialog and for the preview of an Image entry while they are not
// part of the tree: a text Image shows its text in the dialog's font with its extent as the size;
// a picture cannot be shown; the Image dialog is never confirmed (the tests give their own).
#include <windows.h>

#include "editor/image_preview.h"
#include "editor/property_kinds.h"

namespace vl {

bool ImagePreview::ShowImageEntry(const ImageEntry& image) {
    if (!canvas_ || !image.IsTextObject() || image.text.empty())
        return false;
    HDC memory = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldBitmap = SelectObject(memory, canvas_);
    const RECT area{0, 0, width_, height_};
    FillRect(memory, &area, GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ oldFont =
        SelectObject(memory, reinterpret_cast<HGDIOBJ>(SendMessageA(dialog_, WM_GETFONT, 0, 0)));
    SIZE extent{};
    const int length = static_cast<int>(image.text.size());
    GetTextExtentPoint32A(memory, image.text.c_str(), length, &extent);
    SetTextColor(memory, image.textColour);
    SetBkMode(memory, TRANSPARENT);
    TextOutA(memory, 0, 0, image.text.c_str(), length);
    SelectObject(memory, oldFont);
    SelectObject(memory, oldBitmap);
    DeleteDC(memory);
    Present();
    const std::string size = std::to_string(extent.cx) + " x " + std::to_string(extent.cy);
    SetWindowTextA(sizeText_, size.c_str());
    return true;
}

bool EditImageObject(const PropertyContext&, HWND, ImageEntry&) {
    return false;
}

}  // namespace vl
