#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/image/bmp_vectors.h"
#include "tests/image/image_test_data.h"
#include "engine/image/jpeg_codec.h"
#include "engine/image/picture_format.h"
#include "engine/image/picture_loader.h"
#include "scene/messages.h"
#include "framework/scripted_prompt.h"
#include "engine/image/sec_file_system.h"
#include "tests/image/win_test_support.h"

namespace {

using vl::ByteBlock;
using vl::PreparedPicture;

bool Near(COLORREF actual, COLORREF expected) {
    return std::abs(GetRValue(actual) - GetRValue(expected)) <= 8 &&
           std::abs(GetGValue(actual) - GetGValue(expected)) <= 8 &&
           std::abs(GetBValue(actual) - GetBValue(expected)) <= 8;
}

void ExpectRecordedSize(const PreparedPicture& picture, int width, int height) {
    EXPECT_EQ(picture.Width(), width);
    EXPECT_EQ(picture.Height(), height);
    SIZE recorded = {0, 0};
    ASSERT_TRUE(GetBitmapDimensionEx(picture.Bitmap(), &recorded));
    EXPECT_EQ(recorded.cx, width);
    EXPECT_EQ(recorded.cy, height);
    BITMAP description;
    ASSERT_TRUE(GetObjectA(picture.Bitmap(), sizeof description, &description));
    EXPECT_EQ(description.bmWidth, width);
    EXPECT_EQ(description.bmHeight, height);
}

bool Load(PreparedPicture& picture, const std::vector<std::uint8_t>& bytes) {
    return vl::LoadPictureBytes(picture, ByteBlock::Copy(bytes.data(), bytes.size()));
}

TEST(LoadPicture, BitmapsBottomUpAndTopDownComeOutUprightWithAPositiveHeight) {
    for (const auto* bytes : {&kBmp24BottomUp, &kBmp24TopDown}) {
        PreparedPicture picture;
        ASSERT_TRUE(Load(picture, *bytes));
        ExpectRecordedSize(picture, 2, 2);
        EXPECT_EQ(picture.Icon(), nullptr);
        const SECDib pixels = PixelsOf(picture.Bitmap());
        EXPECT_EQ(ColourAt(pixels, 0, 0), RGB(255, 0, 0));
        EXPECT_EQ(ColourAt(pixels, 1, 0), RGB(255, 255, 255));
        EXPECT_EQ(ColourAt(pixels, 0, 1), RGB(0, 0, 255));
        EXPECT_EQ(ColourAt(pixels, 1, 1), RGB(0, 255, 0));
    }
    for (const auto* bytes : {&kBmp8BottomUp, &kBmp8TopDown}) {
        PreparedPicture picture;
        ASSERT_TRUE(Load(picture, *bytes));
        ExpectRecordedSize(picture, 3, 2);
        const SECDib pixels = PixelsOf(picture.Bitmap());
        EXPECT_EQ(ColourAt(pixels, 0, 0), RGB(255, 0, 0));
        EXPECT_EQ(ColourAt(pixels, 1, 0), RGB(0, 255, 0));
        EXPECT_EQ(ColourAt(pixels, 2, 0), RGB(0, 0, 0));
        EXPECT_EQ(ColourAt(pixels, 0, 1), RGB(0, 255, 0));
    }
}

TEST(LoadPicture, JfifExifGreyAndBareJpegsAllLoad) {
    const std::vector<std::uint8_t> jfif = ReadTestData("colour.jpg");
    for (const auto& bytes : {jfif, WithExifInsteadOfJfif(jfif), WithoutJfif(jfif)}) {
        PreparedPicture picture;
        ASSERT_TRUE(Load(picture, bytes));
        ExpectRecordedSize(picture, 16, 32);
        const SECDib pixels = PixelsOf(picture.Bitmap());
        EXPECT_TRUE(Near(ColourAt(pixels, 3, 2), RGB(255, 0, 0)));
        EXPECT_TRUE(Near(ColourAt(pixels, 3, 30), RGB(0, 0, 255)));
    }
    PreparedPicture grey;
    ASSERT_TRUE(Load(grey, ReadTestData("grey.jpg")));
    const SECDib pixels = PixelsOf(grey.Bitmap());
    EXPECT_TRUE(Near(ColourAt(pixels, 0, 0), RGB(200, 200, 200)));
    EXPECT_TRUE(Near(ColourAt(pixels, 0, 31), RGB(50, 50, 50)));
}

TEST(LoadPicture, DamagedJpegIsReportedOnceAndKeepsThePreviousPicture) {
    ScratchFolder folder;
    std::vector<std::uint8_t> damaged = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F'};
    for (int i = 0; i < 300; ++i)
        damaged.push_back(static_cast<std::uint8_t>(i * 91 + 7));
    const std::string path = folder.Write("damaged.jpg", damaged);

    PreparedPicture picture;
    ASSERT_TRUE(Load(picture, kBmp24BottomUp));
    const HBITMAP before = picture.Bitmap();
    vl::ScriptedPrompt prompt;
    vl::ScopedPromptOverride scoped(prompt);
    EXPECT_EQ(vl::LoadPicture(picture, path), 0);
    ASSERT_EQ(prompt.Shown().size(), 1u);
    EXPECT_EQ(prompt.Shown()[0].text, path + "\ncannot be loaded.");
    EXPECT_EQ(prompt.Shown()[0].icon, vl::MessageIcon::Stop);
    EXPECT_EQ(picture.Bitmap(), before);
    ExpectRecordedSize(picture, 2, 2);
}

TEST(LoadPicture, ShortMissingAndUnknownFilesAreRefused) {
    ScratchFolder folder;
    const std::string tiny = folder.Write("tiny.jpg", {0xFF, 0xD8, 0xFF});
    const std::string gif = folder.Write("anim.gif", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0});
    vl::ScriptedPrompt prompt;
    vl::ScopedPromptOverride scoped(prompt);
    PreparedPicture picture;
    EXPECT_EQ(vl::LoadPicture(picture, tiny), 0);
    EXPECT_EQ(vl::LoadPicture(picture, gif), 0);
    EXPECT_EQ(vl::LoadPicture(picture, folder.Path("absent.bmp")), 0);
    EXPECT_EQ(vl::LoadIconOrCursor(picture, gif), 0);
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(prompt.Texts(),
              (std::vector<std::string>{tiny + "\ncannot be loaded.", gif + "\ncannot be loaded.",
                                        folder.Path("absent.bmp") + "\ncannot be loaded.",
                                        gif + "\ncannot be loaded."}));
}

TEST(LoadPicture, LoadingAJpegWritesAndDeletesNoFile) {
    // A picture beside the JPEG with the name a converted copy would take must survive.
    ScratchFolder folder;
    const std::string jpeg = folder.Write("photo.jpg", ReadTestData("colour.jpg"));
    folder.Write("photo.bmp", kBmp8BottomUp);
    PreparedPicture picture;
    ASSERT_EQ(vl::LoadPicture(picture, jpeg), 1);
    std::vector<std::string> files = folder.Files();
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"photo.bmp", "photo.jpg"}));
    std::vector<std::uint8_t> beside;
    ASSERT_TRUE(SECFileSystem::ReadFileBytes(folder.Path("photo.bmp"), beside));
    EXPECT_EQ(beside, kBmp8BottomUp);
}

TEST(LoadPicture, IconTakesTheSystemIconSizeWhateverSizesTheFileHolds) {
    PreparedPicture picture;
    ASSERT_EQ(vl::LoadPicture(picture, TestDataPath("two_sizes.ico")), 1);
    ASSERT_NE(picture.Icon(), nullptr);
    ExpectRecordedSize(picture, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(picture.Icon(), &info));
    EXPECT_TRUE(info.fIcon);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST(LoadPicture, CursorTakesTheCursorSizeAndKeepsItsHotspot) {
    PreparedPicture picture;
    ASSERT_EQ(vl::LoadIconOrCursor(picture, TestDataPath("arrow.cur")), 1);
    ASSERT_NE(picture.Icon(), nullptr);
    const int width = GetSystemMetrics(SM_CXCURSOR), height = GetSystemMetrics(SM_CYCURSOR);
    ExpectRecordedSize(picture, width, height);
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(picture.Icon(), &info));
    EXPECT_FALSE(info.fIcon);
    // The file's cursor is 32 x 32 with its hotspot at (5, 7).
    EXPECT_EQ(info.xHotspot, static_cast<DWORD>(5 * width / 32));
    EXPECT_EQ(info.yHotspot, static_cast<DWORD>(7 * height / 32));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST(LoadPicture, WrittenBitmapFileHasTheExactLayoutAndLoadsBack) {
    ScratchFolder folder;
    SECDib dib;
    ASSERT_TRUE(dib.Load(kBmp24TopDown.data(), kBmp24TopDown.size()));
    ASSERT_TRUE(dib.Save(folder.Path("written.bmp")));
    std::vector<std::uint8_t> written;
    ASSERT_TRUE(SECFileSystem::ReadFileBytes(folder.Path("written.bmp"), written));
    EXPECT_EQ(written, kBmp24BottomUp);
    PreparedPicture picture;
    ASSERT_EQ(vl::LoadPicture(picture, folder.Path("written.bmp")), 1);
    EXPECT_EQ(ColourAt(PixelsOf(picture.Bitmap()), 0, 0), RGB(255, 0, 0));
}

}  // namespace

namespace {

// The icon drawn at width x height over mid grey into a 32-bit bitmap, as rows of pixels.
std::vector<std::uint8_t> Drawn(HICON icon, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<std::uint8_t> pixels;
    if (dc && bitmap) {
        HGDIOBJ old = SelectObject(dc, bitmap);
        std::memset(bits, 0x80, std::size_t{4} * width * height);
        DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
        GdiFlush();
        const auto* start = static_cast<const std::uint8_t*>(bits);
        pixels.assign(start, start + std::size_t{4} * width * height);
        SelectObject(dc, old);
    }
    if (bitmap)
        DeleteObject(bitmap);
    if (dc)
        DeleteDC(dc);
    return pixels;
}

// Every icon and cursor of the corpus that decodes, shown as the builder prepares it now (from
// the decoder's pixels) and as the system shows the file's own image: the same pixels.
TEST(LoadPicture, IconsFromDecodedPixelsDrawLikeTheFilesOwnImages) {
    int compared = 0;
    const std::string folder = std::string(VL_FUZZ_CORPUS) + "/icon_reader/";
    for (const char* name :
         {"1bit.ico", "4bit.ico", "8bit.ico", "24bit.ico", "32bit.ico", "every-depth.ico",
          "8bit.cur", "im-16-and-32.ico", "test-two_sizes.ico", "test-arrow.cur", "png-256.ico"}) {
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(SECFileSystem::ReadFileBytes(folder + name, bytes)) << name;
        PreparedPicture picture;
        ASSERT_TRUE(Load(picture, bytes)) << name;
        bool isCursor = false;
        std::vector<vl::IconImage> images;
        ASSERT_TRUE(vl::ParseIconDirectory(bytes.data(), bytes.size(), isCursor, images));
        // The image the builder chose has the picture's size; the system reads the same one.
        HDC screen = GetDC(nullptr);
        const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
        ReleaseDC(nullptr, screen);
        const int chosen = vl::ChooseIconImage(images, picture.Width(), picture.Height(), bits);
        ASSERT_GE(chosen, 0);
        std::vector<std::uint8_t> resource;
        if (isCursor) {
            for (int value : {images[chosen].hotspotX, images[chosen].hotspotY}) {
                resource.push_back(static_cast<std::uint8_t>(value));
                resource.push_back(static_cast<std::uint8_t>(value >> 8));
            }
        }
        const std::uint8_t* image = bytes.data() + images[chosen].offset;
        resource.insert(resource.end(), image, image + images[chosen].size);
        HICON own = CreateIconFromResourceEx(resource.data(), static_cast<DWORD>(resource.size()),
                                             !isCursor, 0x00030000, picture.Width(),
                                             picture.Height(), LR_DEFAULTCOLOR);
        ASSERT_NE(own, nullptr) << name;
        EXPECT_EQ(Drawn(picture.Icon(), picture.Width(), picture.Height()),
                  Drawn(own, picture.Width(), picture.Height()))
            << name;
        DestroyIcon(own);
        ++compared;
    }
    EXPECT_EQ(compared, 11);
}

}  // namespace

namespace {

// A picture with a different colour in every pixel's neighbourhood, so that any difference in
// which rows and columns a stretch keeps shows.
std::vector<std::uint8_t> TexturedJpeg(int width, int height) {
    SECDib image;
    image.Create(width, height, 24);
    for (int row = 0; row < height; ++row) {
        std::uint8_t* pixel = image.Row(row);
        for (int x = 0; x < width; ++x, pixel += 3) {
            pixel[0] = static_cast<std::uint8_t>(x * 7 + row);
            pixel[1] = static_cast<std::uint8_t>(row * 5 + (x >> 3));
            pixel[2] = static_cast<std::uint8_t>((x * 13) ^ (row * 3));
        }
    }
    std::vector<std::uint8_t> jpeg;
    vl::EncodeJpeg(image, 95, jpeg);
    return jpeg;
}

// What a Stretch puts on a screen of width x height from the picture (DrawStretched's call).
SECDib Stretched(const PreparedPicture& picture, int width, int height) {
    HDC screen = GetDC(nullptr);
    HBITMAP canvas = CreateCompatibleBitmap(screen, width, height);
    HDC target = CreateCompatibleDC(screen);
    HDC source = CreateCompatibleDC(screen);
    HGDIOBJ oldTarget = SelectObject(target, canvas);
    HGDIOBJ oldSource = SelectObject(source, picture.Bitmap());
    SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, 0, 0, width, height, source, 0, 0, picture.Width(), picture.Height(),
               SRCCOPY);
    SelectObject(source, oldSource);
    SelectObject(target, oldTarget);
    DeleteDC(source);
    DeleteDC(target);
    ReleaseDC(nullptr, screen);
    SECDib pixels = PixelsOf(canvas);
    DeleteObject(canvas);
    return pixels;
}

bool SamePixels(const SECDib& a, const SECDib& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int row = 0; row < a.Height(); ++row) {
        if (std::memcmp(a.Row(row), b.Row(row), 3 * static_cast<std::size_t>(a.Width())) != 0)
            return false;
    }
    return true;
}

struct StretchCase {
    int pictureWidth, pictureHeight, screenWidth, screenHeight;
};

TEST(LoadPictureForScreen, APictureLargerThanTheScreenIsKeptAtItsSizeAndStretchesTheSame) {
    const StretchCase cases[] = {
        {1603, 1201, 1024, 768},  // a camera's proportions on a 4:3 screen
        {1300, 700, 640, 480},    // wider than the screen's proportions
        {700, 1300, 640, 480},    // taller
        {640, 480, 640, 480},     // exactly the screen
    };
    for (const StretchCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.pictureWidth) + " x " + std::to_string(c.pictureHeight));
        const std::vector<std::uint8_t> jpeg = TexturedJpeg(c.pictureWidth, c.pictureHeight);
        const ByteBlock bytes = ByteBlock::Copy(jpeg.data(), jpeg.size());
        PreparedPicture full;
        ASSERT_TRUE(vl::LoadPictureBytes(full, bytes));
        PreparedPicture fitted;
        ASSERT_TRUE(vl::LoadPictureBytesForScreen(fitted, bytes, c.screenWidth, c.screenHeight));
        ExpectRecordedSize(fitted, c.screenWidth, c.screenHeight);
        EXPECT_TRUE(SamePixels(Stretched(full, c.screenWidth, c.screenHeight),
                               Stretched(fitted, c.screenWidth, c.screenHeight)));
    }
}

TEST(LoadPictureForScreen, APictureSmallerThanTheScreenEitherWayKeepsItsOwnSize) {
    for (const StretchCase& c : {StretchCase{600, 900, 640, 480}, StretchCase{900, 400, 640, 480},
                                 StretchCase{300, 200, 640, 480}}) {
        const std::vector<std::uint8_t> jpeg = TexturedJpeg(c.pictureWidth, c.pictureHeight);
        PreparedPicture picture;
        ASSERT_TRUE(vl::LoadPictureBytesForScreen(
            picture, ByteBlock::Copy(jpeg.data(), jpeg.size()), c.screenWidth, c.screenHeight));
        ExpectRecordedSize(picture, c.pictureWidth, c.pictureHeight);
    }
    // An icon keeps the system's icon size, however small the screen.
    PreparedPicture icon;
    const std::vector<std::uint8_t> ico = ReadTestData("two_sizes.ico");
    ASSERT_FALSE(ico.empty());
    ASSERT_TRUE(vl::LoadPictureBytesForScreen(icon, ByteBlock::Copy(ico.data(), ico.size()), 8, 8));
    EXPECT_NE(icon.Icon(), nullptr);
    ExpectRecordedSize(icon, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
}

}  // namespace
