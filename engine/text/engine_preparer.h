// The object preparer of the scene check when the engine can draw: pictures are decoded by the
// image library, texts rendered into their text bitmaps.
#pragma once

#include "engine/image/core/decoding_preparer.h"
#include "engine/image/image_preparer.h"

namespace vl {

class EngineObjectPreparer final : public ImagePreparer {
  public:
    EngineObjectPreparer();
};

// The builder's check before a preview and before making a screen saver or an installer: texts
// rendered as above, every picture decoded whole, as the player will decode it, then dropped; a
// picture block that decoded before in this session is not decoded again. The
// preview prepares the pictures again on its way (PictureLookAhead), so neither the check nor the
// preview holds every picture of a slideshow at once.
class DecodingEnginePreparer final : public ObjectPreparer {
  public:
    // `verified`: the pictures that decoded earlier in this session, passed without decoding.
    explicit DecodingEnginePreparer(VerifiedPictures* verified = nullptr) : pictures_(verified) {}

    Validation PrepareImage(ImageEntry& image) override {
        return image.IsTextObject() ? texts_.PrepareImage(image) : pictures_.PrepareImage(image);
    }

  private:
    EngineObjectPreparer texts_;
    DecodingPreparer pictures_;
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
