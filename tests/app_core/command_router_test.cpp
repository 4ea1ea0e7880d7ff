// Routing a command through the focused view, the document and the frame, without any window.
#include "app/core/command_router.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vl {
namespace {

// Targets that write who ran what into one log.
struct Targets {
    CommandTarget list, palette, document, frame;
    std::vector<std::string> log;
    CommandRouter router;

    Targets() {
        router.SetFocusedView(&list);
        router.SetDocument(&document);
        router.SetFrame(&frame);
    }
    void Handles(CommandTarget& target, const std::string& name, CommandId id,
                 bool enabled = true) {
        target.Register(id, {[this, name, id] { log.push_back(name + ":" + std::to_string(id)); },
                             [enabled] { return enabled; }, nullptr});
    }
};

TEST(CommandRouter, TheFocusedViewComesFirstThenTheDocumentThenTheFrame) {
    Targets t;
    t.Handles(t.list, "list", kCmdCut);
    t.Handles(t.document, "document", kCmdCut);
    t.Handles(t.document, "document", kCmdSave);
    t.Handles(t.frame, "frame", kCmdSave);
    t.Handles(t.frame, "frame", kCmdWizard);
    EXPECT_TRUE(t.router.Execute(kCmdCut));
    EXPECT_TRUE(t.router.Execute(kCmdSave));
    EXPECT_TRUE(t.router.Execute(kCmdWizard));
    EXPECT_EQ(t.log, (std::vector<std::string>{"list:57635", "document:57603", "frame:32872"}));
}

TEST(CommandRouter, MovingTheFocusMovesTheFirstTarget) {
    Targets t;
    t.Handles(t.list, "list", kCmdDelete);
    t.Handles(t.palette, "palette", kCmdAdd);
    EXPECT_FALSE(t.router.Execute(kCmdAdd));
    t.router.SetFocusedView(&t.palette);
    EXPECT_TRUE(t.router.Execute(kCmdAdd));
    EXPECT_FALSE(t.router.Execute(kCmdDelete));
    t.router.SetFocusedView(nullptr);
    EXPECT_FALSE(t.router.Execute(kCmdAdd));
    EXPECT_EQ(t.log, (std::vector<std::string>{"palette:32797"}));
}

TEST(CommandRouter, ADisabledOwnerStopsTheCommandThere) {
    Targets t;
    t.Handles(t.list, "list", kCmdPaste, false);
    t.Handles(t.frame, "frame", kCmdPaste, true);
    const CommandUpdate update = t.router.Query(kCmdPaste);
    EXPECT_TRUE(update.handled);
    EXPECT_FALSE(update.enabled);
    EXPECT_FALSE(t.router.Execute(kCmdPaste));
    EXPECT_TRUE(t.log.empty());
}

TEST(CommandRouter, UnownedCommandsShowDisabledAndDoNotRun) {
    Targets t;
    const CommandUpdate update = t.router.Query(kCmdPreview);
    EXPECT_FALSE(update.handled);
    EXPECT_FALSE(update.enabled);
    EXPECT_FALSE(t.router.Execute(kCmdPreview));
    CommandRouter nothing;
    EXPECT_FALSE(nothing.Execute(kCmdPreview));
}

TEST(CommandRouter, MissingRulesMeanEnabledAndUnchecked) {
    Targets t;
    bool ran = false;
    t.frame.Register(kCmdAbout, {[&] { ran = true; }, nullptr, nullptr});
    const CommandUpdate update = t.router.Query(kCmdAbout);
    EXPECT_TRUE(update.enabled);
    EXPECT_FALSE(update.checked);
    EXPECT_TRUE(t.router.Execute(kCmdAbout));
    EXPECT_TRUE(ran);

    // A command with only rules (shown, never run from here) does not count as run.
    t.frame.Register(kCmdToolbar, {nullptr, nullptr, [] { return true; }});
    EXPECT_TRUE(t.router.Query(kCmdToolbar).checked);
    EXPECT_FALSE(t.router.Execute(kCmdToolbar));
}

TEST(CommandRouter, RuledCommandsFollowTheStateAtTheTimeOfAsking) {
    Targets t;
    CommandContext state;
    int cuts = 0;
    t.list.RegisterRuled(
        kCmdCut, [&] { return state; }, [&] { ++cuts; });
    t.frame.RegisterRuled(
        kCmdReuse, [&] { return state; }, [&] { state.reuse = !state.reuse; });

    EXPECT_FALSE(t.router.Query(kCmdCut).enabled);
    EXPECT_FALSE(t.router.Execute(kCmdCut));
    state.listEmpty = false;
    state.selection = true;
    EXPECT_TRUE(t.router.Query(kCmdCut).enabled);
    EXPECT_TRUE(t.router.Execute(kCmdCut));
    EXPECT_EQ(cuts, 1);

    EXPECT_FALSE(t.router.Query(kCmdReuse).checked);
    EXPECT_TRUE(t.router.Execute(kCmdReuse));
    EXPECT_TRUE(t.router.Query(kCmdReuse).checked);
}

TEST(CommandRouter, ACommandMayReplaceItsOwnHandlerWhileItRuns) {
    Targets t;
    std::string captured(100, 'x');  // state the running handler still uses after replacing itself
    t.frame.Register(kCmdStartWindow, {[&t, captured] {
                                           t.frame.Register(kCmdStartWindow, {});
                                           t.log.push_back(captured.substr(0, 3));
                                       },
                                       nullptr, nullptr});
    EXPECT_TRUE(t.router.Execute(kCmdStartWindow));
    EXPECT_EQ(t.log, (std::vector<std::string>{"xxx"}));
    EXPECT_FALSE(t.router.Execute(kCmdStartWindow));
}

}  // namespace
}  // namespace vl
