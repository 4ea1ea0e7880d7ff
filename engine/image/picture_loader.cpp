#include "engine/image/picture_loader.h"

#include <utility>
#include <vector>

#include "engine/image/byte_order.h"
#include "engine/image/core/picture_decoder.h"
#include "engine/image/image_bitmap.h"
#include "framework/prompt.h"
#include "scene/messages.h"
#include "scene/portable_preparer.h"
#include "engine/image/sec_file_system.h"

namespace vl {
namespace {

IconRequest SystemIconRequest(HDC screen) {
    IconRequest request;
    request.iconWidth = GetSystemMetrics(SM_CXICON);
    request.iconHeight = GetSystemMetrics(SM_CYICON);
    request.cursorWidth = GetSystemMetrics(SM_CXCURSOR);
    request.cursorHeight = GetSystemMetrics(SM_CYCURSOR);
    request.displayBits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    return request;
}

// The icon is made from the decoded pixels (or, for a PNG image, from its checked bytes) at the
// system's size for its kind.
bool SetIcon(PreparedPicture& picture, const DecodedPicture& decoded, const ByteBlock& bytes,
             const IconRequest& request, HDC screen) {
    const bool isCursor = decoded.format == PictureFormat::kCursor;
    const int width = isCursor ? request.cursorWidth : request.iconWidth;
    const int height = isCursor ? request.cursorHeight : request.iconHeight;
    // The system reads a cursor image with its hotspot in front, as cursor resources hold it.
    std::vector<std::uint8_t> resource;
    if (isCursor) {
        AppendLe16(resource, static_cast<std::uint32_t>(decoded.chosen.hotspotX));
        AppendLe16(resource, static_cast<std::uint32_t>(decoded.chosen.hotspotY));
    }
    if (decoded.icon.png) {
        const std::uint8_t* image = bytes.data() + decoded.chosen.offset;
        resource.insert(resource.end(), image, image + decoded.chosen.size);
    } else {
        const std::vector<std::uint8_t> pixels = IconResource(decoded.icon);
        resource.insert(resource.end(), pixels.begin(), pixels.end());
    }
    IconHandle icon(CreateIconFromResourceEx(resource.data(), static_cast<DWORD>(resource.size()),
                                             !isCursor, 0x00030000, width, height,
                                             LR_DEFAULTCOLOR));
    if (!icon)
        return false;
    // The bitmap's content is undefined: the icon is painted into it at every draw.
    BitmapHandle bitmap(CreateCompatibleBitmap(screen, width, height));
    if (!bitmap)
        return false;
    picture.Set(std::move(bitmap), std::move(icon), width, height);
    return true;
}

// screenWidth and screenHeight: 0, or the screen a picture larger than it is stretched over.
bool LoadDecoded(PreparedPicture& picture, const ByteBlock& stored, bool iconsOnly,
                 int screenWidth = 0, int screenHeight = 0) {
    // Held only while this picture is made.
    const ByteBlock bytes = stored.Plain();
    WindowDc screen(nullptr);
    if (!screen)
        return false;
    const IconRequest request = SystemIconRequest(screen.Get());
    DecodedPicture decoded;
    if (!DecodePicture(bytes, request, decoded))
        return false;
    if (decoded.format == PictureFormat::kIcon || decoded.format == PictureFormat::kCursor)
        return SetIcon(picture, decoded, bytes, request, screen.Get());
    if (iconsOnly)
        return false;
    const SECImage& image = decoded.image;
    if (screenWidth > 0 && screenHeight > 0 && image.Width() >= screenWidth &&
        image.Height() >= screenHeight) {
        BitmapHandle bitmap = CreateStretchedBitmapFromImage(image, screenWidth, screenHeight);
        if (!bitmap)
            return false;
        picture.Set(std::move(bitmap), IconHandle(), screenWidth, screenHeight);
        return true;
    }
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
    return LoadDecoded(picture, bytes, false);
}

bool LoadPictureBytesForScreen(PreparedPicture& picture, const ByteBlock& bytes, int screenWidth,
                               int screenHeight) {
    return LoadDecoded(picture, bytes, false, screenWidth, screenHeight);
}

bool LoadIconOrCursorBytes(PreparedPicture& picture, const ByteBlock& bytes) {
    return LoadDecoded(picture, bytes, true);
}

int LoadPicture(PreparedPicture& picture, const std::string& fileName) {
    return LoadFile(picture, fileName, LoadPictureBytes);
}

int LoadIconOrCursor(PreparedPicture& picture, const std::string& fileName) {
    return LoadFile(picture, fileName, LoadIconOrCursorBytes);
}

}  // namespace vl
