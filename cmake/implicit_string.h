// Included before every C++ source of the Windows flavours (cmake/FixedImage.cmake): std::string
// is instantiated where it is used instead of linked from the library's string-inst.o, so a
// program carries only the string members it calls. The value -1 is libstdc++'s own switch for
// exactly that; unlike its debug use, it comes here without _GLIBCXX_ASSERTIONS.
#pragma once
#include <bits/c++config.h>
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
