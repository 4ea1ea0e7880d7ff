// The drag image a window shows while a drag of scene lines is over it: read from
// "ImageCursor.tmp" as the drag enters (written by the drag's own process), moved with the
// pointer, and gone when the drag leaves or drops.
#pragma once

#include <windows.h>

#include <objidl.h>

#include "framework/handles.h"

namespace vl {

// The process a drag comes from, as its data says; 0 when it does not say.
DWORD DragSourceProcess(IDataObject* data);

class DragImageView {
  public:
    DragImageView() = default;
    DragImageView(const DragImageView&) = delete;
    DragImageView& operator=(const DragImageView&) = delete;
    ~DragImageView() { End(); }

    // Shows over window, at point in its client coordinates, the image sourceProcess wrote. A
    // missing, damaged or foreign file shows nothing; the drag works as usual.
    void Show(HWND window, POINT point, DWORD sourceProcess);
    void Move(POINT point);
    // Takes the image away while the window paints under it, and back.
    void Hide(bool hide);
    void End();

    bool Shown() const { return static_cast<bool>(image_); }
    // The image's hot spot: where the pointer is within it.
    POINT Hot() const { return hot_; }

  private:
    HWND window_ = nullptr;
    ImageListHandle image_;
    POINT hot_{0, 0};
};

}  // namespace vl
