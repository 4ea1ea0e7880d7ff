#include "app/builder_packaging.h"

#include "app/core/builder_settings.h"
#include "app/core/options_file.h"

namespace vl {

bool BuilderPackagingSystem::CustomImageEnabled() {
    return ReadIntSetting(settings_, kCustomImageSetting) != 0;
}

std::string BuilderPackagingSystem::CustomImageFolder() {
    const UserFilePaths paths =
        LocateUserFile(UserFile::kCustomImage, folders_,
                       FileReadable(UserFilePath(UserFile::kCustomImage, folders_)),
                       FileReadable(OldFilePath(UserFile::kCustomImage, folders_)));
    return FolderOf(paths.readPath);
}

}  // namespace vl
