#include "engine/image/image_preparer.h"

#include "engine/image/image_runtime.h"
#include "engine/image/picture_loader.h"
#include "scene/messages.h"

namespace vl {

ImageRuntime& ImageRuntimeOf(ImageEntry& image) {
    if (auto* runtime = dynamic_cast<ImageRuntime*>(image.runtime.get()))
        return *runtime;
    image.runtime = std::make_unique<ImageRuntime>();
    return static_cast<ImageRuntime&>(*image.runtime);
}

Validation ImagePreparer::PrepareImage(ImageEntry& image) {
    if (image.IsTextObject()) {
        if (renderText_ && renderText_(image))
            return Validation::Pass();
        return Validation::Fail(image.text + msg::kTextBitmapSuffix);
    }
    if (image.data.empty())
        return Validation::Fail(msg::kChooseImage);
    // No detour through a temporary file: the bytes are decoded where they are.
    if (!LoadPictureBytes(ImageRuntimeOf(image).picture, image.data))
        return Validation::Fail(image.fileName + msg::kCannotBeLoadedSuffix);
    return Validation::Pass();
}

}  // namespace vl
