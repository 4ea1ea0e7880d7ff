// How a scene-list line looks: which font and colour its entry's state takes, and what selection
// and a drag over the list do to its background, text and icon. The Win32 side maps the answer to
// the options' fonts and colours and the system colours.
#pragma once

#include <cstdint>

namespace vl {

// The entry's state picks the font and the colour: deactivated before comment before normal.
enum class LineState { kNormal, kComment, kDisabled };

LineState LineStateOf(std::int32_t kind, bool disabled);

enum class LineBackground { kWindow, kHighlight };
enum class LineTextColour { kState, kDrag, kHighlightText };

struct LineLookInput {
    std::int32_t kind = 0;
    bool disabled = false;
    bool selected = false;
    bool focused = false;  // the line has the list's focus
    // A drag image is shown over the list; during it the line under the pointer is selected for
    // the moment to mark the drop target.
    bool dragOver = false;
    bool dragFromThisList = false;
    bool inSavedSelection = false;  // selected when the drag entered the list
    bool pointerInside = false;     // the pointer is inside this line's rectangle
    bool softDragging = false;      // option "&Soft dragging"
    bool dragColour = false;        // option "&Drag colour"
};

struct LineLook {
    LineState state = LineState::kNormal;
    LineBackground background = LineBackground::kWindow;
    LineTextColour text = LineTextColour::kState;
    bool shifted = false;       // text one pixel right and down
    bool iconSelected = false;  // icon blended as selected
    bool focusRect = false;     // a focus rectangle around the text area
};

LineLook ChooseLineLook(const LineLookInput& line);

}  // namespace vl
