// Which prefix of a text a letter-by-letter Show draws next. Line breaks (CR and LF) are not
// letters: they are passed over, so they cost no delay.
#pragma once

#include <cstddef>
#include <string_view>

namespace vl {

struct LetterStep {
    bool draw = false;             // false: no letters left, nothing to draw
    std::size_t prefixLength = 0;  // draw text[0, prefixLength); the whole text when only line
                                   // breaks were left
    bool lettersRemain = false;    // another letter may follow this one
};

// The step for `letterIndex`, which is moved past any line breaks to the letter drawn.
LetterStep NextLetterStep(std::string_view text, int& letterIndex);

}  // namespace vl
