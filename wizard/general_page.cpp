#include "wizard/general_page.h"

#include "framework/dialog_fields.h"
#include "framework/prompt.h"
#include "wizard/wizard_resources.h"

namespace vl {

namespace {

constexpr int kChoices[] = {IDC_WIZARD_USE_IMAGES,        IDC_WIZARD_USE_MEDIA,
                            IDC_WIZARD_USE_TEXTS,         IDC_WIZARD_REPEAT_FOREVER,
                            IDC_WIZARD_MAKE_SCREEN_SAVER, IDC_WIZARD_MAKE_INSTALLER};

}  // namespace

CGeneralPage::CGeneralPage(WizardData& data, const WizardPageServices& services)
    : WizardDataPage(IDD_WIZARD_GENERAL, "Help\\Step1.htm", data, services) {}

BOOL CGeneralPage::OnInitDialog() {
    SetFieldText(Handle(), IDC_WIZARD_FOLDER, state_.folder);
    SetFieldText(Handle(), IDC_WIZARD_NAME, state_.name);
    SetCheckField(Handle(), IDC_WIZARD_USE_IMAGES, state_.useImages);
    SetCheckField(Handle(), IDC_WIZARD_USE_MEDIA, state_.useMedia);
    SetCheckField(Handle(), IDC_WIZARD_USE_TEXTS, state_.useTexts);
    SetCheckField(Handle(), IDC_WIZARD_REPEAT_FOREVER, state_.repeatForever);
    SetCheckField(Handle(), IDC_WIZARD_MAKE_SCREEN_SAVER, state_.makeScreenSaver);
    SetCheckField(Handle(), IDC_WIZARD_MAKE_INSTALLER, state_.makeInstaller);
    EnableChoices(!state_.name.empty() && !NameTaken(state_.name));
    return TRUE;
}

bool CGeneralPage::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
        case IDC_WIZARD_NAME:
            if (notifyCode == EN_CHANGE)
                EnableChoices(!Name().empty());
            else if (notifyCode == EN_KILLFOCUS)
                OnNameLeft();
            return true;
        case IDC_WIZARD_USE_IMAGES:
        case IDC_WIZARD_USE_MEDIA:
        case IDC_WIZARD_USE_TEXTS:
            OnKindClicked();
            return true;
        case IDC_WIZARD_BROWSE:
            Browse();
            return true;
        default:
            return WizardDataPage::OnCommand(id, notifyCode, control);
    }
}

bool CGeneralPage::NameTaken(const std::string& name) const {
    const std::string folder = FieldText(Handle(), IDC_WIZARD_FOLDER);
    if (services_.fileExists)
        return WizardNameTaken(folder, name, services_.fileExists);
    return WizardNameTaken(folder, name, [](const std::string& path) {
        return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    });
}

void CGeneralPage::EnableChoices(bool enable) {
    for (int id : kChoices)
        EnableWindow(Item(id), enable);
    EnableWindow(Item(IDOK), enable);
}

void CGeneralPage::OnNameLeft() {
    const std::string name = Name();
    if (!name.empty() && NameTaken(name)) {
        CurrentPrompt().Message(kNameTakenMessage, MessageIcon::Plain);
        EnableChoices(false);
        SetFocus(Item(IDC_WIZARD_NAME));
        return;
    }
    EnableChoices(!name.empty());
}

void CGeneralPage::OnKindClicked() {
    const bool any = CheckField(Handle(), IDC_WIZARD_USE_IMAGES) ||
                     CheckField(Handle(), IDC_WIZARD_USE_MEDIA) ||
                     CheckField(Handle(), IDC_WIZARD_USE_TEXTS);
    EnableWindow(Item(IDOK), any);
}

void CGeneralPage::Browse() {
    FolderRequest request;
    request.title = kChooseFolderTitle;
    std::string folder = CurrentPrompt().ChooseFolder(request);
    if (folder.empty())
        return;
    if (folder.back() != '\\')
        folder += '\\';
    SetFieldText(Handle(), IDC_WIZARD_FOLDER, folder);
}

bool CGeneralPage::CanLeaveWithNext() {
    // Enter reaches Next even while it is disabled: the same guards hold here. Without any kind
    // of object there would be nothing to make a sequence of.
    const std::string name = Name();
    if (name.empty() || NameTaken(name))
        return false;
    return CheckField(Handle(), IDC_WIZARD_USE_IMAGES) ||
           CheckField(Handle(), IDC_WIZARD_USE_MEDIA) || CheckField(Handle(), IDC_WIZARD_USE_TEXTS);
}

void CGeneralPage::Store() {
    state_.folder = FieldText(Handle(), IDC_WIZARD_FOLDER);
    state_.name = Name();
    state_.useImages = CheckField(Handle(), IDC_WIZARD_USE_IMAGES);
    state_.useMedia = CheckField(Handle(), IDC_WIZARD_USE_MEDIA);
    state_.useTexts = CheckField(Handle(), IDC_WIZARD_USE_TEXTS);
    state_.repeatForever = CheckField(Handle(), IDC_WIZARD_REPEAT_FOREVER);
    state_.makeScreenSaver = CheckField(Handle(), IDC_WIZARD_MAKE_SCREEN_SAVER);
    state_.makeInstaller = CheckField(Handle(), IDC_WIZARD_MAKE_INSTALLER);
}

void CGeneralPage::OnCancelled() {
    state_.name.clear();
}

std::string CGeneralPage::Name() const {
    return FieldText(Handle(), IDC_WIZARD_NAME);
}

}  // namespace vl
