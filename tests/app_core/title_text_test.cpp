// The main window's title.
#include "app/core/title_text.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(TitleText, TheFileNameWithoutItsFolderThenTheProgram) {
    EXPECT_EQ(TitleBarText("C:\\My Scenes\\Aurora.ssd"), "Aurora.ssd - Vistaloom");
    EXPECT_EQ(TitleBarText("\\\\server\\share\\Night.SSD"), "Night.SSD - Vistaloom");
    EXPECT_EQ(TitleBarText("D:Stars.ssd"), "Stars.ssd - Vistaloom");
    EXPECT_EQ(TitleBarText("scenes/Rain.ssd"), "Rain.ssd - Vistaloom");
    EXPECT_EQ(TitleBarText("Plain.ssd"), "Plain.ssd - Vistaloom");
}

TEST(TitleText, AnUnsavedSceneIsUntitled) {
    EXPECT_EQ(TitleBarText(""), "Untitled - Vistaloom");
    EXPECT_EQ(TitleBarText("C:\\Scenes\\"), "Untitled - Vistaloom");
}

}  // namespace
}  // namespace vl
