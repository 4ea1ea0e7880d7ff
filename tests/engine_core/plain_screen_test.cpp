#include "engine/core/plain_screen.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(PlainScreen, OnlyARepeatOfTheSameClsWithNothingBetweenChangesNothing) {
    PlainScreen screen;
    EXPECT_TRUE(screen.ClsChanges(0x0000FF, 0)) << "nothing is known at first";
    screen.Cleared(0x0000FF, 0);
    EXPECT_FALSE(screen.ClsChanges(0x0000FF, 0));
    EXPECT_TRUE(screen.ClsChanges(0x00FF00, 0)) << "another colour";
    EXPECT_TRUE(screen.ClsChanges(0x0000FF, 2)) << "another mixing";

    screen.Drawn();
    EXPECT_TRUE(screen.ClsChanges(0x0000FF, 0)) << "something was drawn since";
}

}  // namespace
}  // namespace vl
