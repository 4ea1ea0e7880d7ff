#include "engine/image/desktop_pictures.h"

#include <string>
#include <utility>

#include "engine/image/desktop_rules.h"
#include "framework/handles.h"
#include "engine/image/image_bitmap.h"
#include "engine/image/jpeg_codec.h"
#include "engine/image/sec_dib.h"
#include "engine/image/sec_file_system.h"

namespace vl {
namespace {

const char* KeyPath(WallpaperKey key) {
    return key == WallpaperKey::kActiveDesktop
               ? "Software\\Microsoft\\Internet Explorer\\Desktop\\General"
               : "Control Panel\\Desktop";
}

// A string value of at most MAX_PATH characters.
bool ReadString(HKEY key, const char* name, std::string& value) {
    char buffer[MAX_PATH + 1];
    DWORD type = 0, size = MAX_PATH;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return false;
    }
    buffer[size < MAX_PATH ? size : MAX_PATH] = '\0';
    value = buffer;
    return true;
}

// The three values; file with its environment variables expanded.
bool ReadWallpaperSettings(WallpaperKey key, std::string& file, int& style) {
    const RegistryKey settings = OpenRegistryKey(HKEY_CURRENT_USER, KeyPath(key), KEY_QUERY_VALUE);
    if (!settings)
        return false;
    std::string stretch, tile;
    if (!ReadString(settings.Get(), "Wallpaper", file) ||
        !ReadString(settings.Get(), "WallpaperStyle", stretch) ||
        !ReadString(settings.Get(), "TileWallpaper", tile)) {
        return false;
    }
    style = WallpaperStyleFrom(style, stretch, tile);
    if (!file.empty()) {
        char expanded[MAX_PATH];
        const DWORD length = ExpandEnvironmentStringsA(file.c_str(), expanded, MAX_PATH);
        if (length == 0 || length > MAX_PATH)
            return false;
        file = expanded;
    }
    return true;
}

bool LoadWallpaperFile(SECImage& image, const std::string& path) {
    switch (WallpaperKindOf(path)) {
        case WallpaperKind::Bmp: {
            SECDib dib;
            if (!dib.Load(path))
                return false;
            image.CopyImage(dib);
            break;
        }
        case WallpaperKind::Jpeg: {
            std::vector<std::uint8_t> bytes;
            if (!SECFileSystem::ReadFileBytes(path, bytes) ||
                !DecodeJpeg(bytes.data(), bytes.size(), image)) {
                return false;
            }
            break;
        }
        default:
            return false;
    }
    image.SetQuality(100);
    return true;
}

void ComposeWallpaper(HDC target, PictureSize screen, const SECImage& wallpaper, int style,
                      DWORD tileRop) {
    BitmapHandle bitmap = CreateBitmapFromImage(wallpaper);
    MemoryDc source(CreateCompatibleDC(target));
    if (!bitmap || !source)
        return;
    SelectGuard selected(source.Get(), bitmap.Get());
    const int w = wallpaper.Width(), h = wallpaper.Height();
    switch (style) {
        case kWallpaperTiled:
            for (int y = 0; y < screen.height; y += h) {
                for (int x = 0; x < screen.width; x += w)
                    BitBlt(target, x, y, w, h, source.Get(), 0, 0, tileRop);
            }
            break;
        case kWallpaperStretched:
            SetStretchBltMode(target, COLORONCOLOR);
            StretchBlt(target, 0, 0, screen.width, screen.height, source.Get(), 0, 0, w, h,
                       SRCCOPY);
            break;
        default:
            BitBlt(target, (screen.width - w) / 2, (screen.height - h) / 2, w, h, source.Get(), 0,
                   0, SRCCOPY);
            break;
    }
}

}  // namespace

PictureSize ScreenSize() {
    WindowDc screen(nullptr);
    if (!screen)
        return {};
    return {GetDeviceCaps(screen.Get(), HORZRES), GetDeviceCaps(screen.Get(), VERTRES)};
}

int CaptureScreen(SECImage& image) {
    const HWND desktop = GetDesktopWindow();
    RECT area;
    WindowDc screen(desktop);
    if (!screen || !GetWindowRect(desktop, &area))
        return 0;
    const int width = area.right - area.left, height = area.bottom - area.top;
    MemoryDc memory(CreateCompatibleDC(screen.Get()));
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!memory || !bitmap)
        return 0;
    {
        SelectGuard selected(memory.Get(), bitmap.Get());
        if (!BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), 0, 0, SRCCOPY))
            return 0;
    }
    return CreateImageFromBitmap(image, bitmap.Get(), screen.Get()) ? 1 : 0;
}

bool ReadWallpaper(SECImage& image, int& style, WallpaperKey key) {
    std::string file;
    if (!ReadWallpaperSettings(key, file, style))
        return false;
    return LoadWallpaperFile(image, file);
}

bool DesktopBackground(PreparedPicture& object, SECImage& image, DWORD tileRop) {
    const PictureSize screen = ScreenSize();
    WindowDc screenDc(nullptr);
    if (!screenDc)
        return false;
    BitmapHandle composed(CreateCompatibleBitmap(screenDc.Get(), screen.width, screen.height));
    MemoryDc target(CreateCompatibleDC(screenDc.Get()));
    if (!composed || !target)
        return false;

    // Systems without the Active Desktop keep their wallpaper only in the classic key.
    std::string unused;
    int probe = kWallpaperCentred;
    const WallpaperKey key = ReadWallpaperSettings(WallpaperKey::kActiveDesktop, unused, probe)
                                 ? WallpaperKey::kActiveDesktop
                                 : WallpaperKey::kControlPanel;
    int style = kWallpaperCentred;
    const bool haveWallpaper = ReadWallpaper(image, style, key);
    {
        SelectGuard selected(target.Get(), composed.Get());
        BrushHandle desktopColour(CreateSolidBrush(GetSysColor(COLOR_BACKGROUND)));
        const RECT all = {0, 0, screen.width, screen.height};
        FillRect(target.Get(), &all, desktopColour.Get());
        if (haveWallpaper && !image.IsEmpty())
            ComposeWallpaper(target.Get(), screen, image, style, tileRop);
    }
    if (!CreateImageFromBitmap(image, composed.Get(), screenDc.Get()))
        return false;
    object.Set(std::move(composed), IconHandle(), screen.width, screen.height);
    return true;
}

int WindowsVersion() {
    OSVERSIONINFOA version;
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version))
        return kWindowsOther;
    return WindowsVersionFrom(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion);
}

}  // namespace vl
