// The position sub-dialogs: Move's (131) with its line and step modes, Show's (239) with its
// effects, and Line's (240). Each edits a copy of a MotionParam and is titled "<kind> - Position".
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "editor/property_context.h"
#include "editor/property_dialog.h"
#include "scene/params.h"

namespace vl {

class MovePositionDialog : public PropertyDialog {
  public:
    MovePositionDialog(const PropertyContext& context, std::string kindName);

    // In: shown when the dialog opens (its step mode picks the mode). Out: the edited copy.
    MotionParam motion;
    // Line mode turned the step toward the end point on OK.
    std::function<void()> beep = [] { MessageBeep(MB_OK); };

  protected:
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool BeforeStore() override;
    void AfterStore() override { motion.stepMode = stepMode_ ? 1 : 0; }

  private:
    void ApplyMode();

    bool stepMode_ = false;
    std::string stepModeText_;  // the mode button's caption in step mode
};

class ShowPositionDialog : public PropertyDialog {
  public:
    // textObject: the linked Image is a text, so the letter-by-letter row applies.
    ShowPositionDialog(const PropertyContext& context, std::string kindName, bool textObject);

    MotionParam motion;

  protected:
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

  private:
    void ChooseEffect(std::int32_t effect);
    void EnableForEffect();

    bool textObject_;
};

class LinePositionDialog : public PropertyDialog {
  public:
    explicit LinePositionDialog(const PropertyContext& context);

    MotionParam motion;
};

}  // namespace vl
