// "Insert sequence" (267): which defined picture, media file or text a new sequence is made with.
#pragma once

#include "editor/image_preview.h"
#include "framework/modal_dialog.h"
#include "wizard/core/wizard_data.h"

namespace vl {

inline constexpr char kSelectToMakeSequence[] = "You must select item to make sequence";

class CInsertSequenceDialog : public ModalDialog {
  public:
    CInsertSequenceDialog(std::int32_t kind, const WizardData& data);

    // Out: the chosen object's index in its list after Insert.
    int chosen = -1;

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

  private:
    int Selection() const;
    void ShowSelected();
    void TestMedia();

    std::int32_t kind_;
    const WizardData& data_;
    ImagePreview preview_;
};

// The dialog as the sequences page asks for an object: the index, or -1 when cancelled.
int ChooseSequenceObject(HWND owner, std::int32_t kind, const WizardData& data);

}  // namespace vl
