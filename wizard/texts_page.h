// Page 2C, "Wizard - Step 2C: Defining Text Messages": texts typed in a chosen font and colours,
// shown as the player will draw them.
#pragma once

#include <memory>
#include <vector>

#include "editor/image_preview.h"
#include "editor/style_chooser.h"
#include "framework/handles.h"
#include "wizard/wizard_page_services.h"

namespace vl {

class CTextsPage : public WizardDataPage {
  public:
    CTextsPage(WizardData& data, const WizardPageServices& services,
               StyleChooser& chooser = SystemStyleChooser());

  protected:
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void Store() override;

  private:
    void Add();
    void Remove();
    void ChangeFont();
    void ChangeColour();
    void OnOpaqueClicked(bool opaque);
    void OnListNotify(const NMHDR& header);
    // Shows the object's settings; with showText, its text too.
    void ShowSettings(const ImageEntry& object, bool showText);
    // The edit and the preview in the current font and colours, and the font labels.
    void Redraw();
    void AppendLine(const ImageEntry& text);
    void Select(int index);
    // A text object of the edit's text with the current settings.
    std::unique_ptr<ImageEntry> Current() const;
    int Selection() const;

    StyleChooser& chooser_;
    std::vector<std::unique_ptr<ImageEntry>> texts_;
    ImageEntry style_;  // font, colours and opaque flag the next text is made with
    ImagePreview preview_;
    FontHandle editFont_;
    BrushHandle background_;
};

}  // namespace vl
