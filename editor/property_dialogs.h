// The property dialogs behind the scene list and the palette: opens the dialog of the entry's
// kind.
#pragma once

#include <windows.h>

#include <utility>

#include "editor/entry_editor.h"
#include "editor/property_context.h"

namespace vl {

class PropertyDialogs : public EntryEditor {
  public:
    // The context's scene, prompt and chooser must outlive this object.
    explicit PropertyDialogs(PropertyContext context) : context_(std::move(context)) {}

    bool Edit(HWND owner, SceneEntry& entry) override;

  private:
    PropertyContext context_;
};

}  // namespace vl
