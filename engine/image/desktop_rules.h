// The decisions behind the desktop helpers that need no system calls: how the wallpaper's
// registry values select its placement, which wallpaper files can be read, and how the system's
// version numbers map to the version codes the rest of the program tests.
#pragma once

#include <string>

namespace vl {

enum WallpaperStyleCode { kWallpaperCentred = 1, kWallpaperTiled = 2, kWallpaperStretched = 3 };

// style is the caller's starting value (centred); "WallpaperStyle" 2 makes it stretched and
// "TileWallpaper" 1 tiled, the tiling winning when both are set.
int WallpaperStyleFrom(int style, const std::string& wallpaperStyle,
                       const std::string& tileWallpaper);

enum class WallpaperKind { Unreadable, Bmp, Jpeg };

// By the file name's extension, in any case: "bmp" and "jpg" only.
WallpaperKind WallpaperKindOf(const std::string& path);

enum WindowsVersionCode {
    kWindowsOther = 0,
    kWindows95 = 1,
    kWindows98OrMe = 2,
    kWindowsNt = 3,  // NT 3 or 4
    kWindows2000OrXp = 4,
};

// platformId as the system reports it: 1 the Windows 95 family, 2 the NT family.
int WindowsVersionFrom(unsigned platformId, unsigned major, unsigned minor);

}  // namespace vl
