// The payload of a made screen saver: what follows Glint's own image (kRuntimeImageSize bytes)
// in its file: the lead word (32 bits, always 1; kept, never acted on), then the scene file,
// exactly as the builder saved it, to the end of the file.
#pragma once

#include <cstddef>
#include <cstdint>

#include "package/fixed_images.h"
#include "scene/byte_stream.h"
#include "scene/entry_list.h"

namespace vl {

struct ScenePayload {
    std::uint32_t leadWord = 0;
};

// Reads the payload that fills `bytes` (everything from the payload offset to the end of the
// file) into entries. False, with entries empty, when there is no payload: fewer bytes than the
// lead word, nothing after it, or a scene the reader refuses or finds malformed. The entries'
// picture and media blocks share `bytes`.
bool ReadScenePayload(SharedBytes bytes, EntryList& entries, ScenePayload& payload);

}  // namespace vl
