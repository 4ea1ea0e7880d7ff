// The preview window on the virtual display, driven as the user drives it: its keys go through the
// system's input queue and the builder's message loop, its picture is read from the screen.
#include "editor/preview_frame.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <vector>

#include "editor/preview_frame_resources.h"
#include "engine/text/engine_preparer.h"
#include "framework/command_prompt.h"
#include "framework/data_files.h"
#include "framework/string_resource.h"
#include "scene/entries.h"
#include "scene/scene_check.h"
#include "support/input.h"
#include "support/scratch_folder.h"
#include "support/screen.h"
#include "support/top_windows.h"
#include "support/waits.h"
#include "tests/app_core/fake_settings_store.h"

namespace vl {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kClsColour = RGB(0x30, 0x38, 0x80);
constexpr COLORREF kPictureColour = RGB(0xE0, 0x90, 0x20);
constexpr int kPictureX = 100;
constexpr int kPictureY = 100;
constexpr int kPictureWidth = 40;
constexpr int kPictureHeight = 30;
// The toolbar's button indexes (separators count).
constexpr int kExitButton = 7;

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A 24-bit BMP file of one colour.
std::vector<std::uint8_t> SolidBmp(int width, int height, COLORREF colour) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const auto pixelBytes = static_cast<std::uint32_t>(rowBytes * height);
    std::vector<std::uint8_t> bmp = {'B', 'M'};
    PutLittleEndian(bmp, 54 + pixelBytes, 4);
    PutLittleEndian(bmp, 0, 4);
    PutLittleEndian(bmp, 54, 4);
    PutLittleEndian(bmp, 40, 4);
    PutLittleEndian(bmp, static_cast<std::uint32_t>(width), 4);
    PutLittleEndian(bmp, static_cast<std::uint32_t>(height), 4);
    PutLittleEndian(bmp, 1, 2);
    PutLittleEndian(bmp, 24, 2);
    for (int i = 0; i < 6; ++i)
        PutLittleEndian(bmp, 0, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bmp.push_back(GetBValue(colour));
            bmp.push_back(GetGValue(colour));
            bmp.push_back(GetRValue(colour));
        }
        bmp.resize(bmp.size() + (rowBytes - width * 3), 0);
    }
    return bmp;
}

// The picture's corners on the Cls colour, and the Cls colour just outside them.
std::vector<test::ExpectedPixel> PictureOnScreen() {
    const int right = kPictureX + kPictureWidth - 1;
    const int bottom = kPictureY + kPictureHeight - 1;
    return {{kPictureX, kPictureY, kPictureColour}, {right, bottom, kPictureColour},
            {kPictureX - 1, kPictureY, kClsColour}, {right + 1, bottom, kClsColour},
            {kPictureX, bottom + 1, kClsColour},    {right, kPictureY - 1, kClsColour}};
}

class PreviewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        main_.Reset(CreateWindowExA(0, "STATIC", "Editor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                    320, 200, nullptr, nullptr, nullptr, nullptr));
        ASSERT_TRUE(main_);
    }
    void TearDown() override {
        if (IsWindow(window_))
            SendMessageA(window_, WM_CLOSE, 0, 0);
        test::PumpPending();
    }

    // Cls, an Image of a picture file, Show at (100, 100) and a Wait, checked as before a preview.
    void MakeScene(int waitMs) {
        auto cls = std::make_unique<ClsEntry>();
        cls->colour.colour = kClsColour;
        entries_.Append(std::move(cls));
        const std::string path =
            folder_.Write("Block.bmp", SolidBmp(kPictureWidth, kPictureHeight, kPictureColour));
        const FileBlock file = ReadWholeFile(path);
        ASSERT_TRUE(file.read);
        auto image = std::make_unique<ImageEntry>();
        image->fileName = path;
        image->data = ByteBlock::Copy(file.bytes.data(), file.bytes.size());
        ImageEntry* object = image.get();
        entries_.Append(std::move(image));
        auto show = std::make_unique<ShowEntry>();
        show->params.motion.startX = kPictureX;
        show->params.motion.startY = kPictureY;
        show->SetObject(object);
        entries_.Append(std::move(show));
        auto wait = std::make_unique<WaitEntry>();
        wait->duration.milliseconds = waitMs;
        entries_.Append(std::move(wait));
        EngineObjectPreparer preparer;
        const SceneCheckResult check = CheckScene(entries_, preparer);
        ASSERT_TRUE(check.ok) << check.message;
    }

    bool Open() {
        preview_ = StartPreview({main_.Get(), entries_, options_, 1000, loop_, settings_});
        window_ = preview_ ? preview_->Handle() : nullptr;
        return preview_ != nullptr;
    }

    // Serves this thread's messages through the builder's loop, with its idle step whenever the
    // queue runs dry, until condition holds; false at the deadline.
    bool Loop(const std::function<bool()>& condition, DWORD timeoutMs = test::kDeadlineMs) {
        const DWORD deadline = GetTickCount() + timeoutMs;
        for (;;) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message != WM_QUIT)
                    loop_.Dispatch(msg);
            }
            loop_.Idle();
            if (condition())
                return true;
            if (static_cast<LONG>(deadline - GetTickCount()) <= 0)
                return false;
            MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        }
    }
    // Waits, as Loop does, until every point shows its colour.
    bool LoopShows(const std::vector<test::ExpectedPixel>& pixels) {
        return Loop([&] {
            for (const test::ExpectedPixel& pixel : pixels) {
                if (test::ScreenPixel(pixel.x, pixel.y) != pixel.colour)
                    return false;
            }
            return true;
        });
    }
    // The same while the condition holds, for the time the preview takes to react.
    bool LoopHolds(const std::function<bool()>& condition) {
        return !Loop([&] { return !condition(); }, test::kReactionTimeMs);
    }

    // Keeps the preview on the display, working, for VL_PREVIEW_HOLD_MS; nothing without it.
    void HoldForScreenshot() {
        if (const char* hold = std::getenv("VL_PREVIEW_HOLD_MS"))
            Loop([] { return false; }, static_cast<DWORD>(std::atoi(hold)));
    }

    bool Playing() const { return IsWindow(window_) && preview_->Thread(); }
    bool Ended() const { return IsWindow(window_) && !preview_->Thread(); }
    HWND ToolBarControl() const { return preview_->ToolBar().ToolBar(); }
    bool ButtonEnabled(UINT command) const {
        return (SendMessageA(ToolBarControl(), TB_GETSTATE, command, 0) & TBSTATE_ENABLED) != 0;
    }
    bool ToolBarShown() const {
        return preview_->ToolBar().IsVisible() &&
               IsWindowVisible(preview_->ToolBar().FloatingWindow());
    }
    int KeepVisibleImage() const {
        TBBUTTONINFOA button = {};
        button.cbSize = sizeof button;
        button.dwMask = TBIF_IMAGE | TBIF_STATE | TBIF_STYLE;
        SendMessageA(ToolBarControl(), TB_GETBUTTONINFOA, ID_PREVIEW_KEEP_VISIBLE,
                     reinterpret_cast<LPARAM>(&button));
        const bool checked = (button.fsState & TBSTATE_CHECKED) != 0;
        EXPECT_TRUE(button.fsStyle & BTNS_CHECK);
        EXPECT_EQ(checked, button.iImage == PreviewFrame::kKeepVisibleOffImage + 1);
        return button.iImage;
    }

    test::ScratchFolder folder_;
    testing::FakeSettingsStore settings_;
    MessageLoop loop_;
    EditorOptions options_;
    EntryList entries_;
    WindowHandle main_;
    PreviewFrame* preview_ = nullptr;  // deletes itself when window_ is destroyed
    HWND window_ = nullptr;
};

TEST_F(PreviewTest, AutoStartPlaysTheSceneOverTheWholeScreenUntilExit) {
    options_.previewAutoStart = 1;
    MakeScene(100);
    ASSERT_TRUE(Open());
    EXPECT_EQ(FindWindowA(kPreviewClassName, "Preview"), window_);
    EXPECT_EQ(GetWindowLongA(window_, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW),
              WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window_, GWL_STYLE)) & (WS_POPUP | WS_CAPTION),
              static_cast<DWORD>(WS_POPUP));
    RECT place;
    GetWindowRect(window_, &place);
    EXPECT_EQ(place.left, 0);
    EXPECT_EQ(place.top, 0);
    EXPECT_EQ(place.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(place.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_FALSE(IsWindowEnabled(main_.Get()));

    ASSERT_TRUE(LoopShows(PictureOnScreen()));
    ASSERT_TRUE(Loop([&] { return Ended(); }));
    EXPECT_TRUE(LoopShows(PictureOnScreen()));
    EXPECT_FALSE(IsWindowEnabled(main_.Get()));
    HoldForScreenshot();

    // Exit, clicked on the floating toolbar.
    RECT button;
    SendMessageA(ToolBarControl(), TB_GETITEMRECT, kExitButton, reinterpret_cast<LPARAM>(&button));
    POINT centre = {(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    ClientToScreen(ToolBarControl(), &centre);
    ASSERT_TRUE(test::MovePointerTo(centre.x, centre.y));
    test::ClickLeft();
    ASSERT_TRUE(Loop([&] { return !IsWindow(window_); }));
    EXPECT_TRUE(IsWindowEnabled(main_.Get()));
    EXPECT_EQ(GetForegroundWindow(), main_.Get());
}

TEST_F(PreviewTest, WithoutAutoStartF5PlaysOneVisibleCommandAtATime) {
    MakeScene(100);
    ASSERT_TRUE(Open());
    // Black, and nothing plays until a key says so.
    ASSERT_TRUE(LoopShows({{kPictureX, kPictureY, kBlack}}));
    EXPECT_TRUE(LoopHolds([&] { return Ended(); }));

    test::PressKey(VK_F5);
    ASSERT_TRUE(LoopShows({{kPictureX, kPictureY, kClsColour}}));
    // Paused after the Cls: the Show waits for the next step.
    EXPECT_TRUE(LoopHolds(
        [&] { return Playing() && test::ScreenPixel(kPictureX, kPictureY) == kClsColour; }));
    test::PressKey(VK_F5);
    ASSERT_TRUE(LoopShows(PictureOnScreen()));
    EXPECT_TRUE(LoopHolds([&] { return Playing(); }));
    // Go leaves step mode: the Wait runs and the scene ends.
    test::PressKeys({VK_CONTROL, 'G'});
    EXPECT_TRUE(Loop([&] { return Ended(); }));
}

TEST_F(PreviewTest, WithKeepVisibleOffTheToolbarGivesWayWhileTheScenePlays) {
    MakeScene(400);
    ASSERT_TRUE(Open());
    ASSERT_TRUE(Loop([&] { return ToolBarShown(); }));
    // Created with Keep Visible on; Pause and Stop wait for a scene.
    EXPECT_TRUE(preview_->KeepVisible());
    EXPECT_EQ(KeepVisibleImage(), PreviewFrame::kKeepVisibleOffImage + 1);
    EXPECT_TRUE(ButtonEnabled(ID_PREVIEW_GO));
    EXPECT_FALSE(ButtonEnabled(ID_PREVIEW_PAUSE));
    EXPECT_FALSE(ButtonEnabled(ID_PREVIEW_STOP));

    test::PressKeys({VK_CONTROL, 'V'});
    ASSERT_TRUE(Loop([&] { return !preview_->KeepVisible(); }));
    EXPECT_EQ(KeepVisibleImage(), PreviewFrame::kKeepVisibleOffImage);

    test::PressKeys({VK_CONTROL, 'G'});
    ASSERT_TRUE(Loop([&] { return Playing(); }));
    EXPECT_FALSE(ToolBarShown());
    EXPECT_TRUE(ButtonEnabled(ID_PREVIEW_PAUSE));
    EXPECT_TRUE(ButtonEnabled(ID_PREVIEW_STOP));
    // Back when the scene has ended by itself, with nothing left to pause or stop.
    ASSERT_TRUE(Loop([&] { return Ended() && ToolBarShown(); }));
    EXPECT_FALSE(ButtonEnabled(ID_PREVIEW_PAUSE));
    EXPECT_FALSE(ButtonEnabled(ID_PREVIEW_STOP));

    // Stopped, the scene ends at once and the toolbar comes back too.
    test::PressKeys({VK_CONTROL, 'G'});
    ASSERT_TRUE(Loop([&] { return Playing() && !ToolBarShown(); }));
    test::PressKeys({VK_CONTROL, 'S'});
    ASSERT_TRUE(Loop([&] { return Ended() && ToolBarShown(); }));
    EXPECT_FALSE(ButtonEnabled(ID_PREVIEW_STOP));
}

TEST_F(PreviewTest, EscClosesThePreviewWhileTheScenePlaysAndStopsTheSceneFirst) {
    options_.previewAutoStart = 1;
    MakeScene(5000);
    ASSERT_TRUE(Open());
    ASSERT_TRUE(LoopShows(PictureOnScreen()));
    ASSERT_TRUE(Playing());
    HoldForScreenshot();
    HANDLE player = nullptr;
    ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), preview_->Thread()->NativeHandle(),
                                GetCurrentProcess(), &player, SYNCHRONIZE, FALSE, 0));
    KernelObject playerThread(player);

    test::PressKey(VK_ESCAPE);
    ASSERT_TRUE(Loop([&] { return !IsWindow(window_); }));
    // The window went only after its player had ended.
    EXPECT_EQ(WaitForSingleObject(playerThread.Get(), 0), WAIT_OBJECT_0);
    EXPECT_TRUE(IsWindowEnabled(main_.Get()));
    EXPECT_EQ(GetForegroundWindow(), main_.Get());
}

TEST_F(PreviewTest, TheToolbarFirstFloatsNearTheTopRightCornerThenWhereItWasLeft) {
    MakeScene(0);
    ASSERT_TRUE(Open());
    const HWND floating = preview_->ToolBar().FloatingWindow();
    ASSERT_TRUE(Loop([&] { return IsWindowVisible(floating); }));
    RECT first;
    GetWindowRect(floating, &first);
    const int width = first.right - first.left;
    const int height = first.bottom - first.top;
    EXPECT_EQ(first.left, GetSystemMetrics(SM_CXSCREEN) - width - 2 * height);
    EXPECT_EQ(first.top, height);
    // The toolbar sits above the preview: its middle shows the bar, not the black window.
    POINT middle = {(first.left + first.right) / 2, (first.top + first.bottom) / 2};
    EXPECT_EQ(GetAncestor(WindowFromPoint(middle), GA_ROOT), floating);
    SetWindowPos(floating, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(window_, WM_CLOSE, 0, 0);
    ASSERT_FALSE(IsWindow(window_));

    // The next preview puts it back there, hidden when "Show preview toolbar" is off until
    // Keep Visible asks for it.
    options_.showPreviewToolbar = 0;
    ASSERT_TRUE(Open());
    const HWND again = preview_->ToolBar().FloatingWindow();
    EXPECT_TRUE(LoopHolds([&] { return !IsWindowVisible(again); }));
    EXPECT_TRUE(preview_->KeepVisible());
    test::PressKeys({VK_CONTROL, 'V'});
    ASSERT_TRUE(Loop([&] { return ToolBarShown(); }));
    EXPECT_TRUE(preview_->KeepVisible());
    RECT restored;
    GetWindowRect(again, &restored);
    EXPECT_EQ(restored.left, 300);
    EXPECT_EQ(restored.top, 200);
}

TEST_F(PreviewTest, RestingOnAButtonOfTheFloatingToolbarShowsItsTooltip) {
    MakeScene(0);
    ASSERT_TRUE(Open());
    ASSERT_TRUE(Loop([&] { return ToolBarShown(); }));
    RECT button;
    SendMessageA(ToolBarControl(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&button));
    POINT centre = {(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    ClientToScreen(ToolBarControl(), &centre);
    ASSERT_TRUE(test::MovePointerTo(centre.x, centre.y));
    const auto tip = reinterpret_cast<HWND>(SendMessageA(ToolBarControl(), TB_GETTOOLTIPS, 0, 0));
    EXPECT_TRUE(Loop([&] { return IsWindowVisible(tip) && test::TextOf(tip) == "Go (Ctrl+G)"; }))
        << test::TextOf(tip);
}

TEST(PreviewResources, EveryCommandHasItsTooltipAndItsKey) {
    const std::map<UINT, std::string> tooltips = {
        {ID_PREVIEW_GO, "Go (Ctrl+G)"},       {ID_PREVIEW_STEP, "Step By Step (F5)"},
        {ID_PREVIEW_PAUSE, "Pause (Ctrl+P)"}, {ID_PREVIEW_STOP, "Stop (Ctrl+S)"},
        {ID_PREVIEW_EXIT, "Exit (Esc)"},      {ID_PREVIEW_KEEP_VISIBLE, "Keep Visible (Ctrl+V)"},
        {ID_PREVIEW_SOUND, "Sound (Ctrl+F8)"}};
    for (const auto& [command, tooltip] : tooltips) {
        const CommandPrompt prompt = SplitCommandPrompt(LoadStringResource(nullptr, command));
        EXPECT_EQ(prompt.tooltip, tooltip);
        EXPECT_FALSE(prompt.status.empty()) << command;
    }

    // Esc is taken before translation, so it is no accelerator.
    const std::map<UINT, std::pair<BYTE, WORD>> keys = {
        {ID_PREVIEW_GO, {FCONTROL, 'G'}},           {ID_PREVIEW_STEP, {0, VK_F5}},
        {ID_PREVIEW_PAUSE, {FCONTROL, 'P'}},        {ID_PREVIEW_STOP, {FCONTROL, 'S'}},
        {ID_PREVIEW_KEEP_VISIBLE, {FCONTROL, 'V'}}, {ID_PREVIEW_SOUND, {FCONTROL, VK_F8}}};
    AcceleratorTable table(
        LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_PREVIEW_TOOLBAR)));
    ASSERT_TRUE(table);
    std::vector<ACCEL> entries(CopyAcceleratorTableA(table.Get(), nullptr, 0));
    CopyAcceleratorTableA(table.Get(), entries.data(), static_cast<int>(entries.size()));
    ASSERT_EQ(entries.size(), keys.size());
    for (const ACCEL& entry : entries) {
        const auto found = keys.find(entry.cmd);
        ASSERT_NE(found, keys.end()) << entry.cmd;
        EXPECT_EQ(entry.fVirt & ~FNOINVERT, FVIRTKEY | found->second.first) << entry.cmd;
        EXPECT_EQ(entry.key, found->second.second) << entry.cmd;
    }
}

}  // namespace
}  // namespace vl
