// Choosing the file of a Multimedia object.
#pragma once

#include <string>

#include "scene/entries.h"

namespace vl {

// Releases the object's previous bytes and reads the whole file into it (ReadWholeFile, which
// tells the user of a failure). On success also sets the display name (the shell's, or the file
// part of the path) and the kind (an AVI video by the extension). Returns 0 when the file could
// not be read, which leaves the object without data.
int SetMedia(MultimediaEntry& media, const std::string& fileName);

}  // namespace vl
