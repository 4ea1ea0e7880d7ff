#include "runtime/exit_rules.h"

namespace vl {

bool EndsRun(const ExitSettings& settings, ExitEvent event) {
    if (settings.standard)
        return true;
    switch (event) {
        case ExitEvent::MouseMove:
            return settings.mouseMove;
        case ExitEvent::ButtonDown:
            return settings.buttonDown;
        case ExitEvent::DoubleClick:
            return settings.doubleClick;
        case ExitEvent::KeyDown:
            return settings.keyDown;
        case ExitEvent::Deactivate:
            return settings.deactivate;
    }
    return false;
}

bool KeyEndsRun(const ExitSettings& settings, bool isEscape) {
    return EndsRun(settings, ExitEvent::KeyDown) || (isEscape && settings.escape);
}

bool PointerTracker::Moved(long x, long y) {
    if (!known_) {
        Reset(x, y);
        return false;
    }
    return x != x_ || y != y_;
}

void PointerTracker::Reset(long x, long y) {
    known_ = true;
    x_ = x;
    y_ = y;
}

ExitBoxes ExitBoxesOf(const ExitSettings& settings) {
    return {settings.standard, settings.mouseMove, settings.buttonDown, settings.doubleClick,
            settings.keyDown,  settings.escape,    settings.deactivate};
}

void SetExitBoxes(ExitSettings& settings, const ExitBoxes& boxes) {
    settings.standard = boxes[0];
    settings.mouseMove = boxes[1];
    settings.buttonDown = boxes[2];
    settings.doubleClick = boxes[3];
    settings.keyDown = boxes[4];
    settings.escape = boxes[5];
    settings.deactivate = boxes[6];
}

ExitBoxes ApplyExitBoxClick(ExitBoxes boxes, std::size_t clicked) {
    if (clicked >= kExitBoxCount)
        return boxes;
    std::size_t checked = 0;
    for (const bool box : boxes)
        checked += box ? 1 : 0;
    if (checked == 0) {
        boxes[kStandardBox] = true;
        return boxes;
    }
    if (clicked == kStandardBox) {
        if (boxes[kStandardBox]) {
            for (std::size_t i = 0; i < kExitBoxCount; ++i)
                boxes[i] = i == kStandardBox;
        }
        return boxes;
    }
    const bool standardAlone = boxes[kStandardBox] && checked == 1;
    if (!standardAlone)
        boxes[kStandardBox] = false;
    return boxes;
}

}  // namespace vl
