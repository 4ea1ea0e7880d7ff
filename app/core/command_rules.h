// When each command is enabled and when it carries a check mark. Asked before a menu pops up and
// on idle for the toolbar; the router also asks before it runs a command, so an accelerator cannot
// run what its menu item would refuse.
#pragma once

#include "app/core/command_ids.h"

namespace vl {

// What the rules look at, gathered by the frame from the list view, the palette and the settings.
struct CommandContext {
    bool listEmpty = true;
    bool selection = false;      // the list has selected entries
    bool clipboardData = false;  // the clipboard holds scene entries
    bool kindSelected = false;   // the palette has a command kind selected
    bool caretSet = false;       // the list has an insertion point
    bool reuse = false;          // the "Reuse" setting
    bool alwaysOnTop = false;
    bool toolbarVisible = true;
    bool statusBarVisible = true;
    int recentFiles = 0;  // entries in the recent-file list
};

struct CommandStatus {
    bool known = false;  // a command of the builder
    bool enabled = false;
    bool checked = false;
};

CommandStatus CommandStatusOf(CommandId id, const CommandContext& context);

}  // namespace vl
