#include "tests/draw/draw_test_support.h"

#include <winternl.h>

#include "engine/image/image_runtime.h"
#include "framework/dib_section.h"
#include "support/waits.h"

#include <cstdlib>

namespace vl::testing {

namespace {

const char kWindowClass[] = "VlDrawTestWindow";

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            ValidateRect(window, nullptr);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

COLORREF FromDib(std::uint32_t pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

std::uint32_t ToDib(COLORREF colour) {
    return (std::uint32_t{GetRValue(colour)} << 16) | (std::uint32_t{GetGValue(colour)} << 8) |
           GetBValue(colour);
}

}  // namespace

Pixels ReadPixels(HDC dc, const Rect& area) {
    Pixels pixels;
    pixels.width = area.Width();
    pixels.height = area.Height();
    BITMAPINFO info = TopDown32BitInfo(pixels.width, pixels.height);
    void* bits = nullptr;
    BitmapHandle dib(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    MemoryDc copy(CreateCompatibleDC(dc));
    if (!dib || !copy) {
        ADD_FAILURE() << "cannot read pixels back";
        return pixels;
    }
    {
        SelectGuard selection(copy.Get(), dib.Get());
        BitBlt(copy.Get(), 0, 0, pixels.width, pixels.height, dc, area.left, area.top, SRCCOPY);
        GdiFlush();
    }
    const auto* source = static_cast<const std::uint32_t*>(bits);
    pixels.colours.reserve(static_cast<std::size_t>(pixels.width) * pixels.height);
    for (int i = 0; i < pixels.width * pixels.height; ++i)
        pixels.colours.push_back(FromDib(source[i]));
    return pixels;
}

TestWindow::TestWindow(int width, int height) : size_{width, height} {
    static const ATOM registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = TestWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kWindowClass;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        return RegisterClassA(&windowClass);
    }();
    (void)registered;
    window_.Reset(CreateWindowExA(WS_EX_TOPMOST, kWindowClass, "draw test", WS_POPUP | WS_VISIBLE,
                                  0, 0, width, height, nullptr, nullptr, GetModuleHandleA(nullptr),
                                  nullptr));
    if (!window_) {
        ADD_FAILURE() << "cannot create the test window";
        return;
    }
    test::PumpPending();
    dc_ = GetDC(window_.Get());
}

TestWindow::~TestWindow() {
    if (dc_)
        ReleaseDC(window_.Get(), dc_);
}

void PaintPattern(HDC dc, const Rect& area, const PixelPattern& pattern) {
    const int width = area.Width();
    const int height = area.Height();
    std::vector<std::uint32_t> bits(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            bits[static_cast<std::size_t>(y) * width + x] = ToDib(pattern(x, y));
    }
    BITMAPINFO info = TopDown32BitInfo(width, height);
    SetDIBitsToDevice(dc, area.left, area.top, width, height, 0, 0, 0, height, bits.data(), &info,
                      DIB_RGB_COLORS);
}

BitmapHandle MakeBitmap(int width, int height, const PixelPattern& pattern) {
    WindowDc screen(nullptr);
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    MemoryDc dc(CreateCompatibleDC(screen.Get()));
    if (!bitmap || !dc) {
        ADD_FAILURE() << "cannot make a bitmap";
        return bitmap;
    }
    SelectGuard selection(dc.Get(), bitmap.Get());
    PaintPattern(dc.Get(), Rect{0, 0, width, height}, pattern);
    return bitmap;
}

COLORREF PicturePixel(int x, int y) {
    return RGB(0x20 + (x * 13) % 200, 0x30 + (y * 17) % 190, 0x41 + ((x + y) * 7) % 150);
}

COLORREF BackdropPixel(int x, int y) {
    return RGB(0x11 + (x * 3) % 97, 0x80 + (y * 5) % 61, 0x07 + ((x * y) % 89));
}

void SetPicture(ImageEntry& image, int width, int height, const PixelPattern& pattern) {
    image.isText = 0;
    ImageRuntimeOf(image).picture.Set(MakeBitmap(width, height, pattern), IconHandle(), width,
                                      height);
}

int GdiObjectCount() {
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0)
        return static_cast<int>(reported);
    // Wine keeps the table Windows keeps in the process environment block (GdiSharedHandleTable);
    // an entry is in use while its type byte is set.
    struct HandleEntry {
        std::uint64_t object;
        std::uint32_t owner;
        std::uint16_t unique;
        std::uint8_t type;
        std::uint8_t flags;
        std::uint64_t user;
    };
    static_assert(sizeof(HandleEntry) == 24, "64-bit handle table layout");
    using QueryProcess = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION process{};
    if (!query ||
        query(GetCurrentProcess(), ProcessBasicInformation, &process, sizeof process, nullptr) != 0)
        return -1;
    const auto* peb = reinterpret_cast<const std::uint8_t*>(process.PebBaseAddress);
    const auto* table = *reinterpret_cast<const HandleEntry* const*>(peb + 0xF8);
    if (!table)
        return -1;
    int count = 0;
    for (int i = 0; i < 0x10000; ++i)
        count += table[i].type != 0 ? 1 : 0;
    return count;
}

MemoryScreen::MemoryScreen(int width, int height) {
    WindowDc screen(nullptr);
    bitmap_.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
    dc_.Reset(CreateCompatibleDC(screen.Get()));
    if (!bitmap_ || !dc_) {
        ADD_FAILURE() << "cannot make the memory screen";
        return;
    }
    previous_ = SelectObject(dc_.Get(), bitmap_.Get());
}

MemoryScreen::~MemoryScreen() {
    if (previous_)
        SelectObject(dc_.Get(), previous_);
}

void WindowTest::HoldForScreenshot() const {
    const char* hold = std::getenv("VL_DRAW_HOLD_MS");
    if (!hold)
        return;
    // Wine shows what was drawn on a window when its thread handles messages: they are served
    // for the whole hold, which is a time the person taking screenshots asked for.
    test::PumpUntil([] { return false; }, static_cast<DWORD>(std::atoi(hold)));
}

int CountDifferences(const Pixels& a, const Pixels& b, const Rect& area) {
    int differences = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x)
            differences += a.At(x, y) != b.At(x, y) ? 1 : 0;
    }
    return differences;
}

}  // namespace vl::testing
