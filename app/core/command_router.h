// One path for every command: the focused view (the list or the palette) first, then the document,
// then the frame. The first target that registered a command owns it, also when its rule says
// disabled: the command then does not run, and no later target is asked.
#pragma once

#include <functional>
#include <map>

#include "app/core/command_ids.h"
#include "app/core/command_rules.h"

namespace vl {

struct CommandHandler {
    std::function<void()> execute;
    std::function<bool()> enabled;  // none: always enabled
    std::function<bool()> checked;  // none: never checked
};

// A window or the document: what it does for each of its commands.
class CommandTarget {
  public:
    // Replaces an earlier handler of the same id.
    void Register(CommandId id, CommandHandler handler);
    // Registers `execute` with the enablement and check mark of CommandStatusOf, evaluated on the
    // context at the time of asking.
    void RegisterRuled(CommandId id, std::function<CommandContext()> context,
                       std::function<void()> execute);
    const CommandHandler* Find(CommandId id) const;

  private:
    std::map<CommandId, CommandHandler> handlers_;
};

struct CommandUpdate {
    bool handled = false;  // some target owns the command; unowned commands show disabled
    bool enabled = false;
    bool checked = false;
};

class CommandRouter {
  public:
    // Targets are not owned and may be null (no view has the focus, no document yet).
    void SetFocusedView(const CommandTarget* view) { view_ = view; }
    void SetDocument(const CommandTarget* document) { document_ = document; }
    void SetFrame(const CommandTarget* frame) { frame_ = frame; }

    CommandUpdate Query(CommandId id) const;
    // Runs the command when its owner has it enabled; false when it did not run.
    bool Execute(CommandId id) const;

  private:
    const CommandHandler* Owner(CommandId id) const;

    const CommandTarget* view_ = nullptr;
    const CommandTarget* document_ = nullptr;
    const CommandTarget* frame_ = nullptr;
};

}  // namespace vl
