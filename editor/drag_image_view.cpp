#include "editor/drag_image_view.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "editor/drag_image_store.h"
#include "framework/clipboard.h"
#include "framework/dib_section.h"
#include "framework/ole.h"

namespace vl {
namespace {

constexpr COLORREF kStripMask = RGB(0, 128, 128);

}  // namespace

DWORD DragSourceProcess(IDataObject* data) {
    const auto bytes =
        GetDataBytes(data, static_cast<CLIPFORMAT>(RegisteredFormat(kDragSourceFormat)));
    DWORD id = 0;
    if (bytes && bytes->size() >= sizeof id)
        std::memcpy(&id, bytes->data(), sizeof id);
    return id;
}

void DragImageView::Show(HWND window, POINT point, DWORD sourceProcess) {
    End();
    const auto image = LoadDragImage(sourceProcess);
    if (!image)
        return;
    const DibSection strip = MakeTopDownDib(nullptr, image->width, image->height);
    if (!strip)
        return;
    std::copy(image->pixels.begin(), image->pixels.end(), strip.pixels);
    image_.Reset(ImageList_Create(image->width, image->height, ILC_COLOR24 | ILC_MASK, 1, 0));
    if (!image_ || ImageList_AddMasked(image_.Get(), strip.bitmap.Get(), kStripMask) < 0) {
        image_.Reset();
        return;
    }
    hot_ = {image->hotX, image->hotY};
    if (!ImageList_BeginDrag(image_.Get(), 0, 0, 0)) {
        image_.Reset();
        return;
    }
    window_ = window;
    ImageList_DragEnter(window, point.x - hot_.x, point.y - hot_.y);
}

void DragImageView::Move(POINT point) {
    if (image_)
        ImageList_DragMove(point.x - hot_.x, point.y - hot_.y);
}

void DragImageView::Hide(bool hide) {
    if (image_)
        ImageList_DragShowNolock(hide ? FALSE : TRUE);
}

void DragImageView::End() {
    if (!image_)
        return;
    ImageList_DragLeave(window_);
    ImageList_EndDrag();
    image_.Reset();
    window_ = nullptr;
}

}  // namespace vl
