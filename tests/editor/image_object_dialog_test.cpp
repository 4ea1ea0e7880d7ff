// The Image object dialog under Wine, played as a user would: what it opens with, the text and
// picture modes, the font, colour, picture and desktop choices, and what OK and Cancel leave in
// the entry.
#include "editor/image_object_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "editor/image_object_resources.h"
#include "editor/property_context.h"
#include "editor/property_kinds.h"
#include "editor/style_chooser.h"
#include "framework/scripted_prompt.h"
#include "scene/entry_list.h"
#include "support/dialog_script.h"
#include "support/scratch_folder.h"

namespace vl {
namespace {

using test::DialogScript;

class FakeChooser final : public StyleChooser {
  public:
    bool PickFont(HWND, LogFont& font, std::uint32_t& colour) override {
        ++fontsAsked;
        font.SetFaceName("Arial");
        font.height = -16;
        colour = 0x0000FF;
        return true;
    }
    bool PickColour(HWND, std::uint32_t& colour) override {
        ++coloursAsked;
        colour = 0x00FF00;
        return true;
    }
    int fontsAsked = 0;
    int coloursAsked = 0;
};

void PutLe(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A grey 24-bit bitmap file; width x 3 must be a multiple of 4 (no row padding).
std::vector<std::uint8_t> GreyBitmapFile(int width, int height) {
    const std::uint32_t pixels = static_cast<std::uint32_t>(width * 3 * height);
    std::vector<std::uint8_t> bytes(54 + pixels, 0x80);
    std::fill(bytes.begin(), bytes.begin() + 54, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLe(bytes, 2, 54 + pixels, 4);
    PutLe(bytes, 10, 54, 4);
    PutLe(bytes, 14, 40, 4);
    PutLe(bytes, 18, static_cast<std::uint32_t>(width), 4);
    PutLe(bytes, 22, static_cast<std::uint32_t>(height), 4);
    PutLe(bytes, 26, 1, 2);
    PutLe(bytes, 28, 24, 2);
    return bytes;
}

ByteBlock Block(const std::vector<std::uint8_t>& bytes) {
    return ByteBlock::Copy(bytes.data(), bytes.size());
}

std::vector<std::uint8_t> BytesOf(const ByteBlock& block) {
    return std::vector<std::uint8_t>(block.begin(), block.end());
}

// Every stored field of the two objects is the same.
void ExpectSame(const ImageEntry& a, const ImageEntry& b) {
    EXPECT_EQ(a.textColour, b.textColour);
    EXPECT_EQ(a.backgroundColour, b.backgroundColour);
    EXPECT_TRUE(a.font == b.font);
    EXPECT_EQ(a.opaque, b.opaque);
    EXPECT_EQ(a.isText, b.isText);
    EXPECT_EQ(a.text, b.text);
    EXPECT_EQ(a.fileName, b.fileName);
    EXPECT_EQ(BytesOf(a.data), BytesOf(b.data));
    EXPECT_EQ(a.source, b.source);
    EXPECT_EQ(a.description.text, b.description.text);
}

// A text object, opaque, in the default font.
void MakeText(ImageEntry& image) {
    image.isText = 1;
    image.opaque = 1;
    image.text = "Hello\r\nWorld";
    image.textColour = 0x000000;
    image.backgroundColour = 0xFFFFFF;
    image.description.text = "Greeting";
}

// A picture object of 8 x 4 grey pixels.
void MakePicture(ImageEntry& image) {
    image.isText = 0;
    image.fileName = "grey.bmp";
    image.data = Block(GreyBitmapFile(8, 4));
}

struct Bench {
    EntryList scene;
    ScriptedPrompt prompt;
    FakeChooser chooser;
    VerifiedPictures verified;
    PropertyContext context{scene, prompt, chooser,
                            [](std::unique_ptr<SceneEntry>) -> SceneEntry* { return nullptr; },
                            &verified};

    // Runs the dialog on image with the script; true when it ended with OK.
    bool Play(DialogScript& script, ImageEntry& image) {
        const bool confirmed = script.Play([&] {
            return EditImageObject(context, nullptr, image) ? IDOK : IDCANCEL;
        }) == IDOK;
        EXPECT_TRUE(script.Failures().empty());
        for (const std::string& failure : script.Failures())
            ADD_FAILURE() << failure;
        for (const std::string& failure : prompt.Failures())
            ADD_FAILURE() << failure;
        return confirmed;
    }
};

std::string Lower(std::string text) {
    CharLowerA(text.data());
    return text;
}

bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

// What the mode offers, in the order of ImageObjectControls: text, transparent and your,
// colour, desktop and wallpaper, name.
std::vector<bool> Offered(HWND dialog) {
    return {Enabled(dialog, IDC_IMG_TEXT),
            Enabled(dialog, IDC_IMG_TRANSPARENT) && Enabled(dialog, IDC_IMG_YOUR),
            Enabled(dialog, IDC_IMG_BACKGROUND_COLOUR),
            Enabled(dialog, IDC_IMG_DESKTOP) && Enabled(dialog, IDC_IMG_WALLPAPER),
            Enabled(dialog, IDC_IMG_NAME)};
}

std::string Caption(HWND dialog) {
    char text[200] = "";
    GetWindowTextA(dialog, text, sizeof text);
    return text;
}

TEST(ImageObjectDialog, OpensWithATextObjectsValues) {
    ImageEntry image;
    MakeText(image);
    std::string text, button, name, size, caption;
    UINT isText = 0, transparent = 0, your = 0;
    std::vector<bool> offered;
    DialogScript script;
    script.ReadText(IDC_IMG_TEXT, text)
        .ReadText(IDC_IMG_FONT_OR_IMAGE, button)
        .ReadText(IDC_IMG_NAME, name)
        .ReadText(IDC_IMG_SIZE, size)
        .ReadCheck(IDC_IMG_IS_TEXT, isText)
        .ReadCheck(IDC_IMG_TRANSPARENT, transparent)
        .ReadCheck(IDC_IMG_YOUR, your)
        .Do([&](HWND dialog) {
            offered = Offered(dialog);
            caption = Caption(dialog);
        })
        .Click(IDCANCEL);
    Bench bench;
    EXPECT_FALSE(bench.Play(script, image));

    EXPECT_EQ(text, "Hello\r\nWorld");
    EXPECT_EQ(button, "&Font...");
    EXPECT_EQ(name, "");
    EXPECT_EQ(isText, BST_CHECKED);
    EXPECT_EQ(transparent, BST_UNCHECKED);
    EXPECT_EQ(your, BST_CHECKED);
    EXPECT_EQ(offered, (std::vector<bool>{true, true, true, false, false}));
    EXPECT_EQ(caption, "Image - Greeting");
    // The rendered text: two lines, so some width by an even height.
    int width = 0, height = 0;
    ASSERT_EQ(std::sscanf(size.c_str(), "%d x %d", &width, &height), 2) << size;
    EXPECT_GT(width, 0);
    EXPECT_EQ(height % 2, 0);
}

// The preview's pixels as the control shows them.
struct PreviewPixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;  // row by row from the top left

    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool Has(COLORREF colour) const {
        return std::find(pixels.begin(), pixels.end(), colour) != pixels.end();
    }
};

PreviewPixels ReadPreview(HWND dialog) {
    PreviewPixels read;
    HBITMAP canvas = reinterpret_cast<HBITMAP>(
        SendDlgItemMessageA(dialog, IDC_IMG_PREVIEW, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info{};
    if (!canvas || !GetObjectA(canvas, sizeof info, &info))
        return read;
    read.width = info.bmWidth;
    read.height = info.bmHeight;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, canvas);
    for (int y = 0; y < read.height; ++y)
        for (int x = 0; x < read.width; ++x)
            read.pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, previous);
    DeleteDC(dc);
    return read;
}

TEST(ImageObjectDialog, ThePreviewShowsASmallPictureUnscaledAndCentredOnTheButtonFace) {
    ImageEntry image;
    MakePicture(image);  // 8 x 4 grey
    PreviewPixels shown;
    DialogScript script;
    script.Do([&](HWND dialog) { shown = ReadPreview(dialog); }).Click(IDCANCEL);
    Bench bench;
    bench.Play(script, image);

    ASSERT_GT(shown.width, 8);
    ASSERT_GT(shown.height, 4);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const int left = (shown.width - 8) / 2, top = (shown.height - 4) / 2;
    EXPECT_EQ(shown.At(0, 0), face);
    EXPECT_EQ(shown.At(left, top), RGB(0x80, 0x80, 0x80));
    EXPECT_EQ(shown.At(left + 7, top + 3), RGB(0x80, 0x80, 0x80));
    EXPECT_EQ(shown.At(left - 1, top), face);
    EXPECT_EQ(shown.At(left + 8, top + 3), face);
    EXPECT_EQ(shown.At(left, top + 4), face);
}

// A 32 x 32 icon of two colours: its left half transparent, its right half red.
std::vector<std::uint8_t> HalfRedIconFile() {
    std::vector<std::uint8_t> bytes(22 + 40 + 8 + 128 + 128, 0);
    PutLe(bytes, 2, 1, 2);  // an icon
    PutLe(bytes, 4, 1, 2);  // one image
    bytes[6] = 32;
    bytes[7] = 32;
    bytes[8] = 2;
    PutLe(bytes, 10, 1, 2);
    PutLe(bytes, 12, 1, 2);
    PutLe(bytes, 14, 40 + 8 + 256, 4);
    PutLe(bytes, 18, 22, 4);
    PutLe(bytes, 22, 40, 4);
    PutLe(bytes, 26, 32, 4);
    PutLe(bytes, 30, 64, 4);  // the colour rows and the mask rows
    PutLe(bytes, 34, 1, 2);
    PutLe(bytes, 36, 1, 2);
    bytes[62 + 4 + 2] = 0xFF;  // colour 1: red
    for (int row = 0; row < 32; ++row) {
        const std::size_t colours = 70 + 4 * row, mask = 70 + 128 + 4 * row;
        bytes[colours + 2] = bytes[colours + 3] = 0xFF;
        bytes[mask] = bytes[mask + 1] = 0xFF;
    }
    return bytes;
}

TEST(ImageObjectDialog, AnIconIsDrawnOnItsOwnAreaOfTheButtonFace) {
    ImageEntry image;
    image.fileName = "half.ico";
    image.data = Block(HalfRedIconFile());
    PreviewPixels shown;
    std::string size;
    DialogScript script;
    script.ReadText(IDC_IMG_SIZE, size)
        .Do([&](HWND dialog) { shown = ReadPreview(dialog); })
        .Click(IDCANCEL);
    Bench bench;
    bench.Play(script, image);

    const int width = GetSystemMetrics(SM_CXICON), height = GetSystemMetrics(SM_CYICON);
    EXPECT_EQ(size, std::to_string(width) + " x " + std::to_string(height));
    ASSERT_GE(shown.width, width);
    ASSERT_GE(shown.height, height);
    const int left = (shown.width - width) / 2, top = (shown.height - height) / 2;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(shown.At(left + 2, top + height / 2), face);
    EXPECT_EQ(shown.At(left + width - 3, top + height / 2), RGB(255, 0, 0));
    EXPECT_EQ(shown.At(0, 0), face);
}

TEST(ImageObjectDialog, ATransparentTextShowsTheFaceThroughItsPaper) {
    ImageEntry image;
    MakeText(image);
    image.textColour = RGB(0, 0, 0);
    image.backgroundColour = RGB(255, 0, 0);
    const COLORREF key = GetSysColor(COLOR_WINDOW);
    ASSERT_NE(key, GetSysColor(COLOR_BTNFACE));
    PreviewPixels opaque, transparent;
    DialogScript script;
    script.Do([&](HWND dialog) { opaque = ReadPreview(dialog); })
        .Check(IDC_IMG_TRANSPARENT)
        .Do([&](HWND dialog) { transparent = ReadPreview(dialog); })
        .Click(IDCANCEL);
    Bench bench;
    bench.Play(script, image);

    EXPECT_TRUE(opaque.Has(RGB(255, 0, 0)));
    EXPECT_TRUE(opaque.Has(RGB(0, 0, 0)));
    EXPECT_FALSE(transparent.Has(RGB(255, 0, 0)));
    EXPECT_FALSE(transparent.Has(key));
    EXPECT_TRUE(transparent.Has(RGB(0, 0, 0)));
}

TEST(ImageObjectDialog, APictureOpensInPictureModeAndTheTextButtonSwitchesModes) {
    ImageEntry image;
    MakePicture(image);
    std::vector<std::vector<bool>> offered;
    std::vector<std::string> buttons(4);
    std::string name, size;
    UINT isText = 0;
    auto note = [&](HWND dialog) { offered.push_back(Offered(dialog)); };
    DialogScript script;
    script.ReadText(IDC_IMG_NAME, name)
        .ReadText(IDC_IMG_SIZE, size)
        .ReadCheck(IDC_IMG_IS_TEXT, isText)
        .ReadText(IDC_IMG_FONT_OR_IMAGE, buttons[0])
        .Do(note)
        .Check(IDC_IMG_IS_TEXT)
        .ReadText(IDC_IMG_FONT_OR_IMAGE, buttons[1])
        .Do(note)
        .Check(IDC_IMG_YOUR)
        .ReadText(IDC_IMG_FONT_OR_IMAGE, buttons[2])
        .Do(note)
        .Check(IDC_IMG_IS_TEXT, BST_UNCHECKED)
        .ReadText(IDC_IMG_FONT_OR_IMAGE, buttons[3])
        .Do(note)
        .Click(IDCANCEL);
    Bench bench;
    EXPECT_FALSE(bench.Play(script, image));

    EXPECT_EQ(name, "grey.bmp");
    EXPECT_EQ(size, "8 x 4");
    EXPECT_EQ(isText, BST_UNCHECKED);
    EXPECT_EQ(buttons,
              (std::vector<std::string>{"&Image...", "&Font...", "&Font...", "&Image..."}));
    EXPECT_EQ(offered, (std::vector<std::vector<bool>>{{false, false, false, true, true},
                                                       {true, true, false, false, false},
                                                       {true, true, true, false, false},
                                                       {false, false, false, true, true}}));
}

// Changes every field the dialog edits on a text object.
DialogScript EditText() {
    DialogScript script;
    script.SetText(IDC_IMG_TEXT, "Good night")
        .Check(IDC_IMG_YOUR)
        .Click(IDC_IMG_BACKGROUND_COLOUR)
        .Click(IDC_IMG_FONT_OR_IMAGE);
    return script;
}

TEST(ImageObjectDialog, OkWritesBackExactlyTheEditedFields) {
    ImageEntry image;
    MakeText(image);
    image.opaque = 0;
    image.fileName = "old.bmp";
    image.data = Block(GreyBitmapFile(4, 4));
    image.source = kSourceFile;
    ImageEntry expected;
    expected.Assign(image);
    expected.text = "Good night";
    expected.opaque = 1;
    expected.backgroundColour = 0x00FF00;
    expected.font.SetFaceName("Arial");
    expected.font.height = -16;
    expected.textColour = 0x0000FF;

    LRESULT defaultId = 0;
    bool okHasFocus = false;
    LONG_PTR fontButtonStyle = 0;
    DialogScript script = EditText();
    script
        .Do([&](HWND dialog) {
            defaultId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
            okHasFocus = GetFocus() == GetDlgItem(dialog, IDOK);
            fontButtonStyle =
                GetWindowLongPtrA(GetDlgItem(dialog, IDC_IMG_FONT_OR_IMAGE), GWL_STYLE);
        })
        .Click(IDOK);
    Bench bench;
    ASSERT_TRUE(bench.Play(script, image));

    ExpectSame(image, expected);
    EXPECT_EQ(bench.chooser.fontsAsked, 1);
    EXPECT_EQ(bench.chooser.coloursAsked, 1);
    // After the font dialog was confirmed OK is the default button and has the focus.
    EXPECT_EQ(LOWORD(defaultId), IDOK);
    EXPECT_TRUE(okHasFocus);
    EXPECT_EQ(fontButtonStyle & BS_DEFPUSHBUTTON, 0);
}

TEST(ImageObjectDialog, CancelChangesNothing) {
    ImageEntry image;
    MakeText(image);
    ImageEntry before;
    before.Assign(image);
    DialogScript script = EditText();
    script.Check(IDC_IMG_IS_TEXT, BST_UNCHECKED).Click(IDCANCEL);
    Bench bench;
    EXPECT_FALSE(bench.Play(script, image));
    ExpectSame(image, before);
}

TEST(ImageObjectDialog, AChosenPictureIsTakenWithItsNameAndBytes) {
    test::ScratchFolder folder;
    const std::vector<std::uint8_t> bytes = GreyBitmapFile(12, 8);
    const std::string path = folder.Write("Sunset.bmp", bytes);
    ImageEntry image;
    MakePicture(image);
    image.source = kSourceDesktop;
    Bench bench;
    bench.prompt.AnswerFile(path);
    std::string name, size;
    DialogScript script;
    script.Click(IDC_IMG_FONT_OR_IMAGE)
        .ReadText(IDC_IMG_NAME, name)
        .ReadText(IDC_IMG_SIZE, size)
        .Click(IDOK);
    char previousFolder[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, previousFolder);
    ASSERT_TRUE(bench.Play(script, image));
    char currentFolder[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, currentFolder);
    SetCurrentDirectoryA(previousFolder);  // the scratch folder must be removable

    ASSERT_EQ(bench.prompt.Shown().size(), 1u);
    const FileDialogRequest& request = bench.prompt.Shown()[0].request;
    EXPECT_EQ(request.title, "New Image");
    EXPECT_EQ(request.filter,
              "All supported formats|*.bmp;*jpg;*.cur;*.ico|Bitmaps (.bmp)|*.bmp|Icons, Cursors "
              "(.ico;.cur)|*.ico;*.cur|JPEG (.jpg)|*.jpg|All Files (*.*)|*.*||");
    EXPECT_EQ(name, "Sunset.bmp");
    EXPECT_EQ(size, "12 x 8");
    EXPECT_EQ(image.fileName, "Sunset.bmp");
    EXPECT_EQ(BytesOf(image.data), bytes);
    EXPECT_EQ(image.source, kSourceFile);
    EXPECT_EQ(CharLowerA(currentFolder), Lower(folder.Path()));
}

TEST(ImageObjectDialog, APictureThatCannotBeLoadedLeavesTheObjectAsItWas) {
    test::ScratchFolder folder;
    std::vector<std::uint8_t> damaged = GreyBitmapFile(12, 8);
    damaged.resize(70);  // the header promises rows that are not there
    const std::string path = folder.Write("Damaged.bmp", damaged);
    ImageEntry image;
    MakePicture(image);
    ImageEntry before;
    before.Assign(image);
    Bench bench;
    bench.prompt.AnswerFile(path);
    std::string name, size;
    DialogScript script;
    script.Click(IDC_IMG_FONT_OR_IMAGE)
        .ReadText(IDC_IMG_NAME, name)
        .ReadText(IDC_IMG_SIZE, size)
        .Click(IDOK);
    ASSERT_TRUE(bench.Play(script, image));

    EXPECT_EQ(bench.prompt.Texts(),
              (std::vector<std::string>{"New Image", path + "\ncannot be loaded."}));
    EXPECT_EQ(name, "grey.bmp");
    EXPECT_EQ(size, "8 x 4");
    ExpectSame(image, before);
    EXPECT_EQ(bench.verified.LiveCount(), 0u);
}

TEST(ImageObjectDialog, AChosenPictureCountsAsCheckedAnIconIsLeftToTheCheck) {
    test::ScratchFolder folder;
    Bench bench;
    const auto choose = [&](const std::string& name, const std::vector<std::uint8_t>& bytes,
                            ImageEntry& image) {
        MakePicture(image);
        bench.prompt.AnswerFile(folder.Write(name, bytes));
        DialogScript script;
        script.Click(IDC_IMG_FONT_OR_IMAGE).Click(IDOK);
        char previousFolder[MAX_PATH] = "";
        GetCurrentDirectoryA(MAX_PATH, previousFolder);
        EXPECT_TRUE(bench.Play(script, image));
        SetCurrentDirectoryA(previousFolder);  // the scratch folder must be removable
        EXPECT_EQ(image.fileName, name);
    };
    ImageEntry picture, icon;
    choose("Sunset.bmp", GreyBitmapFile(12, 8), picture);
    choose("half.ico", HalfRedIconFile(), icon);
    EXPECT_TRUE(bench.verified.Contains(picture.data));
    EXPECT_FALSE(bench.verified.Contains(icon.data));
    EXPECT_EQ(bench.verified.LiveCount(), 1u);
}

TEST(ImageObjectDialog, DesktopAndWallpaperArePicturesMadeInMemory) {
    test::ScratchFolder temporary;
    test::TemporaryFolderOverride useScratch(temporary.Path());
    test::ScratchFolder current;
    char previousFolder[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, previousFolder);
    SetCurrentDirectoryA(current.Path().c_str());
    for (const std::int32_t source : {kSourceDesktop, kSourceWallpaper}) {
        ImageEntry image;
        MakePicture(image);
        std::string name, size;
        DialogScript script;
        script.Click(source == kSourceDesktop ? IDC_IMG_DESKTOP : IDC_IMG_WALLPAPER)
            .ReadText(IDC_IMG_NAME, name)
            .ReadText(IDC_IMG_SIZE, size)
            .Click(IDOK);
        Bench bench;
        ASSERT_TRUE(bench.Play(script, image));

        EXPECT_EQ(image.source, source);
        EXPECT_EQ(image.fileName, source == kSourceDesktop ? "desktop.jpg" : "wallpaper.jpg");
        EXPECT_EQ(name, image.fileName);
        ASSERT_GE(image.data.size(), 4u);
        // A JFIF JPEG, as the loader knows it.
        EXPECT_EQ(BytesOf(image.data).at(3), 0xE0);
        EXPECT_EQ(image.data.data()[0], 0xFF);
        const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
        EXPECT_EQ(size, std::to_string(width) + " x " + std::to_string(height));
    }
    SetCurrentDirectoryA(previousFolder);
    EXPECT_TRUE(temporary.Files().empty());
    EXPECT_TRUE(current.Files().empty());
}

TEST(ImageObjectDialog, TheMessageTakesAtMost5000Characters) {
    ImageEntry image;
    MakeText(image);
    image.text.clear();
    LRESULT limit = 0;
    LRESULT typed = 0;
    const std::string longText(6000, 'x');
    DialogScript script;
    script
        .Do([&](HWND dialog) {
            HWND edit = GetDlgItem(dialog, IDC_IMG_TEXT);
            limit = SendMessageA(edit, EM_GETLIMITTEXT, 0, 0);
            // As typing or pasting: the edit takes no more than its limit.
            SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(longText.c_str()));
            typed = GetWindowTextLengthA(edit);
        })
        .Click(IDOK);
    Bench bench;
    ASSERT_TRUE(bench.Play(script, image));
    EXPECT_EQ(limit, 5000);
    EXPECT_EQ(typed, 5000);
    EXPECT_EQ(image.text, std::string(5000, 'x'));
}

}  // namespace
}  // namespace vl
