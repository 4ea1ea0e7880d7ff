// The builder's packaging commands: the screen saver (".scr") and the installer (".exe") made
// from the open scene, the installer made around a chosen screen saver, and the scene set as the
// system's default screen saver. Each runs modally, tells the user of every outcome through the
// prompt and returns whether it made its file.
//
// Made files appear only when complete: everything is written to a temporary file in the target's
// folder and moved into place at the end, so a failure leaves an existing file of that name as it
// was and no partial file behind.
#pragma once

#include <cstdint>
#include <string>

#include "package/output_file.h"
#include "package/packaging_seams.h"

namespace vl {

class Packager {
  public:
    Packager(PackagingDocument& document, PackagingSystem& system)
        : document_(document), system_(system) {}

    // Command 32791 (askForName true) and message 0x8029 (false: beside the scene file, replacing
    // it without asking). outPath, when given, receives the made file's path; it is left as it
    // was when nothing was made.
    bool MakeScreenSaver(bool askForName, std::string* outPath = nullptr);
    // Command 32873 (askForName true) and message 0x802A.
    bool MakeInstaller(bool askForName);
    // Command 32879: an installer beside a chosen screen-saver file; never replaces a file.
    bool MakeInstallerFromScr();
    // Command 32878: makes the screen saver, copies it into the system folder and opens the
    // display control panel on that copy. When the copy fails the user is told and nothing is
    // started.
    bool SetDefaultScreenSaver();

    // Writes "Custom.BMP" from the builder's folder, without its file header, into the preview
    // slot of the runtime that starts at baseOffset in file. A missing file, one that is not a
    // 96 x 112 256-colour bitmap of the slot's size, or a failed write shows 34039.
    bool InsertCustomImage(OutputFile& file, std::uint64_t baseOffset);

  private:
    // Step 1 and 2 of the scene makers: the saved scene's path, or empty after telling why.
    std::string SavedScenePath();
    bool WriteScreenSaverFile(const std::string& target, const std::string& scenePath);
    bool WriteInstallerFile(const std::string& target, const std::string& scenePath);
    bool CopyIntoSystemFolder(const std::string& made, const std::string& target);

    PackagingDocument& document_;
    PackagingSystem& system_;
};

}  // namespace vl
