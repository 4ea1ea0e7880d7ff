#include "app/core/clean_up_plan.h"

#include <cstdio>

#include "app/core/builder_settings.h"
#include "app/core/options_file.h"

namespace vl {

CleanUpPlan BuilderCleanUpPlan(const BuilderFolders& folders) {
    CleanUpPlan plan;
    plan.keys = {kSceneExtensionKey, kDocumentTypeKey, kBuilderSettingsKey};
    plan.files = {UserFilePath(UserFile::kOptions, folders),
                  OldFilePath(UserFile::kOptions, folders),
                  UserFilePath(UserFile::kCustomImage, folders)};
    plan.userFolder = UserFolder(folders);
    return plan;
}

CleanUpResult CarryOutCleanUp(const CleanUpPlan& plan, IKeyTree& tree) {
    CleanUpResult result;
    for (const std::string& key : plan.keys) {
        if (!tree.DeleteTree(key))
            result.keysLeft.push_back(key);
    }
    for (const std::string& file : plan.files) {
        if (std::remove(file.c_str()) != 0 && FileReadable(file))
            result.filesLeft.push_back(file);
    }
    return result;
}

}  // namespace vl
