#include "engine/draw/draw_target.h"

namespace vl {

void DrawTarget::Present() const {
    GdiFlush();
    // A look at this thread's (empty) queue without waiting: Wine copies every pending window
    // surface of the process to the screen there; Windows returns at once.
    MsgWaitForMultipleObjectsEx(0, nullptr, 0, QS_ALLINPUT, 0);
}

Size DrawTarget::ScreenSizeOf(HDC dc) {
    return {GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)};
}

void DrawTarget::SetSavedBackground(const ImageEntry& image, BitmapHandle bitmap) {
    for (auto& entry : saved_) {
        if (entry.first == &image) {
            entry.second = std::move(bitmap);
            return;
        }
    }
    if (bitmap)
        saved_.emplace_back(&image, std::move(bitmap));
}

BitmapHandle DrawTarget::TakeSavedBackground(const ImageEntry& image) {
    for (auto it = saved_.begin(); it != saved_.end(); ++it) {
        if (it->first == &image) {
            BitmapHandle bitmap = std::move(it->second);
            saved_.erase(it);
            return bitmap;
        }
    }
    return BitmapHandle();
}

bool DrawTarget::HasSavedBackground(const ImageEntry& image) const {
    for (const auto& entry : saved_) {
        if (entry.first == &image)
            return entry.second.Valid();
    }
    return false;
}

}  // namespace vl
