#include "package/carried_images.h"

// The build copies each image into VL_CARRIED_IMAGES_DIR before this file is compiled, or
// leaves an empty file there when that flavour has not been built.
#if defined(_WIN32)
#define VL_READ_ONLY_SECTION ".section .rdata,\"dr\"\n"
#else
#define VL_READ_ONLY_SECTION ".section .rodata\n"
#endif

#define VL_CARRY(symbol, file) \
    ".balign 16\n" #symbol     \
    "_begin:\n"                \
    ".incbin \"" VL_CARRIED_IMAGES_DIR "/" file "\"\n" #symbol "_end:\n"

asm(VL_READ_ONLY_SECTION VL_CARRY(vl_carried_x86_glint, "x86-Glint.scr")
        VL_CARRY(vl_carried_x86_ferrule, "x86-Ferrule.exe")
            VL_CARRY(vl_carried_x64_glint, "x64-Glint.scr")
                VL_CARRY(vl_carried_x64_ferrule, "x64-Ferrule.exe") ".text\n");

extern "C" {
extern const unsigned char vl_carried_x86_glint_begin[] asm("vl_carried_x86_glint_begin");
extern const unsigned char vl_carried_x86_glint_end[] asm("vl_carried_x86_glint_end");
extern const unsigned char vl_carried_x86_ferrule_begin[] asm("vl_carried_x86_ferrule_begin");
extern const unsigned char vl_carried_x86_ferrule_end[] asm("vl_carried_x86_ferrule_end");
extern const unsigned char vl_carried_x64_glint_begin[] asm("vl_carried_x64_glint_begin");
extern const unsigned char vl_carried_x64_glint_end[] asm("vl_carried_x64_glint_end");
extern const unsigned char vl_carried_x64_ferrule_begin[] asm("vl_carried_x64_ferrule_begin");
extern const unsigned char vl_carried_x64_ferrule_end[] asm("vl_carried_x64_ferrule_end");
}

namespace vl {
namespace {

ByteView Between(const unsigned char* begin, const unsigned char* end) {
    return {begin, static_cast<std::size_t>(end - begin)};
}

}  // namespace

ProgramImages CarriedImages(Architecture architecture) {
    if (architecture == Architecture::kX64) {
        return {Between(vl_carried_x64_glint_begin, vl_carried_x64_glint_end),
                Between(vl_carried_x64_ferrule_begin, vl_carried_x64_ferrule_end)};
    }
    return {Between(vl_carried_x86_glint_begin, vl_carried_x86_glint_end),
            Between(vl_carried_x86_ferrule_begin, vl_carried_x86_ferrule_end)};
}

const char* ArchitectureName(Architecture architecture) {
    return architecture == Architecture::kX64 ? "x64" : "x86";
}

bool ParseArchitecture(const std::string& text, Architecture& architecture) {
    if (text == "x86") {
        architecture = Architecture::kX86;
        return true;
    }
    if (text == "x64") {
        architecture = Architecture::kX64;
        return true;
    }
    return false;
}

}  // namespace vl
