#include "package/package_layout.h"

namespace vl {
namespace {

std::uint32_t Word16(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8;
}

std::uint32_t Word32(const std::uint8_t* p) {
    return Word16(p) | Word16(p + 2) << 16;
}

// Offsets inside the BMP file (file header, then BITMAPINFOHEADER).
constexpr std::size_t kOffBits = 10;
constexpr std::size_t kInfoSize = 14;
constexpr std::size_t kWidth = 18;
constexpr std::size_t kHeight = 22;
constexpr std::size_t kPlanes = 26;
constexpr std::size_t kBitCount = 28;
constexpr std::size_t kCompression = 30;
constexpr std::size_t kColoursUsed = 46;

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 256 * 4;

}  // namespace

bool IsRuntimeImage(ByteView image) {
    return image.data && image.size == kRuntimeImageSize;
}

bool IsStubImage(ByteView image) {
    return image.data && image.size == kStubImageSize;
}

bool IsSlotImage(ByteView file) {
    if (file.size != kCustomImageFileSize || !file.data)
        return false;
    const std::uint8_t* p = file.data;
    if (p[0] != 'B' || p[1] != 'M')
        return false;
    const std::uint32_t coloursUsed = Word32(p + kColoursUsed);
    return Word32(p + kOffBits) == kBmpFileHeaderSize + kInfoHeaderSize + kPaletteSize &&
           Word32(p + kInfoSize) == kInfoHeaderSize &&
           Word32(p + kWidth) == static_cast<std::uint32_t>(kPreviewWidth) &&
           Word32(p + kHeight) == static_cast<std::uint32_t>(kPreviewHeight) &&
           Word16(p + kPlanes) == 1 && Word16(p + kBitCount) == 8 &&
           Word32(p + kCompression) == 0 && (coloursUsed == 0 || coloursUsed == 256);
}

bool WriteRuntimeImage(OutputFile& out, ByteView runtimeImage) {
    return IsRuntimeImage(runtimeImage) && out.Append(runtimeImage.data, runtimeImage.size);
}

bool WriteInstallerImage(OutputFile& out, ByteView stubImage, ByteView runtimeImage,
                         bool stubOnly) {
    if (!IsStubImage(stubImage) || !IsRuntimeImage(runtimeImage))
        return false;
    if (!out.Append(stubImage.data, stubImage.size))
        return false;
    return stubOnly || out.Append(runtimeImage.data, runtimeImage.size);
}

bool AppendScenePayload(OutputFile& out, ByteView sceneFile) {
    const std::uint8_t lead[kLeadWordSize] = {static_cast<std::uint8_t>(kScenePayloadLeadWord), 0,
                                              0, 0};
    if (!out.Append(lead, sizeof(lead)))
        return false;
    return sceneFile.empty() || out.Append(sceneFile.data, sceneFile.size);
}

bool WritePreviewSlot(OutputFile& out, std::uint64_t baseOffset, ByteView customImageFile) {
    if (!IsSlotImage(customImageFile))
        return false;
    const std::uint64_t at = baseOffset + PreviewBitmapSlot::kOffset;
    if (at + PreviewBitmapSlot::kSize > out.Size())
        return false;
    return out.WriteAt(at, customImageFile.data + kBmpFileHeaderSize, PreviewBitmapSlot::kSize);
}

bool WriteScreenSaver(OutputFile& out, ByteView runtimeImage, ByteView sceneFile,
                      ByteView customImageFile) {
    if (!customImageFile.empty() && !IsSlotImage(customImageFile))
        return false;
    const std::uint64_t base = out.Size();
    if (!WriteRuntimeImage(out, runtimeImage) || !AppendScenePayload(out, sceneFile))
        return false;
    return customImageFile.empty() || WritePreviewSlot(out, base, customImageFile);
}

bool WriteInstaller(OutputFile& out, ByteView stubImage, ByteView runtimeImage, ByteView sceneFile,
                    ByteView customImageFile) {
    if (!IsStubImage(stubImage) || !IsRuntimeImage(runtimeImage))
        return false;
    return out.Append(stubImage.data, stubImage.size) &&
           WriteScreenSaver(out, runtimeImage, sceneFile, customImageFile);
}

bool WriteInstallerFromScr(OutputFile& out, ByteView stubImage, ByteView runtimeImage,
                           ByteView screenSaverFile) {
    if (!WriteInstallerImage(out, stubImage, runtimeImage, true))
        return false;
    return screenSaverFile.empty() || out.Append(screenSaverFile.data, screenSaverFile.size);
}

}  // namespace vl
