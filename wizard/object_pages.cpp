#include "wizard/object_pages.h"

#include <mmsystem.h>

#include <algorithm>
#include <cctype>

#include "framework/data_files.h"
#include "framework/dialog_fields.h"
#include "framework/prompt.h"
#include "scene/messages.h"
#include "wizard/preview_sequence_dialog.h"
#include "wizard/wizard_resources.h"

namespace vl {

namespace {

int ListSelection(HWND dialog, int list) {
    return static_cast<int>(SendDlgItemMessageA(dialog, list, LB_GETCURSEL, 0, 0));
}

void AddLine(HWND dialog, int list, const std::string& text) {
    SendDlgItemMessageA(dialog, list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool IsAviName(const std::string& path) {
    if (path.size() < 4)
        return false;
    std::string extension = path.substr(path.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".avi";
}

}  // namespace

std::vector<std::string> ChooseFiles(const char* title, const char* filter) {
    FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    request.flags = kFileAllowMultiSelect | kFileMustExist | kFileHideReadOnly;
    const FileDialogResult result = CurrentPrompt().OpenFile(request);
    if (!result.chosen) {
        if (result.failure != 0)
            CurrentPrompt().Message(kTooManyFiles, MessageIcon::Stop);
        return {};
    }
    return result.paths;
}

// Page 2A

CImagesPage::CImagesPage(WizardData& data, const WizardPageServices& services)
    : WizardDataPage(IDD_WIZARD_IMAGES, "Help\\Step2a.htm", data, services) {}

BOOL CImagesPage::OnInitDialog() {
    preview_.Attach(Handle(), IDC_OBJECT_PICTURE, IDC_OBJECT_PICTURE_SIZE);
    for (const auto& image : state_.images) {
        images_.push_back(std::make_unique<ImageEntry>());
        images_.back()->Assign(*image);
        AddLine(Handle(), IDC_IMAGE_LIST, image->fileName);
    }
    EnableWindow(Item(IDC_OBJECT_REMOVE), !images_.empty());
    if (!images_.empty())
        ShowLine(0);
    return TRUE;
}

bool CImagesPage::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
        case IDC_OBJECT_ADD:
            Add();
            return true;
        case IDC_OBJECT_REMOVE:
            Remove();
            return true;
        case IDC_IMAGE_LIST:
            if (notifyCode == LBN_SELCHANGE)
                ShowLine(ListSelection(Handle(), IDC_IMAGE_LIST));
            return true;
        default:
            return WizardDataPage::OnCommand(id, notifyCode, control);
    }
}

void CImagesPage::Add() {
    bool added = false;
    for (const std::string& path : ChooseFiles("New Image", kImageFilter)) {
        FileBlock file = ReadWholeFile(path);
        if (!file.read)
            break;
        auto image = std::make_unique<ImageEntry>();
        image->fileName = FileNamePart(path);
        image->data = ByteBlock::Adopt(std::move(file.bytes));
        if (!preview_.ShowImageEntry(*image)) {
            // The pictures before this one stay.
            CurrentPrompt().Message(path + msg::kCannotBeLoadedSuffix, MessageIcon::Stop);
            break;
        }
        SetFieldText(Handle(), IDC_OBJECT_FILE_NAME, image->fileName);
        AddLine(Handle(), IDC_IMAGE_LIST, image->fileName);
        images_.push_back(std::move(image));
        added = true;
    }
    if (!added)
        return;
    const int last = static_cast<int>(images_.size()) - 1;
    SendDlgItemMessageA(Handle(), IDC_IMAGE_LIST, LB_SETCURSEL, last, 0);
    EnableWindow(Item(IDC_OBJECT_REMOVE), TRUE);
}

void CImagesPage::Remove() {
    const int index = ListSelection(Handle(), IDC_IMAGE_LIST);
    if (index < 0) {
        CurrentPrompt().Message(kSelectToRemove, MessageIcon::Plain);
        return;
    }
    SendDlgItemMessageA(Handle(), IDC_IMAGE_LIST, LB_DELETESTRING, index, 0);
    images_.erase(images_.begin() + index);
    if (!images_.empty()) {
        ShowLine(static_cast<int>(images_.size()) - 1);
        return;
    }
    EnableWindow(Item(IDC_OBJECT_REMOVE), FALSE);
    SetFieldText(Handle(), IDC_OBJECT_FILE_NAME, "");
    preview_.ShowNoImage();
}

void CImagesPage::ShowLine(int index) {
    if (index < 0 || index >= static_cast<int>(images_.size()))
        return;
    SendDlgItemMessageA(Handle(), IDC_IMAGE_LIST, LB_SETCURSEL, index, 0);
    SetFieldText(Handle(), IDC_OBJECT_FILE_NAME, images_[index]->fileName);
    preview_.ShowImageEntry(*images_[index]);
}

void CImagesPage::Store() {
    state_.images = std::move(images_);
}

// Page 2B

CMediaPage::CMediaPage(WizardData& data, const WizardPageServices& services)
    : WizardDataPage(IDD_WIZARD_MEDIA, "Help\\Step2b.htm", data, services) {}

BOOL CMediaPage::OnInitDialog() {
    for (const auto& media : state_.media) {
        media_.push_back(std::make_unique<MultimediaEntry>());
        media_.back()->Assign(*media);
        AddLine(Handle(), IDC_MEDIA_LIST, media->fileName);
    }
    EnableWindow(Item(IDC_OBJECT_REMOVE), !media_.empty());
    if (!media_.empty())
        ShowLine(0);
    return TRUE;
}

bool CMediaPage::OnCommand(int id, int notifyCode, HWND control) {
    switch (id) {
        case IDC_OBJECT_ADD:
            Add();
            return true;
        case IDC_OBJECT_REMOVE:
            Remove();
            return true;
        case IDC_MEDIA_PLAY:
            Play();
            return true;
        case IDC_MEDIA_LIST:
            if (notifyCode == LBN_SELCHANGE)
                ShowLine(ListSelection(Handle(), IDC_MEDIA_LIST));
            return true;
        default:
            return WizardDataPage::OnCommand(id, notifyCode, control);
    }
}

void CMediaPage::Add() {
    for (const std::string& path : ChooseFiles("New Media", kMediaFilter)) {
        FileBlock file = ReadWholeFile(path);
        if (!file.read)
            break;
        auto media = std::make_unique<MultimediaEntry>();
        media->fileName = FileNamePart(path);
        media->mediaType =
            IsAviName(path) ? MultimediaEntry::kTypeAvi : MultimediaEntry::kTypeOther;
        media->data = ByteBlock::Adopt(std::move(file.bytes));
        AddLine(Handle(), IDC_MEDIA_LIST, media->fileName);
        media_.push_back(std::move(media));
        ShowLine(static_cast<int>(media_.size()) - 1);
        EnableWindow(Item(IDC_OBJECT_REMOVE), TRUE);
    }
}

void CMediaPage::Remove() {
    const int index = ListSelection(Handle(), IDC_MEDIA_LIST);
    if (index < 0) {
        CurrentPrompt().Message(kSelectToRemove, MessageIcon::Plain);
        return;
    }
    SendDlgItemMessageA(Handle(), IDC_MEDIA_LIST, LB_DELETESTRING, index, 0);
    media_.erase(media_.begin() + index);
    if (!media_.empty()) {
        ShowLine(static_cast<int>(media_.size()) - 1);
        return;
    }
    EnableWindow(Item(IDC_OBJECT_REMOVE), FALSE);
    SetFieldText(Handle(), IDC_MEDIA_FILE_NAME, "");
}

void CMediaPage::Play() {
    const int index = ListSelection(Handle(), IDC_MEDIA_LIST);
    if (index < 0) {
        CurrentPrompt().Message(kSelectToPlay, MessageIcon::Plain);
        return;
    }
    PlayMediaObject(Handle(), *media_[index]);
}

void CMediaPage::ShowLine(int index) {
    if (index < 0 || index >= static_cast<int>(media_.size()))
        return;
    SendDlgItemMessageA(Handle(), IDC_MEDIA_LIST, LB_SETCURSEL, index, 0);
    SetFieldText(Handle(), IDC_MEDIA_FILE_NAME, media_[index]->fileName);
}

void CMediaPage::Store() {
    // A sound still playing from these bytes must stop before they can go.
    PlaySoundA(nullptr, nullptr, 0);
    state_.media = std::move(media_);
}

void CMediaPage::OnLeavingBack() {
    SetFieldText(Handle(), IDC_MEDIA_FILE_NAME, "");
}

void CMediaPage::OnCancelled() {
    PlaySoundA(nullptr, nullptr, 0);
    SetFieldText(Handle(), IDC_MEDIA_FILE_NAME, "");
}

}  // namespace vl
