// The finished Windows programs the command-line tool carries, so that it makes screen savers and
// installers byte for byte as the builder does, on any system: Glint's and Ferrule's images of
// the 32-bit release (x86) and of the 64-bit build (x64).
#pragma once

#include <string>

#include "package/package_layout.h"

namespace vl {

enum class Architecture { kX86, kX64 };

struct ProgramImages {
    ByteView runtime;  // Glint.scr
    ByteView stub;     // Ferrule.exe

    // Both present and of their fixed sizes.
    bool Complete() const { return IsRuntimeImage(runtime) && IsStubImage(stub); }
};

// The images built into this tool; incomplete when the build did not find them.
ProgramImages CarriedImages(Architecture architecture);

// "x86" or "x64".
const char* ArchitectureName(Architecture architecture);
// False for anything but "x86" and "x64".
bool ParseArchitecture(const std::string& text, Architecture& architecture);

}  // namespace vl
