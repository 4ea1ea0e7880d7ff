// Writing made screen savers and installers (their layout: fixed_images.h).
//
// Screen saver (".scr"): the runtime image with its PreviewBitmapSlot replaced by the custom
// image when one is used, the lead word 1, then the saved scene file byte for byte up to the end
// of the file.
// Installer (".exe"): the stub image followed by a complete screen saver, or by a chosen
// screen-saver file unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "package/output_file.h"
#include "package/fixed_images.h"

namespace vl {

// The custom preview picture: a BMP file of 96 x 112 pixels with 256 colours, whose bytes after
// the 14-byte file header are exactly the slot.
inline constexpr std::uint32_t kBmpFileHeaderSize = 14;
inline constexpr std::uint32_t kCustomImageFileSize = kBmpFileHeaderSize + PreviewBitmapSlot::kSize;
inline constexpr std::int32_t kPreviewWidth = 96;
inline constexpr std::int32_t kPreviewHeight = 112;

struct ByteView {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;

    bool empty() const { return size == 0; }
};

inline ByteView ViewOf(const std::vector<std::uint8_t>& bytes) {
    return {bytes.data(), bytes.size()};
}

// The programs read their payload at their own image size, so an image of any other size would
// make a file that cannot work.
bool IsRuntimeImage(ByteView image);
bool IsStubImage(ByteView image);

// Whether file is a BMP file that fits the slot exactly: 11,830 bytes, "BM", pixel data right
// after a 256-entry palette, a 40-byte info header of 96 x 112 (bottom-up), one plane, 8 bits,
// uncompressed, 0 or 256 colours used. Anything else could spill over the slot or be read as
// garbage by the runtime, so it is refused.
bool IsSlotImage(ByteView file);

// The runtime image, whole. False when it is not IsRuntimeImage or a write fails.
bool WriteRuntimeImage(OutputFile& out, ByteView runtimeImage);

// The stub image and, unless stubOnly, the runtime image after it. False when either image is
// missing or of the wrong size (even with stubOnly: an installer needs both) or a write fails.
bool WriteInstallerImage(OutputFile& out, ByteView stubImage, ByteView runtimeImage, bool stubOnly);

// Appends the lead word 1 and then the scene file's bytes.
bool AppendScenePayload(OutputFile& out, ByteView sceneFile);

// Writes the custom image file's bytes after its 14-byte header into the slot of the runtime that
// starts at baseOffset (0 in a screen saver, the stub's size in an installer). Refuses, writing
// nothing, an image that is not IsSlotImage or a slot that lies beyond what was written.
bool WritePreviewSlot(OutputFile& out, std::uint64_t baseOffset, ByteView customImageFile);

// A whole screen saver in one go, as the command-line tool makes it: customImageFile may be
// empty (the runtime's own preview stays); it must otherwise pass IsSlotImage.
bool WriteScreenSaver(OutputFile& out, ByteView runtimeImage, ByteView sceneFile,
                      ByteView customImageFile);

// The same preceded by the stub: an installer made from a scene.
bool WriteInstaller(OutputFile& out, ByteView stubImage, ByteView runtimeImage, ByteView sceneFile,
                    ByteView customImageFile);

// An installer made from a chosen screen-saver file: the stub, then that file unchanged.
bool WriteInstallerFromScr(OutputFile& out, ByteView stubImage, ByteView runtimeImage,
                           ByteView screenSaverFile);

}  // namespace vl
