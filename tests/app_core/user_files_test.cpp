// Where "vlo.opt" and "Custom.BMP" are read and written for a user.
#include "app/core/user_files.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

const BuilderFolders kFolders{"C:\\Users\\Ann\\AppData\\Roaming", "C:\\WINDOWS",
                              "C:\\Program Files\\Vistaloom\\"};
const std::string kUserFolder =
    "C:\\Users\\Ann\\AppData\\Roaming\\Quillmark\\Screen Saver\\Vistaloom";

TEST(UserFiles, TheUserFolderIsBelowApplicationData) {
    EXPECT_EQ(UserFolder(kFolders), kUserFolder);
    EXPECT_EQ(UserFilePath(UserFile::kOptions, kFolders), kUserFolder + "\\vlo.opt");
    EXPECT_EQ(UserFilePath(UserFile::kCustomImage, kFolders), kUserFolder + "\\Custom.BMP");
    EXPECT_EQ(OldFilePath(UserFile::kOptions, kFolders), "C:\\WINDOWS\\vlo.opt");
    EXPECT_EQ(OldFilePath(UserFile::kCustomImage, kFolders),
              "C:\\Program Files\\Vistaloom\\Custom.BMP");
}

TEST(UserFiles, TheUserFoldersCopyWinsOverTheOldPlace) {
    for (UserFile file : {UserFile::kOptions, UserFile::kCustomImage}) {
        for (bool inOldPlace : {false, true}) {
            const UserFilePaths paths = LocateUserFile(file, kFolders, true, inOldPlace);
            EXPECT_EQ(paths.readPath, UserFilePath(file, kFolders));
            EXPECT_EQ(paths.writePath, UserFilePath(file, kFolders));
            EXPECT_FALSE(paths.fromOldPlace);
        }
    }
}

TEST(UserFiles, TheOldPlaceIsReadOnlyWhileTheUserFolderHasNoCopy) {
    const UserFilePaths options = LocateUserFile(UserFile::kOptions, kFolders, false, true);
    EXPECT_EQ(options.readPath, "C:\\WINDOWS\\vlo.opt");
    EXPECT_EQ(options.writePath, kUserFolder + "\\vlo.opt");
    EXPECT_TRUE(options.fromOldPlace);

    const UserFilePaths image = LocateUserFile(UserFile::kCustomImage, kFolders, false, true);
    EXPECT_EQ(image.readPath, "C:\\Program Files\\Vistaloom\\Custom.BMP");
    EXPECT_EQ(image.writePath, kUserFolder + "\\Custom.BMP");
    EXPECT_TRUE(image.fromOldPlace);
}

TEST(UserFiles, WithNoFileAnywhereBothPathsAreTheUserFolders) {
    const UserFilePaths paths = LocateUserFile(UserFile::kOptions, kFolders, false, false);
    EXPECT_EQ(paths.readPath, kUserFolder + "\\vlo.opt");
    EXPECT_EQ(paths.writePath, kUserFolder + "\\vlo.opt");
    EXPECT_FALSE(paths.fromOldPlace);
}

TEST(UserFiles, PathsJoinWithOneSeparator) {
    EXPECT_EQ(JoinWindowsPath("C:\\a", "b"), "C:\\a\\b");
    EXPECT_EQ(JoinWindowsPath("C:\\a\\", "b"), "C:\\a\\b");
    EXPECT_EQ(JoinWindowsPath("/tmp/", "b"), "/tmp/b");
    EXPECT_EQ(JoinWindowsPath("", "b"), "b");
    EXPECT_EQ(FolderOf("C:\\Program Files\\Vistaloom\\Vistaloom.exe"),
              "C:\\Program Files\\Vistaloom\\");
    EXPECT_EQ(FolderOf("Vistaloom.exe"), "");
}

}  // namespace
}  // namespace vl
