// The Image object dialog's rules that need no window: which controls a text and a picture
// object offer, and what a newly chosen picture makes of the object.
#pragma once

#include <cstdint>
#include <string>

#include "scene/byte_block.h"
#include "scene/entries.h"

namespace vl {

// The longest message a text object takes in the dialog.
inline constexpr int kImageTextLimit = 5000;
inline constexpr char kFontButton[] = "&Font...";
inline constexpr char kImageButton[] = "&Image...";
// The names a captured desktop and the wallpaper go by.
inline constexpr char kDesktopPictureName[] = "desktop.jpg";
inline constexpr char kWallpaperPictureName[] = "wallpaper.jpg";

// What is usable in either mode: a text's message, background and font, or a picture's name,
// file and the desktop sources.
struct ImageObjectControls {
    bool text = false;         // the message edit
    bool transparent = false;  // "&Transparent" and "&Your"
    bool colour = false;       // "&Colour...": the background colour, only for "&Your"
    bool desktop = false;      // "&Desktop" and "&Wallpaper"
    bool name = false;         // the image name
    const char* pictureButton = kImageButton;
};

ImageObjectControls ImageObjectControlsFor(bool textMode, bool yourColour);

// A picture file chosen: the object keeps its name (without the folder) and its complete bytes.
void TakePictureFile(ImageEntry& image, const std::string& path, ByteBlock bytes);
// A captured desktop (kSourceDesktop) or wallpaper (kSourceWallpaper) as picture bytes.
void TakeDesktopPicture(ImageEntry& image, std::int32_t source, ByteBlock bytes);

}  // namespace vl
