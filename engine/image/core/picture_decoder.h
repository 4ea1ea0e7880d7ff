// The one decoder of the pictures a scene holds. The builder's check and drawing, the command-line
// tool's check and the fuzzers all go through it, so a picture that one accepts every other
// accepts too, on every platform.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/image/core/icon_pixels.h"
#include "engine/image/picture_format.h"
#include "engine/image/sec_dib.h"
#include "scene/byte_block.h"
#include "scene/portable_preparer.h"

namespace vl {

// The sizes an icon or cursor is shown at and the display's colour depth, which choose the
// image of an icon or cursor file. Without a display, the usual values stand in.
struct IconRequest {
    int iconWidth = 32;
    int iconHeight = 32;
    int cursorWidth = 32;
    int cursorHeight = 32;
    int displayBits = 32;
};

struct DecodedPicture {
    PictureFormat format = PictureFormat::kUnknown;
    // BMP pictures at their own depth; JPEG pictures at 32 bits, the display's layout.
    SECDib image;
    // Icons and cursors: the chosen directory entry and its pixels.
    IconImage chosen;
    IconPixels icon;
};

// Decodes the whole picture. False for an unknown format, a damaged or truncated BMP, icon or
// cursor, a JPEG the decoder refuses (including 12-bit and arithmetic-coded ones, which the
// screen saver's small decoder cannot read) and anything beyond the picture limits.
bool DecodePicture(const ByteBlock& bytes, const IconRequest& request, DecodedPicture& out);

// What DecodePicture would refuse at a glance: a JPEG is judged by its header alone (its pixels
// are the costly part), every other picture is decoded whole.
bool PictureHeaderAccepted(const ByteBlock& bytes, const IconRequest& request);

}  // namespace vl
