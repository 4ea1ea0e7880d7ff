#include "engine/image/desktop_rules.h"

#include <cstdlib>

#include "engine/image/sec_file_system.h"

namespace vl {

int WallpaperStyleFrom(int style, const std::string& wallpaperStyle,
                       const std::string& tileWallpaper) {
    if (std::atoi(wallpaperStyle.c_str()) == 2)
        style = kWallpaperStretched;
    if (std::atoi(tileWallpaper.c_str()) == 1)
        style = kWallpaperTiled;
    return style;
}

WallpaperKind WallpaperKindOf(const std::string& path) {
    const std::string extension = SECFileSystem::GetExtension(path);
    if (extension == "bmp")
        return WallpaperKind::Bmp;
    if (extension == "jpg")
        return WallpaperKind::Jpeg;
    return WallpaperKind::Unreadable;
}

int WindowsVersionFrom(unsigned platformId, unsigned major, unsigned minor) {
    constexpr unsigned kPlatformWindows = 1, kPlatformNt = 2;
    if (platformId == kPlatformNt) {
        if (major == 5)
            return kWindows2000OrXp;
        return major > 5 ? kWindowsOther : kWindowsNt;
    }
    if (platformId == kPlatformWindows) {
        return (major > 4 || (major == 4 && minor != 0)) ? kWindows98OrMe : kWindows95;
    }
    return kWindowsOther;
}

}  // namespace vl
