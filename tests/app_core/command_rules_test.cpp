// Which command is enabled or checked in which state of the editor.
#include "app/core/command_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace vl {
namespace {

// The command table's ids, written out by hand, grouped by their rule.
const std::vector<CommandId> kAlways{57600, 57601, 57603, 57604, 57665, 32801, 32792,
                                     32872, 32876, 32879, 32867, 57664, 57680, 57681};
const std::vector<CommandId> kNeedEntries{32791, 32873, 32878, 57642, 32793, 32796};
const std::vector<CommandId> kNeedSelection{57635, 57634, 32799, 32795, 32794};
const std::vector<CommandId> kCheckable{32869, 32870, 59392, 59393};

bool Enabled(CommandId id, const CommandContext& context) {
    return CommandStatusOf(id, context).enabled;
}

TEST(CommandRules, AnEmptySceneLeavesOnlyTheAlwaysCommands) {
    CommandContext empty;
    empty.toolbarVisible = false;
    empty.statusBarVisible = false;
    for (CommandId id : kAlways) {
        EXPECT_TRUE(CommandStatusOf(id, empty).known) << id;
        EXPECT_TRUE(Enabled(id, empty)) << id;
        EXPECT_FALSE(CommandStatusOf(id, empty).checked) << id;
    }
    for (CommandId id : kNeedEntries)
        EXPECT_FALSE(Enabled(id, empty)) << id;
    for (CommandId id : kNeedSelection)
        EXPECT_FALSE(Enabled(id, empty)) << id;
    for (CommandId id : std::vector<CommandId>{57637, 32800, 32797, 32798, 57616})
        EXPECT_FALSE(Enabled(id, empty)) << id;
    for (CommandId id : kCheckable) {
        EXPECT_TRUE(Enabled(id, empty)) << id;
        EXPECT_FALSE(CommandStatusOf(id, empty).checked) << id;
    }
}

TEST(CommandRules, EntriesEnableTheWholeSceneCommandsButNotTheSelectionOnes) {
    CommandContext context;
    context.listEmpty = false;
    for (CommandId id : kNeedEntries)
        EXPECT_TRUE(Enabled(id, context)) << id;
    for (CommandId id : kNeedSelection)
        EXPECT_FALSE(Enabled(id, context)) << id;
    context.selection = true;
    for (CommandId id : kNeedSelection)
        EXPECT_TRUE(Enabled(id, context)) << id;
}

TEST(CommandRules, PasteFollowsTheClipboardAlone) {
    CommandContext clipboard;
    clipboard.clipboardData = true;
    EXPECT_TRUE(Enabled(57637, clipboard));
    CommandContext busy;
    busy.listEmpty = false;
    busy.selection = true;
    busy.kindSelected = true;
    EXPECT_FALSE(Enabled(57637, busy));
}

TEST(CommandRules, ThePaletteCommandsNeedAKindAndInsertAlsoACaret) {
    CommandContext context;
    context.caretSet = true;
    EXPECT_FALSE(Enabled(32800, context));
    EXPECT_FALSE(Enabled(32797, context));
    EXPECT_FALSE(Enabled(32798, context));
    context.kindSelected = true;
    EXPECT_TRUE(Enabled(32800, context));
    EXPECT_TRUE(Enabled(32797, context));
    EXPECT_TRUE(Enabled(32798, context));
    context.caretSet = false;
    EXPECT_TRUE(Enabled(32797, context));
    EXPECT_FALSE(Enabled(32798, context));
}

TEST(CommandRules, CheckMarksShowTheirOwnSwitch) {
    CommandContext context;
    context.reuse = true;
    EXPECT_TRUE(CommandStatusOf(32869, context).checked);
    EXPECT_FALSE(CommandStatusOf(32870, context).checked);
    context = {};
    context.alwaysOnTop = true;
    EXPECT_TRUE(CommandStatusOf(32870, context).checked);
    EXPECT_FALSE(CommandStatusOf(32869, context).checked);
    context = {};
    context.toolbarVisible = true;
    context.statusBarVisible = false;
    EXPECT_TRUE(CommandStatusOf(59392, context).checked);
    EXPECT_FALSE(CommandStatusOf(59393, context).checked);
}

TEST(CommandRules, RecentFileCommandsExistForListedFilesOnly) {
    CommandContext context;
    context.recentFiles = 2;
    EXPECT_TRUE(Enabled(57616, context));
    EXPECT_TRUE(Enabled(57617, context));
    EXPECT_FALSE(Enabled(57618, context));
    EXPECT_TRUE(CommandStatusOf(57619, context).known);
    EXPECT_FALSE(CommandStatusOf(57620, context).known);
    context.recentFiles = 4;
    EXPECT_TRUE(Enabled(57619, context));
}

TEST(CommandRules, IdsOutsideTheTableAreUnknownAndDisabled) {
    CommandContext everything;
    everything.listEmpty = false;
    everything.selection = everything.clipboardData = everything.kindSelected = true;
    everything.caretSet = true;
    for (CommandId id : std::vector<CommandId>{0, 1, 57602, 57615, 32790, 32802, 59394, 65535}) {
        const CommandStatus status = CommandStatusOf(id, everything);
        EXPECT_FALSE(status.known) << id;
        EXPECT_FALSE(status.enabled) << id;
    }
}

}  // namespace
}  // namespace vl
