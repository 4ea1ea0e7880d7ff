#include "editor/image_preview.h"

#include "editor/core/preview_fit.h"

namespace vl {
namespace {

// Selects an object into a device context for the guard's lifetime.
class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace

ImagePreview::~ImagePreview() {
    Release();
}

void ImagePreview::Release() {
    if (canvas_)
        DeleteObject(canvas_);
    if (smallFont_)
        DeleteObject(smallFont_);
    canvas_ = nullptr;
    smallFont_ = nullptr;
}

void ImagePreview::Attach(HWND dialog, int pictureId, int sizeTextId) {
    Release();
    dialog_ = dialog;
    picture_ = GetDlgItem(dialog, pictureId);
    sizeText_ = GetDlgItem(dialog, sizeTextId);
    LONG_PTR style = GetWindowLongPtrA(picture_, GWL_STYLE);
    SetWindowLongPtrA(picture_, GWL_STYLE, (style & ~SS_TYPEMASK) | SS_BITMAP);
    RECT area;
    GetClientRect(picture_, &area);
    width_ = area.right;
    height_ = area.bottom;
    HDC screen = GetDC(nullptr);
    canvas_ = CreateCompatibleBitmap(screen, width_, height_);
    ReleaseDC(nullptr, screen);
    smallFont_ =
        CreateFontA(9, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Small Fonts");
    SendMessageA(sizeText_, WM_SETFONT, reinterpret_cast<WPARAM>(smallFont_), FALSE);
    ShowNoImage();
}

void ImagePreview::ShowNoImage() {
    if (!canvas_)
        return;
    HDC memory = CreateCompatibleDC(nullptr);
    {
        Selection bitmap(memory, canvas_);
        const RECT area{0, 0, width_, height_};
        FillRect(memory, &area, GetSysColorBrush(COLOR_BTNFACE));
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0));
        Selection text(memory,
                       font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(memory, TRANSPARENT);
        // Light below and right, shadow on top: the words look pressed into the face.
        SetTextColor(memory, GetSysColor(COLOR_BTNHIGHLIGHT));
        TextOutA(memory, 1, 1, "No Image", 8);
        SetTextColor(memory, GetSysColor(COLOR_BTNSHADOW));
        TextOutA(memory, 0, 0, "No Image", 8);
    }
    DeleteDC(memory);
    Present();
    SetWindowTextA(sizeText_, "");
}

bool ImagePreview::ShowFile(const std::string& path) {
    if (!canvas_)
        return false;
    HBITMAP picture = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                      LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!picture)
        return false;
    BITMAP info{};
    GetObjectA(picture, sizeof info, &info);
    const PreviewPlacement place = FitPreview(info.bmWidth, info.bmHeight, width_, height_);
    HDC target = CreateCompatibleDC(nullptr);
    HDC source = CreateCompatibleDC(nullptr);
    {
        Selection canvas(target, canvas_);
        Selection image(source, picture);
        const RECT area{0, 0, width_, height_};
        FillRect(target, &area, GetSysColorBrush(COLOR_BTNFACE));
        SetStretchBltMode(target, COLORONCOLOR);
        StretchBlt(target, place.x, place.y, place.width, place.height, source, 0, 0, info.bmWidth,
                   info.bmHeight, SRCCOPY);
    }
    DeleteDC(source);
    DeleteDC(target);
    DeleteObject(picture);
    Present();
    const std::string size = std::to_string(info.bmWidth) + " x " + std::to_string(info.bmHeight);
    SetWindowTextA(sizeText_, size.c_str());
    return true;
}

void ImagePreview::Present() {
    // The control keeps showing our bitmap; it must not own it (it would delete it).
    SendMessageA(picture_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(canvas_));
    InvalidateRect(picture_, nullptr, TRUE);
}

}  // namespace vl
