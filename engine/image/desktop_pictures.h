// Pictures that are not files: the screen as it is, and the user's desktop background; and the
// few facts about the system the picture code asks for.
#pragma once

#include <windows.h>

#include "engine/image/picture_format.h"
#include "engine/image/prepared_picture.h"
#include "engine/image/sec_image.h"

namespace vl {

// HORZRES x VERTRES of the screen.
PictureSize ScreenSize();

// The whole screen into image (24 bits). 1 on success, 0 when it cannot be read.
int CaptureScreen(SECImage& image);

// Where the wallpaper settings are read: the Active Desktop's key
// ("Software\Microsoft\Internet Explorer\Desktop\General") or the classic one
// ("Control Panel\Desktop"), both under HKEY_CURRENT_USER.
enum class WallpaperKey { kActiveDesktop, kControlPanel };

// Loads the wallpaper file named by "Wallpaper" into image (quality 100) and sets style to
// stretched (3) or tiled (2) as "WallpaperStyle" and "TileWallpaper" say, leaving it as the
// caller set it otherwise. Nothing is shown: a box would hold a running screen saver. False when
// a value cannot be read, the file is neither ".bmp" nor ".jpg", or it cannot be loaded.
bool ReadWallpaper(SECImage& image, int& style, WallpaperKey key);

// A screen-sized picture of the desktop: the wallpaper centred on the desktop colour, tiled
// (each tile combined with tileRop) or stretched, or the plain desktop colour without one. The
// result goes into image and becomes the object's picture (no icon). The Active Desktop's
// settings are read first, the classic ones when those are missing. False only when no bitmap
// can be made.
bool DesktopBackground(PreparedPicture& object, SECImage& image, DWORD tileRop);

// 0 other or unknown, 1 Windows 95, 2 Windows 98 or Me, 3 NT 3 or 4, 4 Windows 2000 or XP.
int WindowsVersion();

}  // namespace vl
