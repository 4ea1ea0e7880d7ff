// The library's own terminate handler prints the exception's demangled type, which drags a large
// demangler into Glint's fixed-size image. A screen saver has no console to print to anyway.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
