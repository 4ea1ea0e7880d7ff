// The colour dialog's sample: two overlapping circles, the testing colour on the left and the
// chosen colour on the right, their common part showing the two mixed as the Mixing setting
// says. Tooltips name the halves.
#pragma once

#include <cstdint>

namespace vl {

struct SampleRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const SampleRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};

struct ColourSampleLayout {
    SampleRect testCircle;    // bounding square of the left circle
    SampleRect chosenCircle;  // bounding square of the right circle
    SampleRect leftHalf;      // tooltip "Testing colour"
    SampleRect rightHalf;     // tooltip "Choosen colour"
};

// Circles as large as the sample's height allows (and its width, so that each overlaps the other
// by a third of its diameter), centred together; the halves split the sample at its middle.
ColourSampleLayout LayoutColourSample(int width, int height);

// What the common part shows: with "No Mixing" the chosen colour covers the test colour; "OR" and
// "AND" combine the two bit by bit as the player does on the screen.
std::uint32_t MixedSampleColour(std::uint32_t testColour, std::uint32_t chosenColour,
                                std::int32_t mixing);

}  // namespace vl
