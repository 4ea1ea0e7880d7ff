#include "installer/application_name.h"

namespace vl {

void ApplicationName(const char* path, char* name, size_t size) {
    if (size == 0)
        return;
    const char* start = path;
    for (const char* p = path; *p; ++p) {
        if (*p == '\\' || *p == '/')
            start = p + 1;
    }
    const char* end = start;
    const char* dot = nullptr;
    for (; *end; ++end) {
        if (*end == '.')
            dot = end;
    }
    if (dot)
        end = dot;
    size_t length = static_cast<size_t>(end - start);
    if (length > size - 1)
        length = size - 1;
    for (size_t i = 0; i < length; ++i)
        name[i] = start[i];
    name[length] = '\0';
}

}  // namespace vl
