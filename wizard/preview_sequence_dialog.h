// "Preview sequence" (284): the object of one sequence of the sequences page, a picture or text
// shown as the player draws it, or a sound played while the dialog is open. Videos play in the
// "Preview AVI" dialog instead.
#pragma once

#include <windows.h>

#include "editor/image_preview.h"
#include "framework/modal_dialog.h"
#include "wizard/core/wizard_data.h"

namespace vl {

class CPreviewSequenceDialog : public ModalDialog {
  public:
    explicit CPreviewSequenceDialog(const WizardSequence& sequence);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

  private:
    const WizardSequence& sequence_;
    ImagePreview preview_;
};

// Plays a media object as the media page and "&Test" do: a sound from its bytes, in the
// background; a video in the "Preview AVI" dialog over owner, from a temporary copy.
void PlayMediaObject(HWND owner, const MultimediaEntry& media);

// Shows or plays the sequence's object over owner.
void PreviewSequence(HWND owner, const WizardSequence& sequence);

}  // namespace vl
