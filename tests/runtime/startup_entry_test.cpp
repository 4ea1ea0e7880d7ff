#include "runtime/startup_entry.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(GlintStartupTest, CommandIsThePathAndRunArgument) {
    EXPECT_EQ(StartupCommand("C:\\WINDOWS\\SYSTEM\\Aquarium.scr"),
              "C:\\WINDOWS\\SYSTEM\\Aquarium.scr /s");
}

TEST(GlintStartupTest, PathWithSpacesIsQuoted) {
    EXPECT_EQ(StartupCommand("C:\\Program Files\\My Saver.scr"),
              "\"C:\\Program Files\\My Saver.scr\" /s");
}

TEST(GlintStartupTest, RecognisesItsOwnCommandInBothForms) {
    const std::string path = "C:\\Program Files\\My Saver.scr";
    EXPECT_TRUE(IsStartupCommand("\"C:\\Program Files\\My Saver.scr\" /s", path));
    EXPECT_TRUE(IsStartupCommand("C:\\Program Files\\My Saver.scr /s", path));
    EXPECT_TRUE(IsStartupCommand("C:\\W\\a.scr /s", "C:\\W\\a.scr"));
}

TEST(GlintStartupTest, OtherCommandsAreNotOurs) {
    const std::string path = "C:\\W\\a.scr";
    EXPECT_FALSE(IsStartupCommand("", path));
    EXPECT_FALSE(IsStartupCommand("C:\\W\\a.scr", path));
    EXPECT_FALSE(IsStartupCommand("C:\\W\\a.scr /c", path));
    EXPECT_FALSE(IsStartupCommand("C:\\W\\b.scr /s", path));
    EXPECT_FALSE(IsStartupCommand("C:\\W\\a.scr /s ", path));
    EXPECT_FALSE(IsStartupCommand(" /s", ""));
}

}  // namespace
}  // namespace vl
