// The "Options" dialog (213): edits a copy of the editor's options, which the caller takes only
// when the dialog ends with OK.
#pragma once

#include <functional>
#include <string>

#include "editor/image_preview.h"
#include "editor/options_editor.h"
#include "editor/style_chooser.h"
#include "framework/modal_dialog.h"
#include "scene/editor_options.h"

namespace vl {

class COptionsDialog : public ModalDialog, public OptionsEditor {
  public:
    explicit COptionsDialog(StyleChooser& chooser = SystemStyleChooser());

    // In: shown when the dialog opens. Out: the edited values after OK; after Cancel, whatever the
    // fonts and colours chosen meanwhile left in it.
    EditorOptions options;
    // The custom installer picture: whether the setting "CustomImage" asks for it, and its file.
    // Unset, the preview shows "No Image" and "Use custom image" stays unchecked.
    std::function<bool()> customImageOn;
    std::function<std::string()> customImagePath;
    // Writes "CustomImage" at once when the user switches the picture off or on again, whether
    // the dialog then ends with OK or Cancel. Unset, the box only shows the setting.
    std::function<void(bool on)> storeCustomImage;
    // Where "SS Image..." writes a newly chosen picture (the user's own folder). Unset, no new
    // picture can be chosen.
    std::function<std::string()> customImageSavePath;

    bool Edit(HWND owner, EditorOptions& edited) override;

  protected:
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

  private:
    // "Drag colour" is a row of the list, and its check box usable, only without soft dragging.
    void ApplySoftDragging();
    void UpdateStyleButton();
    void ChooseStyle();
    void SpinBeep(int direction);
    void RoundBeep();
    void ShowBeep(int milliseconds);
    // "SS Image...": a 256-colour picture becomes the custom picture, saved and switched on at
    // once whatever the dialog's end.
    void ChooseCustomImage();
    // Reads every field into options; false when a number was refused (the dialog stays open).
    bool Store();

    StyleChooser& chooser_;
    ImagePreview preview_;
};

}  // namespace vl
