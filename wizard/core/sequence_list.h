// Page 3's list of sequences without windows: the line that describes a sequence and the moves
// and removals with the refusals the user is shown.
#pragma once

#include <string>
#include <vector>

#include "wizard/core/wizard_data.h"

namespace vl {

inline constexpr char kSelectToDelete[] = "You must select item \nin order to delete it!";
inline constexpr char kSelectToMove[] = "You must select item \nin order to move it!";
inline constexpr char kFirstCannotGoUp[] = "Cannot move first item up!";
inline constexpr char kLastCannotGoDown[] = "Cannot move last item down!";
inline constexpr char kSelectToPreview[] = "You must select item \nin order to preview it!";
inline constexpr char kFinishQuestion[] = "Are you sure you want to finish making your scr?";

// "Image:sky.bmp Show [Center,Center] No clear, Wait, Hide." and the like.
std::string SequenceLine(const WizardSequence& sequence);

// Swaps the sequence at selected (-1: none) with its neighbour above (direction -1) or below
// (+1). Returns the refusal to show, or an empty text when the two were swapped.
std::string MoveSequence(std::vector<WizardSequence>& sequences, int selected, int direction);

}  // namespace vl
