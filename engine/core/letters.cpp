#include "engine/core/letters.h"

namespace vl {

LetterStep NextLetterStep(std::string_view text, int& letterIndex) {
    LetterStep step;
    const std::size_t length = text.size();
    if (letterIndex < 0 || static_cast<std::size_t>(letterIndex) >= length)
        return step;
    std::size_t i = static_cast<std::size_t>(letterIndex);
    while (i < length && (text[i] == '\r' || text[i] == '\n'))
        ++i;
    letterIndex = static_cast<int>(i);
    step.draw = true;
    step.prefixLength = i < length ? i + 1 : length;
    step.lettersRemain = i + 1 < length;
    return step;
}

}  // namespace vl
