// What a Move keeps from its first step to its last, so that a step only copies pixels: a copy of
// the whole screen as the Move found it, the work bitmap each step is composed in, the object's
// bitmap selected for copying and, for a transparent text, its mask and ink.
#pragma once

#include <windows.h>

#include <memory>

#include "engine/core/geometry.h"
#include "engine/draw/draw_target.h"
#include "engine/draw/transparent_text.h"
#include "engine/draw/work_surface.h"

namespace vl {

class MoveCanvas {
  public:
    // Takes the snapshot of the target's whole screen and selects `picture` (the object's bitmap,
    // which must not change during the Move) for copying.
    MoveCanvas(const DrawTarget& target, HBITMAP picture);
    MoveCanvas(const MoveCanvas&) = delete;
    MoveCanvas& operator=(const MoveCanvas&) = delete;

    // The screen as the Move found it; nullptr when there was no memory for it.
    HDC Snapshot() const { return snapshot_ ? snapshot_.Dc() : nullptr; }
    // The object's bitmap.
    HDC Source() const { return source_.Dc(); }
    // Where a step is composed: a work DC in which the object (of `object` size) always sits at
    // the same place, with room around it for steps of up to `reach` pixels; `offset` turns the
    // step's local frame into the work DC's. `pictureKept` is true while the picture drawn there
    // with `look` is still in place, so an unchanged object is not copied again at every step.
    struct WorkArea {
        HDC dc = nullptr;  // nullptr when no work bitmap can be made
        Point offset;
        bool pictureKept = false;
    };
    struct Look {
        COLORREF fill = 0;
        DWORD rop = 0;
        bool operator==(const Look& other) const { return fill == other.fill && rop == other.rop; }
    };
    WorkArea Work(const StepLayout& step, Size object, const Look& look);
    // The picture now stands at its place in the work DC, drawn with `look`.
    void PictureDrawn(const Look& look);
    // Something else was composed over the picture's place, or over the whole union.
    void PictureCovered() {
        pictureKept_ = false;
        stripsFilled_ = false;
    }
    // Whether the two strips (in work coordinates) already hold `colour` from the step before,
    // apart from the corners that step copied in, which a step of the same shape copies again.
    bool StripsHold(const Rect& beside, const Rect& aboveOrBelow, COLORREF colour) const;
    void StripsFilled(const Rect& beside, const Rect& aboveOrBelow, COLORREF colour);
    // The strips now hold something else.
    void StripsChanged() { stripsFilled_ = false; }

    // The layers of a transparent text of `size`, made on first use; nullptr when they cannot be.
    const TransparentLayers* Layers(Size size, COLORREF key);

  private:
    const DrawTarget& target_;
    WorkSurface snapshot_;
    BitmapSource source_;
    std::unique_ptr<WorkSurface> work_;
    Size workSize_;
    Point margin_;  // where the object's top-left corner sits in the work bitmap
    bool pictureKept_ = false;
    Look keptLook_;
    bool stripsFilled_ = false;
    Rect filledStrips_[2];
    COLORREF stripColour_ = 0;
    std::unique_ptr<TransparentLayers> layers_;
};

}  // namespace vl
