// ImagePreview: turns a dialog's picture control into a preview of a picture, scaled down to fit
// and centred, with its size in a sibling text control; or the embossed words "No Image".
#pragma once

#include <windows.h>

#include <string>

namespace vl {

class ImageEntry;
class PreparedPicture;

class ImagePreview {
  public:
    ImagePreview() = default;
    ~ImagePreview();
    ImagePreview(const ImagePreview&) = delete;
    ImagePreview& operator=(const ImagePreview&) = delete;

    // Once per dialog, at its initialisation; shows "No Image".
    void Attach(HWND dialog, int pictureId, int sizeTextId);
    // A bitmap file; false when it cannot be loaded, and "No Image" stays.
    bool ShowFile(const std::string& path);
    // The object as the player will draw it: its picture decoded from the bytes it holds (a
    // file's, or a captured desktop or wallpaper), or its text rendered in its font and colours
    // (a transparent text on the preview's own face). Nothing is written to disk. False, showing
    // "No Image", when there is nothing to show or it cannot be made.
    bool ShowImageEntry(const ImageEntry& image);
    void ShowNoImage();

  private:
    void Release();
    // Fits the picture into the canvas; keyed: pixels of the transparent-text key colour are
    // left out.
    void ShowPicture(const PreparedPicture& picture, bool keyed);
    void Present();

    HWND dialog_ = nullptr;      // not owned
    HWND picture_ = nullptr;     // not owned
    HWND sizeText_ = nullptr;    // not owned
    HBITMAP canvas_ = nullptr;   // owned: the picture control only shows it
    HFONT smallFont_ = nullptr;  // owned: the size text's font
    int width_ = 0;
    int height_ = 0;
};

}  // namespace vl
