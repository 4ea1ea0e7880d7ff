#include "editor/core/dialog_caption.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(DialogCaption, KindAloneWithoutSubtitle) {
    EXPECT_EQ(DialogCaption("Wait", ""), "Wait");
}

TEST(DialogCaption, SubtitleFollowsADash) {
    EXPECT_EQ(DialogCaption("Move", "Position"), "Move - Position");
    // A subtitle of blanks is still a subtitle: the user typed it.
    EXPECT_EQ(DialogCaption("Play", " "), "Play -  ");
}

}  // namespace
}  // namespace vl
