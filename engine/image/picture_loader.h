// Turning picture bytes (BMP, JPEG of any flavour, icon, cursor) into a prepared picture. All
// decoding happens in memory: loading never writes or deletes a file. A failure leaves the
// previous picture in place.
#pragma once

#include <string>

#include "engine/image/prepared_picture.h"
#include "scene/byte_block.h"

namespace vl {

// The decoding behind LoadPicture and PrepareObject; shows nothing.
bool LoadPictureBytes(PreparedPicture& picture, const ByteBlock& bytes);
// The same for a picture that is only ever drawn stretched over a screen of `screen` pixels: one
// larger than that screen both ways is kept at the screen's size, stretched as the drawing would
// stretch it, so it draws the same and holds a fraction of the memory. Shows nothing.
bool LoadPictureBytesForScreen(PreparedPicture& picture, const ByteBlock& bytes, int screenWidth,
                               int screenHeight);
// Icons get a bitmap of the system's icon size, cursors one of its cursor size, whatever sizes
// the file holds; the icon is kept for drawing. Shows nothing.
bool LoadIconOrCursorBytes(PreparedPicture& picture, const ByteBlock& bytes);

// The same from a file. A failure is reported once, as the file name followed by
// "\ncannot be loaded.", and gives 0; success gives 1.
int LoadPicture(PreparedPicture& picture, const std::string& fileName);
int LoadIconOrCursor(PreparedPicture& picture, const std::string& fileName);

}  // namespace vl
