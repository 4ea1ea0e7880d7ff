// The object preparer of the scene check when the engine can draw: pictures are decoded by the
// image library, texts rendered into their text bitmaps.
#pragma once

#include "engine/image/image_preparer.h"

namespace vl {

class EngineObjectPreparer final : public ImagePreparer {
  public:
    EngineObjectPreparer();
};

}  // namespace vl
