// Loading the options file from its place for this user: the user folder's "vlo.opt", or the one an
// earlier version left in the Windows directory. A missing file leaves the defaults; a short or
// unreadable one gives the defaults and is rewritten with them, in the user folder only.
#pragma once

#include "app/core/user_files.h"
#include "scene/editor_options.h"

namespace vl {

struct OptionsFileLoad {
    OptionsLoadResult result;
    UserFilePaths paths;  // paths.writePath is where the options go when the window closes
};

// The caller has created the user folder (UserFolder), so a restored file can be written there.
OptionsFileLoad LoadOptionsFile(const BuilderFolders& folders);

// Whether a file can be opened for reading.
bool FileReadable(const std::string& path);

}  // namespace vl
