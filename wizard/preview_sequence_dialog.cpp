#include "wizard/preview_sequence_dialog.h"

#include <mmsystem.h>

#include "editor/preview_avi_dialog.h"
#include "framework/data_files.h"
#include "wizard/wizard_resources.h"

namespace vl {

CPreviewSequenceDialog::CPreviewSequenceDialog(const WizardSequence& sequence)
    : ModalDialog(IDD_WIZARD_PREVIEW_SEQUENCE), sequence_(sequence) {}

BOOL CPreviewSequenceDialog::OnInitDialog() {
    preview_.Attach(Handle(), IDC_OBJECT_PICTURE, IDC_OBJECT_PICTURE_SIZE);
    if (sequence_.kind != kSequenceMedia) {
        preview_.ShowImageEntry(*sequence_.image);
    } else if (!sequence_.media->data.empty()) {
        PlaySoundA(reinterpret_cast<LPCSTR>(sequence_.media->data.data()), nullptr,
                   SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    }
    return TRUE;
}

bool CPreviewSequenceDialog::OnCommand(int id, int notifyCode, HWND control) {
    if ((id == IDOK || id == IDCANCEL) && sequence_.kind == kSequenceMedia) {
        // The sound plays from bytes the sequence owns: it stops with the dialog.
        PlaySoundA(nullptr, nullptr, 0);
    }
    return ModalDialog::OnCommand(id, notifyCode, control);
}

namespace {

void PlayVideo(HWND owner, const MultimediaEntry& media) {
    // The video player opens files by name, and by their extension.
    const std::string data = WriteTempDataFile(media.data.data(), media.data.size());
    if (data.empty())
        return;
    const std::string video = data + ".avi";
    if (CopyFileA(data.c_str(), video.c_str(), FALSE)) {
        PreviewAviDialog dialog;
        dialog.fileName = video;
        dialog.Run(owner);
        DeleteFileA(video.c_str());
    }
    DeleteFileA(data.c_str());
}

}  // namespace

void PlayMediaObject(HWND owner, const MultimediaEntry& media) {
    if (media.mediaType == MultimediaEntry::kTypeAvi) {
        PlayVideo(owner, media);
    } else if (!media.data.empty()) {
        PlaySoundA(reinterpret_cast<LPCSTR>(media.data.data()), nullptr,
                   SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
    }
}

void PreviewSequence(HWND owner, const WizardSequence& sequence) {
    if (sequence.kind == kSequenceMedia && sequence.media->mediaType == MultimediaEntry::kTypeAvi) {
        PlayVideo(owner, *sequence.media);
        return;
    }
    CPreviewSequenceDialog(sequence).Run(owner);
}

}  // namespace vl
