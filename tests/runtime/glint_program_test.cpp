// Glint end to end: screen savers made here from scenes built here, started as Windows starts
// them, watched on the screen and driven with the user's input.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "glint_paths.h"
#include "runtime/glint_resources.h"
#include "tests/runtime/glint_test_support.h"
#include "engine/image/jpeg_codec.h"
#include "engine/image/sec_dib.h"
#include "package/fixed_images.h"
#include "runtime/password_hash.h"
#include "tests/programs/program_process.h"
#include "tests/runtime/registry_sandbox.h"
#include "scene/entries.h"
#include "support/input.h"
#include "support/screen.h"
#include "support/top_windows.h"

namespace vl {
namespace {

using test::ExpectedPixel;

const DWORD kExitTimeoutMs = 5000;
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// Two pictures: red 64 x 48 at (100, 80) and blue 40 x 40 at (300, 200).
std::string MakeTwoPictureSaver(const char* name) {
    EntryList entries;
    test::AddShownPicture(entries, test::SolidBmp(64, 48, kRed), "red.bmp", 100, 80);
    test::AddShownPicture(entries, test::SolidBmp(40, 40, kBlue), "blue.bmp", 300, 200);
    const std::string path = test::TestFolder() + name;
    return test::WriteScreenSaver(path, entries) ? path : std::string();
}

const std::vector<ExpectedPixel> kTwoPictures = {
    {100, 80, kRed},    {163, 127, kRed},   {130, 100, kRed},  {99, 80, kBlack},
    {164, 100, kBlack}, {130, 128, kBlack}, {300, 200, kBlue}, {339, 239, kBlue},
    {340, 220, kBlack}, {320, 199, kBlack}, {5, 5, kBlack},    {700, 500, kBlack}};

// A started run whose first frame is on the screen.
class RunningSaver {
  public:
    RunningSaver(const std::string& path, const char* argument) : process_(path, argument) {}
    bool Started() {
        if (!process_.Started())
            return false;
        window_ = process_.WaitForWindow("GlintRunWindow", nullptr);
        return window_ && test::ScreenShows(kTwoPictures);
    }
    HWND Window() const { return window_; }
    ProgramProcess& Process() { return process_; }
    // True when the run goes on: it ignored what the test just did.
    bool KeepsRunning(DWORD ms = test::kReactionTimeMs) { return process_.KeepsRunning(ms); }
    bool Ends(DWORD* code) { return process_.WaitForExit(kExitTimeoutMs, code); }

  private:
    ProgramProcess process_;
    HWND window_ = nullptr;
};

// The control panel's little screen: a window of this process whose client area is 152 x 112.
class PreviewHost {
  public:
    PreviewHost() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = "VlTestPreviewHost";
        RegisterClassA(&windowClass);
        RECT frame = {0, 0, 152, 112};
        AdjustWindowRect(&frame, WS_OVERLAPPED | WS_CAPTION, FALSE);
        // Like the control panel's, the host leaves its child's area to the child.
        window_ = CreateWindowExA(0, "VlTestPreviewHost", "Host",
                                  WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN | WS_VISIBLE, 40, 40,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                  nullptr, nullptr, nullptr);
        SetForegroundWindow(window_);
        SetFocus(window_);
        test::PumpUntil([this] { return GetForegroundWindow() == window_; });
    }
    ~PreviewHost() {
        if (IsWindow(window_))
            DestroyWindow(window_);
    }
    HWND Window() const { return window_; }
    POINT ClientOrigin() const {
        POINT origin = {0, 0};
        ClientToScreen(window_, &origin);
        return origin;
    }

  private:
    HWND window_;
};

class GlintRunArgumentTest : public ::testing::TestWithParam<const char*> {};

TEST_P(GlintRunArgumentTest, ShowsTheScenesPicturesWhereTheScenePutsThem) {
    test::RegistrySandbox sandbox;
    const std::string path = MakeTwoPictureSaver("two.scr");
    ASSERT_FALSE(path.empty());
    RunningSaver saver(path, GetParam());
    ASSERT_TRUE(saver.Started()) << "the scene's first frame did not appear";

    const LONG_PTR exStyle = GetWindowLongPtrA(saver.Window(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(GetWindowLongPtrA(saver.Window(), GWL_STYLE) & WS_POPUP);
    RECT rect;
    GetWindowRect(saver.Window(), &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(rect.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(GetForegroundWindow(), saver.Window());

    // The scene has ended; its last frame stays until the user comes back.
    EXPECT_TRUE(saver.KeepsRunning());
    test::PressKey('A');
    DWORD code = 99;
    ASSERT_TRUE(saver.Ends(&code));
    EXPECT_EQ(code, 0u);
}

INSTANTIATE_TEST_SUITE_P(Arguments, GlintRunArgumentTest, ::testing::Values("/s", "-S", "s"));

class GlintDefaultExitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        path_ = MakeTwoPictureSaver("defaults.scr");
        ASSERT_FALSE(path_.empty());
        // The pointer rests where the run will find it.
        ASSERT_TRUE(test::MovePointerTo(500, 400));
    }
    test::RegistrySandbox sandbox_;
    std::string path_;
};

TEST_F(GlintDefaultExitTest, TheFirstPositionIsKeptAndAMoveElsewhereEnds) {
    RunningSaver saver(path_, "/s");
    ASSERT_TRUE(saver.Started());
    ASSERT_TRUE(test::MovePointerTo(500, 400));
    EXPECT_TRUE(saver.KeepsRunning()) << "the pointer did not move";
    ASSERT_TRUE(test::MovePointerTo(530, 410));
    DWORD code = 99;
    ASSERT_TRUE(saver.Ends(&code));
    EXPECT_EQ(code, 0u);
}

TEST_F(GlintDefaultExitTest, AKeyEnds) {
    RunningSaver saver(path_, "/s");
    ASSERT_TRUE(saver.Started());
    test::PressKey(VK_SHIFT);
    DWORD code = 99;
    ASSERT_TRUE(saver.Ends(&code));
    EXPECT_EQ(code, 0u);
}

TEST_F(GlintDefaultExitTest, AClickEnds) {
    RunningSaver saver(path_, "/s");
    ASSERT_TRUE(saver.Started());
    test::ClickRight();
    DWORD code = 99;
    ASSERT_TRUE(saver.Ends(&code));
    EXPECT_EQ(code, 0u);
}

TEST_F(GlintDefaultExitTest, SystemCloseIsSwallowed) {
    RunningSaver saver(path_, "/s");
    ASSERT_TRUE(saver.Started());
    PostMessageA(saver.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageA(saver.Window(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
    EXPECT_TRUE(saver.KeepsRunning());
    EXPECT_TRUE(IsWindow(saver.Window()));
}

TEST(GlintEscapeOnlyTest, OnlyEscEndsTheRun) {
    test::RegistrySandbox sandbox;
    ASSERT_TRUE(test::WriteDword(HKEY_CURRENT_USER, test::kGlintSettingsKey, "Standard", 0));
    ASSERT_TRUE(test::WriteDword(HKEY_CURRENT_USER, test::kGlintSettingsKey, "Escape", 1));
    const std::string path = MakeTwoPictureSaver("escape.scr");
    ASSERT_FALSE(path.empty());
    ASSERT_TRUE(test::MovePointerTo(500, 400));
    RunningSaver saver(path, "/s");
    ASSERT_TRUE(saver.Started());

    for (const WORD key : {WORD{'A'}, WORD{VK_SPACE}, WORD{VK_RETURN}, WORD{VK_F1}})
        test::PressKey(key);
    EXPECT_TRUE(saver.KeepsRunning()) << "keys A, Space, Enter, F1";
    ASSERT_TRUE(test::MovePointerTo(200, 150));
    ASSERT_TRUE(test::MovePointerTo(600, 450));
    EXPECT_TRUE(saver.KeepsRunning()) << "mouse moves";
    test::ClickLeft();
    test::ClickRight();
    EXPECT_TRUE(saver.KeepsRunning()) << "clicks";
    ASSERT_TRUE(test::ScreenShows(kTwoPictures, 1000)) << "the scene is still on the screen";

    test::PressKey(VK_ESCAPE);
    DWORD code = 99;
    ASSERT_TRUE(saver.Ends(&code));
    EXPECT_EQ(code, 0u);
}

TEST_F(GlintDefaultExitTest, ASystemKeyEnds) {
    RunningSaver saver(path_, "/s");
    ASSERT_TRUE(saver.Started());
    test::PressKey(VK_MENU);
    DWORD code = 99;
    ASSERT_TRUE(saver.Ends(&code));
    EXPECT_EQ(code, 0u);
}

// Settings with "Standard" 0 and only the named event.
class GlintChosenExitTest : public ::testing::Test {
  protected:
    void Choose(const char* event) {
        ASSERT_TRUE(test::WriteDword(HKEY_CURRENT_USER, test::kGlintSettingsKey, "Standard", 0));
        ASSERT_TRUE(test::WriteDword(HKEY_CURRENT_USER, test::kGlintSettingsKey, event, 1));
        path_ = MakeTwoPictureSaver("chosen.scr");
        ASSERT_FALSE(path_.empty());
        ASSERT_TRUE(test::MovePointerTo(500, 400));
    }
    test::RegistrySandbox sandbox_;
    std::string path_;
};

TEST_F(GlintChosenExitTest, DoubleClickEndsWhereASingleClickDoesNot) {
    ASSERT_NO_FATAL_FAILURE(Choose("DoubleClick"));
    RunningSaver saver(path_, "/s");
    ASSERT_TRUE(saver.Started());
    test::ClickLeft();
    // Past the double-click time: the next click starts a pair of its own.
    EXPECT_TRUE(saver.KeepsRunning(GetDoubleClickTime() + test::kReactionTimeMs));
    test::PressKey('A');
    EXPECT_TRUE(saver.KeepsRunning());
    test::ClickLeft();
    test::ClickLeft();
    DWORD code = 99;
    ASSERT_TRUE(saver.Ends(&code));
    EXPECT_EQ(code, 0u);
}

TEST_F(GlintChosenExitTest, MouseMoveEndsWhereAKeyDoesNot) {
    ASSERT_NO_FATAL_FAILURE(Choose("MouseMove"));
    RunningSaver saver(path_, "/s");
    ASSERT_TRUE(saver.Started());
    test::PressKey(VK_ESCAPE);
    test::ClickLeft();
    EXPECT_TRUE(saver.KeepsRunning());
    ASSERT_TRUE(test::MovePointerTo(480, 390));
    DWORD code = 99;
    ASSERT_TRUE(saver.Ends(&code));
    EXPECT_EQ(code, 0u);
}

TEST_F(GlintChosenExitTest, LosingTheActivationEnds) {
    ASSERT_NO_FATAL_FAILURE(Choose("Deactivate"));
    RunningSaver saver(path_, "/s");
    ASSERT_TRUE(saver.Started());
    test::PressKey('A');
    EXPECT_TRUE(saver.KeepsRunning());
    // Another application comes to the front.
    PreviewHost other;
    SetForegroundWindow(other.Window());
    DWORD code = 99;
    ASSERT_TRUE(saver.Ends(&code));
    EXPECT_EQ(code, 0u);
}

TEST(GlintPayloadTest, TheRuntimeAloneEndsWithoutAWindow) {
    const std::string path = test::TestFolder() + "alone.scr";
    ASSERT_TRUE(test::WriteRuntimeOnly(path));
    ProgramProcess glint(path, "/s");
    ASSERT_TRUE(glint.Started());
    DWORD code = 99;
    ASSERT_TRUE(glint.WaitForExit(kExitTimeoutMs, &code));
    EXPECT_EQ(code, 1u);
    EXPECT_EQ(glint.WaitForWindow(nullptr, nullptr, 0), nullptr);
}

TEST(GlintPayloadTest, ADamagedSceneEndsWithoutAWindow) {
    const std::string path = test::TestFolder() + "damaged.scr";
    EntryList entries;
    test::AddShownPicture(entries, test::SolidBmp(8, 8, kRed), "red.bmp", 0, 0);
    ASSERT_TRUE(test::WriteScreenSaver(path, entries));
    // Cut the scene inside its picture.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER end;
    end.QuadPart = kScreenSaverSceneOffset + 60;
    SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);

    ProgramProcess glint(path, "/s");
    ASSERT_TRUE(glint.Started());
    DWORD code = 99;
    ASSERT_TRUE(glint.WaitForExit(kExitTimeoutMs, &code));
    EXPECT_EQ(code, 1u);
}

TEST(GlintPayloadTest, APictureThatCannotBeLoadedIsReportedAndEndsTheRun) {
    test::RegistrySandbox sandbox;
    EntryList entries;
    const std::vector<std::uint8_t> notAPicture = {'B', 'M', 1, 2, 3, 4, 5, 6, 7, 8};
    test::AddShownPicture(entries, notAPicture, "broken.bmp", 10, 10);
    const std::string path = test::TestFolder() + "broken.scr";
    ASSERT_TRUE(test::WriteScreenSaver(path, entries));
    ProgramProcess glint(path, "/s");
    ASSERT_TRUE(glint.Started());
    HWND box = glint.WaitForWindow("#32770", "Screen Saver");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(test::MessageBoxText(box), "broken.bmp\ncannot be loaded.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    DWORD code = 99;
    ASSERT_TRUE(glint.WaitForExit(kExitTimeoutMs, &code));
    EXPECT_EQ(code, 1u);
}

// --- A slideshow of pictures larger than the screen ------------------------------------------

// Photo k's colour: no two of the twelve within 40 of each other in every channel.
COLORREF PhotoColour(int k) {
    return RGB(30 + 40 * (k % 4), 30 + 60 * (k / 4), 128);
}

std::vector<std::uint8_t> SolidJpeg(int width, int height, COLORREF colour) {
    SECDib image;
    image.Create(width, height, 24);
    for (int row = 0; row < height; ++row) {
        std::uint8_t* pixel = image.Row(row);
        for (int x = 0; x < width; ++x, pixel += 3) {
            pixel[0] = GetBValue(colour);
            pixel[1] = GetGValue(colour);
            pixel[2] = GetRValue(colour);
        }
    }
    std::vector<std::uint8_t> jpeg;
    EncodeJpeg(image, 90, jpeg);
    return jpeg;
}

// The same picture whose scan names Huffman tables that do not exist: its header reads, its
// pixels do not.
std::vector<std::uint8_t> WithUndefinedTables(std::vector<std::uint8_t> jpeg) {
    for (std::size_t i = 2; i + 6 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xDA) {
            jpeg[i + 6] = 0x55;
            break;
        }
    }
    return jpeg;
}

bool NearColour(COLORREF a, COLORREF b) {
    const auto close = [](int x, int y) { return x - y < 12 && y - x < 12; };
    return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) &&
           close(GetBValue(a), GetBValue(b));
}

// What the centre of the screen shows from the first photo on, in order, until `last`
// appears: the photos by number, anything else as -1.
std::vector<int> PhotosSeen(int count, int last) {
    std::vector<int> seen;
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < test::kDeadlineMs) {
        const COLORREF pixel = test::ScreenPixel(x, y);
        int shown = -1;
        for (int k = 0; k < count; ++k) {
            if (NearColour(pixel, PhotoColour(k)))
                shown = k;
        }
        if ((shown >= 0 || !seen.empty()) && (seen.empty() || seen.back() != shown))
            seen.push_back(shown);
        if (shown == last)
            break;
        Sleep(2);
    }
    return seen;
}

TEST(GlintSlideshowTest, EveryPictureAtItsMomentAndADamagedOneInTheMiddleDrawsNothing) {
    test::RegistrySandbox sandbox;
    // Larger than the screen both ways: the stretched ones are kept at the screen's size, the
    // others whole; each covers the centre of the screen.
    const int width = GetSystemMetrics(SM_CXSCREEN) + 60;
    const int height = GetSystemMetrics(SM_CYSCREEN) + 40;
    constexpr int kPhotos = 12;
    constexpr int kDamaged = 6;
    EntryList entries;
    std::vector<ImageEntry*> images;
    for (int k = 0; k < kPhotos; ++k) {
        auto image = std::make_unique<ImageEntry>();
        image->fileName = "photo" + std::to_string(k) + ".jpg";
        std::vector<std::uint8_t> jpeg = SolidJpeg(width, height, PhotoColour(k));
        if (k == kDamaged)
            jpeg = WithUndefinedTables(jpeg);
        image->data = ByteBlock::Copy(jpeg.data(), jpeg.size());
        images.push_back(image.get());
        entries.Append(std::move(image));
    }
    for (int k = 0; k < kPhotos; ++k) {
        auto show = std::make_unique<ShowEntry>();
        show->SetObject(images[k]);
        show->params.motion.effect = k % 2 == 0 ? kEffectStretch : kEffectNone;
        entries.Append(std::move(show));
        auto wait = std::make_unique<WaitEntry>();
        wait->duration.milliseconds = 150;
        entries.Append(std::move(wait));
    }
    const std::string path = test::TestFolder() + "slideshow.scr";
    ASSERT_TRUE(test::WriteScreenSaver(path, entries));

    ProgramProcess glint(path, "/s");
    ASSERT_TRUE(glint.Started());
    std::vector<int> expected;
    for (int k = 0; k < kPhotos; ++k) {
        if (k != kDamaged)
            expected.push_back(k);
    }
    // The damaged picture passes the check before play and fails when it is reached: its Show
    // leaves the screen as it was (nothing else appears between photos 5 and 7), and the scene
    // goes on.
    EXPECT_EQ(PhotosSeen(kPhotos, kPhotos - 1), expected);
    EXPECT_TRUE(glint.KeepsRunning(test::kReactionTimeMs));
    test::PressKey('A');
    DWORD code = 99;
    ASSERT_TRUE(glint.WaitForExit(kExitTimeoutMs, &code));
    EXPECT_EQ(code, 0u);
}

TEST(GlintPayloadTest, AJpegWhoseHeaderIsRefusedIsReportedBeforePlay) {
    test::RegistrySandbox sandbox;
    EntryList entries;
    std::vector<std::uint8_t> jpeg = SolidJpeg(64, 48, kRed);
    jpeg.resize(jpeg.size() / 4);  // cut inside its tables
    test::AddShownPicture(entries, jpeg, "cut.jpg", 10, 10);
    const std::string path = test::TestFolder() + "cut.scr";
    ASSERT_TRUE(test::WriteScreenSaver(path, entries));
    ProgramProcess glint(path, "/s");
    ASSERT_TRUE(glint.Started());
    HWND box = glint.WaitForWindow("#32770", "Screen Saver");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(test::MessageBoxText(box), "cut.jpg\ncannot be loaded.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    DWORD code = 99;
    ASSERT_TRUE(glint.WaitForExit(kExitTimeoutMs, &code));
    EXPECT_EQ(code, 1u);
}

// --- Settings ---------------------------------------------------------------------------------

bool Checked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Click(HWND dialog, int id) {
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

TEST(GlintSettingsDialogTest, ShowsTheStoredValuesAndOkWritesThem) {
    test::RegistrySandbox sandbox;
    const std::string path = test::TestFolder() + "settings.scr";
    ASSERT_TRUE(test::WriteRuntimeOnly(path));
    ProgramProcess glint(path, "/c:1234");
    ASSERT_TRUE(glint.Started());
    HWND dialog = glint.WaitForWindow("#32770", "Settings");
    ASSERT_NE(dialog, nullptr);

    // Defaults: Standard and system key combinations.
    EXPECT_TRUE(Checked(dialog, 1005));
    for (int id = 1006; id <= 1011; ++id)
        EXPECT_FALSE(Checked(dialog, id)) << id;
    EXPECT_FALSE(Checked(dialog, 1004));
    EXPECT_FALSE(Checked(dialog, 1003));
    EXPECT_TRUE(Checked(dialog, 1012));

    // An event replaces Standard; clearing it again brings Standard back.
    Click(dialog, 1006);
    EXPECT_FALSE(Checked(dialog, 1005));
    EXPECT_TRUE(Checked(dialog, 1006));
    Click(dialog, 1006);
    EXPECT_TRUE(Checked(dialog, 1005));
    Click(dialog, 1007);
    Click(dialog, 1010);
    EXPECT_FALSE(Checked(dialog, 1005));
    Click(dialog, 1004);
    Click(dialog, 1012);
    Click(dialog, 1003);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    DWORD code = 99;
    ASSERT_TRUE(glint.WaitForExit(kExitTimeoutMs, &code));

    const char* key = test::kGlintSettingsKey;
    EXPECT_EQ(test::ReadDword(HKEY_CURRENT_USER, key, "Standard", 9), 0u);
    EXPECT_EQ(test::ReadDword(HKEY_CURRENT_USER, key, "MouseMove", 9), 0u);
    EXPECT_EQ(test::ReadDword(HKEY_CURRENT_USER, key, "ButtonDown", 9), 1u);
    EXPECT_EQ(test::ReadDword(HKEY_CURRENT_USER, key, "DoubleClick", 9), 0u);
    EXPECT_EQ(test::ReadDword(HKEY_CURRENT_USER, key, "KeyDown", 9), 0u);
    EXPECT_EQ(test::ReadDword(HKEY_CURRENT_USER, key, "Escape", 9), 1u);
    EXPECT_EQ(test::ReadDword(HKEY_CURRENT_USER, key, "Deactivate", 9), 0u);
    EXPECT_EQ(test::ReadDword(HKEY_CURRENT_USER, key, "ShowCursor", 9), 1u);
    EXPECT_EQ(test::ReadDword(HKEY_CURRENT_USER, key, "SysKeyComb", 9), 0u);
    EXPECT_EQ(test::ReadText(HKEY_LOCAL_MACHINE, test::kRunKey, "ScreenSaver", "missing"),
              path + " /s");
}

TEST(GlintSettingsDialogTest, CancelWritesNothing) {
    test::RegistrySandbox sandbox;
    const std::string path = test::TestFolder() + "settings.scr";
    ASSERT_TRUE(test::WriteRuntimeOnly(path));
    ProgramProcess glint(path, "");
    ASSERT_TRUE(glint.Started());
    HWND dialog = glint.WaitForWindow("#32770", "Settings");
    ASSERT_NE(dialog, nullptr);
    Click(dialog, 1009);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    DWORD code = 99;
    ASSERT_TRUE(glint.WaitForExit(kExitTimeoutMs, &code));
    EXPECT_EQ(test::ReadDword(HKEY_CURRENT_USER, test::kGlintSettingsKey, "KeyDown", 9), 9u);
}

TEST(GlintSettingsDialogTest, ShowsWhatIsStored) {
    test::RegistrySandbox sandbox;
    const char* key = test::kGlintSettingsKey;
    ASSERT_TRUE(test::WriteDword(HKEY_CURRENT_USER, key, "Standard", 0));
    ASSERT_TRUE(test::WriteDword(HKEY_CURRENT_USER, key, "DoubleClick", 1));
    ASSERT_TRUE(test::WriteDword(HKEY_CURRENT_USER, key, "Deactivate", 1));
    ASSERT_TRUE(test::WriteDword(HKEY_CURRENT_USER, key, "ShowCursor", 1));
    ASSERT_TRUE(test::WriteDword(HKEY_CURRENT_USER, key, "SysKeyComb", 0));
    const std::string path = test::TestFolder() + "settings.scr";
    ASSERT_TRUE(test::WriteRuntimeOnly(path));
    ASSERT_TRUE(test::WriteText(HKEY_LOCAL_MACHINE, test::kRunKey, "ScreenSaver", path + " /s"));
    ProgramProcess glint(path, "/c");
    ASSERT_TRUE(glint.Started());
    HWND dialog = glint.WaitForWindow("#32770", "Settings");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(Checked(dialog, 1005));
    EXPECT_TRUE(Checked(dialog, 1008));
    EXPECT_TRUE(Checked(dialog, 1011));
    EXPECT_FALSE(Checked(dialog, 1009));
    EXPECT_TRUE(Checked(dialog, 1004));
    EXPECT_TRUE(Checked(dialog, 1003));
    EXPECT_FALSE(Checked(dialog, 1012));
    // Clearing the start-up box removes the value on OK.
    Click(dialog, 1003);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    DWORD code = 99;
    ASSERT_TRUE(glint.WaitForExit(kExitTimeoutMs, &code));
    EXPECT_EQ(test::ReadText(HKEY_LOCAL_MACHINE, test::kRunKey, "ScreenSaver", "missing"),
              "missing");
}

// --- Preview ----------------------------------------------------------------------------------

// A 96 x 112 picture of 256 colours, red above and green below, as the slot holds it.
std::vector<std::uint8_t> RedOverGreenPreview() {
    std::vector<std::uint8_t> dib;
    const auto put = [&dib](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            dib.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    put(40, 4);
    put(96, 4);
    put(112, 4);
    put(1, 2);
    put(8, 2);
    put(0, 4);
    put(96 * 112, 4);
    put(0, 4);
    put(0, 4);
    put(256, 4);
    put(0, 4);
    for (int i = 0; i < 256; ++i)
        put(i == 1 ? 0x00FF0000 : i == 2 ? 0x0000FF00 : 0, 4);  // RGBQUAD: blue, green, red
    for (int row = 0; row < 112; ++row) {
        // Rows go bottom-up: the first 56 are the lower half.
        for (int x = 0; x < 96; ++x)
            dib.push_back(row < 56 ? 2 : 1);
    }
    return dib;
}

HWND WaitForPreviewChild(HWND parent) {
    HWND child = nullptr;
    test::PumpUntil([&] {
        child = FindWindowExA(parent, nullptr, "GlintPreviewWindow", nullptr);
        return child && IsWindowVisible(child);
    });
    return child && IsWindowVisible(child) ? child : nullptr;
}

// The preview bitmap Glint loads from its own file.
std::vector<std::uint8_t> PreviewResourceOf(const std::string& path) {
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return {};
    std::vector<std::uint8_t> bytes;
    if (HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(IDB_PREVIEW), RT_BITMAP)) {
        const auto* data =
            static_cast<const std::uint8_t*>(LockResource(LoadResource(module, info)));
        if (data)
            bytes.assign(data, data + SizeofResource(module, info));
    }
    FreeLibrary(module);
    return bytes;
}

// Under Wine a child window of another process never reaches the screen, so the pixels of the
// preview are checked in the test process (preview_window_test.cpp); here the program shows that
// its picture is the custom one and that the child behaves as the control panel needs.
TEST(GlintPreviewTest, AChildOverTheGivenWindowWithTheCustomPictureUntilItIsDestroyed) {
    EntryList entries;
    const std::vector<std::uint8_t> preview = RedOverGreenPreview();
    ASSERT_EQ(preview.size(), PreviewBitmapSlot::kSize);
    const std::string path = test::TestFolder() + "preview.scr";
    ASSERT_TRUE(test::WriteScreenSaver(path, entries, &preview));
    EXPECT_EQ(PreviewResourceOf(path), preview);

    PreviewHost host;
    const std::string handle = std::to_string(reinterpret_cast<std::uintptr_t>(host.Window()));
    ProgramProcess glint(path, "/p " + handle);
    ASSERT_TRUE(glint.Started());
    HWND child = WaitForPreviewChild(host.Window());
    ASSERT_NE(child, nullptr);

    RECT client;
    GetClientRect(host.Window(), &client);
    RECT area;
    GetWindowRect(child, &area);
    const POINT origin = host.ClientOrigin();
    EXPECT_EQ(area.left, origin.x);
    EXPECT_EQ(area.top, origin.y);
    EXPECT_EQ(area.right - area.left, client.right);
    EXPECT_EQ(area.bottom - area.top, client.bottom);
    EXPECT_TRUE(GetWindowLongPtrA(child, GWL_STYLE) & WS_CHILD);

    // The child is neither focus nor active window, and a click would not make it so.
    EXPECT_EQ(SendMessageA(child, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(host.Window()),
                           MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof(thread);
    ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(child, nullptr), &thread));
    EXPECT_NE(thread.hwndFocus, child);
    EXPECT_NE(thread.hwndActive, child);

    EXPECT_TRUE(glint.KeepsRunning());
    DestroyWindow(host.Window());
    DWORD code = 99;
    ASSERT_TRUE(glint.WaitForExit(kExitTimeoutMs, &code));
    EXPECT_EQ(code, 0u);
}

TEST(GlintPreviewTest, NoWindowToDrawInEndsAtOnce) {
    const std::string path = test::TestFolder() + "preview-none.scr";
    ASSERT_TRUE(test::WriteRuntimeOnly(path));
    for (const char* argument : {"/p", "/p:0", "/p 12x"}) {
        ProgramProcess glint(path, argument);
        ASSERT_TRUE(glint.Started());
        DWORD code = 99;
        ASSERT_TRUE(glint.WaitForExit(kExitTimeoutMs, &code)) << argument;
        EXPECT_EQ(code, 1u) << argument;
    }
}

// --- Password ---------------------------------------------------------------------------------

// Waits for Glint's message box, returns its text and closes it.
std::string AnswerMessage(ProgramProcess& glint) {
    HWND box = glint.WaitForWindow("#32770", "Screen Saver");
    if (!box)
        return "no message";
    const std::string text = test::MessageBoxText(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return test::WaitUntilGone(box) ? text : "the message stays: " + text;
}

void Type(HWND dialog, int id, const char* text) {
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

TEST(GlintPasswordTest, ANewPasswordIsStoredAsASaltedDigest) {
    test::RegistrySandbox sandbox;
    const std::string path = test::TestFolder() + "password.scr";
    ASSERT_TRUE(test::WriteRuntimeOnly(path));
    ProgramProcess glint(path, "/a 0");
    ASSERT_TRUE(glint.Started());
    HWND dialog = glint.WaitForWindow("#32770", "New password");
    ASSERT_NE(dialog, nullptr);
    Type(dialog, 1002, "tulip");
    Type(dialog, 1001, "tulips");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(AnswerMessage(glint), "The new and confirmed passwords do not match.");
    EXPECT_EQ(test::ReadText(HKEY_CURRENT_USER, test::kGlintPasswordKey, "Encrypt", "missing"),
              "missing");
    Type(dialog, 1002, "tulip");
    Type(dialog, 1001, "tulip");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(AnswerMessage(glint), "The password has been successfully changed.");
    DWORD code = 99;
    ASSERT_TRUE(glint.WaitForExit(kExitTimeoutMs, &code));

    const std::string record =
        test::ReadText(HKEY_CURRENT_USER, test::kGlintPasswordKey, "Encrypt", "missing");
    EXPECT_EQ(record.rfind("pbkdf2-sha256$", 0), 0u) << record;
    EXPECT_EQ(record.find("tulip"), std::string::npos);
    EXPECT_TRUE(PasswordMatches("tulip", record));
    EXPECT_FALSE(PasswordMatches("tulips", record));
}

TEST(GlintPasswordTest, ChangingAStoredPasswordAsksForItFirst) {
    test::RegistrySandbox sandbox;
    std::string record;
    ASSERT_TRUE(MakePasswordRecord("old", record));
    ASSERT_TRUE(test::WriteText(HKEY_CURRENT_USER, test::kGlintPasswordKey, "Encrypt", record));
    const std::string path = test::TestFolder() + "password.scr";
    ASSERT_TRUE(test::WriteRuntimeOnly(path));
    ProgramProcess glint(path, "/a");
    ASSERT_TRUE(glint.Started());
    HWND current = glint.WaitForWindow("#32770", "Password");
    ASSERT_NE(current, nullptr);
    Type(current, 1000, "wrong");
    PostMessageA(current, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(AnswerMessage(glint), "The password is not correct.");
    Type(current, 1000, "old");
    PostMessageA(current, WM_COMMAND, IDOK, 0);
    HWND change = glint.WaitForWindow("#32770", "New password");
    ASSERT_NE(change, nullptr);
    // Two empty entries remove the password.
    PostMessageA(change, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(AnswerMessage(glint), "The password has been successfully changed.");
    DWORD code = 99;
    ASSERT_TRUE(glint.WaitForExit(kExitTimeoutMs, &code));
    EXPECT_EQ(test::ReadText(HKEY_CURRENT_USER, test::kGlintPasswordKey, "Encrypt", "missing"), "");
}

TEST(GlintPasswordTest, TheRunEndsOnlyWithThePassword) {
    test::RegistrySandbox sandbox;
    std::string record;
    ASSERT_TRUE(MakePasswordRecord("lily", record));
    ASSERT_TRUE(test::WriteText(HKEY_CURRENT_USER, test::kGlintPasswordKey, "Encrypt", record));
    ASSERT_TRUE(test::WriteDword(HKEY_CURRENT_USER, test::kDesktopKey, "ScreenSaveUsePassword", 1));
    const std::string path = MakeTwoPictureSaver("locked.scr");
    ASSERT_FALSE(path.empty());
    ASSERT_TRUE(test::MovePointerTo(500, 400));
    RunningSaver saver(path, "/s");
    ASSERT_TRUE(saver.Started());

    test::PressKey('Q');
    HWND dialog = saver.Process().WaitForWindow("#32770", "Password");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(GetWindowLongPtrA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(test::WaitUntilGone(dialog));
    EXPECT_TRUE(saver.KeepsRunning());

    // Measured afresh from where the pointer is: a move elsewhere asks again.
    ASSERT_TRUE(test::MovePointerTo(520, 420));
    dialog = saver.Process().WaitForWindow("#32770", "Password");
    ASSERT_NE(dialog, nullptr);
    Type(dialog, 1000, "rose");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(AnswerMessage(saver.Process()), "The password is not correct.");
    EXPECT_TRUE(saver.KeepsRunning());
    Type(dialog, 1000, "lily");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    DWORD code = 99;
    ASSERT_TRUE(saver.Ends(&code));
    EXPECT_EQ(code, 0u);
}

// --- Calibration ------------------------------------------------------------------------------

TEST(GlintCalibrationTest, MeasuredOnceAndKeptUnderGlintsKey) {
    test::RegistrySandbox sandbox;
    test::DeleteValue(HKEY_CURRENT_USER, test::kGlintKey, "Times");
    test::DeleteValue(HKEY_CURRENT_USER, test::kGlintKey, "SysInfo");
    const std::string path = MakeTwoPictureSaver("calibrate.scr");
    ASSERT_FALSE(path.empty());
    {
        RunningSaver saver(path, "/s");
        ASSERT_TRUE(saver.Started());
        test::PressKey('A');
        DWORD code = 99;
        ASSERT_TRUE(saver.Ends(&code));
    }
    const DWORD times = test::ReadDword(HKEY_CURRENT_USER, test::kGlintKey, "Times", 0);
    EXPECT_GT(times, 0u);
    const std::string sysInfo = test::ReadText(HKEY_CURRENT_USER, test::kGlintKey, "SysInfo", "");
    EXPECT_EQ(std::count(sysInfo.begin(), sysInfo.end(), ','), 8) << sysInfo;
}

}  // namespace
}  // namespace vl
