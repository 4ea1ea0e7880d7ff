#include "engine/image/core/picture_decoder.h"

#include <vector>

#include "engine/image/jpeg_codec.h"

namespace vl {
namespace {

// Camera photos carry their EXIF and colour profile before the frame header: 64 KB each at most.
constexpr std::size_t kJpegHeaderLook = 256 * 1024;

bool DecodeIconOrCursor(const std::uint8_t* data, std::size_t size, const IconRequest& request,
                        DecodedPicture& out) {
    bool isCursor = false;
    std::vector<IconImage> images;
    if (!ParseIconDirectory(data, size, isCursor, images))
        return false;
    // The directory's own type decides, whatever the first bytes suggested.
    out.format = isCursor ? PictureFormat::kCursor : PictureFormat::kIcon;
    const int chosen =
        ChooseIconImage(images, isCursor ? request.cursorWidth : request.iconWidth,
                        isCursor ? request.cursorHeight : request.iconHeight, request.displayBits);
    if (chosen < 0)
        return false;
    out.chosen = images[chosen];
    return DecodeIconImage(data + out.chosen.offset, out.chosen.size, out.icon);
}

}  // namespace

bool DecodePicture(const ByteBlock& stored, const IconRequest& request, DecodedPicture& out) {
    out = DecodedPicture();
    // Held only while this picture is decoded.
    const ByteBlock bytes = stored.Plain();
    out.format = DetectPictureFormat(bytes);
    bool decoded = false;
    switch (out.format) {
        case PictureFormat::kJpeg:
            decoded = DecodeJpegForDisplay(bytes.data(), bytes.size(), out.image);
            break;
        case PictureFormat::kBitmap:
            decoded = out.image.Load(bytes.data(), bytes.size());
            break;
        case PictureFormat::kIcon:
        case PictureFormat::kCursor:
            decoded = DecodeIconOrCursor(bytes.data(), bytes.size(), request, out);
            break;
        default:
            break;
    }
    if (!decoded) {
        out.image.Clear();
        out.icon = IconPixels();
    }
    return decoded;
}

bool PictureHeaderAccepted(const ByteBlock& bytes, const IconRequest& request) {
    if (DetectPictureFormat(bytes) == PictureFormat::kJpeg) {
        // A photo's header is in its first bytes, however large the photo: a block kept
        // scrambled in its file is restored only that far, unless the header runs on.
        const ByteBlock head = bytes.PlainPrefix(kJpegHeaderLook);
        if (JpegHeaderAccepted(head.data(), head.size()))
            return true;
        if (head.size() == bytes.size())
            return false;
        const ByteBlock whole = bytes.Plain();
        return JpegHeaderAccepted(whole.data(), whole.size());
    }
    DecodedPicture picture;
    return DecodePicture(bytes, request, picture);
}

}  // namespace vl
