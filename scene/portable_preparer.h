// Preparing objects without drawing: used where no engine exists (the command-line tool, tests).
// It refuses exactly what can be told from the bytes alone and accepts the rest.
#pragma once

#include <string_view>

#include "scene/byte_block.h"
#include "scene/entries.h"

namespace vl {

enum class PictureFormat { kUnknown, kBitmap, kJpeg, kIcon, kCursor };

// "BM" a bitmap, FF D8 FF a JPEG (JFIF, Exif or any other), 00 00 01 00 an icon, 00 00 02 00 a
// cursor.
PictureFormat DetectPictureFormat(const ByteBlock& bytes);

// Whether a text bitmap can get a width: false for an empty text or one made only of line breaks.
// Lines may end in CR LF, a bare LF or a bare CR; no line loses a character to its break, so the
// same rule holds as when the engine renders the text.
bool HasMeasurableText(std::string_view text);

class PortablePreparer : public ObjectPreparer {
  public:
    // Text objects: refused (text + "\ntext bitmap cannot be made.") when not measurable.
    // Pictures: refused without data ("You have to choose the image.") and when the bytes are
    // no known picture (file name + "\ncannot be loaded.").
    Validation PrepareImage(ImageEntry& image) override;
};

}  // namespace vl
