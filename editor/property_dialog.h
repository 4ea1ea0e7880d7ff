// Base of the property dialogs: the caption rule, "Co&mment..." (1085) opening the description
// dialog 132 on the description and refreshing the caption, the default-button rule after a
// confirmed sub-dialog, and the data exchange loaded at WM_INITDIALOG and stored on OK.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "editor/property_context.h"
#include "framework/data_exchange.h"
#include "framework/modal_dialog.h"
#include "scene/params.h"

namespace vl {

class PropertyDialog : public ModalDialog {
  protected:
    // kindName: the kind's name (string 33001 + kind, see scene/kinds.h for the names);
    // description: the record the "Co&mment..." button edits and the caption's subtitle, or
    // nullptr for none.
    PropertyDialog(int templateId, const PropertyContext& context, std::string kindName,
                   DescriptionParam* description);

    DataExchange& Fields() { return fields_; }  // bind in the constructor or in OnInitDialog
    const PropertyContext& Context() const { return context_; }
    const std::string& KindName() const { return kindName_; }
    void RefreshTitle();                     // DialogCaption(kind, subtitle) on the window
    void SetSubtitle(std::string subtitle);  // sub-dialogs: "Position", "Colours"
    // After a sub-dialog opened by button id was confirmed: that button loses the default look,
    // OK becomes the default button and takes the focus.
    void SubDialogConfirmed(int buttonId);
    // Extra checks and writes before the fields are stored on OK; false keeps the dialog open.
    virtual bool BeforeStore() { return true; }
    // After the fields were stored on OK, before the dialog ends (copy links back, etc.).
    virtual void AfterStore() {}
    // Loads the fields and sets the title. Derived classes fill their lists and combos first (the
    // data exchange selects in them), call it, then do their own.
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;  // derived call it last

  private:
    void EditDescription();

    const PropertyContext& context_;
    std::string kindName_;
    DescriptionParam* description_;        // not owned: the dialog's copy of the record
    std::optional<std::string> subtitle_;  // unset: the description
    DataExchange fields_;
};

// Dialog 132, "Your command &description": edits a description; a Repeat's whole dialog.
class DescriptionDialog : public PropertyDialog {
  public:
    DescriptionDialog(const PropertyContext& context, std::string kindName,
                      DescriptionParam& description);
};

}  // namespace vl
