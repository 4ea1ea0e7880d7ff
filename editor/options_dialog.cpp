#include "editor/options_dialog.h"

#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "editor/core/beep_field.h"
#include "editor/core/custom_picture.h"
#include "editor/options_dialog_resources.h"
#include "engine/image/sec_dib.h"
#include "engine/image/sec_file_system.h"
#include "framework/dialog_fields.h"
#include "framework/prompt.h"
#include "scene/messages.h"

namespace vl {
namespace {

constexpr int kDragColourRow = 3;
const char* const kTextRows[] = {"Normal", "Comment", "Disable"};
constexpr char kDragColourRowName[] = "Drag colour";
constexpr char kCustomImageTitle[] = "New Image";
constexpr char kCustomImageFilter[] = "Bitmaps 96x112, 256 colours  (.bmp)|*.bmp|";

// Written beside the target and moved into place, so the packaging never meets half a picture.
bool ReplaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    const std::string temporary = path + ".new";
    if (SECFileSystem::WriteFileBytes(temporary, bytes) &&
        MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return true;
    }
    DeleteFileA(temporary.c_str());
    return false;
}

struct CheckBinding {
    int id;
    std::int32_t EditorOptions::*field;
};

const CheckBinding kChecks[] = {
    {IDC_OPTIONS_SAVE_BEFORE_PREVIEW, &EditorOptions::saveBeforePreview},
    {IDC_OPTIONS_AUTO_START, &EditorOptions::previewAutoStart},
    {IDC_OPTIONS_PREVIEW_TOOLBAR, &EditorOptions::showPreviewToolbar},
    {IDC_OPTIONS_DELETE_CLIPBOARD, &EditorOptions::deleteClipboardOnExit},
    {IDC_OPTIONS_SPLASH, &EditorOptions::splash},
    {IDC_OPTIONS_SOFT_DRAGGING, &EditorOptions::softDragging},
    {IDC_OPTIONS_DRAG_COLOUR, &EditorOptions::dragColourOn},
};

}  // namespace

COptionsDialog::COptionsDialog(StyleChooser& chooser)
    : ModalDialog(IDD_OPTIONS), chooser_(chooser) {
    // The template's spin control needs its window class before the dialog is created.
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
}

bool COptionsDialog::Edit(HWND owner, EditorOptions& edited) {
    options = edited;
    if (Run(owner) != IDOK)
        return false;
    edited = options;
    return true;
}

INT_PTR COptionsDialog::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header->idFrom != IDC_OPTIONS_BEEP_SPIN || header->code != UDN_DELTAPOS)
                return FALSE;
            SpinBeep(reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta);
            // The field holds the value; the control's own position must not move.
            SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        default:
            return ModalDialog::OnMessage(msg, wParam, lParam);
    }
}

BOOL COptionsDialog::OnInitDialog() {
    SetIntegerField(Handle(), IDC_OPTIONS_TAB_SIZE, options.tabSize);
    SetIntegerField(Handle(), IDC_OPTIONS_SCROLL_TIME, options.scrollTime);
    SendDlgItemMessageA(Handle(), IDC_OPTIONS_BEEP_SPIN, UDM_SETRANGE32, 0, kMaxBeepSteps);
    ShowBeep(options.beepOnWait);

    HWND list = Item(IDC_OPTIONS_TEXT_LIST);
    for (const char* row : kTextRows)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
    SendMessageA(list, LB_SETCURSEL, 0, 0);

    for (const CheckBinding& check : kChecks)
        SetCheckField(Handle(), check.id, options.*check.field);
    ApplySoftDragging();
    UpdateStyleButton();

    preview_.Attach(Handle(), IDC_OPTIONS_PICTURE, IDC_OPTIONS_PICTURE_SIZE);
    if (customImageOn && customImageOn()) {
        SetCheckField(Handle(), IDC_OPTIONS_USE_CUSTOM, BST_CHECKED);
        // A picture that cannot be loaded leaves "No Image" and the box checked.
        if (customImagePath)
            preview_.ShowFile(customImagePath());
    }
    EnableWindow(Item(IDC_OPTIONS_SS_IMAGE), static_cast<bool>(customImageSavePath));
    const bool canSwitch = storeCustomImage && CheckField(Handle(), IDC_OPTIONS_USE_CUSTOM);
    EnableWindow(Item(IDC_OPTIONS_USE_CUSTOM), canSwitch);
    return TRUE;
}

bool COptionsDialog::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
        case IDC_OPTIONS_SOFT_DRAGGING:
            if (notifyCode == BN_CLICKED)
                ApplySoftDragging();
            return true;
        case IDC_OPTIONS_TEXT_LIST:
            if (notifyCode == LBN_SELCHANGE)
                UpdateStyleButton();
            else if (notifyCode == LBN_DBLCLK)
                ChooseStyle();
            return true;
        case IDC_OPTIONS_FONT:
            if (notifyCode == BN_CLICKED)
                ChooseStyle();
            return true;
        case IDC_OPTIONS_SS_IMAGE:
            if (notifyCode == BN_CLICKED)
                ChooseCustomImage();
            return true;
        case IDC_OPTIONS_USE_CUSTOM:
            if (notifyCode == BN_CLICKED && storeCustomImage)
                storeCustomImage(CheckField(Handle(), IDC_OPTIONS_USE_CUSTOM) == BST_CHECKED);
            return true;
        case IDC_OPTIONS_BEEP:
            if (notifyCode == EN_KILLFOCUS)
                RoundBeep();
            return true;
        case IDOK:
            if (Store())
                End(IDOK);
            return true;
        default:
            return ModalDialog::OnCommand(id, notifyCode, control);
    }
}

void COptionsDialog::ApplySoftDragging() {
    const bool soft = CheckField(Handle(), IDC_OPTIONS_SOFT_DRAGGING) == BST_CHECKED;
    HWND list = Item(IDC_OPTIONS_TEXT_LIST);
    const LRESULT rows = SendMessageA(list, LB_GETCOUNT, 0, 0);
    if (soft && rows > kDragColourRow) {
        SendMessageA(list, LB_DELETESTRING, kDragColourRow, 0);
        SendMessageA(list, LB_SETCURSEL, 0, 0);
        UpdateStyleButton();
    } else if (!soft && rows == kDragColourRow) {
        SendMessageA(list, LB_INSERTSTRING, kDragColourRow,
                     reinterpret_cast<LPARAM>(kDragColourRowName));
    }
    EnableWindow(Item(IDC_OPTIONS_DRAG_COLOUR), !soft);
}

void COptionsDialog::UpdateStyleButton() {
    const LRESULT row = SendDlgItemMessageA(Handle(), IDC_OPTIONS_TEXT_LIST, LB_GETCURSEL, 0, 0);
    SetFieldText(Handle(), IDC_OPTIONS_FONT, row == kDragColourRow ? "&Colour..." : "&Font...");
}

void COptionsDialog::ChooseStyle() {
    const LRESULT row = SendDlgItemMessageA(Handle(), IDC_OPTIONS_TEXT_LIST, LB_GETCURSEL, 0, 0);
    switch (row) {
        case 0:
            chooser_.PickFont(Handle(), options.normalFont, options.normalColour);
            break;
        case 1:
            chooser_.PickFont(Handle(), options.commentFont, options.commentColour);
            break;
        case 2:
            chooser_.PickFont(Handle(), options.disabledFont, options.disabledColour);
            break;
        case kDragColourRow:
            chooser_.PickColour(Handle(), options.dragColour);
            break;
        default:
            break;
    }
}

void COptionsDialog::ChooseCustomImage() {
    Prompt& prompt = CurrentPrompt();
    FileDialogRequest request;
    request.title = kCustomImageTitle;
    request.filter = kCustomImageFilter;
    request.flags = kFileMustExist | kFileHideReadOnly;
    const FileDialogResult chosen = prompt.OpenFile(request);
    if (!chosen.chosen || chosen.paths.empty() || !customImageSavePath)
        return;
    // Read whole before anything is decided: a damaged palette or short pixel rows refuse it too.
    SECDib picture;
    const CustomPicture custom =
        picture.Load(chosen.paths.front()) ? MakeCustomPicture(picture) : CustomPicture();
    if (!custom.accepted) {
        prompt.Message(kCustomPictureNot256Colours, MessageIcon::Stop);
        EnableWindow(Item(IDC_OPTIONS_USE_CUSTOM), FALSE);
        preview_.ShowNoImage();
        return;
    }
    if (custom.resized)
        prompt.Message(kCustomPictureCropped, MessageIcon::Exclamation);
    const std::string path = customImageSavePath();
    if (!ReplaceFile(path, custom.file)) {
        prompt.Message(msg::kCannotMakeDataFile, MessageIcon::Stop);
        return;
    }
    preview_.ShowFile(path);
    EnableWindow(Item(IDC_OPTIONS_USE_CUSTOM), TRUE);
    SetCheckField(Handle(), IDC_OPTIONS_USE_CUSTOM, BST_CHECKED);
    if (storeCustomImage)
        storeCustomImage(true);
}

void COptionsDialog::SpinBeep(int direction) {
    const int value = BeepValue(FieldText(Handle(), IDC_OPTIONS_BEEP));
    ShowBeep(BeepSpin(value, options.waitSlice, direction));
}

void COptionsDialog::RoundBeep() {
    const int value = BeepValue(FieldText(Handle(), IDC_OPTIONS_BEEP));
    ShowBeep(BeepRound(value, options.waitSlice));
}

void COptionsDialog::ShowBeep(int milliseconds) {
    SetFieldText(Handle(), IDC_OPTIONS_BEEP, BeepText(milliseconds));
}

bool COptionsDialog::Store() {
    if (GetFocus() == Item(IDC_OPTIONS_BEEP))
        RoundBeep();
    EditorOptions edited = options;
    edited.beepOnWait = BeepValue(FieldText(Handle(), IDC_OPTIONS_BEEP));
    for (const CheckBinding& check : kChecks)
        edited.*check.field = CheckField(Handle(), check.id);
    const auto tabSize = ReadIntegerField(Handle(), IDC_OPTIONS_TAB_SIZE, 0, 100);
    if (!tabSize)
        return false;
    const auto scrollTime = ReadIntegerField(Handle(), IDC_OPTIONS_SCROLL_TIME, 0, 500);
    if (!scrollTime)
        return false;
    edited.tabSize = *tabSize;
    edited.scrollTime = *scrollTime;
    options = edited;
    return true;
}

}  // namespace vl
