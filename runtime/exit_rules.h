// When a screen-saver run ends: the exit settings, the events of the run window and the rule that
// ties the seven exit boxes of the settings dialog together.
#pragma once

#include <array>
#include <cstddef>

namespace vl {

// Glint's settings, with the defaults that hold while nothing is stored.
struct ExitSettings {
    bool standard = true;  // any event ends the run
    bool mouseMove = false;
    bool buttonDown = false;
    bool doubleClick = false;
    bool keyDown = false;
    bool escape = false;
    bool deactivate = false;
    bool showCursor = false;
    bool sysKeyComb = true;  // system key combinations stay allowed during the run
};

enum class ExitEvent { MouseMove, ButtonDown, DoubleClick, KeyDown, Deactivate };

// The exit test: "Standard" or the event's own setting.
bool EndsRun(const ExitSettings& settings, ExitEvent event);

// A key press: the KeyDown test, then, for Esc, the "Escape" setting.
bool KeyEndsRun(const ExitSettings& settings, bool isEscape);

// The first pointer position only sets the reference; a later one elsewhere is a move.
class PointerTracker {
  public:
    // True when (x, y) differs from the reference; the first call only records it.
    bool Moved(long x, long y);
    // Takes (x, y) afresh as the reference.
    void Reset(long x, long y);

  private:
    bool known_ = false;
    long x_ = 0;
    long y_ = 0;
};

// The exit boxes in dialog order: Standard, MouseMove, ButtonDown, DoubleClick, KeyDown, Escape,
// Deactivate.
inline constexpr std::size_t kExitBoxCount = 7;
inline constexpr std::size_t kStandardBox = 0;
using ExitBoxes = std::array<bool, kExitBoxCount>;

ExitBoxes ExitBoxesOf(const ExitSettings& settings);
void SetExitBoxes(ExitSettings& settings, const ExitBoxes& boxes);

// The boxes after a click on box `clicked` (boxes already hold the clicked box's new state).
// With none checked, Standard comes back; a chosen event clears Standard; and Standard checked by
// the user clears the chosen events, since it already stands for every event.
ExitBoxes ApplyExitBoxClick(ExitBoxes boxes, std::size_t clicked);

}  // namespace vl
