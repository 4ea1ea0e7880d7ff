// The stored font record as the LOGFONTA Windows takes: the same 60 bytes.
#pragma once

#include <windows.h>

#include <cstring>

#include "scene/log_font.h"

namespace vl {

static_assert(sizeof(LOGFONTA) == LogFont::kByteSize, "LOGFONT keeps the stored layout");

inline LOGFONTA ToLogFontA(const LogFont& font) {
    LOGFONTA result;
    const auto bytes = font.ToBytes();
    std::memcpy(&result, bytes.data(), sizeof result);
    // A face name that fills all 32 bytes has no terminator of its own.
    result.lfFaceName[LF_FACESIZE - 1] = '\0';
    return result;
}

}  // namespace vl
