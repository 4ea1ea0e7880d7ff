#include "framework/command_prompt.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(SplitCommandPrompt, StatusBeforeTheLineBreakTooltipAfterIt) {
    const CommandPrompt prompt = SplitCommandPrompt(
        "Opens existing screen saver definition file (.SSD) for editing\nOpen existing .SSD file");
    EXPECT_EQ(prompt.status, "Opens existing screen saver definition file (.SSD) for editing");
    EXPECT_EQ(prompt.tooltip, "Open existing .SSD file");
}

TEST(SplitCommandPrompt, WithoutLineBreakThereIsNoTooltip) {
    const CommandPrompt prompt = SplitCommandPrompt("Makes the screen saver");
    EXPECT_EQ(prompt.status, "Makes the screen saver");
    EXPECT_EQ(prompt.tooltip, "");
}

TEST(SplitCommandPrompt, EitherPartMayBeEmpty) {
    CommandPrompt prompt = SplitCommandPrompt("\nAbout");
    EXPECT_EQ(prompt.status, "");
    EXPECT_EQ(prompt.tooltip, "About");

    prompt = SplitCommandPrompt("Refresh contents of the scene\n");
    EXPECT_EQ(prompt.status, "Refresh contents of the scene");
    EXPECT_EQ(prompt.tooltip, "");

    prompt = SplitCommandPrompt("");
    EXPECT_EQ(prompt.status, "");
    EXPECT_EQ(prompt.tooltip, "");
}

TEST(SplitCommandPrompt, TheTooltipEndsAtASecondLineBreak) {
    const CommandPrompt prompt = SplitCommandPrompt("Add && edit\nAdd && edit command\nextra");
    EXPECT_EQ(prompt.status, "Add && edit");
    EXPECT_EQ(prompt.tooltip, "Add && edit command");
}

}  // namespace
}  // namespace vl
