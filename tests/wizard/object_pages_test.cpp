// Pages 2A and 2B under Wine: several files added at once, the stop at a picture that cannot be
// loaded, removing, the refusals without a selection, and what Next hands on.
#include "wizard/object_pages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/scripted_prompt.h"
#include "support/dialog_script.h"
#include "support/scratch_folder.h"
#include "wizard/wizard_resources.h"

namespace vl {
namespace {

using test::DialogScript;

// A 2 x 1 bitmap, 24 bits per pixel, written out byte by byte.
std::vector<std::uint8_t> TinyBitmap() {
    return {'B', 'M', 62,  0, 0,   0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
            40,  0,   0,   0, 2,   0, 0, 0, 1, 0, 0,  0, 1, 0, 24, 0, 0, 0, 0, 0,
            8,   0,   0,   0, 0,   0, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0,  // info header
            0,   0,   255, 0, 255, 0, 0, 0};  // red, green, padding
}

std::vector<std::string> Lines(HWND dialog, int id) {
    std::vector<std::string> lines;
    const int count = static_cast<int>(SendDlgItemMessageA(dialog, id, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[200] = "";
        SendDlgItemMessageA(dialog, id, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        lines.push_back(text);
    }
    return lines;
}

TEST(ImagesPage, AddingStopsAtThePictureThatCannotBeLoadedAndKeepsThoseBefore) {
    test::ScratchFolder folder;
    const std::string first = folder.Write("one.bmp", TinyBitmap());
    const std::string broken = folder.Write("broken.bmp", {'n', 'o', 'p', 'e'});
    const std::string after = folder.Write("two.bmp", TinyBitmap());
    WizardData data = MakeWizardData("C:\\Out\\");
    WizardPageServices services;
    ScriptedPrompt prompt;
    prompt.AnswerFiles({first, broken, after});
    ScopedPromptOverride use(prompt);
    DialogScript script;
    bool removeAtFirst = true, removeAfterAdd = false, removeWhenEmpty = true;
    std::vector<std::string> lines;
    std::string size, name;
    script.Do([&](HWND d) { removeAtFirst = IsWindowEnabled(GetDlgItem(d, IDC_OBJECT_REMOVE)); })
        .Click(IDC_OBJECT_ADD)
        .Do([&](HWND d) {
            lines = Lines(d, IDC_IMAGE_LIST);
            removeAfterAdd = IsWindowEnabled(GetDlgItem(d, IDC_OBJECT_REMOVE));
        })
        .Click(IDC_OBJECT_REMOVE)
        .Do([&](HWND d) { removeWhenEmpty = IsWindowEnabled(GetDlgItem(d, IDC_OBJECT_REMOVE)); })
        .Do([&](HWND d) { SendMessageA(d, WM_COMMAND, IDC_OBJECT_REMOVE, 0); })
        .Click(IDOK);
    CImagesPage page(data, services);
    EXPECT_EQ(script.Play([&] { return page.Show(nullptr); }), kWizardNext);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_FALSE(removeAtFirst);
    EXPECT_EQ(lines, std::vector<std::string>{"one.bmp"});
    EXPECT_TRUE(removeAfterAdd);
    EXPECT_FALSE(removeWhenEmpty);
    ASSERT_EQ(prompt.Shown().size(), 3u);
    EXPECT_EQ(prompt.Shown()[0].kind, PromptKind::OpenFile);
    EXPECT_EQ(prompt.Shown()[0].text, "New Image");
    EXPECT_EQ(prompt.Shown()[0].request.filter, kImageFilter);
    EXPECT_NE(prompt.Shown()[0].request.flags & kFileAllowMultiSelect, 0u);
    EXPECT_EQ(prompt.Shown()[1].text, broken + "\ncannot be loaded.");
    EXPECT_EQ(prompt.Shown()[2].text, "Must select item to remove\n it from the list");
    EXPECT_TRUE(data.images.empty());
}

TEST(ImagesPage, NextHandsOnThePicturesInTheListsOrderWithTheirBytes) {
    test::ScratchFolder folder;
    const std::string a = folder.Write("a.bmp", TinyBitmap());
    const std::string b = folder.Write("b.bmp", TinyBitmap());
    WizardData data = MakeWizardData("C:\\Out\\");
    WizardPageServices services;
    ScriptedPrompt prompt;
    prompt.AnswerFiles({a, b});
    ScopedPromptOverride use(prompt);
    DialogScript script;
    std::string size, shownName;
    script.Click(IDC_OBJECT_ADD)
        .ReadText(IDC_OBJECT_PICTURE_SIZE, size)
        .ReadText(IDC_OBJECT_FILE_NAME, shownName)
        .Click(IDOK);
    CImagesPage page(data, services);
    EXPECT_EQ(script.Play([&] { return page.Show(nullptr); }), kWizardNext);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(size, "2 x 1");
    EXPECT_EQ(shownName, "b.bmp");
    ASSERT_EQ(data.images.size(), 2u);
    EXPECT_EQ(data.images[0]->fileName, "a.bmp");
    EXPECT_EQ(data.images[1]->fileName, "b.bmp");
    EXPECT_EQ(data.images[1]->data.size(), TinyBitmap().size());
}

TEST(MediaPage, FilesAreAddedSelectedAndTypedAndTheRefusalsNeedAnEmptyList) {
    test::ScratchFolder folder;
    const std::string wave = folder.Write("sea.wav", {'R', 'I', 'F', 'F', 0, 0, 0, 0});
    const std::string video = folder.Write("Clip.AVI", {'R', 'I', 'F', 'F', 1, 0, 0, 0});
    WizardData data = MakeWizardData("C:\\Out\\");
    WizardPageServices services;
    ScriptedPrompt prompt;
    prompt.AnswerFiles({wave, video});
    ScopedPromptOverride use(prompt);
    DialogScript script;
    std::string shown;
    std::vector<std::string> lines;
    script.Click(IDC_MEDIA_PLAY)
        .Click(IDC_OBJECT_ADD)
        .ReadText(IDC_MEDIA_FILE_NAME, shown)
        .Do([&](HWND d) { lines = Lines(d, IDC_MEDIA_LIST); })
        .Click(IDOK);
    CMediaPage page(data, services);
    EXPECT_EQ(script.Play([&] { return page.Show(nullptr); }), kWizardNext);
    EXPECT_TRUE(script.Failures().empty());
    EXPECT_EQ(prompt.Shown()[0].text, "Must select item to play it");
    EXPECT_EQ(prompt.Shown()[1].text, "New Media");
    EXPECT_EQ(prompt.Shown()[1].request.filter, kMediaFilter);
    EXPECT_EQ(shown, "Clip.AVI");
    EXPECT_EQ(lines, (std::vector<std::string>{"sea.wav", "Clip.AVI"}));
    ASSERT_EQ(data.media.size(), 2u);
    EXPECT_EQ(data.media[0]->mediaType, MultimediaEntry::kTypeOther);
    EXPECT_EQ(data.media[1]->mediaType, MultimediaEntry::kTypeAvi);
    EXPECT_EQ(data.media[0]->data.size(), 8u);
}

}  // namespace
}  // namespace vl
