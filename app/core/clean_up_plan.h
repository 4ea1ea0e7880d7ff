// What the clean-up start ("Vistaloom u", run by the uninstaller) removes for the user: the scene
// file type registered for this user, the builder's settings key and the options file in both its
// places, and the user folder's custom picture.
#pragma once

#include <string>
#include <vector>

#include "app/core/key_tree.h"
#include "app/core/shell_registration.h"
#include "app/core/user_files.h"

namespace vl {

struct CleanUpPlan {
    std::vector<std::string> keys;   // below HKEY_CURRENT_USER, each with everything below it
    std::vector<std::string> files;  // missing ones are not an error
    std::string userFolder;          // removed by the caller once empty
};

CleanUpPlan BuilderCleanUpPlan(const BuilderFolders& folders);

struct CleanUpResult {
    std::vector<std::string> keysLeft;   // keys that could not be deleted
    std::vector<std::string> filesLeft;  // files that exist and could not be deleted
};

// Deletes the plan's keys and files (not the folder), going on past failures.
CleanUpResult CarryOutCleanUp(const CleanUpPlan& plan, IKeyTree& tree);

}  // namespace vl
