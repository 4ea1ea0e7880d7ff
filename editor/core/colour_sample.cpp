#include "editor/core/colour_sample.h"

#include <algorithm>

#include "scene/params.h"

namespace vl {

ColourSampleLayout LayoutColourSample(int width, int height) {
    ColourSampleLayout layout;
    width = std::max(width, 0);
    height = std::max(height, 0);
    // Two circles of diameter d overlapping by d / 3 span 5d / 3.
    const int diameter = std::min(height, width * 3 / 5);
    const int span = diameter * 5 / 3;
    const int left = (width - span) / 2;
    const int top = (height - diameter) / 2;
    layout.testCircle = {left, top, left + diameter, top + diameter};
    const int shift = diameter * 2 / 3;
    layout.chosenCircle = {left + shift, top, left + shift + diameter, top + diameter};
    layout.leftHalf = {0, 0, width / 2, height};
    layout.rightHalf = {width / 2, 0, width, height};
    return layout;
}

std::uint32_t MixedSampleColour(std::uint32_t testColour, std::uint32_t chosenColour,
                                std::int32_t mixing) {
    switch (mixing) {
        case kMixOr:
            return (testColour | chosenColour) & 0x00FFFFFF;
        case kMixAnd:
            return testColour & chosenColour & 0x00FFFFFF;
        default:
            return chosenColour;
    }
}

}  // namespace vl
