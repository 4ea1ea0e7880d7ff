// Reading the payload out of Glint's own file.
#pragma once

#include <string>

#include "scene/byte_stream.h"

namespace vl {

// Everything from the payload offset to the end of the file at path (opened for reading, sharing
// reads); null when the file cannot be opened or read, or ends before the offset.
SharedBytes ReadPayloadBytes(const std::string& path);

}  // namespace vl
