#include "engine/draw/display_commands.h"

#include <windows.h>

#include "engine/core/motion.h"
#include "engine/core/waits.h"
#include "engine/draw/image_drawing.h"
#include "engine/draw/move_canvas.h"
#include "engine/draw/work_surface.h"
#include "engine/image/image_runtime.h"

namespace vl {

namespace {

ImageEntry* LinkedImageOf(ImageCommandEntry& command) {
    return EntryAs<ImageEntry>(command.GetLinkedObject());
}

// A copy of `area` of `from` as a bitmap of its own.
BitmapHandle SaveArea(const DrawTarget& target, const Rect& area, HDC from) {
    WorkSurface copy(target.Dc(), area.Width(), area.Height());
    if (!copy)
        return BitmapHandle();
    BitBlt(copy.Dc(), 0, 0, area.Width(), area.Height(), from, area.left, area.top, SRCCOPY);
    return copy.TakeBitmap();
}

class LetterDrawer final : public ILetterStepper {
  public:
    LetterDrawer(ImageEntry& image, const DrawTarget& target) : image_(image), target_(target) {}
    bool NextLetter(int& letterIndex) override {
        const bool more = vl::NextLetter(image_, target_, letterIndex);
        target_.Present();
        return more;
    }

  private:
    ImageEntry& image_;
    const DrawTarget& target_;
};

class MoveDrawer final : public IMoveStepper {
  public:
    MoveDrawer(MoveEntry& move, ImageEntry& image, const DrawTarget& target, MoveCanvas& canvas)
        : move_(move), image_(image), target_(target), canvas_(canvas) {}

    void DrawStep(const MotionParam& placement) override {
        // A random colour changes at every step.
        move_.params.colour.Resolve();
        image_.drawColour = move_.params.colour;
        StepDraw(image_, target_, placement, canvas_);
        target_.Present();
    }

  private:
    MoveEntry& move_;
    ImageEntry& image_;
    const DrawTarget& target_;
    MoveCanvas& canvas_;
};

// Only a Hide gives a saved background back. An object that no active Hide uses keeps none, so a
// slideshow of many pictures does not hold a screen area for every picture it has shown.
bool SomeHideRestores(const ImageEntry& image) {
    for (const SceneEntry* user : image.Users()) {
        if (user->Kind() == kHide && !user->IsDisabled())
            return true;
    }
    return false;
}

}  // namespace

void ShowImage(ShowEntry& show, DrawTarget& target, PlayerContext& context) {
    ImageEntry* image = LinkedImageOf(show);
    if (!image)
        return;
    const Size size = ObjectSize(*image);
    MotionParam& motion = show.params.motion;
    ResolveMotion(motion, size, target.Screen());
    show.params.colour.Resolve();
    image->currentPlacement = motion;
    image->drawColour = show.params.colour;

    if (motion.restoreAfterHide != 0 && SomeHideRestores(*image)) {
        const Rect covered = Rect::At({motion.startX, motion.startY}, size);
        target.SetSavedBackground(*image, SaveArea(target, covered, target.Dc()));
        image->backgroundPlacement = motion;
    }
    if (image->IsTextObject() && motion.letterByLetter != 0) {
        LetterDrawer letters(*image, target);
        RunLetters(context, motion.letterSpeed, letters);
        return;
    }
    Draw(*image, target);
    target.Present();
}

void MoveImage(MoveEntry& move, DrawTarget& target, PlayerContext& context) {
    ImageEntry* image = LinkedImageOf(move);
    if (!image)
        return;
    const Size size = ObjectSize(*image);
    const Size screen = target.Screen();
    ResolveMotion(move.params.motion, size, screen);
    MotionParam placement = move.params.motion;
    image->currentPlacement = placement;
    image->previousPlacement = placement;

    // The screen as it was, for what the object uncovers and for its Hide; taken once per Move.
    MoveCanvas canvas(target, ImageRuntimeOf(*image).picture.Bitmap());
    const bool restore = placement.restoreAfterHide != 0 && SomeHideRestores(*image);
    if (restore)
        target.SetSavedBackground(*image, BitmapHandle());

    MoveDrawer drawer(move, *image, target, canvas);
    RunMove(context, placement, drawer);

    if (restore) {
        // Saved from the screen as it was, where the object was drawn last: the end point of a
        // line-mode Move is not where it stops when its steps pass over it, and step mode and a
        // Stop leave the object elsewhere altogether.
        const MotionParam& last = image->currentPlacement;
        const Rect covered = Rect::At({last.currentX, last.currentY}, size);
        const HDC before = canvas.Snapshot() ? canvas.Snapshot() : target.Dc();
        target.SetSavedBackground(*image, SaveArea(target, covered, before));
        image->backgroundPlacement = last;
    }
}

void HideImage(HideEntry& hide, DrawTarget& target) {
    ImageEntry* image = LinkedImageOf(hide);
    if (!image || image->shown == 0)
        return;
    if (image->currentPlacement.restoreAfterHide == 0) {
        Erase(*image, target);
    } else if (BitmapHandle saved = target.TakeSavedBackground(*image)) {
        BITMAP info{};
        if (GetObjectA(saved.Get(), sizeof info, &info)) {
            BitmapSource source(target.Dc(), saved.Get());
            BitBlt(target.Dc(), image->backgroundPlacement.currentX,
                   image->backgroundPlacement.currentY, info.bmWidth, info.bmHeight, source.Dc(), 0,
                   0, SRCCOPY);
        }
    }
    image->shown = 0;
    target.Present();
}

int PenStyleOf(std::int32_t style) {
    switch (style) {
        case kPenSolid:
            return PS_SOLID;
        case kPenDash:
            return PS_DASH;
        case kPenDot:
            return PS_DOT;
        case kPenDashDot:
            return PS_DASHDOT;
        default:
            return PS_DASHDOTDOT;
    }
}

void DrawLine(LineEntry& line, DrawTarget& target) {
    MotionParam& motion = line.motion;
    ResolveMotion(motion, Size{}, target.Screen());
    const COLORREF colour = line.colour.Resolve();
    PenHandle pen(CreatePen(PenStyleOf(line.penStyle), line.penWidth, colour));
    if (!pen)
        return;
    const HDC dc = target.Dc();
    SelectGuard selection(dc, pen.Get());
    MoveToEx(dc, motion.startX, motion.startY, nullptr);
    LineTo(dc, motion.endX, motion.endY);
    target.Present();
}

}  // namespace vl
