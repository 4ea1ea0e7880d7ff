#include "engine/draw/move_canvas.h"

#include <algorithm>

namespace vl {

MoveCanvas::MoveCanvas(const DrawTarget& target, HBITMAP picture)
    : target_(target),
      snapshot_(target.Dc(), target.Screen().width, target.Screen().height),
      source_(target.Dc(), picture) {
    if (snapshot_)
        BitBlt(snapshot_.Dc(), 0, 0, target.Screen().width, target.Screen().height, target.Dc(), 0,
               0, SRCCOPY);
}

MoveCanvas::WorkArea MoveCanvas::Work(const StepLayout& step, Size object, const Look& look) {
    const Size reach{step.bounds.Width() - object.width, step.bounds.Height() - object.height};
    if (!work_ || reach.width > margin_.x || reach.height > margin_.y) {
        // Room for the largest step so far on every side, so the object keeps its place whatever
        // the direction.
        margin_ = {std::max(reach.width, margin_.x), std::max(reach.height, margin_.y)};
        workSize_ = {object.width + 2 * margin_.x, object.height + 2 * margin_.y};
        work_.reset();  // its memory goes before the larger one is made
        work_ = std::make_unique<WorkSurface>(target_.Dc(), workSize_.width, workSize_.height);
        PictureCovered();
    }
    WorkArea area;
    if (!*work_)
        return area;
    area.dc = work_->Dc();
    area.offset = {margin_.x - step.newRect.left, margin_.y - step.newRect.top};
    area.pictureKept = pictureKept_ && keptLook_ == look;
    return area;
}

void MoveCanvas::PictureDrawn(const Look& look) {
    pictureKept_ = true;
    keptLook_ = look;
}

bool MoveCanvas::StripsHold(const Rect& beside, const Rect& aboveOrBelow, COLORREF colour) const {
    return stripsFilled_ && stripColour_ == colour && filledStrips_[0] == beside &&
           filledStrips_[1] == aboveOrBelow;
}

void MoveCanvas::StripsFilled(const Rect& beside, const Rect& aboveOrBelow, COLORREF colour) {
    stripsFilled_ = true;
    filledStrips_[0] = beside;
    filledStrips_[1] = aboveOrBelow;
    stripColour_ = colour;
}

const TransparentLayers* MoveCanvas::Layers(Size size, COLORREF key) {
    if (!layers_)
        layers_ = std::make_unique<TransparentLayers>(target_.Dc(), source_.Dc(), size, key);
    return *layers_ ? layers_.get() : nullptr;
}

}  // namespace vl
