#include "editor/property_dialog.h"

#include "editor/core/dialog_caption.h"
#include "editor/property_dialogs_resources.h"

namespace vl {

PropertyDialog::PropertyDialog(int templateId, const PropertyContext& context, std::string kindName,
                               DescriptionParam* description)
    : ModalDialog(templateId),
      context_(context),
      kindName_(std::move(kindName)),
      description_(description),
      fields_(context.prompt) {}

void PropertyDialog::RefreshTitle() {
    const std::string subtitle =
        subtitle_ ? *subtitle_ : (description_ ? description_->text : std::string());
    SetWindowTextA(Handle(), DialogCaption(kindName_, subtitle).c_str());
}

void PropertyDialog::SetSubtitle(std::string subtitle) {
    subtitle_ = std::move(subtitle);
    if (Handle())
        RefreshTitle();
}

void PropertyDialog::SubDialogConfirmed(int buttonId) {
    SendDlgItemMessageA(Handle(), buttonId, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    SendMessageA(Handle(), DM_SETDEFID, IDOK, 0);
    SendDlgItemMessageA(Handle(), IDOK, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    SendMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDOK)), TRUE);
}

BOOL PropertyDialog::OnInitDialog() {
    fields_.Load(Handle());
    RefreshTitle();
    return TRUE;
}

bool PropertyDialog::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
        case IDOK:
            if (BeforeStore() && fields_.Store(Handle())) {
                AfterStore();
                End(IDOK);
            }
            return true;
        case IDC_PD_COMMENT:
            if (notifyCode == BN_CLICKED && description_)
                EditDescription();
            return true;
        default:
            return ModalDialog::OnCommand(id, notifyCode, control);
    }
}

void PropertyDialog::EditDescription() {
    DescriptionParam edited;
    edited.Assign(*description_);
    DescriptionDialog dialog(context_, kindName_, edited);
    if (dialog.Run(Handle()) != IDOK)
        return;
    description_->Assign(edited);
    RefreshTitle();
    SubDialogConfirmed(IDC_PD_COMMENT);
}

DescriptionDialog::DescriptionDialog(const PropertyContext& context, std::string kindName,
                                     DescriptionParam& description)
    : PropertyDialog(IDD_PD_DESCRIPTION, context, std::move(kindName), nullptr) {
    SetSubtitle(description.text);
    Fields().Text(IDC_PD_DESCRIPTION_TEXT, description.text);
}

}  // namespace vl
