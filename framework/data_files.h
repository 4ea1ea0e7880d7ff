// The two helpers through which a data block of a scene meets the disk: a whole file read into
// memory (a picture or media file being chosen) and a block written out to a temporary file (a
// video that the media player can only open by name). Both tell the user of a failure through the
// prompt and return it as a value.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "scene/messages.h"

namespace vl {

struct FileBlock {
    bool read = false;  // false: nothing was read, bytes is empty
    std::vector<std::uint8_t> bytes;
};

// Opens the file for reading without sharing and reads all of it in one read. On any failure
// (missing, locked, too large for memory, short read) shows the path followed by
// "\nCannot be read data." and returns an unread block.
FileBlock ReadWholeFile(const std::string& path);

// Writes the block to a new file "Ssd....tmp" in the temporary folder and returns its path; the
// caller owns the file and deletes it. On failure nothing is left on disk, "It cannot be made
// data file." is shown and the result is empty.
std::string WriteTempDataFile(const void* data, std::size_t size);

}  // namespace vl
