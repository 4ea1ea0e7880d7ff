#include "editor/image_preview.h"

#include <utility>

#include "editor/core/preview_fit.h"
#include "engine/image/image_runtime.h"
#include "engine/image/picture_loader.h"
#include "engine/image/prepared_picture.h"
#include "engine/text/text_bitmap.h"
#include "scene/entries.h"

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
    HBITMAP loaded = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                     LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!loaded)
        return false;
    BITMAP info{};
    GetObjectA(loaded, sizeof info, &info);
    PreparedPicture picture;
    picture.Set(BitmapHandle(loaded), IconHandle(), info.bmWidth, info.bmHeight);
    ShowPicture(picture, false);
    return true;
}

bool ImagePreview::ShowImageEntry(const ImageEntry& image) {
    if (!canvas_)
        return false;
    PreparedPicture picture;
    if (image.IsTextObject()) {
        // The renderer keeps its bitmap in an entry's run-time state: a copy leaves the
        // caller's entry untouched.
        ImageEntry copy;
        copy.Assign(image);
        if (!copy.text.empty() && RenderText(copy))
            picture = std::move(ImageRuntimeOf(copy).picture);
    } else if (!image.data.empty()) {
        LoadPictureBytes(picture, image.data);
    }
    if (picture.Empty()) {
        ShowNoImage();
        return false;
    }
    ShowPicture(picture, image.IsTextObject() && image.opaque == 0);
    return true;
}

void ImagePreview::ShowPicture(const PreparedPicture& picture, bool keyed) {
    const int width = picture.Width(), height = picture.Height();
    const PreviewPlacement place = FitPreview(width, height, width_, height_);
    HDC target = CreateCompatibleDC(nullptr);
    HDC source = CreateCompatibleDC(nullptr);
    {
        Selection canvas(target, canvas_);
        Selection image(source, picture.Bitmap());
        const RECT area{0, 0, width_, height_};
        FillRect(target, &area, GetSysColorBrush(COLOR_BTNFACE));
        if (picture.Icon()) {
            // The icon's bitmap only gives its size: its transparent parts show the face.
            const RECT own{0, 0, width, height};
            FillRect(source, &own, GetSysColorBrush(COLOR_BTNFACE));
            DrawIconEx(source, 0, 0, picture.Icon(), 0, 0, 0, nullptr, DI_NORMAL);
        }
        SetStretchBltMode(target, COLORONCOLOR);
        if (keyed) {
            GdiTransparentBlt(target, place.x, place.y, place.width, place.height, source, 0, 0,
                              width, height, TransparentTextKey());
        } else {
            StretchBlt(target, place.x, place.y, place.width, place.height, source, 0, 0, width,
                       height, SRCCOPY);
        }
    }
    DeleteDC(source);
    DeleteDC(target);
    Present();
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    SetWindowTextA(sizeText_, size.c_str());
}

void ImagePreview::Present() {
    // The control keeps showing our bitmap; it must not own it (it would delete it).
    SendMessageA(picture_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(canvas_));
    InvalidateRect(picture_, nullptr, TRUE);
}

}  // namespace vl
