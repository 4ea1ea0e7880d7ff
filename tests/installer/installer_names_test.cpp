#include "installer/installer_names.h"

#include <gtest/gtest.h>

#include <string>

namespace vl {
namespace {

std::string Installed(const char* path, size_t size = 260) {
    char name[260] = "untouched";
    if (!InstalledScreenSaverName(path, name, size))
        return "<does not fit>";
    return name;
}

TEST(FerruleInstalledName, LastFourCharactersOfTheFileNameBecomeScr) {
    EXPECT_EQ(Installed("C:\\Downloads\\saver.exe"), "saver.scr");
    EXPECT_EQ(Installed("Z:/tmp/Night Sky.EXE"), "Night Sky.scr");
    EXPECT_EQ(Installed("saver.v2.exe"), "saver.v2.scr");
    // Four characters go whatever they are.
    EXPECT_EQ(Installed("C:\\x\\saver"), "s.scr");
    EXPECT_EQ(Installed("C:\\x\\abc"), ".scr");
}

TEST(FerruleInstalledName, RefusesWhatDoesNotFit) {
    EXPECT_EQ(Installed("C:\\saver.exe", 10), "saver.scr");
    EXPECT_EQ(Installed("C:\\saver.exe", 9), "<does not fit>");
}

TEST(FerruleAppendText, AppendsOnlyWhatFitsWhole) {
    char buffer[8] = "abc";
    EXPECT_TRUE(AppendText(buffer, sizeof(buffer), "defg"));
    EXPECT_STREQ(buffer, "abcdefg");
    EXPECT_FALSE(AppendText(buffer, sizeof(buffer), "h"));
    EXPECT_STREQ(buffer, "abcdefg");
    EXPECT_TRUE(AppendText(buffer, sizeof(buffer), ""));
}

}  // namespace
}  // namespace vl
