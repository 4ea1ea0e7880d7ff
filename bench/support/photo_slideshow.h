// The slideshow of camera photos that the screen-saver and preview benchmarks play: N JPEGs of
// 4000 x 3000 (12 MP), each shown with Stretch and followed by a Wait, each with a uniform patch in
// its middle, so that the stretched photo shows its own colour at the centre of any screen.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "bench/support/screen_photos.h"
#include "scene/entries.h"
#include "scene/entry_list.h"

namespace vl_bench {

inline constexpr int kPhotoWidth = 4000;
inline constexpr int kPhotoHeight = 3000;
inline constexpr int kSlideWaitMs = 1000;

// Photo k's patch colour: five levels a channel, 40 apart, so no two photos look alike.
inline COLORREF PatchColour(int k) {
    const auto level = [](int value) { return static_cast<BYTE>(30 + 40 * (value % 5)); };
    return RGB(level(k), level(k / 5), level(k / 25));
}

inline vl::ByteBlock MakePhoto(int k) {
    constexpr int kPatchWidth = 1200;
    constexpr int kPatchHeight = 900;
    const RECT patch{(kPhotoWidth - kPatchWidth) / 2, (kPhotoHeight - kPatchHeight) / 2,
                     (kPhotoWidth + kPatchWidth) / 2, (kPhotoHeight + kPatchHeight) / 2};
    return vl::ByteBlock::Adopt(TexturedJpeg(
        kPhotoWidth, kPhotoHeight, 12345u + static_cast<unsigned>(k), patch, PatchColour(k)));
}

// Images 1..count (sharing the photos' bytes), then Show k (Stretch) and Wait for each in turn.
inline void AppendSlideshow(vl::EntryList& entries, const std::vector<vl::ByteBlock>& photos,
                            int count) {
    std::vector<vl::ImageEntry*> objects;
    for (int k = 0; k < count; ++k) {
        auto image = std::make_unique<vl::ImageEntry>();
        image->fileName = "photo" + std::to_string(k + 1) + ".jpg";
        image->data = photos[k];
        objects.push_back(image.get());
        entries.Append(std::move(image));
    }
    for (int k = 0; k < count; ++k) {
        auto show = std::make_unique<vl::ShowEntry>();
        show->SetObject(objects[k]);
        show->params.motion.effect = vl::kEffectStretch;
        entries.Append(std::move(show));
        auto wait = std::make_unique<vl::WaitEntry>();
        wait->duration.milliseconds = kSlideWaitMs;
        entries.Append(std::move(wait));
    }
}

}  // namespace vl_bench
