#include "engine/image/core/decoding_preparer.h"

#include "engine/image/core/picture_decoder.h"
#include "scene/messages.h"

namespace vl {

Validation DecodingPreparer::PrepareImage(ImageEntry& image) {
    if (image.IsTextObject() || image.data.empty())
        return PortablePreparer::PrepareImage(image);
    if (verified_ && verified_->Contains(image.data))
        return Validation::Pass();
    DecodedPicture picture;
    if (!DecodePicture(image.data, IconRequest(), picture))
        return Validation::Fail(image.fileName + msg::kCannotBeLoadedSuffix);
    if (verified_)
        verified_->Add(image.data);
    return Validation::Pass();
}

}  // namespace vl
