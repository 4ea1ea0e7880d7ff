#include "editor/image_object_dialog.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "editor/core/image_object_rules.h"
#include "editor/image_object_resources.h"
#include "editor/property_kinds.h"
#include "engine/image/desktop_pictures.h"
#include "engine/image/jpeg_codec.h"
#include "engine/image/picture_loader.h"
#include "engine/image/sec_dib.h"
#include "engine/image/sec_file_system.h"
#include "engine/text/windows_log_font.h"
#include "framework/dialog_fields.h"
#include "framework/prompt.h"
#include "scene/kinds.h"
#include "scene/messages.h"

namespace vl {
namespace {

constexpr char kPictureTitle[] = "New Image";
constexpr char kPictureFilter[] =
    "All supported formats|*.bmp;*jpg;*.cur;*.ico|Bitmaps (.bmp)|*.bmp|Icons, Cursors "
    "(.ico;.cur)|*.ico;*.cur|JPEG (.jpg)|*.jpg|All Files (*.*)|*.*||";
// Desktop pictures are kept as JPEG at full quality, as the wallpaper is read.
constexpr int kDesktopQuality = 100;

// The folder part of a chosen file's path, for the current folder.
std::string FolderOfPath(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string(".") : path.substr(0, cut + 1);
}

}  // namespace

CImageObjectDialog::CImageObjectDialog(const PropertyContext& context, ImageEntry& image)
    : PropertyDialog(IDD_IMG_OBJECT, context, vl::KindName(kImage), &image.description),
      image_(image) {
    Fields()
        .Text(IDC_IMG_TEXT, image_.text, kImageTextLimit)
        .Radio({IDC_IMG_TRANSPARENT, IDC_IMG_YOUR}, image_.opaque)
        .Check(IDC_IMG_IS_TEXT, image_.isText);
}

INT_PTR CImageObjectDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CTLCOLOREDIT:
            if (reinterpret_cast<HWND>(lParam) == Item(IDC_IMG_TEXT))
                return reinterpret_cast<INT_PTR>(OnEditColour(reinterpret_cast<HDC>(wParam)));
            return PropertyDialog::OnMessage(msg, wParam, lParam);
        default:
            return PropertyDialog::OnMessage(msg, wParam, lParam);
    }
}

BOOL CImageObjectDialog::OnInitDialog() {
    PropertyDialog::OnInitDialog();
    SendDlgItemMessageA(Handle(), IDC_IMG_TEXT, EM_LIMITTEXT, kImageTextLimit, 0);
    preview_.Attach(Handle(), IDC_IMG_PREVIEW, IDC_IMG_SIZE);
    ShowName();
    ApplyMode();
    ApplyTextLook();
    RefreshPreview();
    return TRUE;
}

bool CImageObjectDialog::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
        case IDC_IMG_IS_TEXT:
            if (notifyCode == BN_CLICKED) {
                ApplyMode();
                RefreshPreview();
            }
            return true;
        case IDC_IMG_TRANSPARENT:
        case IDC_IMG_YOUR:
            if (notifyCode == BN_CLICKED) {
                ApplyMode();
                ApplyTextLook();
                RefreshPreview();
            }
            return true;
        case IDC_IMG_TEXT:
            if (notifyCode == EN_CHANGE)
                RefreshPreview();
            return true;
        case IDC_IMG_FONT_OR_IMAGE:
            if (notifyCode == BN_CLICKED) {
                if (TextMode())
                    ChooseFont();
                else
                    ChoosePicture();
            }
            return true;
        case IDC_IMG_BACKGROUND_COLOUR:
            if (notifyCode == BN_CLICKED)
                ChooseBackgroundColour();
            return true;
        case IDC_IMG_DESKTOP:
            if (notifyCode == BN_CLICKED)
                TakeDesktop(kSourceDesktop);
            return true;
        case IDC_IMG_WALLPAPER:
            if (notifyCode == BN_CLICKED)
                TakeDesktop(kSourceWallpaper);
            return true;
        default:
            return PropertyDialog::OnCommand(id, notifyCode, control);
    }
}

void CImageObjectDialog::AfterStore() {
    // Neither background button checked (a value the dialog does not know) reads as transparent.
    if (image_.opaque < 0)
        image_.opaque = 0;
}

bool CImageObjectDialog::TextMode() const {
    return CheckField(Handle(), IDC_IMG_IS_TEXT) == BST_CHECKED;
}

bool CImageObjectDialog::YourColour() const {
    return CheckField(Handle(), IDC_IMG_YOUR) == BST_CHECKED;
}

void CImageObjectDialog::ApplyMode() {
    const ImageObjectControls controls = ImageObjectControlsFor(TextMode(), YourColour());
    EnableWindow(Item(IDC_IMG_TEXT), controls.text);
    EnableWindow(Item(IDC_IMG_TRANSPARENT), controls.transparent);
    EnableWindow(Item(IDC_IMG_YOUR), controls.transparent);
    EnableWindow(Item(IDC_IMG_BACKGROUND_COLOUR), controls.colour);
    EnableWindow(Item(IDC_IMG_DESKTOP), controls.desktop);
    EnableWindow(Item(IDC_IMG_WALLPAPER), controls.desktop);
    EnableWindow(Item(IDC_IMG_NAME), controls.name);
    SetFieldText(Handle(), IDC_IMG_FONT_OR_IMAGE, controls.pictureButton);
}

void CImageObjectDialog::ApplyTextLook() {
    const LOGFONTA font = ToLogFontA(image_.font);
    FontHandle made(CreateFontIndirectA(&font));
    SendDlgItemMessageA(Handle(), IDC_IMG_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(made.Get()),
                        TRUE);
    // The edit has let go of the previous font before it is deleted here.
    textFont_ = std::move(made);
    const COLORREF paper = YourColour() ? image_.backgroundColour : GetSysColor(COLOR_WINDOW);
    editBrush_ = BrushHandle(CreateSolidBrush(paper));
    InvalidateRect(Item(IDC_IMG_TEXT), nullptr, TRUE);
}

HBRUSH CImageObjectDialog::OnEditColour(HDC dc) {
    const COLORREF paper = YourColour() ? image_.backgroundColour : GetSysColor(COLOR_WINDOW);
    SetTextColor(dc, image_.textColour);
    SetBkColor(dc, paper);
    return editBrush_.Get();
}

void CImageObjectDialog::RefreshPreview() {
    ImageEntry shown;
    shown.Assign(image_);
    shown.text = FieldText(Handle(), IDC_IMG_TEXT);
    shown.isText = TextMode() ? 1 : 0;
    shown.opaque = YourColour() ? 1 : 0;
    preview_.ShowImageEntry(shown);
}

void CImageObjectDialog::ChooseFont() {
    if (!Context().chooser.PickFont(Handle(), image_.font, image_.textColour))
        return;
    ApplyTextLook();
    RefreshPreview();
    SubDialogConfirmed(IDC_IMG_FONT_OR_IMAGE);
}

void CImageObjectDialog::ChoosePicture() {
    Prompt& prompt = Context().prompt;
    FileDialogRequest request;
    request.title = kPictureTitle;
    request.filter = kPictureFilter;
    request.flags = kFileMustExist | kFileHideReadOnly;
    const FileDialogResult chosen = prompt.OpenFile(request);
    if (!chosen.chosen || chosen.paths.empty())
        return;
    const std::string& path = chosen.paths.front();
    // Decoded before the object takes it: a picture that cannot be shown leaves the object as
    // it was.
    std::vector<std::uint8_t> bytes;
    PreparedPicture trial;
    ByteBlock block;
    if (SECFileSystem::ReadFileBytes(path, bytes))
        block = ByteBlock::Adopt(std::move(bytes));
    if (block.empty() || !LoadPictureBytes(trial, block)) {
        prompt.Message(path + msg::kCannotBeLoadedSuffix, MessageIcon::Stop);
        return;
    }
    // An icon was judged at the system's sizes, the check judges it at its own: only other
    // pictures count as checked.
    if (Context().verifiedPictures && !trial.Icon())
        Context().verifiedPictures->Add(block);
    TakePictureFile(image_, path, std::move(block));
    SetCurrentDirectoryA(FolderOfPath(path).c_str());
    ShowName();
    RefreshPreview();
    SubDialogConfirmed(IDC_IMG_FONT_OR_IMAGE);
}

void CImageObjectDialog::ChooseBackgroundColour() {
    if (!Context().chooser.PickColour(Handle(), image_.backgroundColour))
        return;
    ApplyTextLook();
    RefreshPreview();
}

void CImageObjectDialog::TakeDesktop(std::int32_t source) {
    // The desktop helpers tell the user through the prompt in force: make it this dialog's.
    ScopedPromptOverride prompt(Context().prompt);
    SECDib picture;
    bool made = false;
    if (source == kSourceDesktop) {
        made = CaptureScreen(picture) != 0;
    } else {
        PreparedPicture composed;
        made = DesktopBackground(composed, picture, SRCCOPY);
    }
    std::vector<std::uint8_t> jpeg;
    if (!made || !EncodeJpeg(picture, kDesktopQuality, jpeg)) {
        Context().prompt.Message(msg::kCannotMakeDataFile, MessageIcon::Stop);
        return;
    }
    TakeDesktopPicture(image_, source, ByteBlock::Adopt(std::move(jpeg)));
    ShowName();
    RefreshPreview();
}

void CImageObjectDialog::ShowName() {
    SetFieldText(Handle(), IDC_IMG_NAME, image_.fileName);
}

bool EditImageObject(const PropertyContext& context, HWND owner, ImageEntry& image) {
    ImageEntry copy;
    copy.Assign(image);
    CImageObjectDialog dialog(context, copy);
    if (dialog.Run(owner) != IDOK)
        return false;
    image.Assign(copy);
    return true;
}

}  // namespace vl
