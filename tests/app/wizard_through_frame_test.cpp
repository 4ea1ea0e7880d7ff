// The wizard from the builder's own menu command to the screen saver it makes playing: the real
// main frame takes the generated entries, saves the scene and makes the screen saver and the
// installer beside it, and the screen saver shows the chosen picture.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/resource.h"
#include "scene/entries.h"
#include "scene/scene_file.h"
#include "support/dialog_script.h"
#include "support/scratch_folder.h"
#include "support/screen.h"
#include "support/waits.h"
#include "tests/player/tiny_media.h"
#include "tests/app/main_frame_fixture.h"
#include "wizard/wizard_resources.h"

namespace vl {
namespace {

// A 24-bit bottom-up bitmap of one colour (0xRRGGBB).
std::vector<std::uint8_t> PlainBitmap(int width, int height, std::uint32_t rgb) {
    const int row = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixels = static_cast<std::uint32_t>(row * height);
    const std::uint32_t size = 54 + pixels;
    std::vector<std::uint8_t> bytes(size, 0);
    auto put = [&](std::size_t at, std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    put(0, 0x4D42, 2);
    put(2, size, 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, pixels, 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            put(54 + static_cast<std::size_t>(y * row + x * 3), rgb, 3);
    }
    return bytes;
}

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD got = 0;
    if (!bytes.empty() &&
        !ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr))
        bytes.clear();
    CloseHandle(file);
    return bytes;
}

// A program started for the test and ended with it, whatever the test's outcome.
class StartedProgram {
  public:
    explicit StartedProgram(const std::string& commandLine) {
        std::string line = commandLine;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &process_) != FALSE;
    }
    ~StartedProgram() {
        if (!started_)
            return;
        TerminateProcess(process_.hProcess, 0);
        WaitForSingleObject(process_.hProcess, test::kDeadlineMs);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    bool Started() const { return started_; }

  private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

// The folder the wizard makes inside the scratch folder, emptied and removed before it goes.
struct MadeFolder {
    std::string path;
    ~MadeFolder() {
        for (const char* name : {"\\Reds.ssd", "\\Reds.scr", "\\Reds.exe"})
            DeleteFileA((path + name).c_str());
        RemoveDirectoryA(path.c_str());
    }
};

TEST_F(MainFrameTest, TheWizardMakesASceneAScreenSaverAndAnInstallerThatShowTheFirstPicture) {
    test::ScratchFolder scratch;
    const std::string red = scratch.Write("red.bmp", PlainBitmap(64, 48, 0xFF0000));
    const std::string photo = std::string(VL_IMAGE_TEST_DATA) + "\\colour.jpg";
    const std::string wave = scratch.Write("sea.wav", testing::TinyWave(800));
    const MadeFolder made{scratch.Path("Made")};
    const std::string& folder = made.path;
    prompt_.AnswerFolder(folder).AnswerFiles({red, photo}).AnswerFiles({wave}).AnswerYes();
    // Picks the object at `index` in Insert sequence.
    auto insert = [](int index) {
        return [index](HWND dialog) {
            SendDlgItemMessageA(dialog, IDC_INSERT_LIST, LB_SETCURSEL, index, 0);
        };
    };
    std::vector<std::string> lines;
    test::DialogScript script;
    script.SetText(IDC_WIZARD_NAME, "Reds")
        .Click(IDC_WIZARD_BROWSE)  // the folder is chosen, never typed
        .Check(IDC_WIZARD_USE_IMAGES)
        .Check(IDC_WIZARD_USE_MEDIA)
        .Check(IDC_WIZARD_USE_TEXTS)
        .Check(IDC_WIZARD_MAKE_SCREEN_SAVER)
        .Check(IDC_WIZARD_MAKE_INSTALLER)
        .Click(IDOK)            // page 1
        .Click(IDC_OBJECT_ADD)  // page 2A: both pictures at once
        .Click(IDOK)
        .Click(IDC_OBJECT_ADD)  // page 2B
        .Click(IDOK)
        .SetText(IDC_TEXT_EDIT, "Hello")  // page 2C
        .Click(IDC_OBJECT_ADD)
        .Click(IDOK)
        .Click(IDC_SEQ_ADD_IMAGE)  // page 3: each addition opens Insert sequence
        .Do(insert(0))
        .Click(IDOK)
        .Click(IDC_SEQ_ADD_IMAGE)
        .Do(insert(1))
        .Click(IDOK)
        .Click(IDC_SEQ_ADD_MEDIA)
        .Do(insert(0))
        .Click(IDOK)
        .Click(IDC_SEQ_ADD_TEXT)
        .Do(insert(0))
        .Click(IDOK)
        .Do([&](HWND page) {
            HWND list = GetDlgItem(page, IDC_SEQ_LIST);
            for (int i = 0; i < ListView_GetItemCount(list); ++i) {
                char text[200] = "";
                ListView_GetItemText(list, i, 0, text, sizeof text);
                lines.push_back(text);
            }
        })
        .Click(IDOK);  // Finish, and Yes
    script.Play([&] { return SendMessageA(frame_.Handle(), WM_COMMAND, ID_WIZARD, 0); });
    for (const std::string& failure : script.Failures())
        ADD_FAILURE() << failure;
    for (const std::string& failure : prompt_.Failures())
        ADD_FAILURE() << failure;
    ASSERT_FALSE(prompt_.Texts().empty());
    EXPECT_EQ(prompt_.Texts().back(), "Wizard finished succesfully.");
    EXPECT_EQ(lines.size(), 4u) << "four sequences";

    // The frame holds the generated scene, saved under the chosen name in the chosen folder.
    const std::string scenePath = folder + "\\Reds.ssd";
    EXPECT_FALSE(document_.IsModified());
    const std::vector<std::uint8_t> saved = FileBytes(scenePath);
    EntryList reread;
    ASSERT_TRUE(ReadSceneFile(saved.data(), saved.size(), reread).ok()) << scenePath;
    ASSERT_EQ(reread.Count(), document_.Entries().Count());
    // The definitions come first: both pictures, the sound and the text.
    std::vector<std::string> defined;
    for (std::size_t i = 0; i < reread.Count(); ++i) {
        if (const auto* image = EntryAs<ImageEntry>(&reread.At(i)))
            defined.push_back(image->isText ? image->text : image->fileName);
        else if (const auto* media = EntryAs<MultimediaEntry>(&reread.At(i)))
            defined.push_back(media->fileName);
    }
    EXPECT_EQ(defined, (std::vector<std::string>{"red.bmp", "colour.jpg", "sea.wav", "Hello"}));
    const std::vector<std::uint8_t> installer = FileBytes(folder + "\\Reds.exe");
    EXPECT_GT(installer.size(), saved.size()) << "the installer carries the screen saver";

    // The screen saver plays: the picture at the middle of the screen.
    const std::string screenSaver = folder + "\\Reds.scr";
    ASSERT_GT(FileBytes(screenSaver).size(), saved.size());
    StartedProgram playing("\"" + screenSaver + "\" /s");
    ASSERT_TRUE(playing.Started());
    const int midX = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int midY = GetSystemMetrics(SM_CYSCREEN) / 2;
    EXPECT_TRUE(test::ScreenShows({{midX, midY, RGB(255, 0, 0)}}, 15000))
        << "the picture never appeared";
}

}  // namespace
}  // namespace vl
