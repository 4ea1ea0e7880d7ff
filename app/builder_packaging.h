// The packaging commands' view of Windows as the builder has it: whether its settings ask for
// the custom preview picture, and the folder that picture is read from (the user's own folder,
// or the program's folder where an earlier version kept it).
#pragma once

#include "app/core/settings_store.h"
#include "app/core/user_files.h"
#include "package/win32_packaging_system.h"

namespace vl {

class BuilderPackagingSystem final : public Win32PackagingSystem {
  public:
    BuilderPackagingSystem(const ISettingsStore& settings, BuilderFolders folders)
        : settings_(settings), folders_(std::move(folders)) {}

    bool CustomImageEnabled() override;
    std::string CustomImageFolder() override;

  private:
    const ISettingsStore& settings_;
    BuilderFolders folders_;
};

}  // namespace vl
