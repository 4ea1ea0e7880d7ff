// The object preparer of the scene check when the engine can draw: pictures are decoded by the
// image library, texts rendered into their text bitmaps.
#pragma once

#include "engine/image/image_preparer.h"

namespace vl {

class EngineObjectPreparer final : public ImagePreparer {
  public:
    EngineObjectPreparer();
};

// The check before a screen saver plays: texts rendered as above; pictures refused as the
// builder's check refuses them, but a JPEG judged by its header only, for the player decodes
// each picture shortly before it is drawn (PictureLookAhead). A slideshow of many photos thus
// starts at once; the builder's check has decoded them all.
class PlayTimePreparer final : public ObjectPreparer {
  public:
    Validation PrepareImage(ImageEntry& image) override;

  private:
    EngineObjectPreparer texts_;
};

}  // namespace vl
