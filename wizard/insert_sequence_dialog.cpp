#include "wizard/insert_sequence_dialog.h"

#include "framework/prompt.h"
#include "wizard/preview_sequence_dialog.h"
#include "wizard/wizard_resources.h"

namespace vl {

CInsertSequenceDialog::CInsertSequenceDialog(std::int32_t kind, const WizardData& data)
    : ModalDialog(IDD_WIZARD_INSERT_SEQUENCE), kind_(kind), data_(data) {}

BOOL CInsertSequenceDialog::OnInitDialog() {
    const bool media = kind_ == kSequenceMedia;
    for (int id : {IDC_INSERT_PICTURE, IDC_INSERT_PICTURE_SIZE, IDC_INSERT_PREVIEW_LABEL})
        ShowWindow(Item(id), media ? SW_HIDE : SW_SHOW);
    ShowWindow(Item(IDC_INSERT_TEST), media ? SW_SHOW : SW_HIDE);
    if (!media)
        preview_.Attach(Handle(), IDC_INSERT_PICTURE, IDC_INSERT_PICTURE_SIZE);
    HWND list = Item(IDC_INSERT_LIST);
    if (kind_ == kSequenceImage) {
        for (const auto& image : data_.images)
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(image->fileName.c_str()));
    } else if (kind_ == kSequenceText) {
        for (const auto& text : data_.texts)
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text->text.c_str()));
    } else {
        for (const auto& item : data_.media)
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item->fileName.c_str()));
    }
    return TRUE;
}

bool CInsertSequenceDialog::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
        case IDC_INSERT_LIST:
            if (notifyCode == LBN_SELCHANGE)
                ShowSelected();
            return true;
        case IDC_INSERT_TEST:
            TestMedia();
            return true;
        case IDOK:
            if (Selection() < 0) {
                CurrentPrompt().Message(kSelectToMakeSequence, MessageIcon::Plain);
                return true;
            }
            chosen = Selection();
            End(IDOK);
            return true;
        default:
            return ModalDialog::OnCommand(id, notifyCode, control);
    }
}

int CInsertSequenceDialog::Selection() const {
    return static_cast<int>(SendDlgItemMessageA(Handle(), IDC_INSERT_LIST, LB_GETCURSEL, 0, 0));
}

void CInsertSequenceDialog::ShowSelected() {
    const int index = Selection();
    if (index < 0 || kind_ == kSequenceMedia)
        return;
    const auto& list = kind_ == kSequenceImage ? data_.images : data_.texts;
    preview_.ShowImageEntry(*list[index]);
}

void CInsertSequenceDialog::TestMedia() {
    const int index = Selection();
    if (index < 0)
        return;
    PlayMediaObject(Handle(), *data_.media[index]);
}

int ChooseSequenceObject(HWND owner, std::int32_t kind, const WizardData& data) {
    CInsertSequenceDialog dialog(kind, data);
    return dialog.Run(owner) == IDOK ? dialog.chosen : -1;
}

}  // namespace vl
