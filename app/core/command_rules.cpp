#include "app/core/command_rules.h"

namespace vl {

namespace {

CommandStatus Enabled(bool enabled, bool checked = false) {
    return {true, enabled, checked};
}

}  // namespace

CommandStatus CommandStatusOf(CommandId id, const CommandContext& context) {
    const bool entries = !context.listEmpty;
    if (id >= kCmdRecentFile1 && id < kCmdRecentFile1 + kRecentFileCommands)
        return Enabled(id - kCmdRecentFile1 < context.recentFiles);
    switch (id) {
        case kCmdMakeSS:
        case kCmdMakeInstall:
        case kCmdSetSSAsDefault:
        case kCmdSelectAll:
        case kCmdPreview:
        case kCmdActivateAll:
            return Enabled(entries);

        case kCmdCut:
        case kCmdCopy:
        case kCmdDelete:
        case kCmdDeactivate:
        case kCmdActivate:
            return Enabled(context.selection);

        case kCmdPaste:
            return Enabled(context.clipboardData);

        case kCmdAddAndEdit:
        case kCmdAdd:
            return Enabled(context.kindSelected);
        case kCmdInsert:
            return Enabled(context.kindSelected && context.caretSet);

        case kCmdReuse:
            return Enabled(true, context.reuse);
        case kCmdAlwaysOnTop:
            return Enabled(true, context.alwaysOnTop);
        case kCmdToolbar:
            return Enabled(true, context.toolbarVisible);
        case kCmdStatusBar:
            return Enabled(true, context.statusBarVisible);

        case kCmdNew:
        case kCmdOpen:
        case kCmdSave:
        case kCmdSaveAs:
        case kCmdExit:
        case kCmdOptions:
        case kCmdRefresh:
        case kCmdWizard:
        case kCmdStartWindow:
        case kCmdMakeInstallForScr:
        case kCmdHelpTopics:
        case kCmdAbout:
        case kCmdNextPane:
        case kCmdPrevPane:
            return Enabled(true);

        default:
            return {};
    }
}

}  // namespace vl
