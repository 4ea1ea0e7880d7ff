// The colour dialog (135): how a colour mixes with the screen, whether it is random, the colour
// itself, and a sample of the chosen colour over a testing colour. Cls edits its whole record in
// it; Show, Move and Line open it as their "Colours" sub-dialog.
#pragma once

#include <windows.h>

#include <string>

#include "editor/property_context.h"
#include "editor/property_dialog.h"
#include "scene/entries.h"

namespace vl {

class ColoursDialog : public PropertyDialog {
  public:
    // description: the record "Co&mment..." edits and the title's subtitle (Cls); nullptr for the
    // sub-dialog, which is titled "<kind> - Colours" and has no "Co&mment..." button.
    ColoursDialog(const PropertyContext& context, std::string kindName,
                  DescriptionParam* description);

    // In: shown when the dialog opens. Out: the edited colour after OK.
    ColourParam colour;

  protected:
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void AfterStore() override { colour.background = background_; }

  private:
    void DrawSample(const DRAWITEMSTRUCT& item) const;
    void AddSampleTooltips();

    bool subDialog_;
    std::int32_t background_ = 1;  // the check box; "Yes" is 1 and only 1
};

// Cls: its colour in dialog 135, with the entry's description.
bool EditCls(const PropertyContext& context, HWND owner, ClsEntry& entry);

}  // namespace vl
