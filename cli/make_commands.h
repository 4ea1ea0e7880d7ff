// vistaloom-cli's packaging commands: make-scr, make-exe and make-exe-from-scr write the same
// bytes as the builder's Make SS, Make Install and Make install for .scr.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "package/carried_images.h"

// The usage lines of these commands, for the tool's help.
#define VL_MAKE_USAGE                                                                         \
    "  make-scr [--arch A] [--custom-image BMP] SCENE [OUT]\n"                                \
    "                                make a screen saver (default OUT: SCENE with .scr)\n"    \
    "  make-exe [--arch A] [--custom-image BMP] SCENE [OUT]\n"                                \
    "                                make an installer (default OUT: SCENE with .exe)\n"      \
    "  make-exe-from-scr [--arch A] IN.scr [OUT]\n"                                           \
    "                                make an installer around a screen saver (default OUT:\n" \
    "                                IN with .exe); an existing OUT is never replaced\n"      \
    "  A is x86 (the 32-bit release that runs on every Windows; the default) or x64; BMP a\n" \
    "  preview picture of 96 x 112 pixels with 256 colours, like the builder's Custom.BMP.\n"

namespace vl::cli {

using MakeArguments = std::vector<std::string>;
// Where the Glint and Ferrule images of an architecture come from.
using ImageSource = std::function<ProgramImages(Architecture)>;

// make-scr [--arch x86|x64] [--custom-image BMP] SCENE [OUT.scr]
int MakeScr(const MakeArguments& args, const ImageSource& images = CarriedImages);
// make-exe [--arch x86|x64] [--custom-image BMP] SCENE [OUT.exe]
int MakeExe(const MakeArguments& args, const ImageSource& images = CarriedImages);
// make-exe-from-scr [--arch x86|x64] IN.scr [OUT.exe]
int MakeExeFromScr(const MakeArguments& args, const ImageSource& images = CarriedImages);

}  // namespace vl::cli
