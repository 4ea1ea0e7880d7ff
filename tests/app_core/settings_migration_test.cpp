// Copying the earlier versions' settings key once into the current one.
#include "app/core/settings_migration.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/app_core/fake_key_tree.h"

namespace vl {
namespace {

using testing::FakeKeyTree;

const std::string kOld = "Software\\Quilco\\Screen Saver";
const std::string kNew = "Software\\Quillmark\\Screen Saver";

KeyValue Text(const std::string& name, const std::string& text) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    return {name, kKeyValueText, data};
}

KeyValue Number(const std::string& name, std::uint32_t n) {
    return {name,
            kKeyValueNumber,
            {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
             static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)}};
}

// An old tree as an earlier version and its users left it: nested keys, a recent-file path of
// 2,000 characters, a long value name, a large binary bar state, the types the copy must keep.
FakeKeyTree OldTree() {
    FakeKeyTree tree;
    tree.Put(kOld + "\\Vistaloom\\Settings", Text("WindowPlace", "10,20,640,480"));
    tree.Put(kOld + "\\Vistaloom\\Settings", Number("Reuse", 1));
    tree.Put(kOld + "\\Vistaloom\\Recent File List",
             Text("File1", "C:\\" + std::string(1993, 'p') + ".ssd"));
    tree.Put(kOld + "\\Vistaloom\\Recent File List", Text(std::string(300, 'n'), "long name"));
    std::vector<std::uint8_t> barState(5000);
    for (std::size_t i = 0; i < barState.size(); ++i)
        barState[i] = static_cast<std::uint8_t>(i * 7);
    tree.Put(kOld + "\\Vistaloom\\Bar\\Summary\\Deep", {"BarState", kKeyValueBinary, barState});
    tree.Put(kOld + "\\Vistaloom\\Bar", {"", 2, {'%', 'X', '%', 0}});  // default value, expand text
    tree.Put(kOld + "\\Vistaloom\\Bar", {"Empty", kKeyValueBinary, {}});
    tree.Put(kOld + "\\Glint\\Settings", {"Lines", 7, {'a', 0, 'b', 0, 0}});  // multi-text
    tree.CreateKey(kOld + "\\Vistaloom\\NoValues");
    return tree;
}

TEST(SettingsMigration, CopiesTheWholeTreeWithLongValuesAndTheirTypes) {
    FakeKeyTree tree = OldTree();
    const auto oldKeys = tree.Below(kOld);
    EXPECT_EQ(MigrateOldSettings(tree), MigrationOutcome::kCopied);

    EXPECT_EQ(tree.Below(kNew), oldKeys);
    const KeyValue* file1 = tree.Find(kNew + "\\Vistaloom\\Recent File List", "File1");
    ASSERT_NE(file1, nullptr);
    EXPECT_EQ(file1->data.size(), 2001u);
    EXPECT_EQ(file1->type, kKeyValueText);
    const KeyValue* bar = tree.Find(kNew + "\\Vistaloom\\Bar\\Summary\\Deep", "BarState");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->data.size(), 5000u);
    EXPECT_EQ(bar->data[4999], static_cast<std::uint8_t>(4999 * 7));
    EXPECT_TRUE(tree.KeyExists(kNew + "\\Vistaloom\\NoValues"));
}

TEST(SettingsMigration, MarksTheOldKeyAndKeepsTheMarkerOutOfTheNewOne) {
    FakeKeyTree tree = OldTree();
    tree.Put(kOld, Number("OLD Reg Copied", 0));  // a marker that does not say "copied"
    EXPECT_EQ(MigrateOldSettings(tree), MigrationOutcome::kCopied);
    const KeyValue* marker = tree.Find(kOld, "OLD Reg Copied");
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(*marker, Number("OLD Reg Copied", 1));
    EXPECT_EQ(tree.Find(kNew, "OLD Reg Copied"), nullptr);
}

TEST(SettingsMigration, AMarkedKeyIsNotCopiedAgain) {
    FakeKeyTree tree = OldTree();
    ASSERT_EQ(MigrateOldSettings(tree), MigrationOutcome::kCopied);
    // The user changes a setting with the new version; a later start must not undo it.
    tree.Put(kNew + "\\Vistaloom\\Settings", Number("Reuse", 0));
    const int written = tree.valuesWritten;
    EXPECT_EQ(MigrateOldSettings(tree), MigrationOutcome::kAlreadyCopied);
    EXPECT_EQ(tree.valuesWritten, written);
    EXPECT_EQ(*tree.Find(kNew + "\\Vistaloom\\Settings", "Reuse"), Number("Reuse", 0));
}

TEST(SettingsMigration, TheMarkerNameIgnoresCaseAsTheRegistryDoes) {
    FakeKeyTree tree = OldTree();
    tree.Put(kOld, Number("old reg copied", 1));
    EXPECT_EQ(MigrateOldSettings(tree), MigrationOutcome::kAlreadyCopied);
    EXPECT_FALSE(tree.KeyExists(kNew));
}

TEST(SettingsMigration, NoOldKeyChangesNothing) {
    FakeKeyTree tree;
    tree.Put(kNew + "\\Vistaloom\\Settings", Number("Reuse", 1));
    const auto before = tree.keys;
    EXPECT_EQ(MigrateOldSettings(tree), MigrationOutcome::kNoOldSettings);
    EXPECT_EQ(tree.keys, before);
}

TEST(SettingsMigration, ReplacesValuesOfTheSameNameAndKeepsOthers) {
    FakeKeyTree tree = OldTree();
    tree.Put(kNew + "\\Vistaloom\\Settings", Text("WindowPlace", "0,0,1,1"));
    tree.Put(kNew + "\\Vistaloom\\Settings", Number("Splitter", 200));
    EXPECT_EQ(MigrateOldSettings(tree), MigrationOutcome::kCopied);
    EXPECT_EQ(*tree.Find(kNew + "\\Vistaloom\\Settings", "WindowPlace"),
              Text("WindowPlace", "10,20,640,480"));
    EXPECT_EQ(*tree.Find(kNew + "\\Vistaloom\\Settings", "Splitter"), Number("Splitter", 200));
}

TEST(SettingsMigration, AFailedCopyLeavesNoMarkerAndIsTriedAgain) {
    FakeKeyTree tree = OldTree();
    tree.unwritable.insert(kNew + "\\Vistaloom\\Bar\\Summary\\Deep");
    EXPECT_EQ(MigrateOldSettings(tree), MigrationOutcome::kCopyFailed);
    EXPECT_EQ(tree.Find(kOld, "OLD Reg Copied"), nullptr);

    tree.unwritable.clear();
    EXPECT_EQ(MigrateOldSettings(tree), MigrationOutcome::kCopied);
    EXPECT_EQ(tree.Below(kNew).size(), tree.Below(kOld).size());
}

TEST(SettingsMigration, AnUnreadableOldKeyFailsTheCopy) {
    FakeKeyTree tree = OldTree();
    tree.unreadable.insert(kOld + "\\Glint\\Settings");
    EXPECT_EQ(MigrateOldSettings(tree), MigrationOutcome::kCopyFailed);
    EXPECT_EQ(tree.Find(kOld, "OLD Reg Copied"), nullptr);
}

TEST(SettingsMigration, AMarkerThatCannotBeWrittenCountsAsAFailure) {
    FakeKeyTree tree = OldTree();
    tree.unwritable.insert(kOld);
    EXPECT_EQ(MigrateOldSettings(tree), MigrationOutcome::kCopyFailed);
}

}  // namespace
}  // namespace vl
