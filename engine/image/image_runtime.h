// What an Image entry holds for the display while a scene is checked and played: its prepared
// picture. Further per-object display state belongs here too.
#pragma once

#include "engine/image/prepared_picture.h"
#include "scene/entries.h"

namespace vl {

class ImageRuntime : public EntryRuntime {
  public:
    PreparedPicture picture;
};

// The entry's display state, made on first use (replacing run-time state of another kind).
ImageRuntime& ImageRuntimeOf(ImageEntry& image);

}  // namespace vl
