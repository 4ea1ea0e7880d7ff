#include "app/core/options_file.h"

#include <cstdio>

namespace vl {

bool FileReadable(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

OptionsFileLoad LoadOptionsFile(const BuilderFolders& folders) {
    OptionsFileLoad load;
    load.paths = LocateUserFile(UserFile::kOptions, folders,
                                FileReadable(UserFilePath(UserFile::kOptions, folders)),
                                FileReadable(OldFilePath(UserFile::kOptions, folders)));
    load.result = LoadEditorOptions(load.paths.readPath, load.paths.writePath);
    return load;
}

}  // namespace vl
