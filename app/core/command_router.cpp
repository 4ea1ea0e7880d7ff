#include "app/core/command_router.h"

#include <utility>

namespace vl {

void CommandTarget::Register(CommandId id, CommandHandler handler) {
    handlers_[id] = std::move(handler);
}

void CommandTarget::RegisterRuled(CommandId id, std::function<CommandContext()> context,
                                  std::function<void()> execute) {
    CommandHandler handler;
    handler.execute = std::move(execute);
    handler.enabled = [id, context] { return CommandStatusOf(id, context()).enabled; };
    handler.checked = [id, context] { return CommandStatusOf(id, context()).checked; };
    Register(id, std::move(handler));
}

const CommandHandler* CommandTarget::Find(CommandId id) const {
    const auto found = handlers_.find(id);
    return found == handlers_.end() ? nullptr : &found->second;
}

const CommandHandler* CommandRouter::Owner(CommandId id) const {
    for (const CommandTarget* target : {view_, document_, frame_}) {
        if (!target)
            continue;
        if (const CommandHandler* handler = target->Find(id))
            return handler;
    }
    return nullptr;
}

CommandUpdate CommandRouter::Query(CommandId id) const {
    const CommandHandler* handler = Owner(id);
    if (!handler)
        return {};
    CommandUpdate update;
    update.handled = true;
    update.enabled = !handler->enabled || handler->enabled();
    update.checked = handler->checked && handler->checked();
    return update;
}

bool CommandRouter::Execute(CommandId id) const {
    const CommandHandler* handler = Owner(id);
    if (!handler || !handler->execute)
        return false;
    if (handler->enabled && !handler->enabled())
        return false;
    // A copy: the command may re-register its own id (or close its target) while it runs.
    const std::function<void()> execute = handler->execute;
    execute();
    return true;
}

}  // namespace vl
