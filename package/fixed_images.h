// The fixed program images and where a made file puts everything around them. Glint and Ferrule
// find their payloads at their own image sizes and the builder writes the files by the same
// numbers, so these are the only place they are written: the build reads them from here (see
// cmake/FixedImage.cmake) and links both programs to exactly these sizes.
//
//     screen saver: Glint's image, the lead word, the saved scene file to the end
//     installer:    Ferrule's image, then a whole screen saver
//
// Header only and free of the C++ library, so that Ferrule can use it too.
#pragma once

#include <cstdint>

namespace vl {

// Glint's image: a screen saver's payload starts right after it.
inline constexpr std::uint32_t kRuntimeImageSize = 339968;
// Ferrule's image: an installer's screen saver starts right after it.
inline constexpr std::uint32_t kStubImageSize = 143360;

// The data of Glint's preview bitmap resource (96 x 112 pixels, 256 colours, without the BMP
// file header: 40-byte info header, 1,024-byte palette, bottom-up rows) sits at this place of its
// image, so that the builder can put a custom picture there without parsing the program.
struct PreviewBitmapSlot {
    static constexpr std::uint32_t kOffset = 313432;
    static constexpr std::uint32_t kSize = 11816;
};

// The payload's lead word, always 1, before the scene.
inline constexpr std::uint32_t kScenePayloadLeadWord = 1;
inline constexpr std::uint32_t kLeadWordSize = 4;
inline constexpr std::uint32_t kScreenSaverSceneOffset = kRuntimeImageSize + kLeadWordSize;

// The same places inside an installer made from a scene.
inline constexpr std::uint32_t kInstallerPreviewSlotOffset =
    kStubImageSize + PreviewBitmapSlot::kOffset;
inline constexpr std::uint32_t kInstallerSceneOffset = kStubImageSize + kScreenSaverSceneOffset;

}  // namespace vl
