// CSceneView, the scene list: one line per entry with its description, indented by the nesting of
// Repeat and Until. This is its first, plain form (a list box the user selects in); the
// owner-drawn list and its editing come with the list view's own work.
#pragma once

#include <windows.h>

#include "app/core/command_router.h"
#include "scene/entry_list.h"

namespace vl {

class CSceneView {
  public:
    // entries: the document's list (not owned). tabSize: the indentation step.
    CSceneView(EntryList& entries, const int& tabSize) : entries_(entries), tabSize_(tabSize) {}

    bool Create(HWND parent, int id);
    HWND Handle() const { return list_; }
    // Shows the entries as they are now (after New, Open, or any change).
    void Refresh();
    int SelectedCount() const;
    // Select All (57642) and Refresh (32792).
    CommandTarget& Commands() { return commands_; }

  private:
    EntryList& entries_;
    const int& tabSize_;   // the editor option, read at each refresh
    HWND list_ = nullptr;  // not owned: a child window, destroyed with its parent
    CommandTarget commands_;
};

}  // namespace vl
