#include "engine/text/text_lines.h"

namespace vl {

namespace {

bool IsBreak(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

std::vector<TextLine> SplitTextLines(std::string_view text) {
    std::vector<TextLine> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!IsBreak(text[i])) {
            ++i;
            continue;
        }
        lines.push_back({start, i - start});
        // CR LF and LF CR are one break each; two equal characters are two.
        const bool pair = i + 1 < text.size() && IsBreak(text[i + 1]) && text[i + 1] != text[i];
        i += pair ? 2 : 1;
        start = i;
    }
    lines.push_back({start, text.size() - start});
    return lines;
}

}  // namespace vl
