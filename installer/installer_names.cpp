#include "installer/installer_names.h"

namespace vl {
namespace {

size_t Length(const char* text) {
    size_t length = 0;
    while (text[length])
        ++length;
    return length;
}

}  // namespace

bool AppendText(char* buffer, size_t size, const char* text) {
    const size_t used = Length(buffer);
    const size_t added = Length(text);
    if (used + added + 1 > size)
        return false;
    for (size_t i = 0; i <= added; ++i)
        buffer[used + i] = text[i];
    return true;
}

bool InstalledScreenSaverName(const char* path, char* name, size_t size) {
    const char* start = path;
    for (const char* p = path; *p; ++p) {
        if (*p == '\\' || *p == '/')
            start = p + 1;
    }
    size_t length = Length(start);
    length = length > 4 ? length - 4 : 0;
    if (length + 5 > size)
        return false;
    for (size_t i = 0; i < length; ++i)
        name[i] = start[i];
    name[length] = '\0';
    return AppendText(name, size, ".scr");
}

}  // namespace vl
