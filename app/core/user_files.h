// Where the builder keeps the files it writes for a user. A normal user cannot write to the Windows
// directory or to the program's folder under Program Files, so "vlo.opt" and "Custom.BMP" live in
// the user's application-data folder; earlier versions kept them in those two places, which are
// read as long as the user folder has no copy yet.
#pragma once

#include <string>

namespace vl {

// Below %APPDATA%.
inline constexpr char kUserFolderBelowAppData[] = "Quillmark\\Screen Saver\\Vistaloom";
inline constexpr char kCustomImageFileName[] = "Custom.BMP";

struct BuilderFolders {
    std::string appData;  // the user's application-data folder (CSIDL_APPDATA)
    std::string windows;  // the Windows directory, the options file's old place
    std::string program;  // the folder of Vistaloom.exe, the custom picture's old place
};

enum class UserFile { kOptions, kCustomImage };

// `folder` and `name` joined with '\' unless `folder` is empty or already ends with '\' or '/'.
std::string JoinWindowsPath(const std::string& folder, const std::string& name);
// Everything up to and including the last '\' or '/'; empty when there is none.
std::string FolderOf(const std::string& path);

// %APPDATA%\Quillmark\Screen Saver\Vistaloom (created by the caller when it writes there).
std::string UserFolder(const BuilderFolders& folders);
const char* UserFileName(UserFile file);
std::string UserFilePath(UserFile file, const BuilderFolders& folders);
std::string OldFilePath(UserFile file, const BuilderFolders& folders);

struct UserFilePaths {
    std::string readPath;
    std::string writePath;  // always in the user folder
    // Read from the old place: copy it to writePath (or write the file there, as the options are
    // on every close), so that the old place is read only this once.
    bool fromOldPlace = false;
};

// The user folder's copy when it exists, else the old place's when that exists, else the user
// folder's path (missing: the caller uses its defaults).
UserFilePaths LocateUserFile(UserFile file, const BuilderFolders& folders, bool inUserFolder,
                             bool inOldPlace);

}  // namespace vl
