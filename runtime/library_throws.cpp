// The standard library reports misuse (out of range, length errors) through these functions. Its
// own versions build std::logic_error and friends, whose reference-counted message strings pull
// about 55 KB (i686) / 37 KB (x64) of string code into Glint's fixed-size image. Here they throw a
// small exception that still derives from std::exception, so `catch (const std::exception&)` and
// `catch (...)` at the boundaries behave the same; only a catch of the exact logic_error type
// would not match inside Glint.
#include <exception>
#include <new>
#include <string>
#include <typeinfo>

namespace {

class LibraryError : public std::exception {
  public:
    explicit LibraryError(const char* what) : what_(what ? what : "library error") {}
    const char* what() const noexcept override { return what_; }

  private:
    const char* what_;  // the library's own literal
};

}  // namespace

namespace std {

void __throw_bad_exception() {
    throw bad_exception();
}
void __throw_bad_alloc() {
    throw bad_alloc();
}
void __throw_bad_array_new_length() {
    throw bad_array_new_length();
}
void __throw_bad_cast() {
    throw bad_cast();
}
void __throw_bad_typeid() {
    throw bad_typeid();
}
void __throw_logic_error(const char* what) {
    throw LibraryError(what);
}
void __throw_domain_error(const char* what) {
    throw LibraryError(what);
}
void __throw_invalid_argument(const char* what) {
    throw LibraryError(what);
}
void __throw_length_error(const char* what) {
    throw LibraryError(what);
}
void __throw_out_of_range(const char* what) {
    throw LibraryError(what);
}
void __throw_out_of_range_fmt(const char* format, ...) {
    throw LibraryError(format);
}
void __throw_runtime_error(const char* what) {
    throw LibraryError(what);
}
void __throw_range_error(const char* what) {
    throw LibraryError(what);
}
void __throw_overflow_error(const char* what) {
    throw LibraryError(what);
}
void __throw_underflow_error(const char* what) {
    throw LibraryError(what);
}

}  // namespace std
