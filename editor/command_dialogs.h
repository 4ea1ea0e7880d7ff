// The property dialogs of Wait (136), Until (142) and Comment (237); a Repeat's dialog is the
// description dialog itself. Each works on copies that the caller takes after OK.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "editor/property_dialog.h"
#include "scene/entries.h"

namespace vl {

class WaitDialog : public PropertyDialog {
  public:
    WaitDialog(const PropertyContext& context, const WaitEntry& entry);

    DurationParam duration;
    DescriptionParam description;

  protected:
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    bool BeforeStore() override;
    void AfterStore() override;

  private:
    std::int32_t accepted_ = 0;  // the duration read on OK, stored once every field passed
};

class UntilDialog : public PropertyDialog {
  public:
    UntilDialog(const PropertyContext& context, const UntilEntry& entry);

    RepeatCountParam repeat;
    DescriptionParam description;

  protected:
    BOOL OnInitDialog() override;
};

class CommentDialog : public PropertyDialog {
  public:
    CommentDialog(const PropertyContext& context, const CommentEntry& entry);

    std::string text;
};

// The count field of Until and Play Settings: 1 to 999999, while its spin runs from 1 to 5000.
inline constexpr std::uint32_t kMaxRepeatCount = 999999;
inline constexpr int kMaxRepeatSpin = 5000;

}  // namespace vl
