// The preview window in the test process, whose resources are Glint's: it fills its parent and
// draws bitmap 144 scaled into the middle. (Under Wine a child window of another process is never
// put on the screen, so the program's own test can check everything but these pixels.)
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "runtime/glint_resources.h"
#include "runtime/preview_window.h"
#include "support/screen.h"

namespace vl {
namespace {

using test::ScreenPixel;

class Host {
  public:
    Host(int width, int height) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = "VlTestPreviewParent";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(WS_EX_TOPMOST, "VlTestPreviewParent", "",
                                  WS_POPUP | WS_CLIPCHILDREN | WS_VISIBLE, 20, 30, width, height,
                                  nullptr, nullptr, nullptr, nullptr);
        test::PumpPending();
    }
    ~Host() {
        if (IsWindow(window_))
            DestroyWindow(window_);
    }
    HWND Window() const { return window_; }

  private:
    HWND window_;
};

// Bitmap 144's pixel (x, y), counted from the top, as COLORREF.
class PreviewPicture {
  public:
    PreviewPicture() {
        HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr),
                                                         MAKEINTRESOURCEA(IDB_PREVIEW),
                                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        BITMAP info = {};
        GetObjectA(bitmap, sizeof(info), &info);
        width_ = info.bmWidth;
        height_ = info.bmHeight;
        BITMAPINFO format = {};
        format.bmiHeader.biSize = sizeof(format.bmiHeader);
        format.bmiHeader.biWidth = width_;
        format.bmiHeader.biHeight = -height_;
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        pixels_.resize(static_cast<std::size_t>(width_ * height_));
        HDC screen = GetDC(nullptr);
        GetDIBits(screen, bitmap, 0, static_cast<UINT>(height_), pixels_.data(), &format,
                  DIB_RGB_COLORS);
        ReleaseDC(nullptr, screen);
        DeleteObject(bitmap);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF At(int x, int y) const {
        const DWORD bgr = pixels_[static_cast<std::size_t>(y * width_ + x)];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<DWORD> pixels_;
};

TEST(GlintPreviewWindowTest, DrawsTheBitmapInTheMiddleOfTheWholeClientArea) {
    const PreviewPicture picture;
    ASSERT_EQ(picture.Width(), 96);
    ASSERT_EQ(picture.Height(), 112);
    Host host(152, 112);
    PreviewWindow preview;
    ASSERT_TRUE(preview.Create(host.Window()));
    // The picture at its own size from x 28; black at both sides.
    std::vector<test::ExpectedPixel> expected = {{20 + 27, 30 + 50, RGB(0, 0, 0)},
                                                 {20 + 124, 30 + 50, RGB(0, 0, 0)}};
    for (int y = 0; y < 112; y += 7) {
        for (int x = 0; x < 96; x += 5)
            expected.push_back({20 + 28 + x, 30 + y, picture.At(x, y)});
    }
    EXPECT_TRUE(test::ScreenShows(expected));

    RECT area;
    GetWindowRect(preview.Handle(), &area);
    EXPECT_EQ(area.left, 20);
    EXPECT_EQ(area.top, 30);
    EXPECT_EQ(area.right, 172);
    EXPECT_EQ(area.bottom, 142);
    EXPECT_EQ(GetParent(preview.Handle()), host.Window());
    // Which pixels differ, when some do.
    for (const test::ExpectedPixel& pixel : expected)
        EXPECT_EQ(ScreenPixel(pixel.x, pixel.y), pixel.colour) << pixel.x << "," << pixel.y;
}

TEST(GlintPreviewWindowTest, ScalesThePictureIntoASmallerArea) {
    const PreviewPicture picture;
    Host host(48, 56);
    PreviewWindow preview;
    ASSERT_TRUE(preview.Create(host.Window()));
    // Half size, filling the area: each pixel is one of the four it stands for.
    const auto fromItsSquare = [&picture](int x, int y) {
        const COLORREF shown = ScreenPixel(20 + x, 30 + y);
        return shown == picture.At(2 * x, 2 * y) || shown == picture.At(2 * x + 1, 2 * y) ||
               shown == picture.At(2 * x, 2 * y + 1) || shown == picture.At(2 * x + 1, 2 * y + 1);
    };
    const auto everyPixel = [&fromItsSquare](bool report) {
        bool all = true;
        for (int y = 1; y < 56; y += 6) {
            for (int x = 1; x < 48; x += 5) {
                const bool shown = fromItsSquare(x, y);
                all = all && shown;
                if (report) {
                    EXPECT_TRUE(shown) << x << "," << y;
                }
            }
        }
        return all;
    };
    EXPECT_TRUE(test::PumpUntil([&] { return everyPixel(false); }));
    everyPixel(true);  // which pixels differ, when some do
}

TEST(GlintPreviewWindowTest, NeverTakesTheFocusAndQuitsWithItsParent) {
    Host host(152, 112);
    SetFocus(host.Window());
    PreviewWindow preview;
    ASSERT_TRUE(preview.Create(host.Window()));
    EXPECT_EQ(GetFocus(), host.Window());
    EXPECT_EQ(
        SendMessageA(preview.Handle(), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(host.Window()),
                     MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
        MA_NOACTIVATE);

    DestroyWindow(host.Window());
    EXPECT_EQ(preview.Handle(), nullptr);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
}

TEST(GlintPreviewWindowTest, RefusesAParentThatIsNoWindow) {
    PreviewWindow preview;
    EXPECT_FALSE(preview.Create(nullptr));
    Host host(10, 10);
    HWND gone = host.Window();
    DestroyWindow(gone);
    EXPECT_FALSE(preview.Create(gone));
}

}  // namespace
}  // namespace vl
