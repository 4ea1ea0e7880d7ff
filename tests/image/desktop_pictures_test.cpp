#include <gtest/gtest.h>

#include "tests/image/bmp_vectors.h"
#include "engine/image/desktop_pictures.h"
#include "engine/image/desktop_rules.h"
#include "framework/scripted_prompt.h"
#include "framework/win32_prompt.h"
#include "engine/image/sec_jpeg.h"
#include "support/top_windows.h"
#include "support/waits.h"
#include "tests/image/win_test_support.h"

namespace {

constexpr char kActiveDesktopKey[] = "Software\\Microsoft\\Internet Explorer\\Desktop\\General";

// Sets the Active Desktop's wallpaper values for one test and removes them afterwards. The test
// is skipped on a machine that has its own values there. Tests run side by side in separate
// processes, so each holds a named mutex while it owns the values.
class WallpaperSettings {
  public:
    WallpaperSettings() : lock_(CreateMutexA(nullptr, FALSE, "VistaloomWallpaperTest")) {
        if (lock_)
            WaitForSingleObject(lock_, 30000);
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, kActiveDesktopKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr) != ERROR_SUCCESS) {
            return;
        }
        key_ = key;
        ownValues_ = RegQueryValueExA(key_, "Wallpaper", nullptr, nullptr, nullptr, nullptr) ==
                     ERROR_FILE_NOT_FOUND;
    }
    ~WallpaperSettings() {
        if (key_) {
            if (ownValues_) {
                for (const char* name : {"Wallpaper", "WallpaperStyle", "TileWallpaper"})
                    RegDeleteValueA(key_, name);
            }
            RegCloseKey(key_);
        }
        if (lock_) {
            ReleaseMutex(lock_);
            CloseHandle(lock_);
        }
    }
    WallpaperSettings(const WallpaperSettings&) = delete;
    WallpaperSettings& operator=(const WallpaperSettings&) = delete;
    bool Usable() const { return key_ && ownValues_; }
    void Set(const std::string& file, const char* style, const char* tile) {
        SetString("Wallpaper", file.c_str());
        SetString("WallpaperStyle", style);
        SetString("TileWallpaper", tile);
    }

  private:
    void SetString(const char* name, const char* value) {
        RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>(lstrlenA(value) + 1));
    }
    HANDLE lock_;  // owned
    HKEY key_ = nullptr;
    bool ownValues_ = false;
};

COLORREF DesktopColour() {
    const COLORREF colour = GetSysColor(COLOR_BACKGROUND);
    return RGB(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

TEST(ReadWallpaper, StyleAndPictureComeFromTheSettingsAndNothingIsShown) {
    WallpaperSettings settings;
    if (!settings.Usable())
        GTEST_SKIP() << "the machine has its own wallpaper settings";
    ScratchFolder folder;
    const std::string bmp = folder.Write("paper.bmp", kBmp24BottomUp);
    settings.Set(bmp, "2", "0");
    vl::ScriptedPrompt prompt;
    vl::ScopedPromptOverride scoped(prompt);
    SECJpeg image;
    int style = vl::kWallpaperCentred;
    ASSERT_TRUE(vl::ReadWallpaper(image, style, vl::WallpaperKey::kActiveDesktop));
    EXPECT_EQ(style, vl::kWallpaperStretched);
    EXPECT_EQ(image.Width(), 2);
    EXPECT_EQ(image.Quality(), 100);

    // A JPEG wallpaper, tiled.
    SECDib source;
    ASSERT_TRUE(source.Load(kBmp24BottomUp.data(), kBmp24BottomUp.size()));
    SECJpeg asJpeg;
    asJpeg.CopyImage(source);
    const std::string jpg = folder.Path("paper.jpg");
    ASSERT_TRUE(asJpeg.Save(jpg));
    settings.Set(jpg, "0", "1");
    style = vl::kWallpaperCentred;
    ASSERT_TRUE(vl::ReadWallpaper(image, style, vl::WallpaperKey::kActiveDesktop));
    EXPECT_EQ(style, vl::kWallpaperTiled);
    EXPECT_EQ(image.Height(), 2);

    // Environment variables in the name are expanded before it is read.
    SetEnvironmentVariableA("VL_WALLPAPER_FOLDER", folder.Path("").c_str());
    settings.Set("%VL_WALLPAPER_FOLDER%paper.bmp", "0", "0");
    SECJpeg expanded;
    ASSERT_TRUE(vl::ReadWallpaper(expanded, style, vl::WallpaperKey::kActiveDesktop));
    EXPECT_EQ(expanded.Width(), 2);

    // Only ".bmp" and ".jpg" are read.
    const std::string jpeg = folder.Write("paper.jpeg", {});
    settings.Set(jpeg, "0", "0");
    EXPECT_FALSE(vl::ReadWallpaper(image, style, vl::WallpaperKey::kActiveDesktop));

    // The file's name is of no use to someone watching a screen saver: nothing was said.
    EXPECT_TRUE(prompt.Shown().empty()) << prompt.Texts().front();
}

// Closes every dialog box of this process that appears while it watches, and keeps their texts.
class BoxWatcher {
  public:
    BoxWatcher() : done_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
        thread_ = CreateThread(nullptr, 0, &BoxWatcher::Watch, this, 0, nullptr);
    }
    ~BoxWatcher() { Finish(); }
    BoxWatcher(const BoxWatcher&) = delete;
    BoxWatcher& operator=(const BoxWatcher&) = delete;

    // Stops watching; the texts of the boxes seen, in order.
    const std::vector<std::string>& Finish() {
        if (thread_) {
            SetEvent(done_);
            WaitForSingleObject(thread_, INFINITE);
            CloseHandle(thread_);
            CloseHandle(done_);
            thread_ = nullptr;
        }
        return seen_;
    }

  private:
    static DWORD WINAPI Watch(void* self) {
        auto* watcher = static_cast<BoxWatcher*>(self);
        while (WaitForSingleObject(watcher->done_, 5) == WAIT_TIMEOUT) {
            HWND box = vl::test::FindTopWindow(GetCurrentProcessId(), "#32770", nullptr);
            if (!box)
                continue;
            watcher->seen_.push_back(vl::test::MessageBoxText(box));
            // The box ends as though OK had been pressed, so a box that is there does not hold
            // the test.
            vl::test::PressButton(box, IDOK);
            vl::test::WaitUntilGone(box, 2000);
        }
        return 0;
    }

    HANDLE done_;    // owned
    HANDLE thread_;  // owned
    std::vector<std::string> seen_;
};

TEST(ReadWallpaper, TakingTheWallpaperOpensNoBox) {
    WallpaperSettings settings;
    if (!settings.Usable())
        GTEST_SKIP() << "the machine has its own wallpaper settings";
    ScratchFolder folder;
    settings.Set(folder.Write("paper.bmp", kBmp24BottomUp), "0", "0");
    // The boxes the programs show, as Glint and the builder install them.
    vl::Win32Prompt boxes("Vistaloom");
    vl::ScopedPromptOverride scoped(boxes);
    BoxWatcher watcher;

    SECJpeg image;
    int style = vl::kWallpaperCentred;
    EXPECT_TRUE(vl::ReadWallpaper(image, style, vl::WallpaperKey::kActiveDesktop));
    vl::PreparedPicture object;
    EXPECT_TRUE(vl::DesktopBackground(object, image, SRCCOPY));
    EXPECT_EQ(watcher.Finish(), std::vector<std::string>{});
}

// A desktop background made with the Active Desktop's wallpaper set to a file of the given name
// and bytes and the given placement values.
class DesktopBackgroundTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!settings_.Usable())
            GTEST_SKIP() << "the machine has its own wallpaper settings";
    }
    void Compose(const std::string& name, const std::vector<std::uint8_t>& bytes, const char* style,
                 const char* tile) {
        settings_.Set(folder_.Write(name, bytes), style, tile);
        vl::ScopedPromptOverride scoped(prompt_);
        ASSERT_TRUE(vl::DesktopBackground(object, image, SRCCOPY));
        ASSERT_EQ(image.Width(), screen.width);
        ASSERT_EQ(image.Height(), screen.height);
        EXPECT_EQ(object.Width(), screen.width);
        EXPECT_EQ(object.Height(), screen.height);
        EXPECT_EQ(object.Icon(), nullptr);
    }

    WallpaperSettings settings_;
    ScratchFolder folder_;
    vl::ScriptedPrompt prompt_;
    vl::PreparedPicture object;
    SECJpeg image;
    const vl::PictureSize screen = vl::ScreenSize();
};

TEST_F(DesktopBackgroundTest, TiledWallpaperFillsTheScreenWithTiles) {
    ASSERT_NO_FATAL_FAILURE(Compose("paper.bmp", kBmp24BottomUp, "0", "1"));
    // Tiles of red, white over blue, green from the top-left corner on.
    for (int y : {0, 2, 100}) {
        for (int x : {0, 2, 500}) {
            EXPECT_EQ(ColourAt(image, x, y), RGB(255, 0, 0));
            EXPECT_EQ(ColourAt(image, x + 1, y), RGB(255, 255, 255));
            EXPECT_EQ(ColourAt(image, x, y + 1), RGB(0, 0, 255));
            EXPECT_EQ(ColourAt(image, x + 1, y + 1), RGB(0, 255, 0));
        }
    }
    EXPECT_EQ(ColourAt(PixelsOf(object.Bitmap()), 3, 3), RGB(0, 255, 0));
}

TEST_F(DesktopBackgroundTest, CentredWallpaperSitsOnTheDesktopColour) {
    ASSERT_NO_FATAL_FAILURE(Compose("paper.bmp", kBmp24BottomUp, "0", "0"));
    const int left = (screen.width - 2) / 2, top = (screen.height - 2) / 2;
    EXPECT_EQ(ColourAt(image, left, top), RGB(255, 0, 0));
    EXPECT_EQ(ColourAt(image, left + 1, top + 1), RGB(0, 255, 0));
    EXPECT_EQ(ColourAt(image, left - 1, top), DesktopColour());
    EXPECT_EQ(ColourAt(image, 0, 0), DesktopColour());
}

TEST_F(DesktopBackgroundTest, StretchedWallpaperCoversTheScreen) {
    ASSERT_NO_FATAL_FAILURE(Compose("paper.bmp", kBmp24BottomUp, "2", "0"));
    EXPECT_EQ(ColourAt(image, 10, 10), RGB(255, 0, 0));
    EXPECT_EQ(ColourAt(image, screen.width - 10, 10), RGB(255, 255, 255));
    EXPECT_EQ(ColourAt(image, 10, screen.height - 10), RGB(0, 0, 255));
    EXPECT_EQ(ColourAt(image, screen.width - 10, screen.height - 10), RGB(0, 255, 0));
}

TEST_F(DesktopBackgroundTest, UnreadableWallpaperLeavesThePlainDesktopColour) {
    ASSERT_NO_FATAL_FAILURE(Compose("paper.gif", {'G', 'I', 'F'}, "0", "1"));
    for (int y : {0, screen.height / 2, screen.height - 1})
        EXPECT_EQ(ColourAt(image, screen.width / 3, y), DesktopColour());
}

LRESULT CALLBACK PlainWindow(HWND window, UINT message, WPARAM w, LPARAM l) {
    return DefWindowProcA(window, message, w, l);
}

bool ShowsOurWindow(const SECImage& image) {
    return ColourAt(image, 40 + 60, 50 + 40) == RGB(200, 30, 60) &&
           ColourAt(image, 40, 50) == RGB(200, 30, 60) &&
           ColourAt(image, 159, 129) == RGB(200, 30, 60);
}

TEST(CaptureScreen, ImageHoldsWhatIsOnTheScreen) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = PlainWindow;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = CreateSolidBrush(RGB(200, 30, 60));
    windowClass.lpszClassName = "ImageCaptureTest";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(WS_EX_TOPMOST, "ImageCaptureTest", "", WS_POPUP | WS_VISIBLE, 40,
                                  50, 120, 80, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    // Until Wine has put our window on the display, and in case another program's window comes
    // over it meanwhile, each look brings ours to the top first.
    SECDib image;
    int captured = 0;
    const bool seen = vl::test::PumpUntil([&] {
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        UpdateWindow(window);
        captured = vl::CaptureScreen(image);
        return captured == 1 && ShowsOurWindow(image);
    });
    EXPECT_EQ(captured, 1);
    const vl::PictureSize screen = vl::ScreenSize();
    EXPECT_EQ(image.Width(), screen.width);
    EXPECT_EQ(image.Height(), screen.height);
    DestroyWindow(window);
    UnregisterClassA("ImageCaptureTest", windowClass.hInstance);
    DeleteObject(windowClass.hbrBackground);
    EXPECT_TRUE(seen);
}

}  // namespace
