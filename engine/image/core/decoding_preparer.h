// The scene check where nothing is drawn (the command-line tool): texts as the portable check
// judges them, pictures fully decoded by the same decoder the builder draws from, so both refuse
// the same first line with the same message.
#pragma once

#include "scene/portable_preparer.h"

namespace vl {

class DecodingPreparer : public PortablePreparer {
  public:
    // Pictures: refused without data ("You have to choose the image.") and when they do not
    // decode (file name + "\ncannot be loaded."). Icons and cursors are judged at the usual
    // 32 x 32 on a 32-bit display.
    Validation PrepareImage(ImageEntry& image) override;
};

}  // namespace vl
