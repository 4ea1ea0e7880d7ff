#include "scene/text_format.h"

#include "scene/params.h"

namespace vl {

void AppendInt(std::string& text, std::int64_t value) {
    char digits[24];
    int count = 0;
    // Work with the magnitude as unsigned so the most negative value needs no special case.
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) {
        text += '-';
    }
    while (count > 0) {
        text += digits[--count];
    }
}

void AppendSeconds(std::string& text, std::int32_t milliseconds) {
    std::int64_t ms = milliseconds;
    if (ms < 0) {
        text += '-';
        ms = -ms;
    }
    AppendInt(text, ms / 1000);
    int fraction = static_cast<int>(ms % 1000);
    if (fraction == 0) {
        return;
    }
    char digits[3] = {static_cast<char>('0' + fraction / 100),
                      static_cast<char>('0' + fraction / 10 % 10),
                      static_cast<char>('0' + fraction % 10)};
    int length = 3;
    while (digits[length - 1] == '0') {
        --length;
    }
    text += '.';
    text.append(digits, static_cast<std::size_t>(length));
}

void AppendRgb(std::string& text, std::uint32_t colour) {
    text += "RGB(";
    AppendInt(text, RedOf(colour));
    text += ", ";
    AppendInt(text, GreenOf(colour));
    text += ", ";
    AppendInt(text, BlueOf(colour));
    text += ')';
}

}  // namespace vl
