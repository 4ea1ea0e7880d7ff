#include "app/registry_key_tree.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/core/builder_settings.h"
#include "app/core/recent_files.h"
#include "app/core/settings_migration.h"
#include "app/core/shell_registration.h"

namespace vl {
namespace {

using ::testing::UnorderedElementsAre;

constexpr char kTestRoot[] = "Software\\VistaloomTest";

KeyValue Text(const std::string& name, const std::string& text) {
    KeyValue value{name, kKeyValueText, {}};
    value.data.assign(text.begin(), text.end());
    value.data.push_back(0);
    return value;
}

KeyValue Number(const std::string& name, std::uint32_t number) {
    return {name,
            kKeyValueNumber,
            {static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(number >> 8),
             static_cast<std::uint8_t>(number >> 16), static_cast<std::uint8_t>(number >> 24)}};
}

class RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    void Clean() {
        for (const char* key : {kTestRoot, kOldSettingsRoot, kSettingsRoot})
            ASSERT_TRUE(tree.DeleteTree(key));
    }
    RegistryKeyTree tree;
};

TEST_F(RegistryTest, KeysAndValuesOfAnyLengthRoundTrip) {
    const std::string below = std::string(kTestRoot) + "\\a\\b";
    ASSERT_TRUE(tree.CreateKey(below));
    ASSERT_TRUE(tree.CreateKey(std::string(kTestRoot) + "\\c"));
    const KeyValue longText = Text("File1", "C:\\" + std::string(3000, 'x') + ".ssd");
    KeyValue binary{"blob", kKeyValueBinary, std::vector<std::uint8_t>(1500, 0xA5)};
    const KeyValue empty{"", kKeyValueText, {0}};
    for (const KeyValue& value : {longText, binary, Number("Times", 123456789), empty})
        ASSERT_TRUE(tree.SetValue(below, value));

    EXPECT_THAT(*tree.SubKeys(kTestRoot), UnorderedElementsAre("a", "c"));
    EXPECT_THAT(*tree.Values(below),
                UnorderedElementsAre(longText, binary, Number("Times", 123456789), empty));
    EXPECT_FALSE(tree.SubKeys(std::string(kTestRoot) + "\\missing").has_value());
    EXPECT_FALSE(tree.SetValue(std::string(kTestRoot) + "\\missing", Number("x", 1)));

    ASSERT_TRUE(tree.DeleteTree(kTestRoot));
    EXPECT_FALSE(tree.KeyExists(kTestRoot));
    EXPECT_TRUE(tree.DeleteTree(kTestRoot));  // already gone
}

TEST_F(RegistryTest, OldSettingsAreCopiedOnceWithLongValues) {
    const std::string oldSettings = std::string(kOldSettingsRoot) + "\\Vistaloom\\Settings";
    const std::string oldRecent = std::string(kOldSettingsRoot) + "\\Vistaloom\\Recent File List";
    ASSERT_TRUE(tree.CreateKey(oldSettings));
    ASSERT_TRUE(tree.CreateKey(oldRecent));
    const std::string longPath = "D:\\" + std::string(600, 'p') + "\\scene.ssd";
    ASSERT_TRUE(tree.SetValue(oldRecent, Text("File1", longPath)));
    ASSERT_TRUE(tree.SetValue(oldSettings, Number("Splitter", 200)));

    EXPECT_EQ(MigrateOldSettings(tree), MigrationOutcome::kCopied);
    RegistrySettingsStore store(kBuilderSettingsKey);
    EXPECT_EQ(store.GetInt("Settings", "Splitter"), 200u);
    RecentFiles recent;
    recent.Load(store);
    ASSERT_EQ(recent.Entries().size(), 1u);
    EXPECT_EQ(recent.Entries()[0], longPath);
    // Marked: a later change in the new place is not overwritten at the next start.
    ASSERT_TRUE(store.SetInt("Settings", "Splitter", 90));
    EXPECT_EQ(MigrateOldSettings(tree), MigrationOutcome::kAlreadyCopied);
    EXPECT_EQ(store.GetInt("Settings", "Splitter"), 90u);
}

TEST_F(RegistryTest, SettingsStoreReadsOnlyWhatHasItsType) {
    RegistrySettingsStore store(kTestRoot);
    EXPECT_FALSE(store.GetInt("Settings", "Reuse").has_value());
    ASSERT_TRUE(store.SetInt("Settings", "Reuse", 1));
    ASSERT_TRUE(store.SetText("Settings", "WindowPlace", "10,20,300,400"));
    EXPECT_EQ(store.GetInt("Settings", "Reuse"), 1u);
    EXPECT_EQ(store.GetText("Settings", "WindowPlace"), "10,20,300,400");
    // A text is no number and a number no text.
    EXPECT_FALSE(store.GetInt("Settings", "WindowPlace").has_value());
    EXPECT_FALSE(store.GetText("Settings", "Reuse").has_value());
    EXPECT_TRUE(store.Remove("Settings", "Reuse"));
    EXPECT_TRUE(store.Remove("Settings", "Reuse"));
    EXPECT_TRUE(store.Remove("No such section", "Reuse"));
    EXPECT_FALSE(store.GetInt("Settings", "Reuse").has_value());
}

TEST_F(RegistryTest, TheSceneTypeIsRegisteredForTheUserAndRemovedExactly) {
    const std::string program = "C:\\Program Files\\Vistaloom\\Vistaloom.exe";
    ASSERT_TRUE(RegisterSceneFileType(tree, program));
    RegistrySettingsStore classes("Software\\Classes");
    EXPECT_EQ(classes.GetText(".ssd", ""), "Vistaloom.Document");
    EXPECT_EQ(classes.GetText("Vistaloom.Document\\DefaultIcon", ""), program + ",1");
    EXPECT_EQ(classes.GetText(".ssd\\ShellNew", "NullFile"), "");
    ASSERT_TRUE(tree.CreateKey("Software\\Classes\\.ssdx"));
    EXPECT_TRUE(tree.DeleteTree(kSceneExtensionKey));
    EXPECT_TRUE(tree.DeleteTree(kDocumentTypeKey));
    EXPECT_FALSE(tree.KeyExists(kSceneExtensionKey));
    EXPECT_TRUE(tree.KeyExists("Software\\Classes\\.ssdx"));
    EXPECT_TRUE(tree.DeleteTree("Software\\Classes\\.ssdx"));
}

}  // namespace
}  // namespace vl
