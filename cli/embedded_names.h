// Names under which the embedded pictures and media of a scene are written to a folder.
#pragma once

#include <string>
#include <vector>

#include "scene/byte_block.h"
#include "scene/entry.h"
#include "scene/entry_list.h"

namespace vl::cli {

// The picture of a picture Image or the file of a Multimedia; nullptr for any other entry and
// for one without data.
const ByteBlock* EmbeddedData(const SceneEntry& entry);
// The stored file name of such an entry.
const std::string& EmbeddedFileName(const SceneEntry& entry);

// The name kept from a stored file name: its last path component, with control characters,
// characters Windows does not allow in names and bytes above 127 replaced by '_', and trailing
// dots and blanks removed; a device name of Windows (CON, NUL, COM1, ...) gets a leading '_'.
// Empty when nothing usable is left.
std::string SafeFileName(const std::string& stored);

// One name per entry, empty for entries without embedded data. Names are unique without regard
// to case and never equal one of reserved (the JSON file beside them, the file they come from): a
// name already taken gets the entry's index as prefix ("3-a.bmp"); an entry without a usable name
// is called "entry3.bin".
std::vector<std::string> EmbeddedFileNames(const EntryList& entries,
                                           const std::vector<std::string>& reserved);

// The last component of a path.
std::string BaseName(const std::string& path);

}  // namespace vl::cli
