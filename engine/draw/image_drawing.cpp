#include "engine/draw/image_drawing.h"

#include <algorithm>
#include <string_view>

#include "engine/core/letters.h"
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

// The picture mixed into the flat fill colour, not into the screen.
void DrawMixed(HDC dc, const DrawTarget& target, HDC source, const Rect& area, COLORREF fill,
               DWORD rop) {
    if (rop == SRCCOPY) {
        // The copy covers the fill completely.
        CopyArea(dc, area, source, 0, 0, SRCCOPY);
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

// A text on the key colour drawn so that the screen shows through every key-coloured pixel: a
// monochrome mask (1 = key) clears the text's place, the text with its key pixels made black is
// ORed in. On a window this is composed in memory first and copied in one transfer.
void DrawTransparent(HDC dc, const DrawTarget& target, HDC source, const Rect& area) {
    const int w = area.Width();
    const int h = area.Height();
    const Rect local = Rect::At({0, 0}, area.Extent());
    BitmapHandle maskBitmap(CreateBitmap(w, h, 1, 1, nullptr));
    if (!maskBitmap)
        return;
    BitmapSource mask(target.Dc(), maskBitmap.Get());
    WorkSurface ink(target.Dc(), w, h);
    if (!mask || !ink)
        return;
    SetBkColor(source, TransparentTextKey());
    CopyArea(mask.Dc(), local, source, 0, 0, SRCCOPY);
    CopyArea(ink.Dc(), local, source, 0, 0, SRCCOPY);
    SetBkColor(ink.Dc(), RGB(0, 0, 0));
    SetTextColor(ink.Dc(), RGB(255, 255, 255));
    CopyArea(ink.Dc(), local, mask.Dc(), 0, 0, SRCAND);

    auto combine = [&](HDC into, const Rect& at) {
        const COLORREF background = SetBkColor(into, RGB(255, 255, 255));
        const COLORREF text = SetTextColor(into, RGB(0, 0, 0));
        CopyArea(into, at, mask.Dc(), 0, 0, SRCAND);
        CopyArea(into, at, ink.Dc(), 0, 0, SRCPAINT);
        SetBkColor(into, background);
        SetTextColor(into, text);
    };
    if (GetObjectType(dc) == OBJ_MEMDC) {
        combine(dc, area);
        return;
    }
    WorkSurface work(target.Dc(), w, h);
    if (!work)
        return;
    CopyArea(work.Dc(), local, dc, area.left, area.top, SRCCOPY);
    combine(work.Dc(), local);
    CopyArea(dc, area, work.Dc(), 0, 0, SRCCOPY);
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
    const Size pictureSize{picture.Width(), picture.Height()};
    const Rect area = clip ? *clip : Rect::At(PositionOf(image.currentPlacement), pictureSize);
    const COLORREF fill = FillColour(image, target);
    const DWORD rop = MixingRop(image.drawColour.mixing);

    BitmapSource source(target.Dc(), picture.Bitmap());
    if (!source)
        return;
    if (picture.Icon()) {
        // The icon's transparent parts take the fill colour.
        FillArea(source.Dc(), Rect::At({0, 0}, pictureSize), fill);
        DrawIconEx(source.Dc(), 0, 0, picture.Icon(), pictureSize.width, pictureSize.height, 0,
                   nullptr, DI_NORMAL);
    }
    switch (image.currentPlacement.effect) {
        case kEffectTile:
            DrawTiled(dc, target, source.Dc(), area.Extent(), fill, rop);
            break;
        case kEffectStretch:
            DrawStretched(dc, target, source.Dc(), pictureSize);
            break;
        default:
            if (IsTransparentText(image))
                DrawTransparent(dc, target, source.Dc(), area);
            else
                DrawMixed(dc, target, source.Dc(), area, fill, rop);
            break;
    }
    image.shown = 1;
}

void Erase(ImageEntry& image, const DrawTarget& target) {
    const Rect area = DrawnArea(image.currentPlacement.effect, PositionOf(image.currentPlacement),
                                ObjectSize(image), target.Screen());
    FillArea(target.Dc(), area, target.Background());
    image.shown = 0;
}

void StepDraw(ImageEntry& image, const DrawTarget& target, const MotionParam& next, HDC snapshot) {
    const Size size = ObjectSize(image);
    const StepLayout step = LayoutStep(PositionOf(image.currentPlacement), PositionOf(next), size);
    if (!step.overlapped) {
        Erase(image, target);
        image.previousPlacement = image.currentPlacement;
        image.currentPlacement = next;
        Draw(image, target);
        return;
    }

    const HDC dc = target.Dc();
    const Rect onScreen = ToScreen(step, step.bounds);
    WorkSurface work(dc, onScreen.Width(), onScreen.Height());
    if (work) {
        if (IsTransparentText(image) || next.keepWhileMoving != 0)
            CopyArea(work.Dc(), step.bounds, snapshot ? snapshot : dc, onScreen.left, onScreen.top,
                     SRCCOPY);
        else
            FillArea(work.Dc(), step.oldRect, target.Background());
        Draw(image, target, work.Dc(), &step.newRect);
        for (const Rect& corner : step.corners) {
            if (corner.IsEmpty())
                continue;
            const Rect cornerOnScreen = ToScreen(step, corner);
            CopyArea(work.Dc(), corner, dc, cornerOnScreen.left, cornerOnScreen.top, SRCCOPY);
        }
        CopyArea(dc, onScreen, work.Dc(), 0, 0, SRCCOPY);
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
