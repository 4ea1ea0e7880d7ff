// How a text message is cut into lines for measuring. The lines are the ones DrawText draws: a
// line ends at a carriage return and line feed pair (either order), or at a lone line feed or
// carriage return, which is not part of the line. A text whose lines end in bare line feeds is
// therefore measured with all its characters and nothing of it is clipped.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vl {

struct TextLine {
    std::size_t start = 0;
    std::size_t length = 0;
};

// Every line of the text in order; the last one runs to the end of the text, so a text ending in
// a line break has an empty last line and an empty text one empty line.
std::vector<TextLine> SplitTextLines(std::string_view text);

}  // namespace vl
