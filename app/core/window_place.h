// The main window's normal position ("WindowPlace"): its default on a given screen, its stored text
// "left,top,width,height", and the check that a stored position still shows on some monitor.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vl {

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// A window's normal position: left, top, width, height.
struct WindowPlace {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowPlace& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
    bool operator!=(const WindowPlace& o) const { return !(*this == o); }
};

// A monitor's work area (the screen without the task bar), right and bottom exclusive.
struct WorkArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A fifth of the screen in from the top left corner, three fifths of it wide and high.
WindowPlace DefaultWindowPlace(ScreenSize screen);

// Reads "%d,%d,%d,%d" as scanf does: blanks before each number, an optional sign, the comma right
// after the number, anything after the fourth number ignored. Nothing when fewer than four numbers
// are found or one does not fit an int.
std::optional<WindowPlace> ParseWindowPlace(const std::string& text);
std::string FormatWindowPlace(const WindowPlace& place);

// A window placed where no monitor shows any of it (a monitor was removed or rearranged) would
// open out of sight, so a stored position that meets no work area gives way to the default; so
// does an empty one (no width or no height). Anything that meets a work area is kept unchanged.
WindowPlace FitWindowPlace(const std::optional<WindowPlace>& stored,
                           const std::vector<WorkArea>& workAreas, ScreenSize screen);

}  // namespace vl
