// The payload in Glint's own file.
#pragma once

#include <string>

#include "scene/byte_stream.h"

namespace vl {

// Everything from the payload offset to the end of the file at path, mapped for reading, not
// read: the scene reader then leaves picture blocks where they lie, and a slideshow of many
// photos plays without its photos ever being in memory together. The file stays open, and
// closed to writers, until the last block is gone. Null when the file cannot be opened or
// mapped, or ends before the offset.
SharedBytes MapPayloadBytes(const std::string& path);

}  // namespace vl
