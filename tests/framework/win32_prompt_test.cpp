#include "framework/win32_prompt.h"

#include <commdlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "support/scratch_folder.h"
#include "support/top_windows.h"

namespace vl {
namespace {

using test::PressButton;
using test::WaitForOwnDialog;

// The user: waits for a box with the given caption, notes what it says and presses a button.
struct MessageBoxUser {
    std::string caption;
    int button;
    std::string text;
    bool found = false;
    bool noIsDefault = false;

    void operator()() {
        HWND box = WaitForOwnDialog(caption);
        if (!box)
            return;
        found = true;
        text = test::MessageBoxText(box);
        if (HWND no = GetDlgItem(box, IDNO)) {
            noIsDefault = (GetWindowLongA(no, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
        }
        PressButton(box, button);
    }
};

TEST(Win32Prompt, MessageUsesTheProgramTitleUnlessGivenACaption) {
    Win32Prompt prompt("Vistaloom Test");
    MessageBoxUser user{"Vistaloom Test", IDOK, ""};
    std::thread thread(std::ref(user));
    prompt.Message("scene.ssd\nCannot be read data.", MessageIcon::Stop, "");
    thread.join();
    EXPECT_TRUE(user.found);
    EXPECT_EQ(user.text, "scene.ssd\nCannot be read data.");

    MessageBoxUser captioned{"Make SS", IDOK, ""};
    std::thread second(std::ref(captioned));
    prompt.Message("Done.", MessageIcon::Information, "Make SS");
    second.join();
    EXPECT_TRUE(captioned.found);
    EXPECT_EQ(captioned.text, "Done.");
}

TEST(Win32Prompt, YesNoReportsTheButtonPressed) {
    Win32Prompt prompt("Vistaloom Test");
    MessageBoxUser yes{"Vistaloom Test", IDYES, ""};
    std::thread first(std::ref(yes));
    EXPECT_TRUE(prompt.AskYesNo("Are you sure?", {}, ""));
    first.join();
    EXPECT_EQ(yes.text, "Are you sure?");
    EXPECT_FALSE(yes.noIsDefault);

    MessageBoxUser no{"Wizard", IDNO, ""};
    std::thread second(std::ref(no));
    EXPECT_FALSE(prompt.AskYesNo("Are you sure you want to exit Wizard?",
                                 {MessageIcon::Exclamation, true}, "Wizard"));
    second.join();
    EXPECT_TRUE(no.found);
    EXPECT_TRUE(no.noIsDefault);
}

// The user of a save dialog: types each name in turn and presses OK. Before typing the next name
// it waits until the dialog's hook has judged the previous one.
struct SaveDialogUser {
    std::vector<std::string> names;
    const std::atomic<int>* judged = nullptr;
    int typed = 0;

    void operator()() {
        for (const std::string& name : names) {
            HWND dialog = WaitForOwnDialog("Make Screen Saver");
            if (!dialog)
                return;
            SendMessageA(dialog, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(name.c_str()));
            SendMessageA(dialog, CDM_SETCONTROLTEXT, edt1, reinterpret_cast<LPARAM>(name.c_str()));
            ++typed;
            PressButton(dialog, IDOK);
            if (judged)
                test::PumpUntil([this] { return *judged >= typed; });
        }
    }
};

FileDialogRequest MakeScreenSaverRequest(const std::string& folder) {
    FileDialogRequest request;
    request.title = "Make Screen Saver";
    request.filter = "Screen Saver (.scr)|*.scr||";
    request.defaultExtension = "scr";
    request.initialFolder = folder;
    request.flags = kFileOverwritePrompt | kFileHideReadOnly | kFileCentreOverOwner;
    return request;
}

// An empty folder of the test's own, so that no existing file makes the dialog ask to replace it.
using EmptyFolder = test::ScratchFolder;

TEST(Win32Prompt, SaveDialogHookCanRefuseATypedName) {
    Win32Prompt prompt("Vistaloom Test");
    EmptyFolder folder;
    FileDialogRequest request = MakeScreenSaverRequest(folder.Path());
    std::vector<std::string> asked;
    std::atomic<int> judged{0};
    request.acceptName = [&](const std::string& typed, const std::string& path) {
        asked.push_back(typed + "|" + FileNamePart(path));
        ++judged;
        return typed != "ssaver";
    };
    SaveDialogUser user{{"ssaver", "saver"}, &judged};
    std::thread thread(std::ref(user));
    const FileDialogResult result = prompt.SaveFile(request);
    thread.join();

    ASSERT_TRUE(result.chosen);
    ASSERT_EQ(result.paths.size(), 1u);
    EXPECT_EQ(FileNamePart(result.paths[0]), "saver.scr");
    EXPECT_FALSE(result.extensionDiffers);
    EXPECT_EQ(user.typed, 2);
    EXPECT_EQ(asked, (std::vector<std::string>{"ssaver|ssaver.scr", "saver|saver.scr"}));
}

TEST(Win32Prompt, SaveDialogReportsADifferentExtension) {
    Win32Prompt prompt("Vistaloom Test");
    EmptyFolder folder;
    SaveDialogUser user{{"notes.txt"}};
    std::thread thread(std::ref(user));
    const FileDialogResult result = prompt.SaveFile(MakeScreenSaverRequest(folder.Path()));
    thread.join();
    ASSERT_TRUE(result.chosen);
    EXPECT_EQ(FileNamePart(result.paths[0]), "notes.txt");
    EXPECT_TRUE(result.extensionDiffers);
}

TEST(Win32Prompt, CancelledSaveDialogChoosesNothing) {
    Win32Prompt prompt("Vistaloom Test");
    std::thread thread([] {
        if (HWND dialog = WaitForOwnDialog("Make Screen Saver"))
            PressButton(dialog, IDCANCEL);
    });
    EmptyFolder folder;
    const FileDialogResult result = prompt.SaveFile(MakeScreenSaverRequest(folder.Path()));
    thread.join();
    EXPECT_FALSE(result.chosen);
    EXPECT_TRUE(result.paths.empty());
    EXPECT_EQ(result.failure, 0u);
}

// A box asked for while a modal dialog of the frame is up belongs to that dialog: owned by the
// disabled frame, it would enable the frame again on closing and let the user act behind the
// dialog.
TEST(Win32Prompt, WhileTheFrameHasAModalDialogTheBoxBelongsToTheDialog) {
    HWND frame = CreateWindowExA(0, "STATIC", "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                                 200, nullptr, nullptr, nullptr, nullptr);
    HWND dialog = CreateWindowExA(0, "STATIC", "Page", WS_POPUP | WS_CAPTION | WS_VISIBLE, 20, 20,
                                  200, 100, frame, nullptr, nullptr, nullptr);
    ASSERT_TRUE(frame && dialog);
    EnableWindow(frame, FALSE);  // as the dialog's modal loop does
    SetActiveWindow(dialog);
    Win32Prompt prompt("Vistaloom Test");
    prompt.SetOwner(frame);

    // Shows a box and returns its owner, as the user pressing OK in it saw it.
    const auto ownerOfBox = [&prompt](const std::string& text) {
        HWND owner = nullptr;
        std::thread user([&owner] {
            HWND box = WaitForOwnDialog("Vistaloom Test");
            if (!box)
                return;
            owner = GetWindow(box, GW_OWNER);
            PressButton(box, IDOK);
        });
        prompt.Message(text, MessageIcon::Information, "");
        user.join();
        return owner;
    };
    EXPECT_EQ(ownerOfBox("Picture.bmp\ncannot be loaded."), dialog);
    EXPECT_FALSE(IsWindowEnabled(frame));

    // Without a dialog up, the frame owns the box.
    DestroyWindow(dialog);
    EnableWindow(frame, TRUE);
    EXPECT_EQ(ownerOfBox("Done."), frame);
    DestroyWindow(frame);
}

}  // namespace
}  // namespace vl
