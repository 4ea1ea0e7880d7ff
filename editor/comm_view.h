// CCommView, the command palette: the kinds of entries a scene can hold, one per line, from which
// the user picks what to add. This is its first, plain form: the list of kinds and the current
// choice; adding entries comes with the scene list's editing.
#pragma once

#include <windows.h>

#include "app/core/command_router.h"

namespace vl {

class CCommView {
  public:
    // A child list of parent (the splitter, which passes its notifications on to the frame).
    bool Create(HWND parent, int id);
    HWND Handle() const { return list_; }
    // The kind chosen in the palette, or -1.
    int SelectedKind() const;
    // The palette's own commands (none yet).
    CommandTarget& Commands() { return commands_; }

  private:
    HWND list_ = nullptr;  // not owned: a child window, destroyed with its parent
    CommandTarget commands_;
};

}  // namespace vl
