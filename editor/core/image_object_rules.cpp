#include "editor/core/image_object_rules.h"

#include <utility>

#include "framework/prompt.h"

namespace vl {

ImageObjectControls ImageObjectControlsFor(bool textMode, bool yourColour) {
    ImageObjectControls controls;
    controls.text = textMode;
    controls.transparent = textMode;
    controls.colour = textMode && yourColour;
    controls.desktop = !textMode;
    controls.name = !textMode;
    controls.pictureButton = textMode ? kFontButton : kImageButton;
    return controls;
}

void TakePictureFile(ImageEntry& image, const std::string& path, ByteBlock bytes) {
    image.fileName = FileNamePart(path);
    image.data = std::move(bytes);
    image.source = kSourceFile;
}

void TakeDesktopPicture(ImageEntry& image, std::int32_t source, ByteBlock bytes) {
    image.fileName = source == kSourceWallpaper ? kWallpaperPictureName : kDesktopPictureName;
    image.data = std::move(bytes);
    image.source = source;
}

}  // namespace vl
