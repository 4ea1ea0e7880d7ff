// The action dialog (134) of Show, Move and Hide: which Image the command acts on, a preview of
// it, its position and colours (not for Hide), and "New image", which adds an Image to the scene
// and picks it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "editor/image_preview.h"
#include "editor/object_list.h"
#include "editor/property_context.h"
#include "editor/property_dialog.h"
#include "scene/entries.h"

namespace vl {

class ImageActionDialog : public PropertyDialog {
  public:
    // kind: Show, Move or Hide; linked: the Image preselected in the list, or nullptr.
    ImageActionDialog(const PropertyContext& context, std::int32_t kind, SceneEntry* linked);

    // In: shown when the dialog opens. Out: the edited copy after OK (its description included).
    ImageActionParams params;
    // Out: the Image selected when OK was pressed, or nullptr.
    SceneEntry* image = nullptr;
    // Opens a new Image's dialog; true when the user confirmed it. The Image object dialog.
    std::function<bool(HWND owner, ImageEntry& image)> editNewImage;

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void AfterStore() override { image = images_.Selected(); }

  private:
    void PreviewSelected();
    void EditPosition();
    void EditColours();
    void AddNewImage();

    std::int32_t kind_;
    ObjectList images_;
    ImagePreview preview_;
};

// Show, Move and Hide: the action dialog on a copy of the entry's record and link; OK writes both
// back with the description.
bool EditImageAction(const PropertyContext& context, HWND owner, ImageCommandEntry& entry);

}  // namespace vl
