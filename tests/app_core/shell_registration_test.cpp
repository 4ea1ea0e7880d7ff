// The per-user registration of scene files, and that the clean-up takes all of it away.
#include "app/core/shell_registration.h"

#include <gtest/gtest.h>

#include "app/core/clean_up_plan.h"
#include "tests/app_core/fake_key_tree.h"

namespace vl {
namespace {

using testing::FakeKeyTree;

const std::string kProgram = "C:\\Program Files\\Vistaloom\\Vistaloom.exe";

std::string TextOf(const FakeKeyTree& tree, const std::string& key, const std::string& name) {
    const KeyValue* value = tree.Find("Software\\Classes\\" + key, name);
    if (!value || value->type != kKeyValueText || value->data.empty() || value->data.back() != 0)
        return "<no text>";
    return std::string(value->data.begin(), value->data.end() - 1);
}

TEST(ShellRegistration, WritesTheTypeForThisUserOnly) {
    FakeKeyTree tree;
    ASSERT_TRUE(RegisterSceneFileType(tree, kProgram));
    EXPECT_EQ(TextOf(tree, ".ssd", ""), "Vistaloom.Document");
    EXPECT_EQ(TextOf(tree, ".ssd\\ShellNew", ""), "");
    EXPECT_EQ(TextOf(tree, ".ssd\\ShellNew", "NullFile"), "");
    EXPECT_EQ(TextOf(tree, "Vistaloom.Document", ""), "Vistaloom Document");
    EXPECT_EQ(TextOf(tree, "Vistaloom.Document\\DefaultIcon", ""),
              "C:\\Program Files\\Vistaloom\\Vistaloom.exe,1");
    EXPECT_EQ(TextOf(tree, "Vistaloom.Document\\shell\\open\\command", ""),
              "\"C:\\Program Files\\Vistaloom\\Vistaloom.exe\" \"%1\"");
    for (const auto& [path, values] : tree.keys) {
        EXPECT_TRUE(path == "Software" || path.rfind("Software\\Classes", 0) == 0) << path;
    }
}

TEST(ShellRegistration, AFailedWriteIsReported) {
    FakeKeyTree tree;
    tree.unwritable.insert("Software\\Classes\\Vistaloom.Document\\DefaultIcon");
    EXPECT_FALSE(RegisterSceneFileType(tree, kProgram));
}

TEST(ShellRegistration, TheCleanUpLeavesNothingOfItBehind) {
    FakeKeyTree tree;
    tree.Put("Software\\Classes\\.txt", {"", kKeyValueText, {'t', 0}});
    const auto before = tree.keys;
    ASSERT_TRUE(RegisterSceneFileType(tree, kProgram));
    const BuilderFolders folders{"C:\\AppData", "C:\\WINDOWS", "C:\\Program Files\\Vistaloom\\"};
    EXPECT_TRUE(CarryOutCleanUp(BuilderCleanUpPlan(folders), tree).keysLeft.empty());
    EXPECT_EQ(tree.keys, before);
}

}  // namespace
}  // namespace vl
