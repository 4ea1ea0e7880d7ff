// Which kind of media a chosen file holds: an AVI video when its extension is "avi" in any case,
// otherwise a sound.
#pragma once

#include <cstdint>
#include <string_view>

namespace vl {

// MultimediaEntry::kTypeAvi (1) or MultimediaEntry::kTypeOther (0). The extension is what follows
// the last dot of the file name (the part after the last backslash or slash).
std::int32_t MediaTypeOfFile(std::string_view path);

}  // namespace vl
