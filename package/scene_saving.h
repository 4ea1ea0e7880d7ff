// Saving a scene file so that it appears, or replaces the old one, only once it is complete: the
// builder's Save and the command-line tool write scenes this one way, byte for byte alike.
#pragma once

#include <string>

#include "scene/entry_list.h"

namespace vl {

// Streams entries as a version 2.2 scene file into path. A failed write (a full disk) leaves the
// old file as it was, even when it is the very scene that was read.
bool SaveSceneAtomically(EntryList& entries, const std::string& path);

}  // namespace vl
