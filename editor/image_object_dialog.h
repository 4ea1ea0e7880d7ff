// The Image object dialog (138): a text message in its font and colours, or a picture from a
// file, the captured desktop or the wallpaper, with a preview of what the player will draw.
#pragma once

#include <windows.h>

#include "editor/image_preview.h"
#include "editor/property_dialog.h"
#include "framework/handles.h"
#include "scene/entries.h"

namespace vl {

class CImageObjectDialog final : public PropertyDialog {
  public:
    // Edits image in place: the caller hands in a copy and takes it back only after OK.
    CImageObjectDialog(const PropertyContext& context, ImageEntry& image);

  protected:
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void AfterStore() override;

  private:
    bool TextMode() const;
    bool YourColour() const;
    // Enables what the mode offers and names button 1020 after it.
    void ApplyMode();
    // The message edit in the object's font and colours.
    void ApplyTextLook();
    HBRUSH OnEditColour(HDC dc);
    // The object as the controls show it now, drawn as the player would.
    void RefreshPreview();
    void ChooseFont();
    void ChoosePicture();
    void ChooseBackgroundColour();
    void TakeDesktop(std::int32_t source);
    void ShowName();

    ImageEntry& image_;
    ImagePreview preview_;
    FontHandle textFont_;    // the message edit's font; the edit only uses it
    BrushHandle editBrush_;  // the message edit's background
};

}  // namespace vl
