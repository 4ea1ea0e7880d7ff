// The finished Glint and Ferrule images as Windows sees them: their fixed sizes, Glint's preview
// bitmap in its slot, and the copies that Vistaloom carries as resources.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "package/fixed_images.h"
#include "runtime/glint_resources.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

using vl::kRuntimeImageSize;
using vl::kStubImageSize;
using vl::PreviewBitmapSlot;
constexpr int kPreviewWidth = 96;
constexpr int kPreviewHeight = 112;

Bytes ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

class Module {
  public:
    Module(const std::string& path, DWORD flags)
        : handle_(LoadLibraryExA(path.c_str(), nullptr, flags)) {}
    ~Module() {
        if (handle_) {
            FreeLibrary(handle_);
        }
    }
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;
    HMODULE get() const { return handle_; }

  private:
    HMODULE handle_;
};

class Bitmap {
  public:
    explicit Bitmap(HBITMAP handle) : handle_(handle) {}
    ~Bitmap() {
        if (handle_) {
            DeleteObject(handle_);
        }
    }
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    HBITMAP get() const { return handle_; }

  private:
    HBITMAP handle_;
};

class TemporaryFile {
  public:
    explicit TemporaryFile(const char* name) {
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        path_ = std::string(folder) + name;
    }
    ~TemporaryFile() { DeleteFileA(path_.c_str()); }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

// The data of a resource as the module's resource functions find it; empty when missing.
Bytes ResourceBytes(HMODULE module, LPCSTR name, LPCSTR type) {
    HRSRC info = FindResourceA(module, name, type);
    if (!info) {
        return {};
    }
    HGLOBAL loaded = LoadResource(module, info);
    const auto* data = static_cast<const std::uint8_t*>(LockResource(loaded));
    return data ? Bytes(data, data + SizeofResource(module, info)) : Bytes{};
}

// Pixels of a bitmap as 0x00RRGGBB, top row first, through a 32-bit DIB.
std::vector<std::uint32_t> BitmapPixels(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info,
                               DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != height) {
        return {};
    }
    for (auto& p : pixels) {
        p &= 0x00FFFFFF;
    }
    return pixels;
}

// Pixels of an 8-bit DIB (info header, palette, bottom-up rows), decoded by hand.
std::vector<std::uint32_t> DecodeDib8(const Bytes& dib) {
    auto u32 = [&](std::size_t at) {
        return std::uint32_t{dib[at]} | std::uint32_t{dib[at + 1]} << 8 |
               std::uint32_t{dib[at + 2]} << 16 | std::uint32_t{dib[at + 3]} << 24;
    };
    const int width = static_cast<int>(u32(4));
    const int height = static_cast<int>(u32(8));
    const std::uint32_t colours = u32(32) ? u32(32) : 256;
    const std::size_t palette = u32(0);
    const std::size_t rows = palette + colours * 4;
    const std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        const std::size_t row = rows + static_cast<std::size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            pixels.push_back(
                u32(palette + 4 * std::size_t{dib[row + static_cast<std::size_t>(x)]}) &
                0x00FFFFFF);
        }
    }
    return pixels;
}

void ExpectPreviewBitmap(HMODULE module, const std::vector<std::uint32_t>& expected) {
    Bitmap bitmap(LoadBitmapA(module, MAKEINTRESOURCEA(IDB_PREVIEW)));
    ASSERT_NE(bitmap.get(), nullptr) << "LoadBitmap(IDB_PREVIEW) failed: " << GetLastError();
    BITMAP shape = {};
    ASSERT_EQ(GetObjectA(bitmap.get(), sizeof shape, &shape), static_cast<int>(sizeof shape));
    EXPECT_EQ(shape.bmWidth, kPreviewWidth);
    EXPECT_EQ(shape.bmHeight, kPreviewHeight);
    EXPECT_EQ(BitmapPixels(bitmap.get(), kPreviewWidth, kPreviewHeight), expected);
}

Bytes SourcePreviewDib() {
    const Bytes file = ReadFileBytes(VL_PREVIEW_BMP);
    return file.size() > 14 ? Bytes(file.begin() + 14, file.end()) : Bytes{};
}

TEST(FixedImages, HaveTheirFixedSizes) {
    EXPECT_EQ(ReadFileBytes(VL_GLINT_IMAGE).size(), kRuntimeImageSize);
    EXPECT_EQ(ReadFileBytes(VL_FERRULE_IMAGE).size(), kStubImageSize);
}

TEST(FixedImages, GlintPreviewDataLiesInTheSlot) {
    const Bytes source = SourcePreviewDib();
    ASSERT_EQ(source.size(), PreviewBitmapSlot::kSize);
    const Bytes image = ReadFileBytes(VL_GLINT_IMAGE);
    ASSERT_EQ(image.size(), kRuntimeImageSize);
    EXPECT_TRUE(
        std::equal(source.begin(), source.end(), image.begin() + PreviewBitmapSlot::kOffset));

    // Mapped as a program image, the resource is found at the slot's address.
    Module mapped(VL_GLINT_IMAGE, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(mapped.get(), nullptr) << "the padded image does not load: " << GetLastError();
    HRSRC info = FindResourceA(mapped.get(), MAKEINTRESOURCEA(IDB_PREVIEW), MAKEINTRESOURCEA(2));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(SizeofResource(mapped.get(), info), PreviewBitmapSlot::kSize);
    const auto* data =
        static_cast<const std::uint8_t*>(LockResource(LoadResource(mapped.get(), info)));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(0, std::memcmp(data, source.data(), PreviewBitmapSlot::kSize));
}

TEST(FixedImages, GlintPreviewLoadsAsTheSourcePicture) {
    const std::vector<std::uint32_t> expected = DecodeDib8(SourcePreviewDib());
    ASSERT_EQ(expected.size(), std::size_t{kPreviewWidth} * kPreviewHeight);
    {
        Module asData(VL_GLINT_IMAGE, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(asData.get(), nullptr);
        ExpectPreviewBitmap(asData.get(), expected);
    }
    Module asImage(VL_GLINT_IMAGE, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(asImage.get(), nullptr);
    ExpectPreviewBitmap(asImage.get(), expected);
}

TEST(FixedImages, PatchingTheSlotChangesThePreview) {
    // What the builder does with a custom picture: overwrite the slot in a copy of the image.
    Bytes custom = SourcePreviewDib();
    ASSERT_EQ(custom.size(), PreviewBitmapSlot::kSize);
    for (std::size_t i = 0; i < 256; ++i) {  // a grey ramp palette
        custom[40 + i * 4] = custom[41 + i * 4] = custom[42 + i * 4] = static_cast<std::uint8_t>(i);
    }
    for (std::size_t y = 0; y < kPreviewHeight; ++y) {  // diagonal stripes, bottom-up rows
        for (std::size_t x = 0; x < kPreviewWidth; ++x) {
            custom[40 + 1024 + y * kPreviewWidth + x] = static_cast<std::uint8_t>((x + y) * 2);
        }
    }
    Bytes image = ReadFileBytes(VL_GLINT_IMAGE);
    ASSERT_EQ(image.size(), kRuntimeImageSize);
    std::copy(custom.begin(), custom.end(), image.begin() + PreviewBitmapSlot::kOffset);
    TemporaryFile copy("vl-fixed-images-custom.scr");
    WriteFileBytes(copy.path(), image);

    std::vector<std::uint32_t> expected;
    for (std::size_t y = 0; y < kPreviewHeight; ++y) {  // top row first: y from the top
        for (std::size_t x = 0; x < kPreviewWidth; ++x) {
            const std::uint32_t grey =
                static_cast<std::uint8_t>((x + (kPreviewHeight - 1 - y)) * 2);
            expected.push_back(grey << 16 | grey << 8 | grey);
        }
    }
    Module patched(copy.path(), LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(patched.get(), nullptr);
    ExpectPreviewBitmap(patched.get(), expected);
}

TEST(FixedImages, VistaloomCarriesBothImagesByteForByte) {
    Module builder(VL_VISTALOOM, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(builder.get(), nullptr) << GetLastError();
    const Bytes glint = ResourceBytes(builder.get(), "#271", "FILE");
    const Bytes ferrule = ResourceBytes(builder.get(), "#274", "FILE");
    EXPECT_EQ(glint.size(), kRuntimeImageSize);
    EXPECT_EQ(ferrule.size(), kStubImageSize);
    EXPECT_TRUE(glint == ReadFileBytes(VL_GLINT_IMAGE));
    EXPECT_TRUE(ferrule == ReadFileBytes(VL_FERRULE_IMAGE));
}

}  // namespace
