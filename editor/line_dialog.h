// The Line dialog (221): the pen's width, drawn as five sample lines, and style, with the line's
// position (240) and colour (135) in sub-dialogs.
#pragma once

#include <windows.h>

#include "editor/property_context.h"
#include "editor/property_dialog.h"
#include "scene/entries.h"

namespace vl {

class LineDialog : public PropertyDialog {
  public:
    static constexpr int kWidths = 5;
    static constexpr int kItemHeight = 15;  // pixels

    // description: the record "Co&mment..." edits and the title's subtitle.
    LineDialog(const PropertyContext& context, DescriptionParam* description);

    // In: shown when the dialog opens. Out: the edited copies after OK.
    MotionParam motion;
    ColourParam colour;
    std::int32_t penStyle = kPenSolid;
    std::int32_t penWidth = 1;

  protected:
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    void AfterStore() override;

  private:
    void DrawWidth(const DRAWITEMSTRUCT& item) const;
    void EnableStyle();
    void EditPosition();
    void EditColour();
};

bool EditLine(const PropertyContext& context, HWND owner, LineEntry& entry);

}  // namespace vl
