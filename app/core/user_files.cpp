#include "app/core/user_files.h"

#include "scene/editor_options.h"

namespace vl {

std::string JoinWindowsPath(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    const char last = folder.back();
    if (last == '\\' || last == '/')
        return folder + name;
    return folder + '\\' + name;
}

std::string FolderOf(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string UserFolder(const BuilderFolders& folders) {
    return JoinWindowsPath(folders.appData, kUserFolderBelowAppData);
}

const char* UserFileName(UserFile file) {
    return file == UserFile::kOptions ? kOptionsFileName : kCustomImageFileName;
}

std::string UserFilePath(UserFile file, const BuilderFolders& folders) {
    return JoinWindowsPath(UserFolder(folders), UserFileName(file));
}

std::string OldFilePath(UserFile file, const BuilderFolders& folders) {
    const std::string& folder = file == UserFile::kOptions ? folders.windows : folders.program;
    return JoinWindowsPath(folder, UserFileName(file));
}

UserFilePaths LocateUserFile(UserFile file, const BuilderFolders& folders, bool inUserFolder,
                             bool inOldPlace) {
    UserFilePaths paths;
    paths.writePath = UserFilePath(file, folders);
    paths.fromOldPlace = !inUserFolder && inOldPlace;
    paths.readPath = paths.fromOldPlace ? OldFilePath(file, folders) : paths.writePath;
    return paths;
}

}  // namespace vl
