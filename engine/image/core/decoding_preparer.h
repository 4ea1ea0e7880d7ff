// The scene check where nothing is drawn (the command-line tool): texts as the portable check
// judges them, pictures fully decoded by the same decoder the builder draws from, so both refuse
// the same first line with the same message.
#pragma once

#include "engine/image/core/verified_pictures.h"
#include "scene/portable_preparer.h"

namespace vl {

class DecodingPreparer : public PortablePreparer {
  public:
    // With `verified`, a picture block that decoded before is passed without decoding again, and
    // every block that decodes is remembered there. Failures are never remembered.
    explicit DecodingPreparer(VerifiedPictures* verified = nullptr) : verified_(verified) {}

    // Pictures: refused without data ("You have to choose the image.") and when they do not
    // decode (file name + "\ncannot be loaded."). Icons and cursors are judged at the usual
    // 32 x 32 on a 32-bit display.
    Validation PrepareImage(ImageEntry& image) override;

  private:
    VerifiedPictures* verified_;  // not owned; may be null
};

}  // namespace vl
