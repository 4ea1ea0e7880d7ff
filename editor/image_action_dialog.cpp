#include "editor/image_action_dialog.h"

#include <algorithm>

#include "editor/action_dialogs_resources.h"
#include "editor/colours_dialog.h"
#include "editor/position_dialogs.h"
#include "editor/property_kinds.h"
#include "scene/kinds.h"

namespace vl {
namespace {

// The descriptions of Images are long: the list scrolls sideways to the end of the longest.
void FitListExtent(HWND list) {
    HDC dc = GetDC(list);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    const LRESULT rows = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT row = 0; row < rows; ++row) {
        std::string text(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, row, 0)) + 1,
                         '\0');
        SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
        SIZE extent{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size() - 1), &extent);
        widest = std::max(widest, extent.cx);
    }
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 4), 0);
}

// Puts the control where another one is.
void MoveTo(HWND dialog, int id, int placeOf) {
    RECT place;
    GetWindowRect(GetDlgItem(dialog, placeOf), &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(GetDlgItem(dialog, id), nullptr, place.left, place.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

ImageActionDialog::ImageActionDialog(const PropertyContext& context, std::int32_t kind,
                                     SceneEntry* linked)
    : PropertyDialog(IDD_ACT_ACTION, context, vl::KindName(kind), &params.description),
      image(linked),
      editNewImage([context](HWND owner, ImageEntry& entry) {
          return EditImageObject(context, owner, entry);
      }),
      kind_(kind) {}

BOOL ImageActionDialog::OnInitDialog() {
    const BOOL result = PropertyDialog::OnInitDialog();
    images_.Attach(Handle(), IDC_ACT_IMAGES, IDC_ACT_IMAGES_LABEL, Context().scene, kImage, image);
    FitListExtent(Item(IDC_ACT_IMAGES));
    preview_.Attach(Handle(), IDC_ACT_PREVIEW, IDC_ACT_PREVIEW_SIZE);
    PreviewSelected();
    if (kind_ == kHide) {
        ShowWindow(Item(IDC_ACT_POSITION), SW_HIDE);
        ShowWindow(Item(IDC_ACT_COLOURS), SW_HIDE);
        // The buttons below close the gap.
        MoveTo(Handle(), IDC_ACT_COMMENT, IDC_ACT_COLOURS);
        MoveTo(Handle(), IDC_ACT_NEW_IMAGE, IDC_ACT_POSITION);
    }
    return result;
}

bool ImageActionDialog::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
        case IDC_ACT_IMAGES:
            if (notifyCode == LBN_SELCHANGE)
                PreviewSelected();
            break;
        case IDC_ACT_POSITION:
            if (notifyCode == BN_CLICKED)
                EditPosition();
            return true;
        case IDC_ACT_COLOURS:
            if (notifyCode == BN_CLICKED)
                EditColours();
            return true;
        case IDC_ACT_NEW_IMAGE:
            if (notifyCode == BN_CLICKED)
                AddNewImage();
            return true;
        default:
            break;
    }
    return PropertyDialog::OnCommand(id, notifyCode, control);
}

void ImageActionDialog::PreviewSelected() {
    const ImageEntry* selected = EntryAs<ImageEntry>(images_.Selected());
    if (!selected || !preview_.ShowImageEntry(*selected))
        preview_.ShowNoImage();
}

void ImageActionDialog::EditPosition() {
    const std::string kindName = KindName();
    if (kind_ == kMove) {
        MovePositionDialog dialog(Context(), kindName);
        dialog.motion.Assign(params.motion);
        if (dialog.Run(Handle()) != IDOK)
            return;
        params.motion.Assign(dialog.motion);
    } else {
        const ImageEntry* selected = EntryAs<ImageEntry>(images_.Selected());
        ShowPositionDialog dialog(Context(), kindName, selected && selected->IsTextObject());
        dialog.motion.Assign(params.motion);
        if (dialog.Run(Handle()) != IDOK)
            return;
        params.motion.Assign(dialog.motion);
    }
    SubDialogConfirmed(IDC_ACT_POSITION);
}

void ImageActionDialog::EditColours() {
    ColoursDialog dialog(Context(), KindName(), nullptr);
    dialog.colour.Assign(params.colour);
    if (dialog.Run(Handle()) != IDOK)
        return;
    params.colour.Assign(dialog.colour);
    SubDialogConfirmed(IDC_ACT_COLOURS);
}

void ImageActionDialog::AddNewImage() {
    auto created = std::make_unique<ImageEntry>();
    if (!editNewImage || !editNewImage(Handle(), *created) || !Context().append)
        return;
    SceneEntry* added = Context().append(std::move(created));
    if (!added)
        return;
    images_.Refill(Context().scene, added);
    FitListExtent(Item(IDC_ACT_IMAGES));
    PreviewSelected();
    SubDialogConfirmed(IDC_ACT_NEW_IMAGE);
}

bool EditImageAction(const PropertyContext& context, HWND owner, ImageCommandEntry& entry) {
    ImageActionDialog dialog(context, entry.Kind(), entry.GetLinkedObject());
    dialog.params.Assign(entry.params);
    dialog.params.description.Assign(entry.description);
    if (dialog.Run(owner) != IDOK)
        return false;
    entry.params.Assign(dialog.params);
    entry.description.Assign(dialog.params.description);
    entry.SetObject(dialog.image);
    return true;
}

}  // namespace vl
