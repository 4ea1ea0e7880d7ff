#include "installer/application_name.h"

#include <gtest/gtest.h>

#include <string>

namespace vl {
namespace {

std::string NameOf(const char* path, size_t size = 260) {
    char name[260];
    ApplicationName(path, name, size);
    return name;
}

TEST(FerruleApplicationName, FileNameWithoutFolderAndExtension) {
    EXPECT_EQ(NameOf("C:\\Users\\Ann\\Downloads\\Aquarium.exe"), "Aquarium");
    EXPECT_EQ(NameOf("Z:/tmp/saver.exe"), "saver");
    EXPECT_EQ(NameOf("saver.exe"), "saver");
    EXPECT_EQ(NameOf("C:\\My Savers\\Night Sky.EXE"), "Night Sky");
}

TEST(FerruleApplicationName, OnlyTheLastExtensionGoes) {
    EXPECT_EQ(NameOf("C:\\a\\saver.v2.exe"), "saver.v2");
    // A dot in a folder name is not an extension.
    EXPECT_EQ(NameOf("C:\\dir.x\\saver"), "saver");
    EXPECT_EQ(NameOf("C:\\dir.x\\.exe"), "");
}

TEST(FerruleApplicationName, EmptyAndFolderOnlyPaths) {
    EXPECT_EQ(NameOf(""), "");
    EXPECT_EQ(NameOf("C:\\folder\\"), "");
}

TEST(FerruleApplicationName, CutToTheBuffer) {
    EXPECT_EQ(NameOf("C:\\abcdef.exe", 4), "abc");
    EXPECT_EQ(NameOf("C:\\abcdef.exe", 1), "");
    char untouched[2] = {'x', '\0'};
    ApplicationName("C:\\abc.exe", untouched, 0);
    EXPECT_EQ(untouched[0], 'x');
}

}  // namespace
}  // namespace vl
