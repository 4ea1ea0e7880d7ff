#include "engine/draw/image_drawing.h"

#include <algorithm>
#include <string_view>

#include "engine/core/letters.h"
#include "engine/draw/step_strips.h"
#include "engine/draw/transparent_text.h"
#include "engine/draw/work_surface.h"
#include "engine/image/image_runtime.h"
#include "engine/text/text_bitmap.h"

namespace vl {

namespace {

const PreparedPicture& PictureOf(ImageEntry& image) {
    return ImageRuntimeOf(image).picture;
}

Point PositionOf(const MotionParam& placement) {
    return {placement.currentX, placement.currentY};
}

bool IsTransparentText(const ImageEntry& image) {
    return image.IsTextObject() && image.opaque == 0;
}

Rect ScreenRect(const DrawTarget& target) {
    return Rect::At({0, 0}, target.Screen());
}

// One picture repeated over the whole screen from (0, 0), each tile the picture mixed into the
// fill colour. All tiles are alike, so the first one is made and then doubled across and down:
// a few transfers instead of one per tile.
void DrawTiled(HDC dc, const DrawTarget& target, HDC source, Size tile, COLORREF fill, DWORD rop) {
    const Size screen = target.Screen();
    WorkSurface work(target.Dc(), screen.width, screen.height);
    if (!work || tile.width <= 0 || tile.height <= 0)
        return;
    FillArea(work.Dc(), ScreenRect(target), fill);
    BitBlt(work.Dc(), 0, 0, tile.width, tile.height, source, 0, 0, rop);
    for (int done = tile.width; done < screen.width; done *= 2)
        BitBlt(work.Dc(), done, 0, std::min(done, screen.width - done), tile.height, work.Dc(), 0,
               0, SRCCOPY);
    for (int done = tile.height; done < screen.height; done *= 2)
        BitBlt(work.Dc(), 0, done, screen.width, std::min(done, screen.height - done), work.Dc(), 0,
               0, SRCCOPY);
    BitBlt(dc, 0, 0, screen.width, screen.height, work.Dc(), 0, 0, SRCCOPY);
}

void DrawStretched(HDC dc, const DrawTarget& target, HDC source, Size picture) {
    const Size screen = target.Screen();
    WorkSurface work(target.Dc(), screen.width, screen.height);
    if (!work)
        return;
    // The picture covers the whole bitmap, so no fill shows. Dropping whole rows and columns
    // keeps the colours; the default mode would AND them together when shrinking.
    SetStretchBltMode(work.Dc(), COLORONCOLOR);
    StretchBlt(work.Dc(), 0, 0, screen.width, screen.height, source, 0, 0, picture.width,
               picture.height, SRCCOPY);
    BitBlt(dc, 0, 0, screen.width, screen.height, work.Dc(), 0, 0, SRCCOPY);
}

// The picture mixed into the flat fill colour, not into the screen. Composed in memory unless dc
// is memory already.
void DrawMixed(HDC dc, const DrawTarget& target, HDC source, const Rect& area, COLORREF fill,
               DWORD rop) {
    if (rop == SRCCOPY) {
        // The copy covers the fill completely.
        CopyArea(dc, area, source, 0, 0, SRCCOPY);
        return;
    }
    if (GetObjectType(dc) == OBJ_MEMDC) {
        FillArea(dc, area, fill);
        CopyArea(dc, area, source, 0, 0, rop);
        return;
    }
    WorkSurface work(target.Dc(), area.Width(), area.Height());
    if (!work)
        return;
    const Rect local = Rect::At({0, 0}, area.Extent());
    FillArea(work.Dc(), local, fill);
    CopyArea(work.Dc(), local, source, 0, 0, rop);
    CopyArea(dc, area, work.Dc(), 0, 0, SRCCOPY);
}

// A text on the key colour drawn so that what lies under it shows through every key-coloured
// pixel. On a window it is composed in memory first and copied in one transfer.
void DrawTransparent(HDC dc, const DrawTarget& target, HDC source, const Rect& area,
                     const TransparentLayers* layers) {
    std::unique_ptr<TransparentLayers> own;
    if (!layers) {
        own = std::make_unique<TransparentLayers>(target.Dc(), source, area.Extent(),
                                                  TransparentTextKey());
        layers = own.get();
    }
    if (!*layers)
        return;
    if (GetObjectType(dc) == OBJ_MEMDC) {
        layers->CombineInto(dc, area);
        return;
    }
    WorkSurface work(target.Dc(), area.Width(), area.Height());
    if (!work)
        return;
    const Rect local = Rect::At({0, 0}, area.Extent());
    CopyArea(work.Dc(), local, dc, area.left, area.top, SRCCOPY);
    layers->CombineInto(work.Dc(), local);
    CopyArea(dc, area, work.Dc(), 0, 0, SRCCOPY);
}

// Draw with the object's bitmap already selected into `source`.
void DrawFrom(ImageEntry& image, const DrawTarget& target, HDC dc, const Rect& area, HDC source,
              const TransparentLayers* layers) {
    const PreparedPicture& picture = PictureOf(image);
    const Size pictureSize{picture.Width(), picture.Height()};
    const COLORREF fill = FillColour(image, target);
    const DWORD rop = MixingRop(image.drawColour.mixing);
    if (picture.Icon()) {
        // The icon's transparent parts take the fill colour.
        FillArea(source, Rect::At({0, 0}, pictureSize), fill);
        DrawIconEx(source, 0, 0, picture.Icon(), pictureSize.width, pictureSize.height, 0, nullptr,
                   DI_NORMAL);
    }
    switch (image.currentPlacement.effect) {
        case kEffectTile:
            DrawTiled(dc, target, source, area.Extent(), fill, rop);
            break;
        case kEffectStretch:
            DrawStretched(dc, target, source, pictureSize);
            break;
        default:
            if (IsTransparentText(image))
                DrawTransparent(dc, target, source, area, layers);
            else
                DrawMixed(dc, target, source, area, fill, rop);
            break;
    }
    image.shown = 1;
}

// The parts of the union that a step leaves uncovered, in the work bitmap (at `offset` from the
// step's frame): from the snapshot with "Keep while moving", else in the erase colour. The
// screen outside the object already shows the snapshot there, except where the object was and
// left the erase colour, so the two corners outside both rectangles come from the snapshot too.
void ComposeUncovered(MoveCanvas& canvas, HDC work, Point offset, const StepLayout& step,
                      HDC snapshot, bool keep, COLORREF eraseColour) {
    const UncoveredStrips strips = StripsOutsideNew(step);
    const Rect beside = strips.beside.Offset(offset.x, offset.y);
    const Rect aboveOrBelow = strips.aboveOrBelow.Offset(offset.x, offset.y);
    if (keep) {
        for (const Rect& strip : {strips.beside, strips.aboveOrBelow}) {
            const Rect onScreen = ToScreen(step, strip);
            if (!strip.IsEmpty())
                CopyArea(work, strip.Offset(offset.x, offset.y), snapshot, onScreen.left,
                         onScreen.top, SRCCOPY);
        }
        canvas.StripsChanged();
        return;
    }
    if (!canvas.StripsHold(beside, aboveOrBelow, eraseColour)) {
        FillArea(work, beside, eraseColour);
        FillArea(work, aboveOrBelow, eraseColour);
        canvas.StripsFilled(beside, aboveOrBelow, eraseColour);
    }
    for (const Rect& corner : step.corners) {
        if (corner.IsEmpty())
            continue;
        const Rect onScreen = ToScreen(step, corner);
        CopyArea(work, corner.Offset(offset.x, offset.y), snapshot, onScreen.left, onScreen.top,
                 SRCCOPY);
    }
}

}  // namespace

DWORD MixingRop(std::int32_t mixing) {
    switch (mixing) {
        case kMixOr:
            return SRCPAINT;
        case kMixAnd:
            return SRCAND;
        default:
            return SRCCOPY;
    }
}

COLORREF FillColour(const ImageEntry& image, const DrawTarget& target) {
    return image.drawColour.background == 1 ? target.Background() : image.drawColour.colour;
}

Size ObjectSize(ImageEntry& image) {
    const PreparedPicture& picture = PictureOf(image);
    if (picture.Empty())
        return {};
    return {picture.Width(), picture.Height()};
}

void Draw(ImageEntry& image, const DrawTarget& target, HDC dc, const Rect* clip) {
    const PreparedPicture& picture = PictureOf(image);
    if (picture.Empty())
        return;
    const Rect area =
        clip ? *clip
             : Rect::At(PositionOf(image.currentPlacement), {picture.Width(), picture.Height()});
    BitmapSource source(target.Dc(), picture.Bitmap());
    if (source)
        DrawFrom(image, target, dc, area, source.Dc(), nullptr);
}

void Erase(ImageEntry& image, const DrawTarget& target) {
    const Rect area = DrawnArea(image.currentPlacement.effect, PositionOf(image.currentPlacement),
                                ObjectSize(image), target.Screen());
    FillArea(target.Dc(), area, target.Background());
    image.shown = 0;
}

void StepDraw(ImageEntry& image, const DrawTarget& target, const MotionParam& next,
              MoveCanvas& canvas) {
    const Size size = ObjectSize(image);
    const StepLayout step = LayoutStep(PositionOf(image.currentPlacement), PositionOf(next), size);
    const bool transparent = IsTransparentText(image);
    const TransparentLayers* layers =
        transparent ? canvas.Layers(size, TransparentTextKey()) : nullptr;
    const HDC dc = target.Dc();
    if (!step.overlapped) {
        Erase(image, target);
        image.previousPlacement = image.currentPlacement;
        image.currentPlacement = next;
        if (canvas.Source())
            DrawFrom(image, target, dc, Rect::At(PositionOf(next), size), canvas.Source(), layers);
        return;
    }

    const Rect onScreen = ToScreen(step, step.bounds);
    const HDC snapshot = canvas.Snapshot() ? canvas.Snapshot() : dc;
    const MoveCanvas::Look look{FillColour(image, target), MixingRop(image.drawColour.mixing)};
    const MoveCanvas::WorkArea work = canvas.Work(step, size, look);
    if (work.dc && canvas.Source()) {
        const Rect newInWork = step.newRect.Offset(work.offset.x, work.offset.y);
        const Rect unionInWork = step.bounds.Offset(work.offset.x, work.offset.y);
        if (transparent) {
            // The text is composed over what lies under it, so its place is refilled every step.
            CopyArea(work.dc, unionInWork, snapshot, onScreen.left, onScreen.top, SRCCOPY);
            canvas.PictureCovered();
        } else {
            ComposeUncovered(canvas, work.dc, work.offset, step, snapshot,
                             next.keepWhileMoving != 0, target.Background());
        }
        const bool plain = next.effect == kEffectNone && !transparent;
        if (plain && work.pictureKept) {
            image.shown = 1;
        } else {
            DrawFrom(image, target, work.dc, newInWork, canvas.Source(), layers);
            if (plain)
                canvas.PictureDrawn(look);
            else
                canvas.PictureCovered();
        }
        CopyArea(dc, onScreen, work.dc, unionInWork.left, unionInWork.top, SRCCOPY);
    }
    image.previousPlacement = image.currentPlacement;
    image.currentPlacement = next;
}

bool NextLetter(ImageEntry& image, const DrawTarget& target, int& letterIndex) {
    const LetterStep step = NextLetterStep(image.text, letterIndex);
    if (!step.draw)
        return false;
    if (!RenderText(image, std::string_view(image.text).substr(0, step.prefixLength)))
        return false;
    Draw(image, target);
    return step.lettersRemain;
}

}  // namespace vl
