// libjpeg reports errors through error_exit, which must not return: ours jumps back to the
// codec's entry, which then cleans up and fails. Warnings (a truncated stream and the like) are
// dropped: the decoder fills in what is missing and the caller reports only real failures.
#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace vl {

struct JpegErrorTrap {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

inline void JpegErrorExit(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrorTrap*>(info->err)->jump, 1);
}

inline void JpegSilentMessage(j_common_ptr) {}

inline jpeg_error_mgr* InstallJpegErrorTrap(JpegErrorTrap& trap) {
    jpeg_std_error(&trap.manager);
    trap.manager.error_exit = JpegErrorExit;
    trap.manager.output_message = JpegSilentMessage;
    return &trap.manager;
}

}  // namespace vl
