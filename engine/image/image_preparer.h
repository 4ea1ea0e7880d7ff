// PrepareObject: the display side of checking an Image entry. ImageEntry::Validate has already
// passed over deactivated objects, refused one without text or picture bytes and marks the
// object not shown; this builds the bitmap the player draws.
#pragma once

#include <functional>

#include "scene/entries.h"

namespace vl {

class ImagePreparer : public ObjectPreparer {
  public:
    // Renders a text object into its bitmap; false when the bitmap cannot be made.
    using TextRenderer = std::function<bool(ImageEntry&)>;

    explicit ImagePreparer(TextRenderer renderText) : renderText_(std::move(renderText)) {}

    // A text gets its text bitmap (failing with the text and "\ntext bitmap cannot be made."); a
    // picture is decoded straight from the entry's bytes (failing with its file name and
    // "\ncannot be loaded."). The previous bitmap stays when loading fails.
    Validation PrepareImage(ImageEntry& image) override;

  private:
    TextRenderer renderText_;
};

}  // namespace vl
