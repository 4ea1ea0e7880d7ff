#include "scene/portable_preparer.h"

#include "scene/messages.h"

namespace vl {

PictureFormat DetectPictureFormat(const ByteBlock& bytes) {
    const ByteBlock head = bytes.PlainPrefix(4);
    const std::uint8_t* b = head.data();
    const std::size_t size = head.size();
    if (size >= 2 && b[0] == 'B' && b[1] == 'M') {
        return PictureFormat::kBitmap;
    }
    if (size >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) {
        return PictureFormat::kJpeg;
    }
    if (size >= 4 && b[0] == 0 && b[1] == 0 && b[3] == 0) {
        if (b[2] == 1) {
            return PictureFormat::kIcon;
        }
        if (b[2] == 2) {
            return PictureFormat::kCursor;
        }
    }
    return PictureFormat::kUnknown;
}

bool HasMeasurableText(std::string_view text) {
    return text.find_first_not_of("\r\n") != std::string_view::npos;
}

Validation PortablePreparer::PrepareImage(ImageEntry& image) {
    if (image.IsTextObject()) {
        if (!HasMeasurableText(image.text)) {
            return Validation::Fail(image.text + msg::kTextBitmapSuffix);
        }
        return Validation::Pass();
    }
    if (image.data.empty()) {
        return Validation::Fail(msg::kChooseImage);
    }
    if (DetectPictureFormat(image.data) == PictureFormat::kUnknown) {
        return Validation::Fail(image.fileName + msg::kCannotBeLoadedSuffix);
    }
    return Validation::Pass();
}

}  // namespace vl
