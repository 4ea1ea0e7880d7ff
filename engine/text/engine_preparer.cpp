#include "engine/text/engine_preparer.h"

#include "engine/image/core/picture_decoder.h"
#include "engine/text/text_bitmap.h"
#include "scene/messages.h"

namespace vl {

EngineObjectPreparer::EngineObjectPreparer()
    : ImagePreparer([](ImageEntry& image) { return RenderText(image); }) {}

Validation PlayTimePreparer::PrepareImage(ImageEntry& image) {
    if (image.IsTextObject())
        return texts_.PrepareImage(image);
    if (image.data.empty())
        return Validation::Fail(msg::kChooseImage);
    // Icons and cursors are judged at the usual size; they are small, whatever size is chosen.
    if (!PictureHeaderAccepted(image.data, IconRequest()))
        return Validation::Fail(image.fileName + msg::kCannotBeLoadedSuffix);
    return Validation::Pass();
}

}  // namespace vl
