#include "engine/image/picture_loader.h"

#include <utility>
#include <vector>

#include "engine/image/image_bitmap.h"
#include "engine/image/jpeg_codec.h"
#include "engine/image/picture_format.h"
#include "framework/prompt.h"
#include "scene/messages.h"
#include "scene/portable_preparer.h"
#include "engine/image/sec_dib.h"
#include "engine/image/sec_file_system.h"

namespace vl {
namespace {

bool LoadImageBytes(PreparedPicture& picture, const ByteBlock& bytes, bool jpeg) {
    SECDib image;
    const bool decoded = jpeg ? DecodeJpegForDisplay(bytes.data(), bytes.size(), image)
                              : image.Load(bytes.data(), bytes.size());
    if (!decoded)
        return false;
    BitmapHandle bitmap = CreateBitmapFromImage(image);
    if (!bitmap)
        return false;
    picture.Set(std::move(bitmap), IconHandle(), image.Width(), image.Height());
    return true;
}

// Reads the whole file and hands it to load; a failure of either is reported once.
int LoadFile(PreparedPicture& picture, const std::string& fileName,
             bool (*load)(PreparedPicture&, const ByteBlock&)) {
    std::vector<std::uint8_t> bytes;
    if (!SECFileSystem::ReadFileBytes(fileName, bytes) ||
        !load(picture, ByteBlock::Adopt(std::move(bytes)))) {
        CurrentPrompt().Message(fileName + msg::kCannotBeLoadedSuffix, MessageIcon::Stop);
        return 0;
    }
    return 1;
}

}  // namespace

bool LoadPictureBytes(PreparedPicture& picture, const ByteBlock& bytes) {
    switch (DetectPictureFormat(bytes)) {
        case PictureFormat::kJpeg:
            return LoadImageBytes(picture, bytes, true);
        case PictureFormat::kBitmap:
            return LoadImageBytes(picture, bytes, false);
        case PictureFormat::kIcon:
        case PictureFormat::kCursor:
            return LoadIconOrCursorBytes(picture, bytes);
        default:
            return false;
    }
}

bool LoadIconOrCursorBytes(PreparedPicture& picture, const ByteBlock& bytes) {
    const std::uint8_t* data = bytes.data();
    const std::size_t size = bytes.size();
    bool isCursor = false;
    std::vector<IconImage> images;
    if (!ParseIconDirectory(data, size, isCursor, images))
        return false;
    const int width = GetSystemMetrics(isCursor ? SM_CXCURSOR : SM_CXICON);
    const int height = GetSystemMetrics(isCursor ? SM_CYCURSOR : SM_CYICON);
    WindowDc screen(nullptr);
    if (!screen)
        return false;
    const int displayBits =
        GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES);
    const int chosen = ChooseIconImage(images, width, height, displayBits);
    if (chosen < 0)
        return false;
    const IconImage& image = images[chosen];

    // The system reads a cursor image with its hotspot in front, as cursor resources hold it.
    std::vector<std::uint8_t> resource;
    if (isCursor) {
        resource.push_back(static_cast<std::uint8_t>(image.hotspotX));
        resource.push_back(static_cast<std::uint8_t>(image.hotspotX >> 8));
        resource.push_back(static_cast<std::uint8_t>(image.hotspotY));
        resource.push_back(static_cast<std::uint8_t>(image.hotspotY >> 8));
    }
    resource.insert(resource.end(), data + image.offset, data + image.offset + image.size);
    IconHandle icon(CreateIconFromResourceEx(resource.data(), static_cast<DWORD>(resource.size()),
                                             !isCursor, 0x00030000, width, height,
                                             LR_DEFAULTCOLOR));
    if (!icon)
        return false;
    // The bitmap's content is undefined: the icon is painted into it at every draw.
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!bitmap)
        return false;
    picture.Set(std::move(bitmap), std::move(icon), width, height);
    return true;
}

int LoadPicture(PreparedPicture& picture, const std::string& fileName) {
    return LoadFile(picture, fileName, LoadPictureBytes);
}

int LoadIconOrCursor(PreparedPicture& picture, const std::string& fileName) {
    return LoadFile(picture, fileName, LoadIconOrCursorBytes);
}

}  // namespace vl
