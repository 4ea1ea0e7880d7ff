// What the clean-up start removes, and that it leaves everything else.
#include "app/core/clean_up_plan.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "app/core/options_file.h"
#include "tests/app_core/fake_key_tree.h"

namespace vl {
namespace {

using testing::FakeKeyTree;

const BuilderFolders kFolders{"C:\\Users\\Ann\\AppData\\Roaming", "C:\\WINDOWS",
                              "C:\\Program Files\\Vistaloom\\"};

TEST(CleanUpPlan, TheRegistrationTheSettingsAndTheUsersFiles) {
    const CleanUpPlan plan = BuilderCleanUpPlan(kFolders);
    EXPECT_EQ(plan.keys, (std::vector<std::string>{
                             "Software\\Classes\\.ssd", "Software\\Classes\\Vistaloom.Document",
                             "Software\\Quillmark\\Screen Saver\\Vistaloom"}));
    const std::string user = "C:\\Users\\Ann\\AppData\\Roaming\\Quillmark\\Screen Saver\\Vistaloom";
    EXPECT_EQ(plan.files, (std::vector<std::string>{user + "\\vlo.opt", "C:\\WINDOWS\\vlo.opt",
                                                    user + "\\Custom.BMP"}));
    EXPECT_EQ(plan.userFolder, user);
}

KeyValue Text(const std::string& name, const std::string& text) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    return {name, kKeyValueText, data};
}

TEST(CleanUpPlan, RemovesExactlyItsKeysWithEverythingBelowThem) {
    FakeKeyTree tree;
    tree.Put("Software\\Classes\\.ssd", Text("", "Vistaloom.Document"));
    tree.Put("Software\\Classes\\.ssd\\ShellNew", Text("NullFile", ""));
    tree.Put("Software\\Classes\\Vistaloom.Document\\DefaultIcon", Text("", "V.exe,1"));
    tree.Put("Software\\Classes\\.ssdx", Text("", "Other.Type"));
    tree.Put("Software\\Classes\\.txt", Text("", "txtfile"));
    tree.Put("Software\\Quillmark\\Screen Saver\\Vistaloom\\Settings", Text("SysInfo", "x"));
    tree.Put("Software\\Quillmark\\Screen Saver\\Settings", Text("Password", "y"));  // Glint's
    const CleanUpPlan plan = BuilderCleanUpPlan(kFolders);
    const CleanUpResult result = CarryOutCleanUp(plan, tree);
    EXPECT_TRUE(result.keysLeft.empty());
    for (const std::string& key : plan.keys)
        EXPECT_FALSE(tree.KeyExists(key)) << key;
    EXPECT_FALSE(tree.KeyExists("Software\\Classes\\.ssd\\ShellNew"));
    EXPECT_TRUE(tree.KeyExists("Software\\Classes\\.ssdx"));
    EXPECT_TRUE(tree.KeyExists("Software\\Classes\\.txt"));
    EXPECT_TRUE(tree.KeyExists("Software\\Quillmark\\Screen Saver\\Settings"));
}

TEST(CleanUpPlan, GoesOnPastAKeyItCannotDeleteAndSaysWhichOne) {
    FakeKeyTree tree;
    tree.Put("Software\\Classes\\.ssd", Text("", "Vistaloom.Document"));
    tree.Put("Software\\Quillmark\\Screen Saver\\Vistaloom\\Settings", Text("SysInfo", "x"));
    tree.undeletable.insert("Software\\Classes\\.ssd");
    const CleanUpResult result = CarryOutCleanUp(BuilderCleanUpPlan(kFolders), tree);
    EXPECT_EQ(result.keysLeft, std::vector<std::string>{"Software\\Classes\\.ssd"});
    EXPECT_FALSE(tree.KeyExists("Software\\Quillmark\\Screen Saver\\Vistaloom"));
}

TEST(CleanUpPlan, DeletesTheFilesThatExistAndIgnoresMissingOnes) {
    const std::string dir = ::testing::TempDir();
    CleanUpPlan plan;
    plan.files = {dir + "app_core_cleanup_a.opt", dir + "app_core_cleanup_missing.opt"};
    std::FILE* file = std::fopen(plan.files[0].c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    std::remove(plan.files[1].c_str());
    FakeKeyTree tree;
    const CleanUpResult result = CarryOutCleanUp(plan, tree);
    EXPECT_TRUE(result.filesLeft.empty());
    EXPECT_FALSE(FileReadable(plan.files[0]));
}

}  // namespace
}  // namespace vl
