#include "framework/profile_settings.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

const char kTestKey[] = "Software\\Vistaloom Tests\\Profile";

class ProfileSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey); }
    ProfileSettings settings{kTestKey};
};

TEST_F(ProfileSettingsTest, MissingValuesGiveTheirDefaults) {
    EXPECT_EQ(settings.ReadInt("Settings", "Standard", 1), 1);
    EXPECT_EQ(settings.ReadInt("Settings", "MouseMove", 0), 0);
    EXPECT_EQ(settings.ReadString("Password", "Encrypt", ""), "");
    EXPECT_EQ(settings.ReadString("Settings", "Wallpaper", "none"), "none");
}

TEST_F(ProfileSettingsTest, WrittenValuesAreReadBackPerSection) {
    ASSERT_TRUE(settings.WriteInt("Settings", "Standard", 0));
    ASSERT_TRUE(settings.WriteInt("Settings", "Escape", 1));
    ASSERT_TRUE(settings.WriteInt("Other", "Escape", -5));
    ASSERT_TRUE(settings.WriteString("Password", "Encrypt", "x7!q"));
    EXPECT_EQ(settings.ReadInt("Settings", "Standard", 1), 0);
    EXPECT_EQ(settings.ReadInt("Settings", "Escape", 0), 1);
    EXPECT_EQ(settings.ReadInt("Other", "Escape", 0), -5);
    EXPECT_EQ(settings.ReadString("Password", "Encrypt", ""), "x7!q");

    // The values live where other programs of the suite look for them.
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Vistaloom Tests\\Profile\\Settings", 0,
                            KEY_READ, &key),
              ERROR_SUCCESS);
    DWORD type = 0;
    DWORD value = 9;
    DWORD size = sizeof(value);
    EXPECT_EQ(
        RegQueryValueExA(key, "Escape", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
        ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, 1u);
}

TEST_F(ProfileSettingsTest, ValuesOfAnotherTypeGiveTheDefault) {
    ASSERT_TRUE(settings.WriteString("Settings", "Standard", "1"));
    ASSERT_TRUE(settings.WriteInt("Settings", "Name", 3));
    EXPECT_EQ(settings.ReadInt("Settings", "Standard", 7), 7);
    EXPECT_EQ(settings.ReadString("Settings", "Name", "dflt"), "dflt");
}

TEST_F(ProfileSettingsTest, DeleteRemovesAValueAndToleratesAMissingOne) {
    ASSERT_TRUE(settings.WriteInt("Settings", "KeyDown", 1));
    EXPECT_TRUE(settings.Delete("Settings", "KeyDown"));
    EXPECT_EQ(settings.ReadInt("Settings", "KeyDown", 0), 0);
    EXPECT_TRUE(settings.Delete("Settings", "KeyDown"));
}

TEST_F(ProfileSettingsTest, EmptyAndLongTexts) {
    const std::string longText(1000, 'w');
    ASSERT_TRUE(settings.WriteString("S", "Empty", ""));
    ASSERT_TRUE(settings.WriteString("S", "Long", longText));
    EXPECT_EQ(settings.ReadString("S", "Empty", "dflt"), "");
    EXPECT_EQ(settings.ReadString("S", "Long", ""), longText);
}

}  // namespace
}  // namespace vl
